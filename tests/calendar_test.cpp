#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/lunar_calendar.h"
#include "calendar/lunar_text.h"
#include "casting/cast_moment.h"

namespace meihua {
namespace {

namespace chr = std::chrono;

// The published tables the calendar was built from, read afresh here; date arithmetic is
// done with std::chrono so that it does not share code with the calendar.
std::vector<std::vector<std::string>> ReadTsv(const std::string& name) {
    std::ifstream in(std::string(MEIHUA_TEST_DATA_DIR) + "/" + name);
    EXPECT_TRUE(in) << "cannot open " << name;
    std::vector<std::vector<std::string>> rows;
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::istringstream fieldStream(line);
        for (std::string field; std::getline(fieldStream, field, '\t');) {
            fields.push_back(field);
        }
        rows.push_back(fields);
    }
    return rows;
}

chr::sys_days ToSysDays(const std::string& isoDate) {
    int y = 0;
    unsigned m = 0;
    unsigned d = 0;
    EXPECT_EQ(std::sscanf(isoDate.c_str(), "%d-%u-%u", &y, &m, &d), 3) << isoDate;
    return chr::year_month_day{chr::year{y}, chr::month{m}, chr::day{d}};
}

GregorianDate ToDate(chr::sys_days days) {
    const chr::year_month_day ymd{days};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

std::string ToText(GregorianDate date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

// 1984 was a 甲子 year.
std::string ExpectedYearPillar(int year) {
    constexpr std::array<std::string_view, 10> kStems{"甲", "乙", "丙", "丁", "戊",
                                                      "己", "庚", "辛", "壬", "癸"};
    constexpr std::array<std::string_view, 12> kBranches{"子", "丑", "寅", "卯", "辰", "巳",
                                                         "午", "未", "申", "酉", "戌", "亥"};
    return std::string(kStems[(year - 1984 + 600) % 10]) +
           std::string(kBranches[(year - 1984 + 600) % 12]);
}

int ExpectedYearBranch(int year) { return (year - 1984 + 600) % 12 + 1; }

TEST(LunarCalendar, EveryDayOfTheRangeMatchesTheMonthTable) {
    const auto first = ToSysDays("1901-02-19");
    const auto last = ToSysDays("2048-12-31");
    int checked = 0;
    int mismatches = 0;
    for (const auto& row : ReadTsv("lunar-months.tsv")) {
        ASSERT_EQ(row.size(), 5u);
        const LunarDate month{std::stoi(row[0]), std::stoi(row[1]), row[2] == "1", 0};
        const auto monthStart = ToSysDays(row[3]);
        const int length = std::stoi(row[4]);
        for (int i = 0; i < length; ++i) {
            const auto day = monthStart + chr::days{i};
            if (day < first || day > last) {
                continue;
            }
            ++checked;
            LunarDate expected = month;
            expected.day = i + 1;
            const auto lunar = ToLunar(ToDate(day));
            if (lunar != expected && ++mismatches <= 10) {
                ADD_FAILURE() << ToText(ToDate(day)) << ": expected " << expected.year << "/"
                              << expected.month << (expected.leapMonth ? " leap" : "") << "/"
                              << expected.day << ", got "
                              << (lunar ? std::to_string(lunar->year) + "/" +
                                              std::to_string(lunar->month) +
                                              (lunar->leapMonth ? " leap" : "") + "/" +
                                              std::to_string(lunar->day)
                                        : "nothing");
            }
        }
    }
    EXPECT_EQ(checked, (last - first).count() + 1) << "the table does not cover the range";
}

TEST(LunarCalendar, YearTurnsAtTheStartOfSpring) {
    const auto first = chr::sys_days{ToSysDays("1901-02-19")};
    const auto end = chr::sys_days{ToSysDays("2049-01-01")};
    int probed = 0;
    for (const auto& row : ReadTsv("start-of-spring.tsv")) {
        ASSERT_GE(row.size(), 2u);
        const int year = std::stoi(row[0]);
        int h = 0;
        int m = 0;
        int s = 0;
        ASSERT_EQ(std::sscanf(row[1].c_str() + 11, "%d:%d:%d", &h, &m, &s), 3) << row[1];
        const chr::sys_seconds moment =
            ToSysDays(row[1].substr(0, 10)) + chr::hours{h} + chr::minutes{m} + chr::seconds{s};
        if (moment < first || moment >= end) {
            continue;
        }
        ++probed;
        for (const auto& [offset, expectedYear] :
             {std::pair{-chr::minutes{3}, year - 1}, std::pair{chr::minutes{3}, year}}) {
            const chr::sys_seconds probe = moment + offset;
            const auto day = chr::floor<chr::days>(probe);
            const chr::hh_mm_ss clock{probe - day};
            const GregorianDate date = ToDate(day);
            const TimeOfDay time{static_cast<int>(clock.hours().count()),
                                 static_cast<int>(clock.minutes().count()),
                                 static_cast<int>(clock.seconds().count())};
            SCOPED_TRACE(ToText(date) + " " + std::to_string(time.hour) + ":" +
                         std::to_string(time.minute) + ":" + std::to_string(time.second));
            EXPECT_EQ(YearBranchOrdinal(date, time), ExpectedYearBranch(expectedYear));
            EXPECT_EQ(FourPillars(date, time).year, ExpectedYearPillar(expectedYear));
        }
    }
    EXPECT_EQ(probed, 2048 - 1902 + 1);
}

TEST(LunarCalendar, KnownPillars) {
    struct Row {
        const char* what;
        GregorianDate date;
        TimeOfDay time;
        FourPillarsResult pillars;
    };
    const std::array<Row, 6> rows{{
        {"a widely published chart: 己丑年 甲子日 壬申时",
         {1949, 10, 1},
         {15, 0, 0},
         {"己丑", "", "甲子", "壬申"}},
        {"戊午 day, its 子 hour after midnight",
         {2000, 1, 1},
         {0, 30, 0},
         {"己卯", "", "戊午", "壬子"}},
        // The 子 hour from 23:00 opens the next (戊午) day: 壬子, not the 庚子 of a 丁巳 day.
        {"23:30 on a 丁巳 day", {1999, 12, 31}, {23, 30, 0}, {"己卯", "", "丁巳", "壬子"}},
        {"before the Start of Spring 2024 (16:27:07)",
         {2024, 2, 4},
         {16, 24, 0},
         {"癸卯", "", "戊戌", "庚申"}},
        {"after the Start of Spring 2024", {2024, 2, 4}, {16, 30, 0}, {"甲辰", "", "戊戌", "庚申"}},
        {"1 January is still the old year", {2026, 1, 1}, {12, 0, 0}, {"乙巳", "", "乙亥", "壬午"}},
    }};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const FourPillarsResult got = FourPillars(row.date, row.time);
        EXPECT_EQ(got.year, row.pillars.year);
        EXPECT_EQ(got.month, row.pillars.month);
        EXPECT_EQ(got.day, row.pillars.day);
        EXPECT_EQ(got.hour, row.pillars.hour);
    }
    EXPECT_EQ(YearStemBranch(1984), "甲子");
    EXPECT_EQ(YearStemBranch(2026), "丙午");
}

TEST(LunarCalendar, HourBranchFollowsTheDoubleHour) {
    // 子 runs from 23:00 to 01:00, so hour 23 and hour 0 share it.
    const std::array<int, 24> expected{1, 2, 2, 3, 3, 4,  4,  5,  5,  6,  6,  7,
                                       7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 1};
    for (int hour = 0; hour < 24; ++hour) {
        SCOPED_TRACE(hour);
        EXPECT_EQ(HourBranchOrdinal(hour), expected[hour]);
        // The hour pillar's branch is the same character.
        const std::string pillar = FourPillars({2026, 12, 10}, {hour, 59, 59}).hour;
        ASSERT_EQ(pillar.size(), 6u);
        EXPECT_EQ(pillar.substr(3), FourPillars({2026, 12, 10}, {hour, 0, 0}).hour.substr(3));
    }
    EXPECT_EQ(HourBranchOrdinal(-1), std::nullopt);
    EXPECT_EQ(HourBranchOrdinal(24), std::nullopt);
}

TEST(LunarCalendar, LeapMonthsCarryTheNumberTheyRepeat) {
    struct Row {
        const char* what;
        GregorianDate date;
        LunarDate lunar;
    };
    const std::array<Row, 7> rows{{
        {"second month of 2023", {2023, 2, 20}, {2023, 2, false, 1}},
        {"its leap month", {2023, 3, 22}, {2023, 2, true, 1}},
        {"the third month after it", {2023, 4, 20}, {2023, 3, false, 1}},
        {"eleventh month of 2033", {2033, 11, 22}, {2033, 11, false, 1}},
        {"a leap eleventh month, rare", {2033, 12, 22}, {2033, 11, true, 1}},
        // The older tables start the sixth month of 1933 a day early; the new moon fell
        // minutes after midnight of 07-23.
        {"1933-07-22 stays in the leap fifth month", {1933, 7, 22}, {1933, 5, true, 30}},
        {"1933-07-23 begins the sixth", {1933, 7, 23}, {1933, 6, false, 1}},
    }};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(ToLunar(row.date), row.lunar);
    }
}

TEST(LunarText, MonthsAndDaysAreNamedAsAlmanacsWriteThem) {
    const std::pair<int, const char*> days[] = {{1, "初一"},  {9, "初九"},  {10, "初十"},
                                                {11, "十一"}, {19, "十九"}, {20, "二十"},
                                                {21, "廿一"}, {29, "廿九"}, {30, "三十"}};
    for (const auto& [day, text] : days) {
        EXPECT_EQ(LunarDayText(day), text) << day;
    }
    EXPECT_EQ(LunarMonthText(1, false), "正月");
    EXPECT_EQ(LunarMonthText(11, false), "冬月");
    EXPECT_EQ(LunarMonthText(12, false), "腊月");
    EXPECT_EQ(LunarDateText({2023, 2, true, 1}), "闰二月初一");
    EXPECT_EQ(LunarDayText(0), "");
    EXPECT_EQ(LunarDayText(31), "");
    EXPECT_EQ(LunarMonthText(13, false), "");
}

TEST(LunarCalendar, RangeEndsAndInvalidMoments) {
    struct Row {
        const char* what;
        GregorianDate date;
        TimeOfDay time;
        std::optional<LunarDate> lunar;  // nothing: the moment gives no facts at all
        int yearBranch;
    };
    const std::array<Row, 12> rows{{
        {"first day", {1901, 2, 19}, {0, 0, 0}, LunarDate{1901, 1, false, 1}, 2},
        {"day before the first", {1901, 2, 18}, {23, 59, 59}, std::nullopt, 0},
        {"last second", {2048, 12, 31}, {23, 59, 59}, LunarDate{2048, 11, false, 27}, 5},
        {"day after the last", {2049, 1, 1}, {0, 0, 0}, std::nullopt, 0},
        {"year 1900", {1900, 6, 1}, {12, 0, 0}, std::nullopt, 0},
        {"29 February of a common year", {2023, 2, 29}, {12, 0, 0}, std::nullopt, 0},
        {"29 February of a leap year", {2024, 2, 29}, {12, 0, 0}, LunarDate{2024, 1, false, 20}, 5},
        {"month 13", {2023, 13, 1}, {12, 0, 0}, std::nullopt, 0},
        {"day 0", {2023, 1, 0}, {12, 0, 0}, std::nullopt, 0},
        {"hour 24", {2023, 6, 1}, {24, 0, 0}, LunarDate{2023, 4, false, 14}, 0},
        {"minute 60", {2023, 6, 1}, {12, 60, 0}, LunarDate{2023, 4, false, 14}, 0},
        {"negative second", {2023, 6, 1}, {12, 0, -1}, LunarDate{2023, 4, false, 14}, 0},
    }};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(ToLunar(row.date), row.lunar);
        EXPECT_EQ(InCalendarRange(row.date), row.lunar.has_value());
        const bool validMoment = row.yearBranch != 0;
        EXPECT_EQ(YearBranchOrdinal(row.date, row.time),
                  validMoment ? std::optional<int>(row.yearBranch) : std::nullopt);
        const FourPillarsResult pillars = FourPillars(row.date, row.time);
        EXPECT_EQ(pillars.year.empty(), !validMoment);
        EXPECT_EQ(pillars.hour.empty(), !validMoment);
        if (!validMoment) {
            EXPECT_TRUE(pillars.day.empty());
        }
    }
    EXPECT_TRUE(IsValidDate({2000, 2, 29}));
    EXPECT_FALSE(IsValidDate({1900, 2, 29}));
    EXPECT_FALSE(IsValidDate({2023, 4, 31}));
}

