// Runs the real meihua-cast binary and checks what a user sees: stdout, stderr, exit status.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs meihua-cast with `args`, feeding `input` on stdin.
Outcome RunCast(const std::vector<std::string>& args, const std::string& input = "") {
    const char* binary = std::getenv("MEIHUA_CAST");
    EXPECT_NE(binary, nullptr) << "MEIHUA_CAST names the binary under test";
    // CTest runs tests in parallel: each run gets files of its own.
    static int runs = 0;
    const std::string stem = testing::TempDir() + "meihua_cli_" + std::to_string(getpid()) + "_" +
                             std::to_string(++runs);
    const std::string inPath = stem + ".in";
    const std::string errPath = stem + ".err";
    std::ofstream(inPath) << input;
    std::string command = Quote(binary ? binary : "false");
    for (const std::string& arg : args) {
        command += " " + Quote(arg);
    }
    command += " <" + Quote(inPath) + " 2>" + Quote(errPath);
    Outcome outcome;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "cannot run " << command;
        return outcome;
    }
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        outcome.out.append(buffer, n);
    }
    const int raw = pclose(pipe);
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    outcome.err = ReadFile(errPath);
    std::remove(inPath.c_str());
    std::remove(errPath.c_str());
    return outcome;
}

TEST(MeihuaCast, NumbersPrintsTheWorkedExampleAsJson) {
    const Outcome r = RunCast({"--json", "numbers", "6", "4", "5"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "{\"method\":\"numbers\",\"upper\":6,\"lower\":4,\"movingLine\":5,\"hexagrams\":{"
              "\"main\":{\"name\":\"水雷屯\",\"lines\":\"100010\"},"
              "\"mutual\":{\"name\":\"山地剥\",\"lines\":\"000001\"},"
              "\"changed\":{\"name\":\"地雷复\",\"lines\":\"100000\"},"
              "\"opposite\":{\"name\":\"火风鼎\",\"lines\":\"011101\"},"
              "\"reversed\":{\"name\":\"山水蒙\",\"lines\":\"010001\"}}}\n");
}

TEST(MeihuaCast, NumbersAreTakenByEightAndSix) {
    // 14 by 8 is 6 (坎), 12 by 8 is 4 (震), 11 by 6 is 5: the worked example again.
    EXPECT_EQ(RunCast({"--json", "numbers", "14", "12", "11"}).out,
              RunCast({"--json", "numbers", "6", "4", "5"}).out);
    // Remainders of 0 become 坤 and the top line; negatives take the non-negative remainder.
    const Outcome r = RunCast({"--json", "numbers", "16", "-3", "0"});
    EXPECT_NE(r.out.find("\"upper\":8,\"lower\":5,\"movingLine\":6"), std::string::npos) << r.out;
}

TEST(MeihuaCast, LengthCastsByTheLengthRule) {
    const Outcome r = RunCast({"--json", "length", "3", "5"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"method\":\"length\",\"upper\":3,\"lower\":5,\"movingLine\":2"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\"main\":{\"name\":\"火风鼎\""), std::string::npos);
    // Twenty-digit lengths cast by their exact remainders.
    const Outcome big = RunCast({"--json", "length", "99999999999999999999", "1"});
    EXPECT_NE(big.out.find("\"upper\":7,\"lower\":1,\"movingLine\":4"), std::string::npos)
        << big.out;
}

TEST(MeihuaCast, TextChartShowsNamesBarsAndTheMovingLine) {
    const Outcome r = RunCast({"numbers", "6", "4", "5"});
    EXPECT_EQ(r.status, 0);
    std::istringstream lines(r.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);) {
        rows.push_back(line);
    }
    ASSERT_EQ(rows.size(), 10u) << r.out;
    EXPECT_EQ(rows[0], "上卦 6  下卦 4  动爻 5");
    EXPECT_EQ(rows[2].find("本卦"), 0u);
    EXPECT_EQ(rows[3].find("水雷屯"), 0u);
    // Rows 4..9 are lines 6..1; 水雷屯 is 010 001 read from the top, line 5 moving.
    EXPECT_EQ(rows[4].find("━━━ ━━━ "), 0u);
    EXPECT_EQ(rows[5].find("━━━━━━━ ◎"), 0u);
    EXPECT_EQ(rows[9].find("━━━━━━━ "), 0u);
    EXPECT_EQ(r.out.find("◎"), r.out.rfind("◎"));
}

TEST(MeihuaCast, UsageErrorsSayWhatIsWrongOnOneLine) {
    const std::vector<std::vector<std::string>> mistakes = {
        {},
        {"cast"},
        {"numbers", "6", "4"},
        {"numbers", "6", "4", "5", "1"},
        {"length", "3"},
        {"--jsn", "length", "3", "5"},
        {"length", "3", "5", "--json"},
    };
    for (const auto& args : mistakes) {
        const Outcome r = RunCast(args);
        std::string shown;
        for (const auto& a : args) shown += a + " ";
        SCOPED_TRACE(shown);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.find("meihua-cast: "), 0u) << r.err;
        EXPECT_NE(r.err.find("usage: meihua-cast"), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    }
}

TEST(MeihuaCast, HelpAndVersion) {
    const Outcome help = RunCast({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("numbers UPPER LOWER MOVING"), std::string::npos);
    const Outcome version = RunCast({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.find("meihua-cast "), 0u);
}

}  // namespace
