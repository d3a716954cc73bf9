#pragma once

#include <QDialog>

#include "app/form_builder.h"

namespace meihua {

/// The description of the method, closed by its 确定 button, Esc or the close box.
class AboutWindow : public QDialog {
public:
    AboutWindow();

    const BuiltForm& form() const { return m_form; }

private:
    BuiltForm m_form;
};

/// Builds a fresh about window and shows it modal to the whole program; returns once it has
/// been closed and destroyed.
void OpenAboutWindow();

}  // namespace meihua
