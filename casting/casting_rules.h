#pragma once

#include <string_view>

#include "casting/text_to_integer.h"

namespace meihua {

/// How a chart is cast.
enum class CastMethod { Time, Count, Characters, Length };

/// The three numbers a casting rule produces: remainders by 8 (trigrams) and by 6 (moving
/// line). A remainder of 0 stays 0 until NormaliseCastNumbers.
struct CastNumbers {
    int upper = 0;
    int lower = 0;
    int movingLine = 0;

    friend bool operator==(const CastNumbers&, const CastNumbers&) = default;
};

/// The ordinal 1..12 of an earthly branch (子 1 .. 亥 12) given as exactly that one
/// character; 0 for every other text, the empty text included.
int BranchOrdinal(std::string_view text);

/// The branch character of ordinal 1..12 (子 .. 亥), or an empty text for anything else.
std::string_view BranchText(int ordinal);

/// Time rule. S = yearNumber + lunarMonth + lunarDay; upper = S mod 8,
/// lower = (S + hourNumber) mod 8, movingLine = (S + hourNumber) mod 6.
CastNumbers TimeCastNumbers(int yearNumber, int hourNumber, int lunarMonth, int lunarDay);

/// Count rule for the typed count n: upper = n mod 8, lower = hourNumber mod 8,
/// movingLine = (n + hourNumber) mod 6. Remainders are never negative: a count of -3 casts
/// like 5.
CastNumbers CountCastNumbers(std::string_view countText, int hourNumber);

/// Length rule for typed lengths a and b: upper = a mod 8, lower = b mod 8,
/// movingLine = (a + b) mod 6, exact however long the numbers, never negative.
CastNumbers LengthCastNumbers(std::string_view firstText, std::string_view secondText);

/// A trigram remainder of 0 becomes 8 and a moving-line remainder of 0 becomes 6; nothing
/// else changes.
void NormaliseCastNumbers(CastNumbers& numbers);

}  // namespace meihua
