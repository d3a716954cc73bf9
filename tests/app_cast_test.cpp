#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "app/cn_calendar.h"
#include "app/draw_panel_widget.h"
#include "app_test_support.h"
#include "render/hexagram_panels.h"

namespace meihua {
namespace {

using test::ModalWatcher;
using test::WindowFixture;

const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);

constexpr std::array<const char16_t*, 5> kPanels = {u"画板_本卦", u"画板_互卦", u"画板_变卦",
                                                    u"画板_错卦", u"画板_综卦"};
constexpr std::array<const char16_t*, 5> kNameLabels = {u"标签_本卦", u"标签_互卦", u"标签_变卦",
                                                        u"标签_错卦", u"标签_综卦"};

QString Names(const WindowFixture& f) {
    QStringList names;
    for (const char16_t* label : kNameLabels) {
        names << f.Get<QLabel>(label).text();
    }
    return names.join(u' ');
}

std::vector<QImage> Canvases(const WindowFixture& f) {
    std::vector<QImage> images;
    for (const char16_t* panel : kPanels) {
        images.push_back(f.Get<DrawPanel>(panel).canvas());
    }
    return images;
}

// Digits are typed key by key; Chinese text, which would come through an input method,
// is inserted whole.
void Retype(QLineEdit& edit, const QString& text) {
    edit.clear();
    bool ascii = true;
    for (QChar c : text) {
        ascii = ascii && c.unicode() < 128;
    }
    if (ascii) {
        QTest::keyClicks(&edit, text);
    } else {
        edit.insert(text);
    }
}

void CastByLength(WindowFixture& f, const QString& first, const QString& second,
                  const QString& reason = QStringLiteral("问事")) {
    f.Click(u"单选框_长度");
    Retype(f.Get<QLineEdit>(u"编辑框_长度1"), first);
    Retype(f.Get<QLineEdit>(u"编辑框_长度2"), second);
    Retype(f.Get<QLineEdit>(u"编辑框_占测缘由"), reason);
    f.Click(u"按钮1");
}

void SetMoment(WindowFixture& f, GregorianDate date, int hour, int minute, int second) {
    ASSERT_TRUE(f.Get<CnCalendar>(u"农历日期框1").SetDate(date));
    f.Get<QComboBox>(u"组合框2").setCurrentIndex(hour);
    f.Get<QComboBox>(u"组合框3").setCurrentIndex(minute);
    f.Get<QComboBox>(u"组合框4").setCurrentIndex(second);
}

// The pixels at a fill's edges: just inside are bar colour, just outside background.
void ExpectBar(const DrawPanel& panel, int left, int top, int right, int bottom) {
    SCOPED_TRACE(
        QStringLiteral("bar %1 %2 %3 %4").arg(left).arg(top).arg(right).arg(bottom).toStdString());
    for (QPoint in : {QPoint(left, top), QPoint(right - 1, top), QPoint(left, bottom - 1),
                      QPoint(right - 1, bottom - 1)}) {
        EXPECT_EQ(panel.PixelAt(in.x(), in.y()), kRed) << in.x() << "," << in.y();
    }
    for (QPoint out : {QPoint(left - 1, top), QPoint(right, top), QPoint(left, top - 1),
                       QPoint(left, bottom), QPoint(right, bottom - 1)}) {
        EXPECT_EQ(panel.PixelAt(out.x(), out.y()), kYellow) << out.x() << "," << out.y();
    }
}

int CountNot(const DrawPanel& panel, QRect area, QColor colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += panel.PixelAt(x, y) != colour ? 1 : 0;
        }
    }
    return count;
}

// The mark's cell: from x 120 to the panel's right side, the bar's band and the gap below.
QRect MarkCell(int line) { return QRect(116, BarTop(line), kPanelWidth - 116, 23); }

// 水雷屯 with line 5 moving, drawn into the window's own panels.
TEST(AppCastTest, WorkedExampleLandsOnTheExactPixelsOfTheRealPanels) {
    WindowFixture f;
    const HexagramPanels panels{f.Get<DrawPanel>(kPanels[0]), f.Get<DrawPanel>(kPanels[1]),
                                f.Get<DrawPanel>(kPanels[2]), f.Get<DrawPanel>(kPanels[3]),
                                f.Get<DrawPanel>(kPanels[4])};
    ClearHexagramPanels(panels);
    DrawHexagramPanels(panels, DeriveHexagrams(6, 4, 5));

    const DrawPanel& main = f.Get<DrawPanel>(u"画板_本卦");
    ExpectBar(main, 10, 122, 115, 138);  // line 1, yang
    ExpectBar(main, 10, 99, 59, 115);    // line 2, yin: left half
    ExpectBar(main, 69, 99, 115, 115);   //               right half
    ExpectBar(main, 10, 30, 115, 46);    // line 5, yang
    // The gap of a yin line and the background between two bars.
    EXPECT_EQ(main.PixelAt(64, 107), kYellow);
    EXPECT_EQ(main.PixelAt(50, 118), kYellow);
    EXPECT_EQ(main.PixelAt(50, 26), kYellow);

    const DrawPanel& mutual = f.Get<DrawPanel>(u"画板_互卦");
    ExpectBar(mutual, 10, 7, 130, 23);    // line 6, yang
    ExpectBar(mutual, 10, 122, 68, 138);  // line 1, yin
    ExpectBar(mutual, 78, 122, 130, 138);
    EXPECT_EQ(mutual.PixelAt(73, 130), kYellow);

    EXPECT_GT(CountNot(main, MarkCell(5), kYellow), 10);
}

