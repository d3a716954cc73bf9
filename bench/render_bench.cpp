// Drawing one chart into five offscreen panels, beside filling one panel-sized image.
#include <benchmark/benchmark.h>

#include <QImage>

#include "bench/image_panel.h"
#include "engine/cast_result.h"
#include "render/hexagram_panels.h"

namespace meihua {
namespace {

void RenderChart(benchmark::State& state) {
    bench::ImagePanel main(bench::ImagePanel::kFill);
    bench::ImagePanel mutual(Qt::black);
    bench::ImagePanel changed(Qt::black);
    bench::ImagePanel opposite(Qt::black);
    bench::ImagePanel reversed(Qt::black);
    const HexagramPanels panels{main, mutual, changed, opposite, reversed};
    const CastResult chart = DeriveHexagrams(6, 4, 5);
    for (auto _ : state) {
        ClearHexagramPanels(panels);
        DrawHexagramPanels(panels, chart);
        benchmark::ClobberMemory();
    }
    // Line 1 of 水雷屯 is yang: its bar must be there.
    if (main.canvas().pixelColor(60, BarTop(1)) != bench::ImagePanel::kFill) {
        state.SkipWithError("the chart was not drawn");
    }
}
BENCHMARK(RenderChart)->Unit(benchmark::kMicrosecond);

// Baseline: filling one image of a panel's drawing area.
void BaselineFillImage(benchmark::State& state) {
    QImage image(kPanelWidth, kPanelHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(bench::ImagePanel::kBackground);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BaselineFillImage)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace meihua
