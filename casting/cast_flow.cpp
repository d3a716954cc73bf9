#include "casting/cast_flow.h"

#include "casting/cast_moment.h"

namespace meihua {

CastComputation ComputeCastNumbers(const CastInputs& in) {
    CastComputation result;
    result.yearNumber =
        PillarBranchNumber(PillarKind::Year, in.date, in.hourText, in.minuteText, in.secondText);
    result.hourNumber =
        PillarBranchNumber(PillarKind::Hour, in.date, in.hourText, in.minuteText, in.secondText);

    switch (in.method) {
        case CastMethod::Time: {
            // The date box holds only dates the calendar covers; anything else counts 0.
            const std::optional<LunarDate> lunar = ToLunar(in.date);
            result.numbers = TimeCastNumbers(result.yearNumber, result.hourNumber,
                                             lunar ? lunar->month : 0, lunar ? lunar->day : 0);
            break;
        }
        case CastMethod::Count:
            result.numbers = CountCastNumbers(in.countText, result.hourNumber);
            break;
        case CastMethod::Characters:
            break;
        case CastMethod::Length:
            result.numbers = LengthCastNumbers(in.firstLengthText, in.secondLengthText);
            break;
    }
    NormaliseCastNumbers(result.numbers);
    return result;
}

}  // namespace meihua
