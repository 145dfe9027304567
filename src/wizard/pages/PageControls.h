#pragma once

#include "wizard/Settings.h"

#include <QString>

#include <array>

class QCheckBox;
class QGroupBox;
class QRadioButton;
class QWidget;

namespace quorvix {

// Small builders for the controls of the wizard pages, so that every
// control gets its object name, caption, tooltip and accessible name the
// same way. Texts are UTF-8 and used exactly as given.

// A check box or option button and the flag that Next sets when it is
// ticked or selected.
struct FlagControl {
    const char* name;
    const char* caption;
    const char* tooltip; // nullptr: none
    Settings::Flag Settings::* field;
};

// Next's store for a row of such controls: flags of the chosen ones become
// 1; the others keep what they hold, since Next never clears a flag.
template <typename Button, std::size_t N>
void raiseChosenFlags(Settings& settings, const std::array<FlagControl, N>& rows,
                      const std::array<Button*, N>& buttons)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (buttons[i]->isChecked())
            settings.*rows[i].field = 1;
    }
}

QGroupBox* makeFrame(QWidget* parent, const char* name, const char* caption);
QRadioButton* makeOption(QWidget* parent, const char* name, const char* caption,
                         const char* tooltip = nullptr);
QCheckBox* makeCheck(QWidget* parent, const char* name, const char* caption,
                     const char* tooltip = nullptr);

} // namespace quorvix
