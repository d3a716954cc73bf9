#pragma once

#include <string>

#include "calendar/lunar_calendar.h"

namespace meihua {

/// The customary name of a lunar month: 正月, 二月 .. 十月, 冬月, 腊月, with 闰 before a leap
/// month ("闰四月"). Empty for a month outside 1..12.
std::string LunarMonthText(int month, bool leapMonth);

/// The customary name of a lunar day: 初一 .. 初十, 十一 .. 十九, 二十, 廿一 .. 廿九, 三十.
/// Empty for a day outside 1..30.
std::string LunarDayText(int day);

/// Month and day together, e.g. "冬月初二".
std::string LunarDateText(const LunarDate& date);

}  // namespace meihua
