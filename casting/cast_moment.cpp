#include "casting/cast_moment.h"

#include "casting/text_to_integer.h"

namespace meihua {

std::optional<CastMoment> BuildCastMoment(GregorianDate date, std::string_view hourText,
                                          std::string_view minuteText,
                                          std::string_view secondText) {
    const std::optional<int> hour = ReadTwoDigitField(hourText);
    const std::optional<int> minute = ReadTwoDigitField(minuteText);
    const std::optional<int> second = ReadTwoDigitField(secondText);
    if (!hour || !minute || !second) {
        return std::nullopt;
    }
    const TimeOfDay time{*hour, *minute, *second};
    if (!IsValidTime(time)) {
        return std::nullopt;
    }
    return CastMoment{date, time};
}

int PillarBranchNumber(PillarKind kind, GregorianDate date, std::string_view hourText,
                       std::string_view minuteText, std::string_view secondText) {
    const std::optional<CastMoment> moment =
        BuildCastMoment(date, hourText, minuteText, secondText);
    if (!moment || !InCalendarRange(moment->date)) {
        return 0;
    }
    const std::optional<int> ordinal = kind == PillarKind::Year
                                           ? YearBranchOrdinal(moment->date, moment->time)
                                           : HourBranchOrdinal(moment->time.hour);
    return ordinal.value_or(0);
}

}  // namespace meihua
