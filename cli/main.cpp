// meihua-cast: casts a chart from the command line, on the same core as the window.

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/lunar_calendar.h"
#include "calendar/lunar_text.h"
#include "casting/casting_rules.h"
#include "cli/chart_output.h"
#include "cli/moment_args.h"
#include "engine/cast_result.h"

namespace meihua::cli {
namespace {

constexpr std::string_view kUsageLine =
    "meihua-cast [--json] numbers UPPER LOWER MOVING | length FIRST SECOND | time [DATE [TIME]] "
    "| count TEXT [--at DATE [TIME]] | calendar [DATE [TIME] | -]";

constexpr std::string_view kHelp =
    R"(Usage: meihua-cast [--json] COMMAND [ARGUMENTS]

Casts a Plum Blossom Numerology (梅花易数) chart and prints its five hexagrams:
本卦, 互卦, 变卦, 错卦 and 综卦, with the moving line marked.

Commands:
  numbers UPPER LOWER MOVING   three whole numbers you already have: upper and lower
                               are taken by 8, the moving line by 6 (a remainder of 0
                               gives 8, or the top line 6)
  length FIRST SECOND          two lengths: upper = first mod 8, lower = second mod 8,
                               moving line = (first + second) mod 6
  time [DATE [TIME]]           the moment: S = year branch + lunar month + lunar day;
                               upper = S mod 8, lower = (S + hour branch) mod 8,
                               moving line = (S + hour branch) mod 6
  count TEXT [--at DATE [TIME]]
                               a count of objects or sounds n, at the hour of the
                               moment: upper = n mod 8, lower = hour branch mod 8,
                               moving line = (n + hour branch) mod 6
  calendar [DATE [TIME]]       the calendar facts of a moment: lunar date, year and
                               hour branches
  calendar -                   the same for each "YYYY-MM-DD HH:MM:SS" line on stdin

DATE is YYYY-MM-DD within 1901-02-19..2048-12-31 and TIME is HH:MM or HH:MM:SS, China
Standard Time wall clock; both default to now by the local clock. The year branch turns
at the exact moment of the Start of Spring (立春); the branches count 子 1 .. 亥 12 and the
double hour 子 runs from 23:00 to 00:59.

Numbers are read as the window reads them: full-width digits count, a leading sign is
allowed, and whatever follows the digits ("12个", "3.9") is ignored; a text without
digits counts as 0. Negative numbers take the non-negative remainder (-3 casts like 5).

Options (before the command):
  --json       one JSON object per chart on one line
  --help       this text
  --version    the program's version

Exit status: 0 on success; 1 when "calendar -" met a bad line (it answers the others);
2 for a usage error or a date or time that is malformed, does not exist or is out of range.
)";

struct UsageError {
    std::string problem;
};

struct Invocation {
    bool json = false;
    std::string_view command;
    std::vector<std::string_view> args;
};

void RequireArgs(const Invocation& inv, std::size_t count) {
    if (inv.args.size() < count) {
        throw UsageError{std::string(inv.command) + " needs " + std::to_string(count) +
                         " arguments, got " + std::to_string(inv.args.size())};
    }
    if (inv.args.size() > count) {
        throw UsageError{"too many arguments for " + std::string(inv.command) + ": \"" +
                         std::string(inv.args[count]) + "\""};
    }
}

void Print(const Invocation& inv, std::string_view method, const CastResult& chart) {
    if (inv.json) {
        std::cout << ChartJson(method, chart) << "\n";
    } else {
        std::cout << ChartText(chart);
    }
}

CastResult DeriveFrom(CastNumbers numbers) {
    NormaliseCastNumbers(numbers);
    return DeriveHexagrams(numbers.upper, numbers.lower, numbers.movingLine);
}

int Numbers(const Invocation& inv) {
    RequireArgs(inv, 3);
    const CastNumbers numbers{.upper = TextToInteger(inv.args[0]).Mod(8),
                              .lower = TextToInteger(inv.args[1]).Mod(8),
                              .movingLine = TextToInteger(inv.args[2]).Mod(6)};
    Print(inv, "numbers", DeriveFrom(numbers));
    return 0;
}

int Length(const Invocation& inv) {
    RequireArgs(inv, 2);
    Print(inv, "length", DeriveFrom(LengthCastNumbers(inv.args[0], inv.args[1])));
    return 0;
}

// The calendar facts of a moment that lies in range.
struct Moment {
    GregorianDate date;
    TimeOfDay time;
    LunarDate lunar;
    int yearNumber = 0;
    int hourNumber = 0;
};

Moment MomentAt(GregorianDate date, TimeOfDay time) {
    const std::optional<LunarDate> lunar = ToLunar(date);
    const std::optional<int> year = YearBranchOrdinal(date, time);
    const std::optional<int> hour = HourBranchOrdinal(time.hour);
    if (!lunar || !year || !hour) {
        throw MomentError{"the moment " + DateText(date) + " " + TimeText(time) +
                          " is out of range; the calendar covers 1901-02-19 to 2048-12-31"};
    }
    return {date, time, *lunar, *year, *hour};
}

// DATE and TIME from `args` starting at `first`, each defaulting to now.
Moment MomentFrom(const std::vector<std::string_view>& args, std::size_t first) {
    GregorianDate date;
    TimeOfDay time;
    Now(date, time);
    if (args.size() > first) {
        date = ParseDate(args[first]);
    }
    if (args.size() > first + 1) {
        time = ParseTime(args[first + 1]);
    }
    return MomentAt(date, time);
}

// "丙午年 冬月初二 巳时"
std::string LunarLine(const Moment& m) {
    return FourPillars(m.date, m.time).year + "年 " + LunarDateText(m.lunar) + " " +
           std::string(BranchText(m.hourNumber)) + "时";
}

void RequireArgRange(const Invocation& inv, std::size_t most) {
    if (inv.args.size() > most) {
        throw UsageError{"too many arguments for " + std::string(inv.command) + ": \"" +
                         std::string(inv.args[most]) + "\""};
    }
}

void PrintMomentChart(const Invocation& inv, std::string_view method, const Moment& m,
                      const CastResult& chart) {
    if (inv.json) {
        const JsonMembers extra{{"date", JsonString(DateText(m.date))},
                                {"time", JsonString(TimeText(m.time))},
                                {"yearNumber", std::to_string(m.yearNumber)},
                                {"hourNumber", std::to_string(m.hourNumber)},
                                {"lunarMonth", std::to_string(m.lunar.month)},
                                {"lunarDay", std::to_string(m.lunar.day)}};
        std::cout << ChartJson(method, chart, extra) << "\n";
    } else {
        std::cout << DateText(m.date) << " " << TimeText(m.time) << "  " << LunarLine(m) << "\n"
                  << ChartText(chart);
    }
}

int Time(const Invocation& inv) {
    RequireArgRange(inv, 2);
    const Moment m = MomentFrom(inv.args, 0);
    const CastNumbers numbers =
        TimeCastNumbers(m.yearNumber, m.hourNumber, m.lunar.month, m.lunar.day);
    PrintMomentChart(inv, "time", m, DeriveFrom(numbers));
    return 0;
}

int Count(const Invocation& inv) {
    if (inv.args.empty()) {
        throw UsageError{"count needs the count TEXT"};
    }
    std::vector<std::string_view> at;
    if (inv.args.size() > 1) {
        if (inv.args[1] != "--at") {
            throw UsageError{"too many arguments for count: \"" + std::string(inv.args[1]) + "\""};
        }
        if (inv.args.size() == 2) {
            throw UsageError{"--at needs a DATE"};
        }
        if (inv.args.size() > 4) {
            throw UsageError{"too many arguments for count: \"" + std::string(inv.args[4]) + "\""};
        }
        at.assign(inv.args.begin() + 2, inv.args.end());
    }
    const Moment m = MomentFrom(at, 0);
    PrintMomentChart(inv, "count", m, DeriveFrom(CountCastNumbers(inv.args[0], m.hourNumber)));
    return 0;
}

std::string CalendarJson(const Moment& m) {
    return "{\"date\":" + JsonString(DateText(m.date)) +
           ",\"time\":" + JsonString(TimeText(m.time)) +
           ",\"lunarYear\":" + std::to_string(m.lunar.year) +
           ",\"lunarMonth\":" + std::to_string(m.lunar.month) +
           ",\"leapMonth\":" + (m.lunar.leapMonth ? "true" : "false") +
           ",\"lunarDay\":" + std::to_string(m.lunar.day) +
           ",\"yearBranch\":" + JsonString(BranchText(m.yearNumber)) +
           ",\"yearNumber\":" + std::to_string(m.yearNumber) +
           ",\"hourBranch\":" + JsonString(BranchText(m.hourNumber)) +
           ",\"hourNumber\":" + std::to_string(m.hourNumber) + "}";
}

// "2026-12-10 09:05:07  丙午年 冬月初二 巳时  年支 午 7  时支 巳 6"
std::string CalendarText(const Moment& m) {
    return DateText(m.date) + " " + TimeText(m.time) + "  " + LunarLine(m) + "  年支 " +
           std::string(BranchText(m.yearNumber)) + " " + std::to_string(m.yearNumber) + "  时支 " +
           std::string(BranchText(m.hourNumber)) + " " + std::to_string(m.hourNumber);
}

// Answers each "YYYY-MM-DD HH:MM:SS" line of stdin with one line, in order; a bad line is
// answered with an error and the rest go on.
int CalendarStream(const Invocation& inv) {
    std::ios::sync_with_stdio(false);
    std::string line;
    std::string out;
    int lineNumber = 0;
    bool anyBad = false;
    while (std::getline(std::cin, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        try {
            const std::size_t space = line.find(' ');
            if (space == std::string::npos) {
                throw MomentError{"a line is \"YYYY-MM-DD HH:MM:SS\""};
            }
            const std::string_view text(line);
            // The date is judged first, so a line wrong in both says what is wrong first.
            const GregorianDate date = ParseDate(text.substr(0, space));
            const Moment m = MomentAt(date, ParseTime(text.substr(space + 1)));
            out += inv.json ? CalendarJson(m) : CalendarText(m);
        } catch (const MomentError& e) {
            anyBad = true;
            if (inv.json) {
                out += "{\"line\":" + std::to_string(lineNumber) +
                       ",\"input\":" + JsonString(line) + ",\"error\":" + JsonString(e.what) + "}";
            } else {
                out += "line " + std::to_string(lineNumber) + ": " + e.what;
            }
        }
        out += '\n';
        if (out.size() > (1 << 16)) {
            std::cout << out;
            out.clear();
        }
    }
    std::cout << out << std::flush;
    return anyBad ? 1 : 0;
}

int Calendar(const Invocation& inv) {
    RequireArgRange(inv, 2);
    if (inv.args.size() == 1 && inv.args[0] == "-") {
        return CalendarStream(inv);
    }
    const Moment m = MomentFrom(inv.args, 0);
    std::cout << (inv.json ? CalendarJson(m) : CalendarText(m)) << "\n";
    return 0;
}

Invocation Parse(int argc, char** argv) {
    Invocation inv;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--json") {
            inv.json = true;
        } else if (arg.starts_with("--")) {
            throw UsageError{"unknown option \"" + std::string(arg) + "\""};
        } else {
            break;
        }
    }
    if (i == argc) {
        throw UsageError{"no command given"};
    }
    inv.command = argv[i++];
    for (; i < argc; ++i) {
        const std::string_view arg = argv[i];
        // Negative numbers are arguments; anything spelled like an option is a mistake here.
        if (arg.starts_with("--") && !(arg == "--at" && inv.command == "count")) {
            throw UsageError{"options go before the command, not \"" + std::string(arg) + "\""};
        }
        inv.args.push_back(arg);
    }
    return inv;
}

int Run(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kHelp;
            return 0;
        }
        if (arg == "--version") {
            std::cout << "meihua-cast " << MEIHUA_VERSION << "\n";
            return 0;
        }
        if (!arg.starts_with("--")) {
            break;
        }
    }
    const Invocation inv = Parse(argc, argv);
    if (inv.command == "numbers") {
        return Numbers(inv);
    }
    if (inv.command == "length") {
        return Length(inv);
    }
    if (inv.command == "time") {
        return Time(inv);
    }
    if (inv.command == "count") {
        return Count(inv);
    }
    if (inv.command == "calendar") {
        return Calendar(inv);
    }
    throw UsageError{"unknown command \"" + std::string(inv.command) + "\""};
}

}  // namespace
}  // namespace meihua::cli

int main(int argc, char** argv) {
    try {
        return meihua::cli::Run(argc, argv);
    } catch (const meihua::cli::UsageError& e) {
        std::cerr << "meihua-cast: " << e.problem << "; usage: " << meihua::cli::kUsageLine << "\n";
        return 2;
    } catch (const meihua::cli::MomentError& e) {
        std::cerr << "meihua-cast: " << e.what << "\n";
        return 2;
    }
}
