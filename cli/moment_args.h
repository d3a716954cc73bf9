#pragma once

#include <string>
#include <string_view>

#include "calendar/lunar_calendar.h"

namespace meihua::cli {

/// A date or time the user typed that cannot be used; `what` says why, in one line.
struct MomentError {
    std::string what;
};

/// A date as YYYY-MM-DD that exists and lies within the calendar's range; throws MomentError
/// naming the fault and the accepted range otherwise.
GregorianDate ParseDate(std::string_view text);

/// A time as HH:MM or HH:MM:SS within 00:00:00..23:59:59; throws MomentError otherwise.
TimeOfDay ParseTime(std::string_view text);

/// The local clock's date and time, whole seconds.
void Now(GregorianDate& date, TimeOfDay& time);

/// "2026-12-10" and "09:05:07".
std::string DateText(GregorianDate date);
std::string TimeText(TimeOfDay time);

}  // namespace meihua::cli
