#include "app/application.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/form_builder.h"
#include "app/forms.h"
#include "app/main_window.h"
#include "engine/trigram.h"

namespace meihua {

namespace {

std::string g_programName = "meihua";

// C's stderr rather than std::cerr: the iostreams would set up all their locale facets at
// start-up, in every run, for a message that is rarely written.
void SayOnStandardError(const std::string& line) {
    std::fputs((line + "\n").c_str(), stderr);
    std::fflush(stderr);
}

std::string RunItUnderXvfb() { return "run it under a virtual one: xvfb-run -a " + g_programName; }

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

std::string DisplayInUse() {
    for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"}) {
        if (IsSet(name)) {
            return std::string(name) + "=" + std::getenv(name);
        }
    }
    return {};
}

// Fusion, except that a combo box opens a plain list below itself rather than a menu over
// it, so that its list keeps the height the form asks for.
class AppStyle : public QProxyStyle {
public:
    AppStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// A display that is set but cannot be opened makes Qt stop with a fatal message; turn that
// into one plain line and a failure status, like having no display at all. Qt's own
// messages while it starts (which display it tried, which plugins exist) are dropped.
void StartupMessageHandler(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type == QtFatalMsg) {
        SayOnStandardError("meihua: cannot open the display (" + DisplayInUse() + "); " +
                           RunItUnderXvfb());
        std::_Exit(2);
    }
}

}  // namespace

bool HasDisplay() {
    return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM");
}

void SetUpApplication(QApplication& app) {
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
    // Han characters in their Simplified Chinese shapes whatever the system's language:
    // left to itself, fontconfig may take the Japanese face of a pan-CJK font outside a
    // Chinese locale. Faces missing here are skipped.
    QFont font = QApplication::font();
    font.setFamilies({font.family(), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("Source Han Sans SC"), QStringLiteral("WenQuanYi Micro Hei"),
                      QStringLiteral("WenQuanYi Zen Hei")});
    QApplication::setFont(font);
    QApplication::setStyle(new AppStyle);
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setWindowIcon(WindowIcon(form::MainWindowForm().icon));
}

int RunApplication(char* programName) {
    g_programName = programName;
    if (!HasDisplay()) {
        SayOnStandardError(
            "meihua: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is "
            "set); " +
            RunItUnderXvfb());
        return 2;
    }
    // The program takes no command line: Qt sees only the program's name.
    int argc = 1;
    char* argv[] = {programName, nullptr};
    const QtMessageHandler previous = qInstallMessageHandler(StartupMessageHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    SetUpApplication(app);

    TrigramTable table;  // the program-wide table, all yin until the first cast fills it
    {
        MainWindow window(table);
        window.exec();
    }
    return 0;
}

}  // namespace meihua
