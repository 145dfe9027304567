#pragma once

#include "wizard/Settings.h"

namespace quorvix {

// One row per wizard page: window name, caption, step-panel label, the
// names of its buttons and the Done flag its accepted Next sets.
struct PageInfo {
    const char* windowName;
    const char* caption;
    const char* stepLabel;
    const char* nextButton;
    const char* backButton;          // nullptr on page 1
    Settings::Flag Settings::* done; // nullptr on page 11
};

// Row for page 1..11.
const PageInfo& pageInfo(int page);

} // namespace quorvix
