#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QImage>
#include <QString>
#include <vector>

#include "render/draw_panel.h"

namespace meihua {

/// A drawing surface with a 2-pixel sunken edge that keeps its picture: every operation draws
/// into an image of the drawing area, and painting only copies that image to the screen. The
/// operations since the last Clear are kept too, so that the image can be drawn again at a
/// new device pixel ratio and the bars stay crisp on a high-density screen. A blank panel
/// keeps no image: it is painted in its background colour, and the image is made when the
/// first operation draws, or when canvas() is asked for it.
class DrawPanel : public QFrame, public DrawPanelOps {
    Q_OBJECT

public:
    struct Look {
        QColor background;
        QColor fill;
        QColor text;
        QFont font;
    };

    explicit DrawPanel(Look look, QWidget* parent = nullptr);

    void Clear() override;
    void FillRect(int left, int top, int right, int bottom) override;
    void WriteTextAt(int x, int y, std::string_view text) override;

    /// The picture of the drawing area, at the current device pixel ratio.
    const QImage& canvas() const;

    /// The colour of drawing-area pixel (x, y), in logical pixels.
    QColor PixelAt(int x, int y) const;

    const Look& look() const { return m_look; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Op {
        enum class Kind { Fill, Text } kind;
        PanelRect rect;
        QString text;
    };

    void NewCanvas() const;
    QRect Paint(const Op& op);
    void Apply(const Op& op);

    Look m_look;
    mutable QImage m_canvas;  ///< null while the panel is blank
    std::vector<Op> m_ops;
};

}  // namespace meihua
