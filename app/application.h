#pragma once

class QApplication;

namespace meihua {

/// True when there is a window system to open windows on: DISPLAY or WAYLAND_DISPLAY is set,
/// or QT_QPA_PLATFORM names a platform explicitly.
bool HasDisplay();

/// Makes every text the program shows Chinese, Qt's own included (message box buttons, the
/// date popup, edit menus), and gives it the same look on every desktop: the Fusion style and
/// palette, drop-down lists that open as lists, the program's icon.
void SetUpApplication(QApplication& app);

/// Runs the program: the window system, the trigram table, the main window as a modal
/// window. Returns 0 once the main window has been closed. Without a display it says so on
/// standard error, pointing to xvfb-run, and returns 2.
int RunApplication(char* programName);

}  // namespace meihua
