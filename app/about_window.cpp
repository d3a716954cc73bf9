#include "app/about_window.h"

#include "app/forms.h"

namespace meihua {

AboutWindow::AboutWindow() : QDialog(nullptr), m_form(BuildForm(*this, form::AboutWindowForm())) {
    m_form.Bind(u"按钮1", [this] { accept(); });
    m_form.RequireAllBound();
}

void OpenAboutWindow() {
    AboutWindow about;
    about.exec();
}

}  // namespace meihua
