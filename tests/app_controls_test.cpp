#include <QLabel>
#include <QPainter>

#include "app/cn_calendar.h"
#include "app/draw_panel_widget.h"
#include "app/form_builder.h"
#include "app_test_support.h"

namespace meihua {
namespace {

const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

DrawPanel::Look PanelLook(QColor text) {
    QFont font = InterfaceFont();
    font.setPixelSize(16);
    return {.background = kYellow, .fill = kRed, .text = text, .font = font};
}

// The pixels of a rectangle's edges: just inside are filled, just outside are not.
void ExpectFilledExactly(const DrawPanel& panel, QRect r, QColor fill, QColor background) {
    const int l = r.left(), t = r.top(), rt = r.right(), b = r.bottom();  // inclusive
    for (QPoint inside : {QPoint(l, t), QPoint(rt, t), QPoint(l, b), QPoint(rt, b), r.center()}) {
        EXPECT_EQ(panel.PixelAt(inside.x(), inside.y()), fill) << inside.x() << "," << inside.y();
    }
    for (QPoint outside : {QPoint(l - 1, t), QPoint(rt + 1, t), QPoint(l, t - 1), QPoint(l, b + 1),
                           QPoint(rt + 1, b), QPoint(rt, b + 1)}) {
        EXPECT_EQ(panel.PixelAt(outside.x(), outside.y()), background)
            << outside.x() << "," << outside.y();
    }
}

int CountPixels(const DrawPanel& panel, QRect area, QColor colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += panel.PixelAt(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

// Pixels of anything but `colour`: glyphs are smoothed, so their ink is counted this way.
int CountOtherThan(const DrawPanel& panel, QRect area, QColor colour) {
    return area.width() * area.height() - CountPixels(panel, area, colour);
}

// A panel of the chart's size shown in a window of its own.
struct ShownPanel {
    QWidget window;
    DrawPanel* panel = new DrawPanel(PanelLook(kRed), &window);

    ShownPanel() {
        panel->setGeometry(0, 0, 140, 150);
        window.resize(200, 200);
        window.show();
    }
};

TEST(AppDrawPanelTest, FillRectCoversLeftTopToRightBottomExclusive) {
    DrawPanel panel(PanelLook(kRed));
    EXPECT_EQ(CountPixels(panel, QRect(0, 0, 136, 146), kYellow), 136 * 146);
    struct Row {
        const char* what;
        int left, top, right, bottom;
        QRect filled;  // QRect(x, y, width, height)
    };
    const Row rows[] = {
        {"a bar", 10, 122, 115, 138, QRect(10, 122, 105, 16)},
        {"corners reversed", 130, 23, 78, 7, QRect(78, 7, 52, 16)},
        {"zero width widens to a column", 60, 40, 60, 50, QRect(60, 40, 1, 10)},
        {"zero height widens to a row", 20, 90, 40, 90, QRect(20, 90, 20, 1)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        panel.Clear();
        panel.FillRect(row.left, row.top, row.right, row.bottom);
        ExpectFilledExactly(panel, row.filled, kRed, kYellow);
        EXPECT_EQ(CountPixels(panel, QRect(0, 0, 136, 146), kRed),
                  row.filled.width() * row.filled.height());
    }
    panel.Clear();
    EXPECT_EQ(CountPixels(panel, QRect(0, 0, 136, 146), kYellow), 136 * 146);
}

TEST(AppDrawPanelTest, TextIsWrittenInItsCellOverATransparentBackground) {
    DrawPanel panel(PanelLook(kBlack));
    panel.FillRect(100, 20, 136, 60);
    panel.WriteTextAt(120, 30, "◎");
    const QRect cell(120, 30, 16, 23);
    EXPECT_GT(CountOtherThan(panel, cell, kRed), 10);
    // Around the glyph the red fill stays: no background box is drawn behind the text.
    EXPECT_EQ(CountPixels(panel, cell, kYellow), 0);
    EXPECT_EQ(CountOtherThan(panel, QRect(100, 20, 36, 40), kRed),
              CountOtherThan(panel, cell, kRed));
    // The cell's corner is where the text starts: no ink left of x 120 or above y 30.
    EXPECT_EQ(CountOtherThan(panel, QRect(100, 20, 20, 40), kRed), 0);
    EXPECT_EQ(CountOtherThan(panel, QRect(100, 20, 36, 10), kRed), 0);
}

// The picture is kept: painting the widget, also after it was hidden and shown again,
// shows the canvas inside a 2-pixel sunken edge.
TEST(AppDrawPanelTest, PaintingShowsTheKeptPictureInsideTheEdge) {
    ShownPanel shown;
    DrawPanel* panel = shown.panel;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown.window));
    panel->FillRect(10, 7, 130, 23);
    panel->WriteTextAt(120, 122, "◎");
    shown.window.hide();
    shown.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown.window));
    const QImage image = panel->grab().toImage();
    ASSERT_EQ(image.size(), QSize(140, 150));
    EXPECT_EQ(image.copy(2, 2, 136, 146), panel->canvas().convertToFormat(image.format()));
    for (QPoint edge : {QPoint(0, 0), QPoint(1, 75), QPoint(139, 149), QPoint(70, 148)}) {
        EXPECT_NE(image.pixelColor(edge), kYellow) << edge.x() << "," << edge.y();
    }
}

// A blank panel shows its background inside the edge, before anything is drawn and again
// once cleared.
TEST(AppDrawPanelTest, ABlankPanelShowsItsBackground) {
    ShownPanel shown;
    DrawPanel* panel = shown.panel;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown.window));
    const auto expectBlank = [panel] {
        const QImage image = panel->grab().toImage();
        ASSERT_EQ(image.size(), QSize(140, 150));
        QImage blank(136, 146, image.format());
        blank.fill(kYellow);
        EXPECT_EQ(image.copy(2, 2, 136, 146), blank);
        EXPECT_NE(image.pixelColor(0, 0), kYellow);
    };
    expectBlank();
    panel->FillRect(10, 7, 130, 23);
    panel->Clear();
    expectBlank();
    EXPECT_EQ(CountPixels(*panel, {0, 0, 136, 146}, kYellow), 136 * 146);
}

