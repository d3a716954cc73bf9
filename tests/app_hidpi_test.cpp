// The draw panel on a screen of twice the density: bars stay crisp, pixel-exact in device
// pixels. This suite has its own main, because the scale is fixed before the application
// starts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "app/application.h"
#include "app/draw_panel_widget.h"
#include "app/form_builder.h"
#include "app/forms.h"

namespace meihua {
namespace {

TEST(AppHiDpiTest, BarsCoverWholeDevicePixelsAtTwiceTheDensity) {
    QWidget window;
    QFont font = InterfaceFont();
    font.setPixelSize(16);
    auto* panel = new DrawPanel({.background = QColor(255, 255, 0),
                                 .fill = QColor(255, 0, 0),
                                 .text = QColor(255, 0, 0),
                                 .font = font},
                                &window);
    panel->setGeometry(0, 0, 140, 150);
    window.resize(200, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_EQ(panel->devicePixelRatio(), 2);
    // The picture is kept at the screen's resolution, not enlarged from a smaller one.
    EXPECT_EQ(panel->canvas().size(), QSize(272, 292));
    panel->FillRect(10, 7, 115, 23);
    panel->WriteTextAt(120, 7, "◎");

    // The picture as it reaches the screen, in device pixels: the bar's edges fall between
    // pixels, with no blended colour on either side.
    const QImage shown = panel->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(280, 300));
    const int x0 = 2 * (2 + 10), x1 = 2 * (2 + 115), y0 = 2 * (2 + 7), y1 = 2 * (2 + 23);
    EXPECT_EQ(shown.pixelColor(x0, y0), QColor(255, 0, 0));
    EXPECT_EQ(shown.pixelColor(x1 - 1, y1 - 1), QColor(255, 0, 0));
    EXPECT_EQ(shown.pixelColor(x0 - 1, y0), QColor(255, 255, 0));
    EXPECT_EQ(shown.pixelColor(x1, y0), QColor(255, 255, 0));
    EXPECT_EQ(shown.pixelColor(x0, y0 - 1), QColor(255, 255, 0));
    EXPECT_EQ(shown.pixelColor(x0, y1), QColor(255, 255, 0));
    EXPECT_EQ(panel->PixelAt(114, 22), QColor(255, 0, 0));
    EXPECT_EQ(panel->PixelAt(115, 22), QColor(255, 255, 0));
}

// The window icon has a picture of its own for such a screen, not the 32-pixel one enlarged.
TEST(AppHiDpiTest, TheWindowIconIsDrawnAtTwiceTheDensity) {
    const QPixmap icon = WindowIcon(form::MainWindowForm().icon).pixmap(QSize(32, 32));
    EXPECT_EQ(icon.size(), QSize(64, 64));
    EXPECT_EQ(icon.devicePixelRatio(), 2);
}

}  // namespace
}  // namespace meihua

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    meihua::SetUpApplication(app);
    return RUN_ALL_TESTS();
}
