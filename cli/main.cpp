// meihua-cast: casts a chart from the command line, on the same core as the window.

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "casting/casting_rules.h"
#include "cli/chart_output.h"
#include "engine/cast_result.h"

namespace meihua::cli {
namespace {

constexpr std::string_view kUsageLine =
    "meihua-cast [--json] numbers UPPER LOWER MOVING | length FIRST SECOND";

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

Numbers are read as the window reads them: full-width digits count, a leading sign is
allowed, and whatever follows the digits ("12个", "3.9") is ignored; a text without
digits counts as 0. Negative numbers take the non-negative remainder (-3 casts like 5).

Options (before the command):
  --json       one JSON object per chart on one line
  --help       this text
  --version    the program's version

Exit status: 0 on success, 2 for a usage error.
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
        if (arg.starts_with("--")) {
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
    }
}
