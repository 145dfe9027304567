#pragma once

#include <QString>

#include <functional>

namespace quorvix {

// The start-up's registration step for the component behind the coloured
// view of the main window. True when the component is ready for use.
using RegistrationStep = std::function<bool()>;

// What the user sees when the registration fails; the program then ends.
inline const QString kRegistrationError =
    QStringLiteral("dll-Registrierfehler!Tip:Windows neustarten");

// The registration of this platform: the coloured view is Qt's own text
// widget, linked into the program, so there is nothing to register and the
// step succeeds at once.
bool registerTextView();

} // namespace quorvix