TEST(AppCnCalendarTest, StartsAtTodayClampedToTheCalendarsRange) {
    struct Row {
        QDate today;
        GregorianDate shown;
    };
    for (const Row& row :
         {Row{QDate(2024, 2, 10), {2024, 2, 10}}, Row{QDate(1900, 6, 1), {1901, 2, 19}},
          Row{QDate(2049, 1, 1), {2048, 12, 31}}}) {
        CnCalendar box(row.today);
        EXPECT_EQ(box.Date(), row.shown) << row.today.toString(Qt::ISODate).toStdString();
        ASSERT_TRUE(box.Lunar().has_value());
    }
}

// 2024-02-10 is the first day of the first lunar month; 2023-03-22 opens the leap second month.
TEST(AppCnCalendarTest, SetDateRefusesDaysOutsideTheRangeOrCalendarAndShowsTheLunarDate) {
    CnCalendar box(QDate(2024, 2, 10));
    EXPECT_EQ(box.LunarText(), QStringLiteral("农历正月初一"));
    EXPECT_EQ(box.Lunar()->month, 1);
    EXPECT_EQ(box.Lunar()->day, 1);
    for (GregorianDate refused :
         {GregorianDate{2023, 2, 29}, GregorianDate{1901, 2, 18}, GregorianDate{2049, 1, 1},
          GregorianDate{2024, 13, 1}, GregorianDate{2024, 4, 31}}) {
        EXPECT_FALSE(box.SetDate(refused)) << refused.year << "-" << refused.month;
        EXPECT_EQ(box.Date(), (GregorianDate{2024, 2, 10}));
    }
    EXPECT_TRUE(box.SetDate({2023, 3, 22}));
    EXPECT_EQ(box.Lunar()->month, 2);
    EXPECT_TRUE(box.Lunar()->leapMonth);
    EXPECT_EQ(box.LunarText(), QStringLiteral("农历闰二月初一"));
    EXPECT_TRUE(box.SetDate({1901, 2, 19}));
    EXPECT_TRUE(box.SetDate({2048, 12, 31}));
    EXPECT_EQ(box.Date(), (GregorianDate{2048, 12, 31}));
}

}  // namespace
}  // namespace meihua