TEST(AppCastTest, LengthsThreeAndFiveCastTheChartOfFireOverWind) {
    WindowFixture f;
    EXPECT_EQ(Names(f), QStringLiteral("本 卦 互 卦 变 卦 错 卦 综 卦"));
    CastByLength(f, "3", "5");
    EXPECT_EQ(Names(f), QStringLiteral("火风鼎 泽天夬 火山旅 水雷屯 泽火革"));
    EXPECT_EQ(f.questions, 0);
    // The lower row of titles never changes.
    EXPECT_EQ(f.Get<QLabel>(u"标签12").text(), QStringLiteral("本 卦"));

    // 火风鼎 from the bottom: yin, yang, yang, yang, yin, yang; line 2 moves.
    const DrawPanel& main = f.Get<DrawPanel>(u"画板_本卦");
    ExpectBar(main, 10, 122, 59, 138);
    ExpectBar(main, 69, 122, 115, 138);
    ExpectBar(main, 10, 99, 115, 115);
    ExpectBar(main, 10, 7, 115, 23);
    // The mark stands beside line 2 only, in red.
    int red = 0;
    for (int y = BarTop(2); y < BarTop(2) + 23; ++y) {
        for (int x = 116; x < kPanelWidth; ++x) {
            const QColor c = main.PixelAt(x, y);
            red += (c.red() == 255 && c.green() < 160 && c.blue() == 0) ? 1 : 0;
        }
    }
    EXPECT_GT(red, 5);
    for (int line : {1, 3, 4, 5, 6}) {
        EXPECT_EQ(CountNot(main, MarkCell(line), kYellow), 0) << "line " << line;
    }
    // No other panel gets a mark: they hold nothing but bars and background.
    for (std::size_t i = 1; i < kPanels.size(); ++i) {
        const DrawPanel& panel = f.Get<DrawPanel>(kPanels[i]);
        EXPECT_EQ(CountNot(panel, QRect(131, 0, 5, 146), kYellow), 0);
    }
}

// 观梅: a 辰 year, the twelfth lunar month, its seventeenth day, the 申 hour gives 泽火革
// with line 1 moving, which changes to 泽山咸. 2025-01-16 is 腊月十七 of the 甲辰 year.
TEST(AppCastTest, TimeMethodCastsTheClassicalPlumBlossomCase) {
    WindowFixture f;
    SetMoment(f, {2025, 1, 16}, 15, 30, 0);
    EXPECT_EQ(f.Get<CnCalendar>(u"农历日期框1").LunarText(), QStringLiteral("农历腊月十七"));
    Retype(f.Get<QLineEdit>(u"编辑框_占测缘由"), QStringLiteral("观梅"));
    f.Click(u"按钮1");
    EXPECT_EQ(Names(f), QStringLiteral("泽火革 天风姤 泽山咸 山水蒙 火风鼎"));
    EXPECT_GT(CountNot(f.Get<DrawPanel>(u"画板_本卦"), MarkCell(1), kYellow), 10);
}

