#include "bench/image_panel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include "render/hexagram_panels.h"

namespace meihua::bench {

const QColor ImagePanel::kBackground{255, 255, 0};
const QColor ImagePanel::kFill{255, 0, 0};

ImagePanel::ImagePanel(QColor text)
    : m_text(text), m_canvas(kPanelWidth, kPanelHeight, QImage::Format_RGB32) {
    m_font.setPixelSize(16);
    m_font.setWeight(QFont::Normal);
    m_canvas.fill(kBackground);
}

void ImagePanel::Clear() { m_canvas.fill(kBackground); }

void ImagePanel::FillRect(int left, int top, int right, int bottom) {
    const PanelRect r = FillRectArea(left, top, right, bottom);
    QPainter painter(&m_canvas);
    painter.fillRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), kFill);
}

void ImagePanel::WriteTextAt(int x, int y, std::string_view text) {
    QPainter painter(&m_canvas);
    painter.setFont(m_font);
    painter.setPen(m_text);
    const QFontMetrics metrics(m_font);
    painter.drawText(QPoint(x, y + metrics.ascent()),
                     QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace meihua::bench
