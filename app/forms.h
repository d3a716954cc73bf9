#pragma once

#include "app/form.h"

namespace meihua::form {

/// The main window: the inputs of the four casting methods, the reason, the three buttons,
/// the five hexagram panels and their name labels.
const Form& MainWindowForm();

/// The about window: the description of the method and an OK button.
const Form& AboutWindowForm();

}  // namespace meihua::form
