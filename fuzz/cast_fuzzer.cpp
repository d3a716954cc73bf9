// A whole cast from arbitrary bytes. The input is read as lines:
//   method (first byte mod 4: 0 time, 1 count, 2 characters, 3 length)
//   date as year-month-day, each an integer (anything unreadable counts 0)
//   hour, minute and second texts
//   count text, first length text, second length text
// Missing lines are empty. Every text reaches the cast exactly as given.
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/lunar_calendar.h"
#include "casting/cast_flow.h"
#include "casting/casting_rules.h"
#include "engine/cast_result.h"
#include "engine/hexagram_name.h"
#include "fuzz/reference.h"

namespace {

using namespace meihua;
using fuzz::Check;

std::vector<std::string_view> SplitLines(std::string_view s, std::size_t count) {
    std::vector<std::string_view> lines(count);
    for (std::size_t i = 0; i < count && !s.empty(); ++i) {
        const std::size_t end = s.find('\n');
        lines[i] = s.substr(0, end);
        s = end == std::string_view::npos ? std::string_view{} : s.substr(end + 1);
    }
    return lines;
}

GregorianDate ReadDate(std::string_view s) {
    std::array<int, 3> parts{};
    const char* p = s.data();
    const char* end = s.data() + s.size();
    for (int& part : parts) {
        const auto [next, error] = std::from_chars(p, end, part);
        if (error != std::errc{}) {
            part = 0;
        }
        p = next < end ? next + 1 : end;
    }
    return {parts[0], parts[1], parts[2]};
}

bool ReferenceValid(GregorianDate d) {
    constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (d.month < 1 || d.month > 12 || d.day < 1) {
        return false;
    }
    const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    return d.day <= kDays[static_cast<std::size_t>(d.month - 1)] + (d.month == 2 && leap);
}

bool ReferenceInRange(GregorianDate d) {
    const auto key = [](GregorianDate g) { return std::array{g.year, g.month, g.day}; };
    return ReferenceValid(d) && key(d) >= key({1901, 2, 19}) && key(d) <= key({2048, 12, 31});
}

// The day before a date in range.
GregorianDate DayBefore(GregorianDate d) {
    if (d.day > 1) {
        return {d.year, d.month, d.day - 1};
    }
    GregorianDate last =
        d.month > 1 ? GregorianDate{d.year, d.month - 1, 31} : GregorianDate{d.year - 1, 12, 31};
    while (!ReferenceValid(last)) {
        --last.day;
    }
    return last;
}

// The branch of a year counted from 4 CE, a 子 year: 子 1 .. 亥 12.
int YearBranch(int year) { return ((year - 4) % 12 + 12) % 12 + 1; }

// Former Heaven number to lines bottom, middle, top: n - 1 in binary marks the yin lines,
// its lowest bit the top line (乾 1 = 111, 兑 2 top yin, 震 4 = yang below two yin, ...).
std::string TrigramPattern(int n) {
    const int yin = n - 1;
    return {(yin & 4) ? '0' : '1', (yin & 2) ? '0' : '1', (yin & 1) ? '0' : '1'};
}

int Normalised(int remainder, int zeroAs) { return remainder == 0 ? zeroAs : remainder; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto lines = SplitLines({reinterpret_cast<const char*>(data), size}, 8);

    CastInputs in;
    in.method =
        static_cast<CastMethod>(lines[0].empty() ? 0 : static_cast<unsigned char>(lines[0][0]) % 4);
    in.date = ReadDate(lines[1]);
    in.hourText = lines[2];
    in.minuteText = lines[3];
    in.secondText = lines[4];
    in.countText = lines[5];
    in.firstLengthText = lines[6];
    in.secondLengthText = lines[7];

    const CastComputation cast = ComputeCastNumbers(in);

    // The calendar: in range exactly for the dates it covers, answers within their ranges.
    const bool inRange = ReferenceInRange(in.date);
    Check(InCalendarRange(in.date) == inRange, "calendar range");
    const std::optional<LunarDate> lunar = ToLunar(in.date);
    Check(lunar.has_value() == inRange, "a lunar date exactly for the dates in range");
    if (lunar) {
        Check(lunar->month >= 1 && lunar->month <= 12, "lunar month 1..12");
        Check(lunar->day >= 1 && lunar->day <= 30, "lunar day 1..30");
        // The lunar new year falls between 21 January and 20 February.
        Check(lunar->year == in.date.year || lunar->year == in.date.year - 1, "lunar year");
        const std::optional<LunarDate> before = ToLunar(DayBefore(in.date));
        if (before && lunar->day > 1) {
            Check(before->day == lunar->day - 1 && before->month == lunar->month &&
                      before->leapMonth == lunar->leapMonth,
                  "lunar days run on within a month");
        }
    }

    const std::optional<int> hour = fuzz::TwoDigitField(in.hourText);
    const std::optional<int> minute = fuzz::TwoDigitField(in.minuteText);
    const std::optional<int> second = fuzz::TwoDigitField(in.secondText);
    const bool validMoment =
        inRange && hour && minute && second && *hour <= 23 && *minute <= 59 && *second <= 59;

    int yearNumber = 0;
    int hourNumber = 0;
    if (validMoment) {
        constexpr std::array<int, 24> kHourBranch{1, 2, 2, 3, 3, 4,  4,  5,  5,  6,  6,  7,
                                                  7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 1};
        hourNumber = kHourBranch[static_cast<std::size_t>(*hour)];
        // The Start of Spring falls on 3, 4 or 5 February; before it the year is the last.
        const int y = in.date.year;
        const bool afterSpring = in.date.month > 2 || (in.date.month == 2 && in.date.day > 5);
        const bool beforeSpring = in.date.month == 1 || (in.date.month == 2 && in.date.day < 3);
        if (afterSpring || beforeSpring) {
            yearNumber = YearBranch(afterSpring ? y : y - 1);
            Check(cast.yearNumber == yearNumber, "year branch away from the Start of Spring");
        } else {
            Check(cast.yearNumber == YearBranch(y) || cast.yearNumber == YearBranch(y - 1),
                  "year branch on the days of the Start of Spring");
            yearNumber = cast.yearNumber;
        }
    }
    Check(cast.yearNumber == yearNumber, "year branch 1..12, 0 for no moment");
    Check(cast.hourNumber == hourNumber, "hour branch 1..12, 0 for no moment");

    const FourPillarsResult pillars =
        FourPillars(in.date, {hour.value_or(-1), minute.value_or(-1), second.value_or(-1)});
    if (validMoment) {
        Check(pillars.year.size() == 6 && pillars.day.size() == 6 && pillars.hour.size() == 6,
              "pillars of two characters");
        Check(std::string_view(pillars.year).substr(3) == BranchText(yearNumber) &&
                  std::string_view(pillars.hour).substr(3) == BranchText(hourNumber),
              "pillar branches agree with the branch numbers");
    } else {
        Check(pillars.year.empty() && pillars.day.empty() && pillars.hour.empty(),
              "no pillars for an invalid moment");
    }

    // The numbers: exact remainders of what was typed, normalised.
    int upper = 0;
    int lower = 0;
    int moving = 0;
    switch (in.method) {
        case CastMethod::Time: {
            const int s = yearNumber + (lunar ? lunar->month : 0) + (lunar ? lunar->day : 0);
            upper = s % 8, lower = (s + hourNumber) % 8, moving = (s + hourNumber) % 6;
            break;
        }
        case CastMethod::Count: {
            const int n = fuzz::Residue24(fuzz::ReadTyped(in.countText));
            upper = n % 8, lower = hourNumber % 8, moving = (n + hourNumber) % 6;
            break;
        }
        case CastMethod::Characters:
            break;
        case CastMethod::Length: {
            const int a = fuzz::Residue24(fuzz::ReadTyped(in.firstLengthText));
            const int b = fuzz::Residue24(fuzz::ReadTyped(in.secondLengthText));
            upper = a % 8, lower = b % 8, moving = (a + b) % 6;
            break;
        }
    }
    const CastNumbers& got = cast.numbers;
    Check(got.upper >= 1 && got.upper <= 8 && got.lower >= 1 && got.lower <= 8, "trigrams 1..8");
    Check(got.movingLine >= 1 && got.movingLine <= 6, "moving line 1..6");
    Check(got.upper == Normalised(upper, 8) && got.lower == Normalised(lower, 8) &&
              got.movingLine == Normalised(moving, 6),
          "cast numbers equal to the exact remainders");

    // The chart: upper over lower, five named hexagrams.
    const CastResult chart = DeriveHexagrams(got.upper, got.lower, got.movingLine);
    Check(chart.main.Pattern() == TrigramPattern(got.lower) + TrigramPattern(got.upper),
          "main hexagram is upper over lower");
    for (const Hexagram* h :
         {&chart.main, &chart.mutual, &chart.changed, &chart.opposite, &chart.reversed}) {
        Check(!HexagramName(*h).empty(), "every hexagram has a name");
    }
    return 0;
}
