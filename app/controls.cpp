#include "app/controls.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace meihua {

namespace {

bool IsDigitOrMinus(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || u == u'-' || (u >= u'０' && u <= u'９') || u == u'－';
}

bool AllDigitsOrMinus(const QString& text) {
    return std::all_of(text.begin(), text.end(), IsDigitOrMinus);
}

// A key that types characters rather than edits or triggers a shortcut.
bool TypesText(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty() ||
        (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        return false;
    }
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

class ListRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(),
                option.fontMetrics.height() + 1};
    }
};

}  // namespace

EditBox::EditBox(bool digitsOnly, QWidget* parent) : QLineEdit(parent), m_digitsOnly(digitsOnly) {}

void EditBox::keyPressEvent(QKeyEvent* event) {
    if (m_digitsOnly && TypesText(*event) && !AllDigitsOrMinus(event->text())) {
        event->accept();  // dropped, and not passed on to the window either
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EditBox::inputMethodEvent(QInputMethodEvent* event) {
    if (m_digitsOnly && !event->commitString().isEmpty()) {
        QString kept;
        for (QChar c : event->commitString()) {
            if (IsDigitOrMinus(c)) {
                kept += c;
            }
        }
        QInputMethodEvent filtered(event->preeditString(), event->attributes());
        filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
        QLineEdit::inputMethodEvent(&filtered);
        event->setAccepted(filtered.isAccepted());
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {}

void ComboBox::showPopup() {
    // Setting a delegate makes the box build its list view; most boxes are never opened.
    if (!m_rowsSet) {
        setItemDelegate(new ListRowDelegate(this));
        m_rowsSet = true;
    }
    QComboBox::showPopup();
}

GroupBox::GroupBox(QWidget* parent) : QWidget(parent) {}

void GroupBox::paintEvent(QPaintEvent*) {
    // An etched line: a dark rectangle with a light one one pixel down and to the right.
    QPainter painter(this);
    const QColor background = palette().color(QPalette::Window);
    const QRect frame = rect().adjusted(0, fontMetrics().height() / 2, -2, -2);
    painter.setPen(background.darker(160));
    painter.drawRect(frame);
    painter.setPen(background.lighter(160));
    painter.drawRect(frame.translated(1, 1));
}

ShapeBox::ShapeBox(QColor fill, QColor outline, QWidget* parent)
    : QWidget(parent), m_fill(fill), m_outline(outline) {}

void ShapeBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
    painter.setPen(QPen(m_outline, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace meihua