TEST(PillarBranchNumber, ReadsTheTimeTexts) {
    struct Row {
        const char* what;
        GregorianDate date;
        const char* hour;
        const char* minute;
        const char* second;
        int yearNumber;
        int hourNumber;
    };
    // 2026-12-10 is in a 午 (7) year; the Start of Spring of 2026 was at 04:02:08.
    const std::array<Row, 18> rows{{
        {"morning", {2026, 12, 10}, "09", "05", "07", 7, 6},
        {"23 is 子", {2026, 12, 10}, "23", "00", "00", 7, 1},
        {"00 is 子", {2026, 12, 10}, "00", "00", "00", 7, 1},
        {"empty texts count as 0", {2026, 12, 10}, "", "", "", 7, 1},
        {"one digit", {2026, 12, 10}, "1", "0", "0", 7, 2},
        {"full-width digits", {2026, 12, 10}, "１２", "５９", "５９", 7, 7},
        {"hour 24", {2026, 12, 10}, "24", "00", "00", 0, 0},
        {"a digit and a letter", {2026, 12, 10}, "1a", "00", "00", 0, 0},
        {"a minus sign", {2026, 12, 10}, "-1", "00", "00", 0, 0},
        {"three digits", {2026, 12, 10}, "012", "00", "00", 0, 0},
        {"a leading space", {2026, 12, 10}, " 1", "00", "00", 0, 0},
        {"minute 60", {2026, 12, 10}, "12", "60", "00", 0, 0},
        {"full-width second 60", {2026, 12, 10}, "12", "00", "６０", 0, 0},
        {"before the Start of Spring", {2026, 2, 4}, "04", "00", "00", 6, 3},
        {"after the Start of Spring", {2026, 2, 4}, "04", "05", "00", 7, 3},
        {"29 February of a common year", {2023, 2, 29}, "12", "00", "00", 0, 0},
        {"before the range", {1901, 2, 18}, "12", "00", "00", 0, 0},
        {"after the range", {2049, 1, 1}, "00", "00", "00", 0, 0},
    }};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(PillarBranchNumber(PillarKind::Year, row.date, row.hour, row.minute, row.second),
                  row.yearNumber);
        EXPECT_EQ(PillarBranchNumber(PillarKind::Hour, row.date, row.hour, row.minute, row.second),
                  row.hourNumber);
    }
}

}  // namespace
}  // namespace meihua
