#pragma once

#include <string_view>

#include "calendar/lunar_calendar.h"
#include "casting/casting_rules.h"

namespace meihua {

/// What a cast reads from the window, as plain values: the chosen method and the texts and
/// date of the inputs, exactly as the controls hold them.
struct CastInputs {
    CastMethod method = CastMethod::Time;
    GregorianDate date{};         ///< the date box's date
    std::string_view hourText{};  ///< the hour, minute and second lists' texts
    std::string_view minuteText{};
    std::string_view secondText{};
    std::string_view countText{};        ///< the count of objects or sounds
    std::string_view firstLengthText{};  ///< the two lengths
    std::string_view secondLengthText{};
};

/// The numbers a cast arrives at before the hexagrams are derived.
struct CastComputation {
    int yearNumber = 0;   ///< branch ordinal of the year pillar, 0 for an invalid moment
    int hourNumber = 0;   ///< branch ordinal of the hour pillar, 0 for an invalid moment
    CastNumbers numbers;  ///< normalised: upper and lower in 1..8, movingLine in 1..6
};

/// Takes the year and hour branch numbers of the moment (both, whatever the method), applies
/// the method's rule and normalises the result, so the numbers are always ready for
/// DeriveHexagrams. The characters method has no rule: its numbers stay 0 and become 8, 8
/// and 6.
CastComputation ComputeCastNumbers(const CastInputs& inputs);

}  // namespace meihua
