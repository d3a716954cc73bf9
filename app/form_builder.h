#pragma once

#include <QHash>
#include <QIcon>
#include <QSet>
#include <QString>
#include <QWidget>
#include <functional>
#include <stdexcept>

#include "app/form.h"

namespace meihua {

/// A form that cannot be built, or an event bound against what the form says.
class FormError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The interface font of both windows: the default face at 12 pixels, the size the forms'
/// label widths are made for.
QFont InterfaceFont();

/// The icon in the PNG at `path` (a resource path such as ":/meihua/meihua.png"), with the
/// file beside it named with "@2x" (":/meihua/meihua@2x.png") as its picture for screens of
/// twice the density, when there is one and a screen has that density. A null icon when
/// `path` cannot be read.
QIcon WindowIcon(QStringView path);

/// The widgets of one built form, addressed by the names the form gives them.
class BuiltForm {
public:
    /// The control named `name`, or nullptr.
    QWidget* Find(QStringView name) const { return m_widgets.value(name.toString()); }

    /// The control named `name` as a T; throws FormError when there is none of that kind.
    template <typename T>
    T& Get(QStringView name) const {
        T* widget = qobject_cast<T*>(Find(name));
        if (widget == nullptr) {
            throw FormError("no control " + name.toString().toStdString() + " of that kind");
        }
        return *widget;
    }

    /// Runs `handler` on the event the form gives control `name`: the click of a button or
    /// radio box, or the user's choice of an item in a combo box (never a selection the
    /// program makes). Throws FormError when the form gives it no event, or when it already
    /// has a handler.
    void Bind(QStringView name, std::function<void()> handler);

    /// Throws FormError naming the first control whose event has no handler.
    void RequireAllBound() const;

private:
    friend BuiltForm BuildForm(QWidget& window, const form::Form& form);

    const form::Form* m_form = nullptr;
    QHash<QString, QWidget*> m_widgets;
    QSet<QString> m_bound;
};

/// Builds `form` into `window`: caption, fixed client size, background, icon, and one widget
/// per control, named as the form names it, with its position, size, texts, colours, font,
/// items and initial state. Radio boxes that share a container form one exclusive group.
/// Throws FormError, before creating any widget, for a duplicate name, a container that is
/// not an earlier group box or shape box, or an unknown kind.
BuiltForm BuildForm(QWidget& window, const form::Form& form);

}  // namespace meihua
