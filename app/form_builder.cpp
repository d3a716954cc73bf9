#include "app/form_builder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "app/cn_calendar.h"
#include "app/controls.h"
#include "app/draw_panel_widget.h"

namespace meihua {

using form::Control;
using form::Kind;

namespace {

std::string Utf8(QStringView text) { return text.toString().toStdString(); }

QColor ToQColor(form::Rgb rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

bool IsKnownKind(Kind kind) {
    switch (kind) {
        case Kind::Label:
        case Kind::EditBox:
        case Kind::ComboBox:
        case Kind::RadioBox:
        case Kind::Button:
        case Kind::GroupBox:
        case Kind::ShapeBox:
        case Kind::DrawPanel:
        case Kind::CnCalendar:
            return true;
    }
    return false;
}

bool IsContainer(Kind kind) { return kind == Kind::GroupBox || kind == Kind::ShapeBox; }

bool EventFitsKind(form::Event event, Kind kind) {
    switch (event) {
        case form::Event::None:
            return true;
        case form::Event::Clicked:
            return kind == Kind::Button || kind == Kind::RadioBox;
        case form::Event::ItemChosen:
            return kind == Kind::ComboBox;
    }
    return false;
}

// Everything that can be wrong with a form is found before the first widget is made.
void Validate(const form::Form& form) {
    QHash<QStringView, Kind> seen;
    for (const Control& c : form.controls) {
        const std::string name = Utf8(c.name);
        if (!IsKnownKind(c.kind)) {
            throw FormError("control " + name + " is of an unknown kind");
        }
        if (c.name.isEmpty()) {
            throw FormError("a control has no name");
        }
        if (seen.contains(c.name)) {
            throw FormError("two controls are named " + name);
        }
        if (!c.container.isEmpty()) {
            const auto container = seen.constFind(c.container);
            if (container == seen.cend()) {
                throw FormError("control " + name + " is held by " + Utf8(c.container) +
                                ", which is no earlier control of the form");
            }
            if (!IsContainer(*container)) {
                throw FormError("control " + name + " is held by " + Utf8(c.container) +
                                ", which holds no controls");
            }
        }
        if (!EventFitsKind(c.event, c.kind)) {
            throw FormError("control " + name + " has no such event");
        }
        seen.insert(c.name, c.kind);
    }
}

QFont FontOf(form::Font font) {
    QFont result = InterfaceFont();
    switch (font) {
        case form::Font::Interface:
            break;
        case form::Font::ChartLabel:
            result.setPixelSize(16);
            result.setWeight(QFont::Bold);
            break;
        case form::Font::Panel:
            result.setPixelSize(16);
            result.setWeight(QFont::Normal);
            break;
    }
    return result;
}

// Text and background colours. The background holds in every state; the text colour only
// while enabled, so that a disabled control shows the style's greyed text.
void SetColours(QWidget& widget, const Control& c, QPalette::ColorRole textRole,
                QPalette::ColorRole backgroundRole) {
    QPalette palette = widget.palette();
    if (c.textColour) {
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, textRole, ToQColor(*c.textColour));
        }
    }
    if (c.background) {
        palette.setColor(backgroundRole, ToQColor(*c.background));
    }
    widget.setPalette(palette);
}

QWidget* MakeLabel(const Control& c, QWidget* parent) {
    auto* label = new QLabel(c.text.toString(), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(c.wordWrap);
    const Qt::Alignment horizontal =
        c.align == form::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    label->setAlignment(horizontal | (c.wordWrap ? Qt::AlignTop : Qt::AlignVCenter));
    if (c.edge == form::Edge::Thin) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
    }
    label->setAutoFillBackground(true);
    SetColours(*label, c, QPalette::WindowText, QPalette::Window);
    return label;
}

QWidget* MakeEditBox(const Control& c, QWidget* parent) {
    auto* edit = new EditBox(c.input == form::Input::DigitsAndMinus, parent);
    edit->setText(c.text.toString());
    edit->setReadOnly(c.input == form::Input::ReadOnly);
    if (c.maxLength > 0) {
        edit->setMaxLength(c.maxLength);
    }
    SetColours(*edit, c, QPalette::Text, QPalette::Base);
    return edit;
}

QWidget* MakeComboBox(const Control& c, QWidget* parent) {
    auto* combo = new ComboBox(parent);
    combo->setEditable(false);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (QStringView item : c.items) {
        combo->addItem(item.toString());
    }
    combo->setCurrentIndex(c.selected);
    if (c.listHeight > 0) {
        const int row = QFontMetrics(FontOf(c.font)).height() + 1;
        combo->setMaxVisibleItems((c.listHeight + row - 1) / row);
    }
    SetColours(*combo, c, QPalette::ButtonText, QPalette::Button);
    SetColours(*combo, c, QPalette::Text, QPalette::Base);
    return combo;
}

QWidget* MakeRadioBox(const Control& c, QWidget* parent) {
    auto* radio = new QRadioButton(c.text.toString(), parent);
    radio->setChecked(c.checked);
    radio->setAutoFillBackground(true);
    SetColours(*radio, c, QPalette::WindowText, QPalette::Window);
    return radio;
}

QWidget* MakeButton(const Control& c, QWidget* parent) {
    auto* button = new QPushButton(c.text.toString(), parent);
    // No button is pressed by Enter: none is the default, and none becomes it on focus.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QWidget* MakeGroupBox(const Control& c, QWidget* parent) {
    auto* box = new GroupBox(parent);
    box->setAutoFillBackground(true);
    SetColours(*box, c, QPalette::WindowText, QPalette::Window);
    return box;
}

QWidget* MakeShapeBox(const Control& c, QWidget* parent) {
    return new ShapeBox(ToQColor(c.fill.value_or(form::Rgb{})),
                        ToQColor(c.outline.value_or(form::Rgb{})), parent);
}

QWidget* MakeDrawPanel(const Control& c, QWidget* parent) {
    return new DrawPanel({.background = ToQColor(c.background.value_or(form::Rgb{255, 255, 255})),
                          .fill = ToQColor(c.fill.value_or(form::Rgb{})),
                          .text = ToQColor(c.textColour.value_or(form::Rgb{})),
                          .font = FontOf(c.font)},
                         parent);
}

QWidget* MakeWidget(const Control& c, QWidget* parent) {
    switch (c.kind) {
        case Kind::Label:
            return MakeLabel(c, parent);
        case Kind::EditBox:
            return MakeEditBox(c, parent);
        case Kind::ComboBox:
            return MakeComboBox(c, parent);
        case Kind::RadioBox:
            return MakeRadioBox(c, parent);
        case Kind::Button:
            return MakeButton(c, parent);
        case Kind::GroupBox:
            return MakeGroupBox(c, parent);
        case Kind::ShapeBox:
            return MakeShapeBox(c, parent);
        case Kind::DrawPanel:
            return MakeDrawPanel(c, parent);
        case Kind::CnCalendar:
            return new CnCalendar(QDate::currentDate(), parent);
    }
    throw FormError("control " + Utf8(c.name) + " is of an unknown kind");
}

// The format is given and not guessed: guessing, Qt loads every image format plugin to ask
// whether one of them would rather read the file.
QPixmap ReadPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace

QIcon WindowIcon(QStringView path) {
    QIcon icon;
    const QString file = path.toString();
    icon.addPixmap(ReadPng(file));
    // As QIcon itself does with such files: only where a screen has the density for it.
    if (qApp->devicePixelRatio() > 1.0 && file.endsWith(QStringLiteral(".png"))) {
        QPixmap twice = ReadPng(file.chopped(4) + QStringLiteral("@2x.png"));
        if (!twice.isNull()) {
            twice.setDevicePixelRatio(2);
            icon.addPixmap(twice);
        }
    }
    return icon;
}

QFont InterfaceFont() {
    QFont font = QApplication::font();
    font.setPixelSize(12);
    return font;
}

BuiltForm BuildForm(QWidget& window, const form::Form& form) {
    Validate(form);

    window.setWindowTitle(form.caption.toString());
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
    window.setFixedSize(form.clientSize.width, form.clientSize.height);
    window.setFont(InterfaceFont());
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, ToQColor(form.background));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    if (!form.icon.isEmpty()) {
        window.setWindowIcon(WindowIcon(form.icon));
    }

