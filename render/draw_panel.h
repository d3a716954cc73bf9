#pragma once

#include <string_view>

namespace meihua {

/// A rectangle of panel pixels, left <= x < right and top <= y < bottom.
struct PanelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const PanelRect&, const PanelRect&) = default;
};

/// The rectangle FillRect fills for the corners it is given: corners in reverse order are
/// swapped, and a rectangle of zero width or height is widened to one pixel.
constexpr PanelRect FillRectArea(int left, int top, int right, int bottom) {
    PanelRect r{left, top, right, bottom};
    if (r.left > r.right) {
        const int t = r.left;
        r.left = r.right;
        r.right = t;
    }
    if (r.top > r.bottom) {
        const int t = r.top;
        r.top = r.bottom;
        r.bottom = t;
    }
    if (r.right == r.left) {
        ++r.right;
    }
    if (r.bottom == r.top) {
        ++r.bottom;
    }
    return r;
}

/// A drawing surface that keeps its picture across repaints. Coordinates are pixels of its
/// drawing area, origin top-left, y growing downwards.
class DrawPanelOps {
public:
    virtual ~DrawPanelOps() = default;

    /// Fills the whole drawing area with the background colour, wiping the kept picture.
    virtual void Clear() = 0;

    /// Fills FillRectArea(left, top, right, bottom) with the fill colour, without an outline.
    virtual void FillRect(int left, int top, int right, int bottom) = 0;

    /// Writes UTF-8 `text` on one line, the top-left corner of its first character cell at
    /// (x, y), in the text colour and font, over a transparent background.
    virtual void WriteTextAt(int x, int y, std::string_view text) = 0;
};

}  // namespace meihua