// The count method at 09:05, the 巳 hour (6): typed, pasted negative, pasted very long.
TEST(AppCastTest, CountMethodCastsAtTheHourOfTheTimeInputs) {
    struct Row {
        const char* what;
        QString count;
        bool pasted;
        QString names;
    };
    const Row rows[] = {
        {"17", "17", false, "天水讼 风火家人 火水未济 地火明夷 水天需"},
        {"-3 casts like 5 by eight", "-3", true, "风水涣 山雷颐 巽为风 雷火丰 水泽节"},
        {"thirty digits", "123456789012345678901234567890", true,
         "泽水困 风火家人 天水讼 山火贲 水风井"},
    };
    WindowFixture f;
    SetMoment(f, {2024, 2, 10}, 9, 5, 7);
    f.Click(u"单选框_物数");
    Retype(f.Get<QLineEdit>(u"编辑框_占测缘由"), QStringLiteral("数物"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        auto& count = f.Get<QLineEdit>(u"编辑框_物数");
        if (row.pasted) {
            count.clear();
            count.insert(row.count);
        } else {
            Retype(count, row.count);
        }
        f.Click(u"按钮1");
        EXPECT_EQ(Names(f), row.names);
        // A whole chart: every panel has bars on all six rows.
        for (const char16_t* panel : kPanels) {
            for (int line = 1; line <= 6; ++line) {
                EXPECT_EQ(f.Get<DrawPanel>(panel).PixelAt(10, BarTop(line)), kRed);
            }
        }
    }
}

TEST(AppCastTest, EachCastClearsThePanelsBeforeDrawing) {
    WindowFixture once;
    CastByLength(once, "4", "1");
    const std::vector<QImage> alone = Canvases(once);

    WindowFixture twice;
    CastByLength(twice, "3", "5");
    const std::vector<QImage> first = Canvases(twice);
    CastByLength(twice, "4", "1");
    EXPECT_EQ(Names(twice), QStringLiteral("雷天大壮 泽天夬 泽天夬 风地观 天山遁"));
    EXPECT_EQ(Canvases(twice), alone);  // nothing of 火风鼎 or its mark remains
    EXPECT_NE(first, alone);
    // The same inputs again draw the same chart, not a chart drawn twice over.
    twice.Click(u"按钮1");
    EXPECT_EQ(Canvases(twice), alone);
}

TEST(AppCastTest, AnEmptyReasonAsksAndNoKeepsThePreviousChart) {
    WindowFixture f;
    f.answer = false;
    // Before any cast: nothing is drawn and the labels keep their captions.
    CastByLength(f, "3", "5", QString());
    EXPECT_EQ(f.questions, 1);
    EXPECT_EQ(Names(f), QStringLiteral("本 卦 互 卦 变 卦 错 卦 综 卦"));
    for (const char16_t* panel : kPanels) {
        EXPECT_EQ(CountNot(f.Get<DrawPanel>(panel), QRect(0, 0, 136, 146), kYellow), 0);
    }

    CastByLength(f, "3", "5");
    const std::vector<QImage> chart = Canvases(f);
    CastByLength(f, "4", "1", QString());
    EXPECT_EQ(f.questions, 2);
    EXPECT_EQ(Names(f), QStringLiteral("火风鼎 泽天夬 火山旅 水雷屯 泽火革"));
    EXPECT_EQ(Canvases(f), chart);

    // Yes casts as if a reason were given; a reason of one space asks nothing.
    f.answer = true;
    f.Click(u"按钮1");
    EXPECT_EQ(f.questions, 3);
    EXPECT_EQ(Names(f), QStringLiteral("雷天大壮 泽天夬 泽天夬 风地观 天山遁"));
    CastByLength(f, "3", "5", QStringLiteral(" "));
    EXPECT_EQ(f.questions, 3);
    EXPECT_EQ(Names(f), QStringLiteral("火风鼎 泽天夬 火山旅 水雷屯 泽火革"));
}

// The real question box: its texts, icon and buttons in Chinese, owned by no window.
TEST(AppCastTest, TheRealQuestionBoxAsksInChineseAndNoCancels) {
    WindowFixture f(QDateTime(QDate(2024, 2, 10), QTime(9, 5, 7)), /*realQuestion=*/true);
    for (QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
        ModalWatcher watcher([&](QDialog& dialog) {
            auto* box = qobject_cast<QMessageBox*>(&dialog);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), QStringLiteral("测什么事情？"));
            EXPECT_EQ(box->text(), QStringLiteral("确定忽略输入占测缘由吗？"));
            EXPECT_EQ(box->icon(), QMessageBox::Question);
            EXPECT_EQ(box->parentWidget(), nullptr);
            EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
            EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
            ASSERT_NE(box->button(QMessageBox::No), nullptr);
            EXPECT_EQ(box->button(QMessageBox::Yes)->text(), QStringLiteral("是(&Y)"));
            EXPECT_EQ(box->button(QMessageBox::No)->text(), QStringLiteral("否(&N)"));
            EXPECT_EQ(box->buttons().size(), 2);
            QTest::mouseClick(box->button(answer), Qt::LeftButton);
        });
        CastByLength(f, "3", "5", QString());
        EXPECT_EQ(watcher.opened(), 1);
        EXPECT_EQ(Names(f), answer == QMessageBox::Yes
                                ? QStringLiteral("火风鼎 泽天夬 火山旅 水雷屯 泽火革")
                                : QStringLiteral("本 卦 互 卦 变 卦 错 卦 综 卦"));
    }
}

TEST(AppCastTest, EnterOnTheCastButtonDoesNotCast) {
    WindowFixture f;
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.window.get()));
    Retype(f.Get<QLineEdit>(u"编辑框_占测缘由"), QStringLiteral("问事"));
    f.Get<QPushButton>(u"按钮1").setFocus();
    QTest::keyClick(&f.Get<QPushButton>(u"按钮1"), Qt::Key_Return);
    EXPECT_EQ(Names(f), QStringLiteral("本 卦 互 卦 变 卦 错 卦 综 卦"));
    QTest::keyClick(&f.Get<QPushButton>(u"按钮1"), Qt::Key_Space);  // space presses it
    EXPECT_NE(Names(f), QStringLiteral("本 卦 互 卦 变 卦 错 卦 综 卦"));
}

}  // namespace
}  // namespace meihua
