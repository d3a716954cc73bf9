#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <array>

#include "app/about_window.h"
#include "app/cn_calendar.h"
#include "app/draw_panel_widget.h"
#include "app/forms.h"
#include "app_test_support.h"

namespace meihua {
namespace {

using form::Control;
using form::Kind;
using test::WindowFixture;

QColor Colour(form::Rgb rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

// What the builder must have made of one row, read back from the widget alone.
void ExpectBuiltAsTheRowSays(const QWidget& window, const BuiltForm& built, const Control& c) {
    SCOPED_TRACE(c.name.toString().toStdString());
    QWidget* widget = built.Find(c.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->objectName(), c.name.toString());
    const QWidget* expectedParent = c.container.isEmpty() ? &window : built.Find(c.container);
    EXPECT_EQ(widget->parentWidget(), expectedParent);
    EXPECT_EQ(widget->geometry(), QRect(c.pos.x, c.pos.y, c.size.width, c.size.height));
    EXPECT_EQ(widget->isEnabled(), c.enabled);
    EXPECT_TRUE(widget->isVisible());
    EXPECT_EQ(widget->focusPolicy() != Qt::NoFocus, c.focus);

    switch (c.kind) {
        case Kind::Label: {
            auto* label = qobject_cast<QLabel*>(widget);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), c.text.toString());
            EXPECT_EQ(label->palette().color(QPalette::WindowText), Colour(*c.textColour));
            EXPECT_EQ(label->palette().color(QPalette::Window), Colour(*c.background));
            EXPECT_TRUE(label->autoFillBackground());
            EXPECT_EQ(label->wordWrap(), c.wordWrap);
            EXPECT_EQ(bool(label->alignment() & Qt::AlignHCenter), c.align == form::Align::Centre);
            break;
        }
        case Kind::EditBox: {
            auto* edit = qobject_cast<QLineEdit*>(widget);
            ASSERT_NE(edit, nullptr);
            EXPECT_EQ(edit->isReadOnly(), c.input == form::Input::ReadOnly);
            EXPECT_EQ(edit->maxLength(), c.maxLength > 0 ? c.maxLength : 32767);
            EXPECT_EQ(edit->palette().color(QPalette::Active, QPalette::Base),
                      Colour(*c.background));
            EXPECT_EQ(edit->palette().color(QPalette::Active, QPalette::Text),
                      Colour(*c.textColour));
            break;
        }
        case Kind::ComboBox: {
            auto* combo = qobject_cast<QComboBox*>(widget);
            ASSERT_NE(combo, nullptr);
            EXPECT_FALSE(combo->isEditable());
            ASSERT_EQ(combo->count(), static_cast<int>(c.items.size()));
            for (int i = 0; i < combo->count(); ++i) {
                EXPECT_EQ(combo->itemText(i), c.items[i].toString());
            }
            EXPECT_EQ(combo->palette().color(QPalette::Active, QPalette::ButtonText),
                      Colour(*c.textColour));
            EXPECT_EQ(combo->palette().color(QPalette::Button), Colour(*c.background));
            break;
        }
        case Kind::RadioBox: {
            auto* radio = qobject_cast<QRadioButton*>(widget);
            ASSERT_NE(radio, nullptr);
            EXPECT_TRUE(radio->text().isEmpty());
            EXPECT_EQ(radio->palette().color(QPalette::Window), Colour(*c.background));
            break;
        }
        case Kind::Button: {
            auto* button = qobject_cast<QPushButton*>(widget);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->text(), c.text.toString());
            EXPECT_FALSE(button->autoDefault());
            EXPECT_FALSE(button->isDefault());
            break;
        }
        case Kind::DrawPanel: {
            auto* panel = qobject_cast<DrawPanel*>(widget);
            ASSERT_NE(panel, nullptr);
            EXPECT_EQ(panel->look().background, Colour(*c.background));
            EXPECT_EQ(panel->look().fill, Colour(*c.fill));
            EXPECT_EQ(panel->look().text, Colour(*c.textColour));
            EXPECT_EQ(panel->contentsRect().size(), QSize(136, 146));
            break;
        }
        case Kind::CnCalendar:
            EXPECT_NE(qobject_cast<CnCalendar*>(widget), nullptr);
            break;
        case Kind::GroupBox:
        case Kind::ShapeBox:
            break;
    }
}

TEST(AppFormTest, BothWindowsAreBuiltRowByRowFromTheirForms) {
    WindowFixture f;
    const form::Form& mainForm = form::MainWindowForm();
    EXPECT_EQ(f.window->windowTitle(), QStringLiteral("澄溪梅花易数排盘 V3.0"));
    for (const Control& c : mainForm.controls) {
        ExpectBuiltAsTheRowSays(*f.window, f.window->form(), c);
    }
    AboutWindow about;
    about.show();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("关于"));
    for (const Control& c : form::AboutWindowForm().controls) {
        ExpectBuiltAsTheRowSays(about, about.form(), c);
    }
}

