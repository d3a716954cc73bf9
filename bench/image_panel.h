#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <string_view>

#include "render/draw_panel.h"

namespace meihua::bench {

/// A draw panel that is only its picture: an image of the 136 x 146 drawing area, painted
/// the way the window's panels paint theirs, a QPainter per operation.
class ImagePanel final : public DrawPanelOps {
public:
    explicit ImagePanel(QColor text);

    void Clear() override;
    void FillRect(int left, int top, int right, int bottom) override;
    void WriteTextAt(int x, int y, std::string_view text) override;

    const QImage& canvas() const { return m_canvas; }

    static const QColor kBackground;  ///< yellow
    static const QColor kFill;        ///< red

private:
    QColor m_text;
    QFont m_font;
    QImage m_canvas;
};

}  // namespace meihua::bench
