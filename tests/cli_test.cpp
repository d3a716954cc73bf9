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

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(MeihuaCastMoment, CalendarGivesTheFactsOfAMoment) {
    const Outcome r = RunCast({"--json", "calendar", "2026-12-10", "09:05:07"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "{\"date\":\"2026-12-10\",\"time\":\"09:05:07\",\"lunarYear\":2026,"
              "\"lunarMonth\":11,\"leapMonth\":false,\"lunarDay\":2,\"yearBranch\":\"午\","
              "\"yearNumber\":7,\"hourBranch\":\"巳\",\"hourNumber\":6}\n");
    EXPECT_EQ(RunCast({"calendar", "2026-12-10", "09:05:07"}).out,
              "2026-12-10 09:05:07  丙午年 冬月初二 巳时  年支 午 7  时支 巳 6\n");
}

TEST(MeihuaCastMoment, TimeCastsTheClassicalPlumBlossomCase) {
    // 戊辰年 腊月十七 申时: 辰 5 + 12 + 17 = 34, so 兑 over 离 with line 1 moving.
    const Outcome r = RunCast({"--json", "time", "1989-01-24", "15:30"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.find("{\"method\":\"time\",\"date\":\"1989-01-24\",\"time\":\"15:30:00\","
                         "\"yearNumber\":5,\"hourNumber\":9,\"lunarMonth\":12,\"lunarDay\":17,"
                         "\"upper\":2,\"lower\":3,\"movingLine\":1,"),
              0u)
        << r.out;
    EXPECT_NE(r.out.find("\"main\":{\"name\":\"泽火革\""), std::string::npos);
    EXPECT_NE(r.out.find("\"changed\":{\"name\":\"泽山咸\""), std::string::npos);
    const Outcome text = RunCast({"time", "1989-01-24", "15:30"});
    EXPECT_EQ(Lines(text.out).at(0), "1989-01-24 15:30:00  戊辰年 腊月十七 申时");
}

TEST(MeihuaCastMoment, CountTakesTheHourOfTheGivenMoment) {
    // 10 objects at 05:00 (卯, 4): upper 2, lower 4, moving line 14 mod 6 = 2.
    const Outcome r = RunCast({"--json", "count", "10", "--at", "2026-12-10", "05:00"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"method\":\"count\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"hourNumber\":4,"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"upper\":2,\"lower\":4,\"movingLine\":2,"), std::string::npos);
    // A negative count casts by the non-negative remainder: -14 like 10.
    EXPECT_EQ(RunCast({"--json", "count", "-14", "--at", "2026-12-10", "05:00"}).out, r.out);
}

TEST(MeihuaCastMoment, BadMomentsAreRefusedWithTheRange) {
    const std::vector<std::vector<std::string>> mistakes = {
        {"time", "2026-1-5"},             // malformed
        {"time", "2023-02-29"},           // does not exist
        {"time", "1901-02-18", "23:59"},  // the day before the range
        {"calendar", "2049-01-01"},       // the day after it
        {"calendar", "2026-12-10", "24:00"},
        {"calendar", "2026-12-10", "9:05"},
        {"count", "3", "--at", "2026-13-01"},
    };
    for (const auto& args : mistakes) {
        const Outcome r = RunCast(args);
        SCOPED_TRACE(args.back());
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.find("meihua-cast: "), 0u) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    }
    EXPECT_NE(RunCast({"time", "2049-01-01"}).err.find("1901-02-19 to 2048-12-31"),
              std::string::npos);
    // The ends of the range themselves are accepted.
    EXPECT_EQ(RunCast({"calendar", "1901-02-19", "00:00:00"}).status, 0);
    EXPECT_EQ(RunCast({"calendar", "2048-12-31", "23:59:59"}).status, 0);
}

TEST(MeihuaCastMoment, CalendarStreamAnswersEveryLineInOrder) {
    const Outcome r = RunCast({"--json", "calendar", "-"},
                              "2026-12-10 09:05:07\n"
                              "not a moment\n"
                              "2023-02-29 10:00:00\r\n"
                              "2026-12-10 23:00:00\n");
    EXPECT_EQ(r.status, 1);  // some lines were bad
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 4u) << r.out;
    EXPECT_NE(lines[0].find("\"hourBranch\":\"巳\""), std::string::npos);
    EXPECT_EQ(lines[1].find("{\"line\":2,\"input\":\"not a moment\",\"error\":"), 0u);
    EXPECT_NE(lines[2].find("does not exist"), std::string::npos);
    // 23:00 is already the 子 hour, and the lunar day is still that of the date.
    EXPECT_NE(lines[3].find("\"lunarDay\":2,\"yearBranch\":\"午\",\"yearNumber\":7,"
                            "\"hourBranch\":\"子\",\"hourNumber\":1"),
              std::string::npos);
    const Outcome good = RunCast({"calendar", "-"}, "2026-12-10 09:05:07\n");
    EXPECT_EQ(good.status, 0);
    EXPECT_EQ(good.out, "2026-12-10 09:05:07  丙午年 冬月初二 巳时  年支 午 7  时支 巳 6\n");
}

}  // namespace
