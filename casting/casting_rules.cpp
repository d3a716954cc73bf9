#include "casting/casting_rules.h"

#include <array>

namespace meihua {

namespace {

constexpr std::array<std::string_view, 12> kBranches{"子", "丑", "寅", "卯", "辰", "巳",
                                                     "午", "未", "申", "酉", "戌", "亥"};

// The remainder that never goes negative, so every rule lands in 0..k-1.
int NonNegativeMod(int x, int k) { return ((x % k) + k) % k; }

}  // namespace

int BranchOrdinal(std::string_view text) {
    for (std::size_t i = 0; i < kBranches.size(); ++i) {
        if (text == kBranches[i]) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

std::string_view BranchText(int ordinal) {
    if (ordinal < 1 || ordinal > 12) {
        return {};
    }
    return kBranches[static_cast<std::size_t>(ordinal - 1)];
}

CastNumbers TimeCastNumbers(int yearNumber, int hourNumber, int lunarMonth, int lunarDay) {
    // Each operand is at most 30, so these sums cannot overflow.
    const int s = NonNegativeMod(yearNumber, 24) + NonNegativeMod(lunarMonth, 24) +
                  NonNegativeMod(lunarDay, 24);
    const int withHour = s + NonNegativeMod(hourNumber, 24);
    return {.upper = s % 8, .lower = withHour % 8, .movingLine = withHour % 6};
}

CastNumbers CountCastNumbers(std::string_view countText, int hourNumber) {
    const TextNumber n = TextToInteger(countText);
    const int hour = NonNegativeMod(hourNumber, 24);
    return {.upper = n.Mod(8), .lower = hour % 8, .movingLine = (n.residue24 + hour) % 6};
}

CastNumbers LengthCastNumbers(std::string_view firstText, std::string_view secondText) {
    const TextNumber a = TextToInteger(firstText);
    const TextNumber b = TextToInteger(secondText);
    return {.upper = a.Mod(8), .lower = b.Mod(8), .movingLine = (a.residue24 + b.residue24) % 6};
}

void NormaliseCastNumbers(CastNumbers& numbers) {
    if (numbers.upper == 0) {
        numbers.upper = 8;
    }
    if (numbers.lower == 0) {
        numbers.lower = 8;
    }
    if (numbers.movingLine == 0) {
        numbers.movingLine = 6;
    }
}

}  // namespace meihua
