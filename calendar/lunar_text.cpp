#include "calendar/lunar_text.h"

#include <array>
#include <string_view>

namespace meihua {

namespace {

constexpr std::array<std::string_view, 12> kMonths{"正月", "二月", "三月", "四月", "五月", "六月",
                                                   "七月", "八月", "九月", "十月", "冬月", "腊月"};
constexpr std::array<std::string_view, 10> kDigits{"十", "一", "二", "三", "四",
                                                   "五", "六", "七", "八", "九"};

}  // namespace

std::string LunarMonthText(int month, bool leapMonth) {
    if (month < 1 || month > 12) {
        return {};
    }
    return std::string(leapMonth ? "闰" : "") + std::string(kMonths[month - 1]);
}

std::string LunarDayText(int day) {
    if (day < 1 || day > 30) {
        return {};
    }
    if (day == 20) {
        return "二十";
    }
    if (day == 30) {
        return "三十";
    }
    // 初 for the first ten days (初十 included), then 十, 廿.
    static constexpr std::array<std::string_view, 3> kTens{"初", "十", "廿"};
    const int tens = (day - 1) / 10;
    return std::string(kTens[tens]) + std::string(kDigits[day % 10]);
}

std::string LunarDateText(const LunarDate& date) {
    return LunarMonthText(date.month, date.leapMonth) + LunarDayText(date.day);
}

}  // namespace meihua