    BuiltForm built;
    built.m_form = &form;
    QHash<QWidget*, QButtonGroup*> radioGroups;
    for (const Control& c : form.controls) {
        QWidget* parent = c.container.isEmpty() ? &window : built.Find(c.container);
        // Made inside its container, so that it takes the window's font and palette once
        // rather than laying out its text in the application's font first.
        QWidget* widget = MakeWidget(c, parent);
        widget->setObjectName(c.name.toString());
        widget->setGeometry(c.pos.x, c.pos.y, c.size.width, c.size.height);
        if (c.font != form::Font::Interface) {
            widget->setFont(FontOf(c.font));
        }
        widget->setEnabled(c.enabled);
        if (!c.focus) {
            widget->setFocusPolicy(Qt::NoFocus);
        }
        if (c.kind == Kind::RadioBox) {
            QButtonGroup*& group = radioGroups[parent];
            if (group == nullptr) {
                group = new QButtonGroup(parent);
                group->setExclusive(true);
            }
            group->addButton(static_cast<QRadioButton*>(widget));
        }
        built.m_widgets.insert(c.name.toString(), widget);
    }
    return built;
}

void BuiltForm::Bind(QStringView name, std::function<void()> handler) {
    const auto row = std::find_if(m_form->controls.begin(), m_form->controls.end(),
                                  [name](const Control& c) { return c.name == name; });
    if (row == m_form->controls.end() || row->event == form::Event::None) {
        throw FormError("the form gives " + Utf8(name) + " no event to handle");
    }
    if (m_bound.contains(name.toString())) {
        throw FormError(Utf8(name) + " already has a handler");
    }
    QWidget* widget = Find(name);
    if (row->event == form::Event::Clicked) {
        QObject::connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, widget,
                         [handler = std::move(handler)] { handler(); });
    } else {
        // activated: the user picked an item; setCurrentIndex by the program raises nothing.
        QObject::connect(static_cast<QComboBox*>(widget), &QComboBox::activated, widget,
                         [handler = std::move(handler)] { handler(); });
    }
    m_bound.insert(name.toString());
}

void BuiltForm::RequireAllBound() const {
    for (const Control& c : m_form->controls) {
        if (c.event != form::Event::None && !m_bound.contains(c.name.toString())) {
            throw FormError(Utf8(c.name) + " has an event but no handler");
        }
    }
}

}  // namespace meihua
