#pragma once

#include "wizard/pages/WizardPage.h"

#include <array>

class QCheckBox;

namespace quorvix {

class ClickLineEdit;

// Page 7: three switches of the head-up display and how many seconds death
// notices, chat text and the buy history stay on screen.
class HudPage : public WizardPage {
    Q_OBJECT
public:
    HudPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent = nullptr);

protected:
    void next() override;

private:
    void setupControls();
    void setupSwitches(QVBoxLayout* frame);
    void setupDurations(QVBoxLayout* frame);

    std::array<QCheckBox*, 3> m_switches{};
    std::array<ClickLineEdit*, 3> m_durations{};
};

} // namespace quorvix
