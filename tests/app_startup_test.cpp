// The program as a whole: RunApplication in this process, and the built binary without a
// display. This suite has no QApplication of its own; RunApplication makes it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/application.h"

namespace meihua {
namespace {

QString g_seenCaption;
bool g_seenModal = false;

// Runs as soon as RunApplication has made the application object: once the main window is
// up, note what it is and press Esc in it.
void PressEscapeInTheMainWindow() {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer] {
        auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (window == nullptr || !window->isVisible()) {
            return;
        }
        timer->stop();
        g_seenCaption = window->windowTitle();
        g_seenModal = window->isModal();
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : window, Qt::Key_Escape);
    });
    timer->start(10);
}
Q_COREAPP_STARTUP_FUNCTION(PressEscapeInTheMainWindow)

TEST(AppStartupTest, EscInTheMainWindowEndsTheProgramWithStatusZero) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    char name[] = "meihua";
    EXPECT_EQ(RunApplication(name), 0);
    EXPECT_EQ(g_seenCaption, QStringLiteral("澄溪梅花易数排盘 V3.0"));
    EXPECT_TRUE(g_seenModal);
}

struct RunResult {
    int status = -1;
    std::string output;
};

// Runs the built program with nothing of this environment but PATH and `display`.
RunResult RunWithoutOurEnvironment(const std::string& display) {
    const char* program = std::getenv("MEIHUA_APP");
    if (program == nullptr) {
        ADD_FAILURE() << "MEIHUA_APP names no program";
        return {};
    }
    const std::string command = "env -i PATH=/usr/bin:/bin " + display + " '" + program + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    RunResult result;
    std::array<char, 512> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        result.output += buffer.data();
    }
    result.status = pclose(pipe);
    return result;
}

// Without a display the program says so in one line that points to xvfb-run, and fails
// with a status of its own rather than a crash; also when DISPLAY names a display that is
// not there.
TEST(AppStartupTest, WithoutADisplayItSaysSoAndFails) {
    for (const std::string display : {"", "DISPLAY=:4711"}) {
        SCOPED_TRACE(display.empty() ? "no DISPLAY" : display);
        const RunResult run = RunWithoutOurEnvironment(display);
        ASSERT_TRUE(WIFEXITED(run.status)) << run.output;
        EXPECT_EQ(WEXITSTATUS(run.status), 2) << run.output;
        EXPECT_NE(run.output.find("xvfb-run"), std::string::npos) << run.output;
        EXPECT_TRUE(run.output.starts_with("meihua: ")) << run.output;
        EXPECT_EQ(run.output.find('\n'), run.output.size() - 1) << "one line: " << run.output;
    }
}

}  // namespace
}  // namespace meihua