TEST(AppFormTest, WindowsHaveAFixedSizeAMinimiseBoxAndNoMaximiseBox) {
    WindowFixture f;
    AboutWindow about;
    struct Row {
        QWidget* window;
        QSize client;
    };
    for (const Row& row : {Row{f.window.get(), {765, 391}}, Row{&about, {367, 310}}}) {
        SCOPED_TRACE(row.window->windowTitle().toStdString());
        EXPECT_EQ(row.window->minimumSize(), row.client);
        EXPECT_EQ(row.window->maximumSize(), row.client);
        const Qt::WindowFlags flags = row.window->windowFlags();
        EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
        EXPECT_EQ(row.window->palette().color(QPalette::Window), QColor(0, 136, 255));
    }
    // Every control lies inside the client area; the verse along the bottom ends at y 390.
    for (QWidget* child : f.window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(f.window->rect().contains(child->geometry())) << child->objectName().data();
    }
    EXPECT_FALSE(f.window->windowIcon().isNull());
    EXPECT_EQ(f.window->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
    // Shown centred on the screen.
    const QPoint screenCentre = f.window->screen()->availableGeometry().center();
    EXPECT_LE((f.window->frameGeometry().center() - screenCentre).manhattanLength(), 4);
}

// The initial state of the main window as the user meets it, written out independently of
// the form table.
TEST(AppFormTest, MainWindowStartsInTheTimeMethodWithOnlyItsInputsEnabled) {
    WindowFixture f;
    struct Row {
        const char16_t* name;
        bool enabled;
    };
    const Row rows[] = {
        {u"单选框_时间", true},   {u"单选框_物数", true},       {u"单选框_汉字", false},
        {u"单选框_长度", true},   {u"农历日期框1", true},       {u"组合框2", true},
        {u"组合框3", true},       {u"组合框4", true},           {u"编辑框_物数", false},
        {u"编辑框_汉字", false},  {u"编辑框_长度1", false},     {u"组合框_长度单位1", false},
        {u"编辑框_长度2", false}, {u"编辑框_长度单位2", false}, {u"编辑框_占测缘由", true},
        {u"按钮1", true},         {u"按钮_当前时间", true},     {u"按钮_软件说明", true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(f.Get<QWidget>(row.name).isEnabled(), row.enabled)
            << QString::fromUtf16(row.name).toStdString();
    }
    EXPECT_TRUE(f.Get<QRadioButton>(u"单选框_时间").isChecked());
    for (const char16_t* other : {u"单选框_物数", u"单选框_汉字", u"单选框_长度"}) {
        EXPECT_FALSE(f.Get<QRadioButton>(other).isChecked());
    }

    EXPECT_EQ(f.Get<QComboBox>(u"组合框2").count(), 24);
    EXPECT_EQ(f.Get<QComboBox>(u"组合框2").itemText(23), QStringLiteral("23"));
    EXPECT_EQ(f.Get<QComboBox>(u"组合框3").count(), 60);
    EXPECT_EQ(f.Get<QComboBox>(u"组合框4").count(), 60);
    EXPECT_EQ(f.Get<QComboBox>(u"组合框4").itemText(59), QStringLiteral("59"));
    EXPECT_EQ(f.Get<QComboBox>(u"组合框_长度单位1").currentText(), QStringLiteral("丈"));
    EXPECT_EQ(f.Get<QLineEdit>(u"编辑框_长度单位2").text(), QStringLiteral("尺"));
    for (const char16_t* edit :
         {u"编辑框_物数", u"编辑框_汉字", u"编辑框_长度1", u"编辑框_长度2", u"编辑框_占测缘由"}) {
        EXPECT_TRUE(f.Get<QLineEdit>(edit).text().isEmpty());
    }

    const std::array<const char16_t*, 5> names = {u"标签_本卦", u"标签_互卦", u"标签_变卦",
                                                  u"标签_错卦", u"标签_综卦"};
    const std::array<const char16_t*, 5> titles = {u"标签12", u"标签17", u"标签18", u"标签19",
                                                   u"标签20"};
    const std::array<QString, 5> captions = {"本 卦", "互 卦", "变 卦", "错 卦", "综 卦"};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(f.Get<QLabel>(names[i]).text(), captions[i]);
        EXPECT_EQ(f.Get<QLabel>(titles[i]).text(), captions[i]);
        EXPECT_EQ(f.Get<QLabel>(names[i]).font().pixelSize(), 16);
        EXPECT_TRUE(f.Get<QLabel>(names[i]).font().bold());
    }
    EXPECT_EQ(f.Get<DrawPanel>(u"画板_本卦").look().font.pixelSize(), 16);
    EXPECT_FALSE(f.Get<DrawPanel>(u"画板_本卦").look().font.bold());
}

// The window's clock says 09:05:07: the lists show it with two digits each, at the first and
// the last second of a day too.
TEST(AppFormTest, CreatedHandlerShowsTheCurrentTimeAndTheFirstSubUnit) {
    struct Row {
        QTime now;
        const char* hour;
        const char* minute;
        const char* second;
    };
    for (const Row& row :
         {Row{QTime(9, 5, 7), "09", "05", "07"}, Row{QTime(0, 0, 0), "00", "00", "00"},
          Row{QTime(23, 59, 59), "23", "59", "59"}}) {
        WindowFixture f(QDateTime(QDate(2024, 2, 10), row.now));
        EXPECT_EQ(f.Get<QComboBox>(u"组合框2").currentText(), row.hour);
        EXPECT_EQ(f.Get<QComboBox>(u"组合框3").currentText(), row.minute);
        EXPECT_EQ(f.Get<QComboBox>(u"组合框4").currentText(), row.second);
        EXPECT_EQ(f.Get<QLineEdit>(u"编辑框_长度单位2").text(), QStringLiteral("尺"));
    }
    WindowFixture f;
    EXPECT_EQ(f.Get<CnCalendar>(u"农历日期框1").Date(),
              (GregorianDate{QDate::currentDate().year(), QDate::currentDate().month(),
                             QDate::currentDate().day()}));
}

// Small forms that are wrong in one way each. The builder refuses them before making any
// widget, and the real forms pass the same checks (above).
TEST(AppFormTest, BuilderRejectsDuplicateNamesUnknownContainersAndUnknownKinds) {
    static constexpr std::array kDuplicate = {
        Control{.kind = Kind::Button, .name = u"按钮1", .text = u"占测"},
        Control{.kind = Kind::Label, .name = u"按钮1", .text = u"又一个"},
    };
    static constexpr std::array kUnknownContainer = {
        Control{.kind = Kind::GroupBox, .name = u"分组框1"},
        Control{.kind = Kind::Label, .name = u"标签1", .container = u"分组框2"},
    };
    static constexpr std::array kContainerAfterItsControl = {
        Control{.kind = Kind::Label, .name = u"标签1", .container = u"分组框1"},
        Control{.kind = Kind::GroupBox, .name = u"分组框1"},
    };
    static constexpr std::array kNotAContainer = {
        Control{.kind = Kind::Label, .name = u"标签1"},
        Control{.kind = Kind::Label, .name = u"标签2", .container = u"标签1"},
    };
    static constexpr std::array kUnknownKind = {
        Control{.kind = static_cast<Kind>(42), .name = u"控件1"},
    };
    static constexpr std::array kEventOfAnotherKind = {
        Control{.kind = Kind::Label, .name = u"标签1", .event = form::Event::Clicked},
    };
    struct Row {
        const char* what;
        std::span<const Control> controls;
    };
    for (const Row& row :
         {Row{"duplicate name", kDuplicate}, Row{"unknown container", kUnknownContainer},
          Row{"container defined after its control", kContainerAfterItsControl},
          Row{"container that holds nothing", kNotAContainer}, Row{"unknown kind", kUnknownKind},
          Row{"click event on a label", kEventOfAnotherKind}}) {
        SCOPED_TRACE(row.what);
        QWidget window;
        const form::Form bad{.caption = u"坏", .clientSize = {100, 100}, .controls = row.controls};
        EXPECT_THROW(BuildForm(window, bad), FormError);
        EXPECT_TRUE(window.findChildren<QWidget*>().isEmpty());
    }
}

TEST(AppFormTest, EveryEventOfTheFormHasExactlyOneHandler) {
    static constexpr std::array kControls = {
        Control{.kind = Kind::Button,
                .name = u"按钮1",
                .size = {60, 20},
                .event = form::Event::Clicked},
        Control{.kind = Kind::ComboBox, .name = u"组合框1", .event = form::Event::ItemChosen},
        Control{.kind = Kind::Label, .name = u"标签1"},
    };
    const form::Form small{.caption = u"小", .clientSize = {100, 100}, .controls = kControls};
    QWidget window;
    BuiltForm built = BuildForm(window, small);
    int clicks = 0;
    built.Bind(u"按钮1", [&] { ++clicks; });
    EXPECT_THROW(built.RequireAllBound(), FormError);  // 组合框1 has none yet
    EXPECT_THROW(built.Bind(u"按钮1", [] {}), FormError);
    EXPECT_THROW(built.Bind(u"标签1", [] {}), FormError);
    EXPECT_THROW(built.Bind(u"按钮9", [] {}), FormError);
    built.Bind(u"组合框1", [] {});
    EXPECT_NO_THROW(built.RequireAllBound());
    window.show();
    QTest::mouseClick(&built.Get<QPushButton>(u"按钮1"), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_THROW(built.Get<QComboBox>(u"按钮1"), FormError);
}

}  // namespace
}  // namespace meihua
