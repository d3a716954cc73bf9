#include "app/draw_panel_widget.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include "render/hexagram_panels.h"

namespace meihua {

DrawPanel::DrawPanel(Look look, QWidget* parent) : QFrame(parent), m_look(std::move(look)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawPanel::NewCanvas() const {
    const qreal ratio = devicePixelRatioF();
    m_canvas = QImage(QSize(kPanelWidth, kPanelHeight) * ratio, QImage::Format_RGB32);
    m_canvas.setDevicePixelRatio(ratio);
    m_canvas.fill(m_look.background);
}

const QImage& DrawPanel::canvas() const {
    if (m_canvas.isNull()) {
        NewCanvas();
    }
    return m_canvas;
}

QColor DrawPanel::PixelAt(int x, int y) const {
    const qreal ratio = canvas().devicePixelRatio();
    return m_canvas.pixelColor(QPoint(static_cast<int>(x * ratio), static_cast<int>(y * ratio)));
}

void DrawPanel::Clear() {
    m_ops.clear();
    m_canvas = QImage();
    update(contentsRect());
}

void DrawPanel::FillRect(int left, int top, int right, int bottom) {
    Apply({Op::Kind::Fill, FillRectArea(left, top, right, bottom), {}});
}

void DrawPanel::WriteTextAt(int x, int y, std::string_view text) {
    Apply({Op::Kind::Text,
           {x, y, x, y},
           QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))});
}

void DrawPanel::Apply(const Op& op) {
    m_ops.push_back(op);
    const QRect dirty = Paint(op);
    update(dirty.translated(contentsRect().topLeft()).intersected(contentsRect()));
}

// Draws one operation into the canvas and returns the area it touched, in logical pixels.
QRect DrawPanel::Paint(const Op& op) {
    if (m_canvas.isNull()) {
        NewCanvas();
    }
    QPainter painter(&m_canvas);
    if (op.kind == Op::Kind::Fill) {
        const QRect area(QPoint(op.rect.left, op.rect.top),
                         QPoint(op.rect.right - 1, op.rect.bottom - 1));
        painter.fillRect(area, m_look.fill);
        return area;
    }
    // The text's cell starts at (x, y): its baseline lies one ascent lower. The background
    // mode stays transparent, so whatever is under the glyphs remains visible.
    painter.setFont(m_look.font);
    painter.setPen(m_look.text);
    const QFontMetrics metrics(m_look.font);
    painter.drawText(QPoint(op.rect.left, op.rect.top + metrics.ascent()), op.text);
    return metrics.boundingRect(op.text)
        .translated(op.rect.left, op.rect.top + metrics.ascent())
        .adjusted(-2, -2, 2, 2);
}

void DrawPanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = contentsRect();
    const QRect dirty = event->rect().intersected(area);
    if (m_canvas.isNull()) {
        painter.fillRect(dirty, m_look.background);
        drawFrame(&painter);
        return;
    }
    if (!qFuzzyCompare(m_canvas.devicePixelRatio(), devicePixelRatioF())) {
        // Moved to a screen of another density: draw the picture again, pixel-exact there.
        NewCanvas();
        for (const Op& op : m_ops) {
            Paint(op);
        }
    }
    const qreal ratio = m_canvas.devicePixelRatio();
    const QRectF source(QPointF(dirty.topLeft() - area.topLeft()) * ratio,
                        QSizeF(dirty.size()) * ratio);
    painter.drawImage(QRectF(dirty), m_canvas, source);
    drawFrame(&painter);
}

}  // namespace meihua
