#pragma once

#include <string_view>

#include "engine/cast_result.h"
#include "render/draw_panel.h"

namespace meihua {

/// The drawing area of a hexagram panel: 140 x 150 less a sunken edge of 2 pixels.
inline constexpr int kPanelWidth = 136;
inline constexpr int kPanelHeight = 146;

inline constexpr int kBarHeight = 16;

/// The top row of the bar of line 1..6: the bottom line is the lowest bar, 7 pixels of
/// background separate neighbouring bars.
constexpr int BarTop(int line) { return 122 - 23 * (line - 1); }
constexpr int BarBottom(int line) { return BarTop(line) + kBarHeight; }

/// Horizontal extents of the bars in one panel. A yang line is one solid bar, a yin line two
/// halves of unequal width with a 10-pixel gap between them.
struct LineLayout {
    int solidLeft;
    int solidRight;
    int leftHalfLeft;
    int leftHalfRight;
    int rightHalfLeft;
    int rightHalfRight;
};

/// The main hexagram's bars stop short to leave room for the moving-line mark.
inline constexpr LineLayout kNarrowLayout{10, 115, 10, 59, 69, 115};
inline constexpr LineLayout kWideLayout{10, 130, 10, 68, 78, 130};

/// The mark written beside the moving line of the main hexagram, at (kMarkLeft, BarTop).
inline constexpr std::string_view kMovingLineMark = "◎";
inline constexpr int kMarkLeft = 120;

/// The five panels of a chart, one per hexagram of a CastResult.
struct HexagramPanels {
    DrawPanelOps& main;
    DrawPanelOps& mutual;
    DrawPanelOps& changed;
    DrawPanelOps& opposite;
    DrawPanelOps& reversed;
};

/// Clears the five panels, main first and reversed last.
void ClearHexagramPanels(const HexagramPanels& panels);

/// Draws the five hexagrams of `result` over what the panels show, row by row from line 1
/// (bottom) to line 6, and the moving-line mark before the main bar of its row. A line value
/// other than 1 is drawn yin; a movingLine outside 1..6 writes no mark.
void DrawHexagramPanels(const HexagramPanels& panels, const CastResult& result);

}  // namespace meihua
