#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <array>

#include "app/about_window.h"
#include "app/cn_calendar.h"
#include "app_test_support.h"

namespace meihua {
namespace {

using test::ModalWatcher;
using test::WindowFixture;

constexpr std::array<const char16_t*, 10> kMethodInputs = {
    u"农历日期框1", u"组合框2",      u"组合框3",          u"组合框4",      u"编辑框_物数",
    u"编辑框_汉字", u"编辑框_长度1", u"组合框_长度单位1", u"编辑框_长度2", u"编辑框_长度单位2"};

std::string Enabled(const WindowFixture& f) {
    std::string states;
    for (const char16_t* name : kMethodInputs) {
        states += f.Get<QWidget>(name).isEnabled() ? 'E' : 'D';
    }
    return states;
}

TEST(AppMainWindowTest, EachMethodRadioEnablesOnlyItsOwnInputs) {
    // Columns in the order of kMethodInputs: date, hour, minute, second, count, characters,
    // first length, its unit list, second length, its sub-unit.
    struct Row {
        const char16_t* radio;
        const char* states;
    };
    WindowFixture f;
    for (const Row& row : {Row{u"单选框_物数", "DDDDEDDDDD"}, Row{u"单选框_长度", "DDDDDDEEEE"},
                           Row{u"单选框_时间", "EEEEDDDDDD"}, Row{u"单选框_长度", "DDDDDDEEEE"},
                           Row{u"单选框_长度", "DDDDDDEEEE"}}) {  // clicked again: no change
        SCOPED_TRACE(QString::fromUtf16(row.radio).toStdString());
        f.Click(row.radio);
        EXPECT_TRUE(f.Get<QRadioButton>(row.radio).isChecked());
        EXPECT_EQ(Enabled(f), row.states);
        for (const char16_t* always :
             {u"编辑框_占测缘由", u"按钮1", u"按钮_当前时间", u"按钮_软件说明"}) {
            EXPECT_TRUE(f.Get<QWidget>(always).isEnabled());
        }
    }
    // The characters method is not offered: its radio box takes no click.
    f.Click(u"单选框_汉字");
    EXPECT_FALSE(f.Get<QRadioButton>(u"单选框_汉字").isChecked());
    EXPECT_TRUE(f.Get<QRadioButton>(u"单选框_长度").isChecked());
    EXPECT_EQ(Enabled(f), "DDDDDDEEEE");
}

TEST(AppMainWindowTest, SwitchingMethodsKeepsWhatTheInputsHold) {
    WindowFixture f;
    f.Click(u"单选框_物数");
    QTest::keyClicks(&f.Get<QLineEdit>(u"编辑框_物数"), "17");
    f.Click(u"单选框_长度");
    EXPECT_EQ(f.Get<QLineEdit>(u"编辑框_物数").text(), QStringLiteral("17"));
    EXPECT_EQ(f.Get<QComboBox>(u"组合框2").currentText(), QStringLiteral("09"));
    f.Click(u"单选框_物数");
    EXPECT_EQ(f.Get<QLineEdit>(u"编辑框_物数").text(), QStringLiteral("17"));
}

// The user picks each unit from the opened list; the box beside the second length shows the
// next smaller unit.
TEST(AppMainWindowTest, PickingAUnitShowsTheNextSmallerUnit) {
    WindowFixture f;
    f.Click(u"单选框_长度");
    auto& units = f.Get<QComboBox>(u"组合框_长度单位1");
    auto& subUnit = f.Get<QLineEdit>(u"编辑框_长度单位2");
    const std::array<QString, 5> expected = {"尺", "寸", "分米", "厘米", "毫米"};
    for (int i : {2, 4, 1, 3, 0}) {
        units.showPopup();
        QAbstractItemView* list = units.view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
        const QRect item = list->visualRect(list->model()->index(i, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
        EXPECT_EQ(units.currentIndex(), i);
        EXPECT_EQ(subUnit.text(), expected[i]) << i;
    }
    // A selection the program makes raises no event.
    units.setCurrentIndex(2);
    EXPECT_EQ(subUnit.text(), QStringLiteral("尺"));
    // The opened list is a list at least 160 pixels high where it has the items for it.
    auto& hours = f.Get<QComboBox>(u"组合框2");
    hours.showPopup();
    EXPECT_GE(hours.view()->window()->height(), 160);
    hours.hidePopup();
}

TEST(AppMainWindowTest, CurrentTimeButtonFillsTheDisabledTimeInputsInCountMode) {
    WindowFixture f(QDateTime(QDate(2024, 2, 10), QTime(0, 0, 0)));
    f.Click(u"单选框_物数");
    auto& date = f.Get<CnCalendar>(u"农历日期框1");
    ASSERT_TRUE(date.SetDate({2000, 1, 1}));
    f.clock = QDateTime(QDate(2023, 6, 21), QTime(13, 45, 30));
    f.Click(u"按钮_当前时间");
    EXPECT_EQ(date.Date(), (GregorianDate{2023, 6, 21}));
    EXPECT_EQ(f.Get<QComboBox>(u"组合框2").currentText(), QStringLiteral("13"));
    EXPECT_EQ(f.Get<QComboBox>(u"组合框3").currentText(), QStringLiteral("45"));
    EXPECT_EQ(f.Get<QComboBox>(u"组合框4").currentText(), QStringLiteral("30"));
    EXPECT_EQ(Enabled(f), "DDDDEDDDDD");
    EXPECT_TRUE(f.Get<QRadioButton>(u"单选框_物数").isChecked());

    // A clock date the calendar does not cover leaves the date box as it is; the time lists
    // still follow the clock.
    f.clock = QDateTime(QDate(2049, 1, 1), QTime(8, 1, 2));
    f.Click(u"按钮_当前时间");
    EXPECT_EQ(date.Date(), (GregorianDate{2023, 6, 21}));
    EXPECT_EQ(f.Get<QComboBox>(u"组合框2").currentText(), QStringLiteral("08"));
}

TEST(AppMainWindowTest, DigitEditBoxesDropTypedLettersButNotPastedText) {
    WindowFixture f;
    f.Click(u"单选框_物数");
    auto& count = f.Get<QLineEdit>(u"编辑框_物数");
    QTest::keyClicks(&count, "12a-3");
    EXPECT_EQ(count.text(), QStringLiteral("12-3"));
    QTest::keyClick(&count, Qt::Key_Backspace);
    EXPECT_EQ(count.text(), QStringLiteral("12-"));

    // Pasting is not filtered.
    count.clear();
    QApplication::clipboard()->setText(QStringLiteral("三个7"));
    QTest::keyClick(&count, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(count.text(), QStringLiteral("三个7"));

    f.Click(u"单选框_长度");
    auto& second = f.Get<QLineEdit>(u"编辑框_长度2");
    QTest::keyClicks(&second, "35");
    EXPECT_EQ(second.text(), QStringLiteral("3"));
    auto& first = f.Get<QLineEdit>(u"编辑框_长度1");
    QTest::keyClicks(&first, "x1.5 ");
    EXPECT_EQ(first.text(), QStringLiteral("15"));

    // The sub-unit box takes no typing even when enabled; the reason box takes anything.
    auto& subUnit = f.Get<QLineEdit>(u"编辑框_长度单位2");
    ASSERT_TRUE(subUnit.isEnabled());
    QTest::keyClicks(&subUnit, "9x");
    EXPECT_EQ(subUnit.text(), QStringLiteral("尺"));
    auto& reason = f.Get<QLineEdit>(u"编辑框_占测缘由");
    QTest::keyClicks(&reason, "ab 12-");
    EXPECT_EQ(reason.text(), QStringLiteral("ab 12-"));
}

// Esc closes the main window, wherever the focus is.
TEST(AppMainWindowTest, EscClosesTheMainWindowFromAnyControl) {
    for (const char16_t* focus : {u"按钮1", u"编辑框_占测缘由", u"组合框2", u"农历日期框1",
                                  u"单选框_时间", u"按钮_软件说明"}) {
        SCOPED_TRACE(QString::fromUtf16(focus).toStdString());
        WindowFixture f;
        ASSERT_TRUE(QTest::qWaitForWindowActive(f.window.get()));
        f.Get<QWidget>(focus).setFocus();
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, Qt::Key_Escape);
        EXPECT_FALSE(f.window->isVisible());
        EXPECT_EQ(f.window->result(), QDialog::Rejected);
    }
}

TEST(AppMainWindowTest, EnterPressesNoButtonAndMovesNoFocus) {
    WindowFixture f;
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.window.get()));
    ModalWatcher watcher([](QDialog&) {});
    for (const char16_t* focus :
         {u"按钮_软件说明", u"按钮_当前时间", u"编辑框_占测缘由", u"组合框2", u"单选框_时间"}) {
        SCOPED_TRACE(QString::fromUtf16(focus).toStdString());
        f.clock = QDateTime(QDate(2024, 2, 10), QTime(18, 30, 0));
        f.Get<QWidget>(focus).setFocus();
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused, Qt::Key_Return);
        QTest::keyClick(focused, Qt::Key_Enter);
        QTest::qWait(20);
        EXPECT_EQ(QApplication::focusWidget(), focused);
        EXPECT_TRUE(f.window->isVisible());
        EXPECT_EQ(f.Get<QComboBox>(u"组合框2").currentText(), QStringLiteral("09"));
    }
    EXPECT_EQ(watcher.opened(), 0);
}

TEST(AppMainWindowTest, AboutWindowIsModalAndClosesByOkEscOrCloseBox) {
    WindowFixture f;
    using Close = std::function<void(QDialog&)>;
    const std::array<std::pair<const char*, Close>, 3> ways = {{
        {"确定",
         [](QDialog& about) {
             auto* ok = about.findChild<QPushButton*>(QStringLiteral("按钮1"));
             ASSERT_NE(ok, nullptr);
             EXPECT_EQ(ok->text(), QStringLiteral("确定"));
             QTest::mouseClick(ok, Qt::LeftButton);
         }},
        {"Esc", [](QDialog& about) { QTest::keyClick(&about, Qt::Key_Escape); }},
        {"close box", [](QDialog& about) { about.close(); }},
    }};
    QPointer<QDialog> previous;
    for (const auto& [what, close] : ways) {
        SCOPED_TRACE(what);
        bool closedByItself = false;
        ModalWatcher watcher([&, close = close](QDialog& about) {
            EXPECT_EQ(about.windowTitle(), QStringLiteral("关于"));
            EXPECT_EQ(previous, nullptr);  // the last one was destroyed; this one is new
            previous = &about;
            auto* text = about.findChild<QLabel*>(QStringLiteral("标签1"));
            ASSERT_NE(text, nullptr);
            EXPECT_TRUE(text->text().startsWith(QStringLiteral("    《梅花易数》")));
            EXPECT_TRUE(text->text().endsWith(QStringLiteral("取卦方式多种多样。")));
            // The main window takes no input meanwhile.
            f.Click(u"单选框_物数");
            EXPECT_FALSE(f.Get<QRadioButton>(u"单选框_物数").isChecked());
            close(about);
            closedByItself = !about.isVisible();
        });
        f.Click(u"按钮_软件说明");
        EXPECT_EQ(watcher.opened(), 1);
        EXPECT_TRUE(closedByItself);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    // Back in the main window, clicks work again.
    f.Click(u"单选框_物数");
    EXPECT_TRUE(f.Get<QRadioButton>(u"单选框_物数").isChecked());
}

TEST(AppMainWindowTest, QtsOwnTextsAreChinese) {
    WindowFixture f;
    auto* edit = f.Get<CnCalendar>(u"农历日期框1").findChild<QDateEdit*>();
    ASSERT_NE(edit, nullptr);
    QCalendarWidget* popup = edit->calendarWidget();
    ASSERT_NE(popup, nullptr);
    popup->setCurrentPage(2024, 2);
    auto* month = popup->findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
    ASSERT_NE(month, nullptr);
    EXPECT_EQ(month->text(), QStringLiteral("二月"));
    EXPECT_EQ(QApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("是(&Y)"));
}

}  // namespace
}  // namespace meihua
