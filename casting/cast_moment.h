#pragma once

#include <optional>
#include <string_view>

#include "calendar/lunar_calendar.h"

namespace meihua {

/// The moment a cast is taken at: a calendar date and a time of day.
struct CastMoment {
    GregorianDate date;
    TimeOfDay time;
};

enum class PillarKind { Year, Hour };

/// The moment of `date` at the hour, minute and second typed in the three time texts. Each
/// text is at most two decimal digits (full-width digits count), the empty text counting as
/// 0; any other text, an hour above 23 or a minute or second above 59 gives nothing.
std::optional<CastMoment> BuildCastMoment(GregorianDate date, std::string_view hourText,
                                          std::string_view minuteText,
                                          std::string_view secondText);

/// The branch ordinal 1..12 of the year or hour pillar of that moment, or 0 when the moment
/// is invalid or outside the calendar's range.
int PillarBranchNumber(PillarKind kind, GregorianDate date, std::string_view hourText,
                       std::string_view minuteText, std::string_view secondText);

}  // namespace meihua
