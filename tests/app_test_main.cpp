// The window tests run on Qt's offscreen platform, in Chinese, whatever the machine's
// display and locale. The platform is chosen here rather than in CTest, because test
// discovery runs this binary at build time too.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/application.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LANG", "zh_CN.UTF-8");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    meihua::SetUpApplication(app);
    return RUN_ALL_TESTS();
}
