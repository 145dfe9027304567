#include "app/Registration.h"

namespace quorvix {

bool registerTextView()
{
    // QTextEdit is part of the program itself; unlike a separately installed
    // rich-text component it cannot be missing or unregistered.
    return true;
}

} // namespace quorvix
