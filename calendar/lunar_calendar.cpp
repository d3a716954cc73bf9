#include "calendar/lunar_calendar.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "calendar/lunar_tables.h"

namespace meihua {
namespace {

using lunar_tables::kFirstLunarYear;
using lunar_tables::kLunarYears;
using lunar_tables::kLunarYearsEndDay;
using lunar_tables::kStartOfSpring;

constexpr std::array<std::string_view, 10> kStems{"甲", "乙", "丙", "丁", "戊",
                                                  "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 12> kBranches{"子", "丑", "寅", "卯", "辰", "巳",
                                                     "午", "未", "申", "酉", "戌", "亥"};

constexpr bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int DaysInMonth(int year, int month) {
    constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

/// Days since 1970-01-01 of a valid date (H. Hinnant's days_from_civil).
constexpr std::int32_t DayNumber(GregorianDate date) {
    const int y = date.year - (date.month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

constexpr std::int64_t SecondsOf(GregorianDate date, TimeOfDay time) {
    return std::int64_t{DayNumber(date)} * 86400 + time.hour * 3600 + time.minute * 60 +
           time.second;
}

/// The lengths of a year's months add up to the distance to the next year.
constexpr bool LunarYearsAreContiguous() {
    for (std::size_t i = 0; i < kLunarYears.size(); ++i) {
        const auto& year = kLunarYears[i];
        const int months = year.leapMonth == 0 ? 12 : 13;
        std::int32_t day = year.firstDay;
        for (int m = 0; m < months; ++m) {
            day += (year.longMonths >> m & 1) != 0 ? 30 : 29;
        }
        const std::int32_t next =
            i + 1 < kLunarYears.size() ? kLunarYears[i + 1].firstDay : kLunarYearsEndDay;
        if (day != next) {
            return false;
        }
    }
    return true;
}

static_assert(DayNumber({1970, 1, 1}) == 0 && DayNumber({2000, 3, 1}) == 11017);
static_assert(LunarYearsAreContiguous());
static_assert(kLunarYears.front().firstDay == DayNumber(kFirstCalendarDate));
static_assert(DayNumber(kLastCalendarDate) < kLunarYearsEndDay);
static_assert(kStartOfSpring.front() <= SecondsOf(kFirstCalendarDate, {}));
static_assert(std::is_sorted(kStartOfSpring.begin(), kStartOfSpring.end()));

// 1949-10-01 was a 甲子 day, the first of the sixty.
constexpr std::int32_t kJiaZiDay = DayNumber({1949, 10, 1});

constexpr int FloorMod(std::int64_t value, int divisor) {
    const auto r = static_cast<int>(value % divisor);
    return r < 0 ? r + divisor : r;
}

/// 0 for 甲子 .. 59 for 癸亥.
constexpr int SexagenaryDayIndex(std::int32_t dayNumber) {
    return FloorMod(std::int64_t{dayNumber} - kJiaZiDay, 60);
}

std::string StemBranchText(int stem, int branch) {
    std::string text;
    text.reserve(6);
    text += kStems[stem];
    text += kBranches[branch];
    return text;
}

/// The sexagenary year the moment falls in: it turns at the exact second of the Start of
/// Spring. Only for moments within the range.
int SexagenaryYear(std::int64_t seconds) {
    const auto after = std::upper_bound(kStartOfSpring.begin(), kStartOfSpring.end(), seconds);
    return kFirstLunarYear + static_cast<int>(after - kStartOfSpring.begin()) - 1;
}

bool IsValidMoment(GregorianDate date, TimeOfDay time) {
    return InCalendarRange(date) && IsValidTime(time);
}

}  // namespace

bool IsValidDate(GregorianDate date) {
    return date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= DaysInMonth(date.year, date.month);
}

bool InCalendarRange(GregorianDate date) {
    return IsValidDate(date) && date >= kFirstCalendarDate && date <= kLastCalendarDate;
}

bool IsValidTime(TimeOfDay time) {
    return time.hour >= 0 && time.hour <= 23 && time.minute >= 0 && time.minute <= 59 &&
           time.second >= 0 && time.second <= 59;
}

std::optional<LunarDate> ToLunar(GregorianDate date) {
    if (!InCalendarRange(date)) {
        return std::nullopt;
    }
    const std::int32_t day = DayNumber(date);
    const auto next = std::upper_bound(
        kLunarYears.begin(), kLunarYears.end(), day,
        [](std::int32_t d, const lunar_tables::LunarYear& year) { return d < year.firstDay; });
    const auto& year = *(next - 1);

    int offset = day - year.firstDay;
    int index = 0;  // the month's place in the year, a leap month counted in its place
    for (;;) {
        const int length = (year.longMonths >> index & 1) != 0 ? 30 : 29;
        if (offset < length) {
            break;
        }
        offset -= length;
        ++index;
    }

    LunarDate lunar;
    lunar.year = kFirstLunarYear + static_cast<int>(next - 1 - kLunarYears.begin());
    lunar.day = offset + 1;
    if (year.leapMonth == 0 || index < year.leapMonth) {
        lunar.month = index + 1;
    } else {
        lunar.month = index;
        lunar.leapMonth = index == year.leapMonth;
    }
    return lunar;
}

std::optional<int> YearBranchOrdinal(GregorianDate date, TimeOfDay time) {
    if (!IsValidMoment(date, time)) {
        return std::nullopt;
    }
    return FloorMod(SexagenaryYear(SecondsOf(date, time)) - 4, 12) + 1;
}

std::optional<int> HourBranchOrdinal(int hour) {
    if (hour < 0 || hour > 23) {
        return std::nullopt;
    }
    return (hour + 1) / 2 % 12 + 1;
}

FourPillarsResult FourPillars(GregorianDate date, TimeOfDay time) {
    FourPillarsResult pillars;
    if (!IsValidMoment(date, time)) {
        return pillars;
    }
    pillars.year = YearStemBranch(SexagenaryYear(SecondsOf(date, time)));

    const std::int32_t dayNumber = DayNumber(date);
    const int dayIndex = SexagenaryDayIndex(dayNumber);
    pillars.day = StemBranchText(dayIndex % 10, dayIndex % 12);

    // The 子 hour from 23:00 belongs to the next day. A day's 子 hour takes the stems 甲, 丙,
    // 戊, 庚, 壬 for day stems 甲/己, 乙/庚, 丙/辛, 丁/壬, 戊/癸, and the stems then run on.
    const int hourBranch = *HourBranchOrdinal(time.hour) - 1;
    const int owningDayStem = SexagenaryDayIndex(dayNumber + (time.hour == 23 ? 1 : 0)) % 10;
    pillars.hour = StemBranchText((owningDayStem % 5 * 2 + hourBranch) % 10, hourBranch);
    return pillars;
}

std::string YearStemBranch(int year) {
    // 4 CE was a 甲子 year.
    return StemBranchText(FloorMod(std::int64_t{year} - 4, 10),
                          FloorMod(std::int64_t{year} - 4, 12));
}

}  // namespace meihua
