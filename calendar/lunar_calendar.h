#pragma once

#include <optional>
#include <string>

namespace meihua {

/// A Gregorian calendar date. It may not exist (2023-02-29); IsValidDate tells.
struct GregorianDate {
    int year = 0;
    int month = 0;  ///< 1..12
    int day = 0;    ///< 1..31

    friend auto operator<=>(const GregorianDate&, const GregorianDate&) = default;
};

/// A wall-clock time of day, China Standard Time.
struct TimeOfDay {
    int hour = 0;    ///< 0..23
    int minute = 0;  ///< 0..59
    int second = 0;  ///< 0..59

    friend auto operator<=>(const TimeOfDay&, const TimeOfDay&) = default;
};

/// The first and last days the calendar covers.
inline constexpr GregorianDate kFirstCalendarDate{1901, 2, 19};
inline constexpr GregorianDate kLastCalendarDate{2048, 12, 31};

/// A date of the lunar calendar.
struct LunarDate {
    int year = 0;            ///< the lunar year, named by the Gregorian year it starts in
    int month = 0;           ///< 1..12; a leap month carries the number of the month it repeats
    bool leapMonth = false;  ///< true inside a leap month
    int day = 0;             ///< 1..30

    friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

/// True when the date exists in the Gregorian calendar.
bool IsValidDate(GregorianDate date);

/// True when the date exists and lies within kFirstCalendarDate..kLastCalendarDate.
bool InCalendarRange(GregorianDate date);

/// True for hour 0..23, minute 0..59, second 0..59.
bool IsValidTime(TimeOfDay time);

/// The lunar date of a day in range, nothing otherwise. The time of day plays no part: the
/// lunar day does not move on at 23:00.
std::optional<LunarDate> ToLunar(GregorianDate date);

/// The branch ordinal 1..12 (子 1 .. 亥 12) of the year pillar at that moment, or nothing
/// for an invalid moment or one outside the range. The year turns at the exact moment of
/// the Start of Spring (立春), China Standard Time.
std::optional<int> YearBranchOrdinal(GregorianDate date, TimeOfDay time);

/// The branch ordinal 1..12 of the double hour: hours 23 and 0 give 1 (子), 1 and 2 give 2
/// (丑), ... 21 and 22 give 12 (亥); nothing for an hour outside 0..23.
std::optional<int> HourBranchOrdinal(int hour);

/// The stem-branch texts of a moment, each a stem and a branch in UTF-8 ("甲子"). The year
/// pillar follows the Start of Spring. The day pillar is that of the calendar date, changing
/// at midnight. The 子 hour that starts at 23:00 already opens the next day, so its hour
/// pillar is the same as at 00:00 after midnight: its stem follows the next day's stem. The
/// month pillar would need all twelve sectional solar terms, which the calendar does not
/// carry; it is always empty.
struct FourPillarsResult {
    std::string year;
    std::string month;
    std::string day;
    std::string hour;
};

/// The pillars of a moment; all texts empty for an invalid moment or one outside the range.
FourPillarsResult FourPillars(GregorianDate date, TimeOfDay time);

/// The stem-branch name of a sexagenary year ("甲子" for 1984, "丙午" for 2026), for any
/// year. It names the year pillar from the Start of Spring on and the lunar year from its
/// first day on.
std::string YearStemBranch(int year);

}  // namespace meihua
