#include "render/hexagram_panels.h"

namespace meihua {

namespace {

void DrawLine(DrawPanelOps& panel, const Hexagram& hexagram, int line, const LineLayout& layout) {
    const int top = BarTop(line);
    const int bottom = BarBottom(line);
    if (hexagram.Get(line) == kYang) {
        panel.FillRect(layout.solidLeft, top, layout.solidRight, bottom);
    } else {
        panel.FillRect(layout.leftHalfLeft, top, layout.leftHalfRight, bottom);
        panel.FillRect(layout.rightHalfLeft, top, layout.rightHalfRight, bottom);
    }
}

}  // namespace

void ClearHexagramPanels(const HexagramPanels& panels) {
    panels.main.Clear();
    panels.mutual.Clear();
    panels.changed.Clear();
    panels.opposite.Clear();
    panels.reversed.Clear();
}

void DrawHexagramPanels(const HexagramPanels& panels, const CastResult& result) {
    for (int line = 1; line <= kLineCount; ++line) {
        if (line == result.movingLine) {
            panels.main.WriteTextAt(kMarkLeft, BarTop(line), kMovingLineMark);
        }
        DrawLine(panels.main, result.main, line, kNarrowLayout);
        DrawLine(panels.mutual, result.mutual, line, kWideLayout);
        DrawLine(panels.changed, result.changed, line, kWideLayout);
        DrawLine(panels.opposite, result.opposite, line, kWideLayout);
        DrawLine(panels.reversed, result.reversed, line, kWideLayout);
    }
}

}  // namespace meihua
