#pragma once

#include <QColor>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

namespace meihua {

/// A one-line edit box. In digits-only mode typed characters other than the ten digits and
/// the minus sign (in their ASCII or full-width forms) are dropped; editing keys, shortcuts
/// and pasted text go through untouched.
class EditBox : public QLineEdit {
    Q_OBJECT

public:
    explicit EditBox(bool digitsOnly, QWidget* parent = nullptr);

    bool DigitsOnly() const { return m_digitsOnly; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    bool m_digitsOnly;
};

/// A drop-down list whose rows are one pixel taller than the font needs. The list itself is
/// made when it first opens, not with the box.
class ComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit ComboBox(QWidget* parent = nullptr);

    void showPopup() override;

private:
    bool m_rowsSet = false;
};

/// A container drawn as an etched frame without a caption. The frame's top edge runs half a
/// line below the top, where a caption would sit, so that a label placed there reads as one.
class GroupBox : public QWidget {
    Q_OBJECT

public:
    explicit GroupBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

/// A container drawn as a filled rectangle with a 1-pixel outline.
class ShapeBox : public QWidget {
    Q_OBJECT

public:
    ShapeBox(QColor fill, QColor outline, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
    QColor m_outline;
};

}  // namespace meihua
