// The core's costs: a cast from three numbers, a cast from typed texts, one calendar lookup
// and the whole calendar range.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "calendar/lunar_calendar.h"
#include "casting/cast_flow.h"
#include "engine/cast_result.h"
#include "engine/hexagram_name.h"

namespace meihua {
namespace {

GregorianDate NextDay(GregorianDate d) {
    if (IsValidDate({d.year, d.month, d.day + 1})) {
        return {d.year, d.month, d.day + 1};
    }
    return d.month < 12 ? GregorianDate{d.year, d.month + 1, 1} : GregorianDate{d.year + 1, 1, 1};
}

std::vector<GregorianDate> WholeRange() {
    std::vector<GregorianDate> days;
    for (GregorianDate d = kFirstCalendarDate; d <= kLastCalendarDate; d = NextDay(d)) {
        days.push_back(d);
    }
    return days;
}

void NameAll(const CastResult& r) {
    for (const Hexagram* h : {&r.main, &r.mutual, &r.changed, &r.opposite, &r.reversed}) {
        std::string name = HexagramName(*h);
        benchmark::DoNotOptimize(name);
    }
}

// Derive the five hexagrams and name them, walking through all 384 casts.
void CastFromNumbers(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        const CastResult r = DeriveHexagrams(i % 8 + 1, i / 8 % 8 + 1, i / 64 % 6 + 1);
        NameAll(r);
        i = (i + 1) % 384;
    }
}
BENCHMARK(CastFromNumbers);

// A count cast as the window takes it: the date box, the three time lists and a count typed
// in full-width digits, to the five names.
void CastFromTexts(benchmark::State& state) {
    CastInputs in;
    in.method = CastMethod::Count;
    in.date = {2026, 12, 10};
    in.hourText = "09";
    in.minuteText = "05";
    in.secondText = "07";
    in.countText = "１２个";
    for (auto _ : state) {
        const CastComputation c = ComputeCastNumbers(in);
        const CastResult r =
            DeriveHexagrams(c.numbers.upper, c.numbers.lower, c.numbers.movingLine);
        NameAll(r);
    }
}
BENCHMARK(CastFromTexts);

// The lunar date of one day, taking days spread over the range in turn.
void CalendarLookup(benchmark::State& state) {
    const std::vector<GregorianDate> all = WholeRange();
    std::vector<GregorianDate> days;
    for (std::size_t i = 0; i < all.size(); i += 53) {
        days.push_back(all[i]);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ToLunar(days[i]));
        i = i + 1 < days.size() ? i + 1 : 0;
    }
}
BENCHMARK(CalendarLookup);

// The lunar date of every day the calendar covers, first to last.
void WholeCalendarRange(benchmark::State& state) {
    const std::vector<GregorianDate> days = WholeRange();
    for (auto _ : state) {
        for (const GregorianDate& d : days) {
            benchmark::DoNotOptimize(ToLunar(d));
        }
    }
    state.counters["days"] = static_cast<double>(days.size());
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(days.size()));
}
BENCHMARK(WholeCalendarRange)->Unit(benchmark::kMicrosecond);

// Baseline: copying one hexagram name.
void BaselineCopyName(benchmark::State& state) {
    const std::string name = "水雷屯";
    for (auto _ : state) {
        std::string copy = name;
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BaselineCopyName);

}  // namespace
}  // namespace meihua
