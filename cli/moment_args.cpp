#include "cli/moment_args.h"

#include <cstdio>
#include <ctime>

namespace meihua::cli {

namespace {

const std::string kRange = "the calendar covers 1901-02-19 to 2048-12-31";

// Reads exactly `count` ASCII digits at `pos`.
bool ReadDigits(std::string_view text, std::size_t pos, std::size_t count, int& value) {
    if (pos + count > text.size()) {
        return false;
    }
    value = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

}  // namespace

GregorianDate ParseDate(std::string_view text) {
    GregorianDate date;
    const bool shaped = text.size() == 10 && text[4] == '-' && text[7] == '-' &&
                        ReadDigits(text, 0, 4, date.year) && ReadDigits(text, 5, 2, date.month) &&
                        ReadDigits(text, 8, 2, date.day);
    if (!shaped) {
        throw MomentError{"date \"" + std::string(text) + "\" is not YYYY-MM-DD; " + kRange};
    }
    if (!IsValidDate(date)) {
        throw MomentError{"date " + std::string(text) + " does not exist"};
    }
    if (!InCalendarRange(date)) {
        throw MomentError{"date " + std::string(text) + " is out of range; " + kRange};
    }
    return date;
}

TimeOfDay ParseTime(std::string_view text) {
    TimeOfDay time;
    const bool shaped = (text.size() == 5 || (text.size() == 8 && text[5] == ':')) &&
                        text[2] == ':' && ReadDigits(text, 0, 2, time.hour) &&
                        ReadDigits(text, 3, 2, time.minute) &&
                        (text.size() == 5 || ReadDigits(text, 6, 2, time.second));
    if (!shaped || !IsValidTime(time)) {
        throw MomentError{"time \"" + std::string(text) +
                          "\" is not HH:MM or HH:MM:SS within 00:00:00..23:59:59"};
    }
    return time;
}

void Now(GregorianDate& date, TimeOfDay& time) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    date = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    // A leap second (60) reads as 59, the last second the time lists offer.
    time = {local.tm_hour, local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec};
}

std::string DateText(GregorianDate date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string TimeText(TimeOfDay time) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", time.hour, time.minute, time.second);
    return text;
}

}  // namespace meihua::cli
