#pragma once

// Helpers shared by the window tests: a main window on a fixed clock, and ways to reach and
// drive its controls by their form names.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/main_window.h"

namespace meihua::test {

/// A main window, shown, whose clock reads `clock` and whose empty-reason question is
/// answered by `answer` (and counted), or with `realQuestion` by the real message box.
struct WindowFixture {
    explicit WindowFixture(QDateTime now = QDateTime(QDate(2024, 2, 10), QTime(9, 5, 7)),
                           bool realQuestion = false)
        : clock(now) {
        MainWindowHooks hooks{.now = [this] { return clock; }};
        if (!realQuestion) {
            hooks.confirmEmptyReason = [this] {
                ++questions;
                return answer;
            };
        }
        window = std::make_unique<MainWindow>(table, std::move(hooks));
        window->show();
        window->activateWindow();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(window.get());
    }

    template <typename T>
    T& Get(QStringView name) const {
        return window->form().Get<T>(name);
    }

    /// Clicks the middle of a control as the window system would deliver it: to the window,
    /// so that a modal window or a disabled control stops it as it stops the user.
    void Click(QStringView name) const {
        QWidget& widget = Get<QWidget>(name);
        const QPoint at = widget.mapTo(window.get(), widget.rect().center());
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
    }

    TrigramTable table;
    QDateTime clock;
    bool answer = true;
    int questions = 0;
    std::unique_ptr<MainWindow> window;
};

/// Watches, while it lives, for modal windows to open. Inside each one's nested event loop
/// it runs `whileOpen`, then closes the window if `whileOpen` left it open.
class ModalWatcher {
public:
    explicit ModalWatcher(std::function<void(QDialog&)> whileOpen)
        : m_whileOpen(std::move(whileOpen)) {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { Poll(); });
        m_timer.start();
    }

    /// How many modal windows opened since the watcher was made.
    int opened() const { return m_opened; }

private:
    void Poll() {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (modal == nullptr || m_busy) {
            return;
        }
        m_busy = true;
        ++m_opened;
        QPointer<QDialog> guard(modal);
        m_whileOpen(*modal);
        if (guard && guard->isVisible()) {
            guard->reject();
        }
        m_busy = false;
    }

    std::function<void(QDialog&)> m_whileOpen;
    QTimer m_timer;
    int m_opened = 0;
    bool m_busy = false;
};

}  // namespace meihua::test
