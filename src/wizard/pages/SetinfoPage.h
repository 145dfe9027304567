#pragma once

#include "wizard/pages/WizardPage.h"

#include <array>

class QCheckBox;

namespace quorvix {

// Page 10: seven on/off choices of the game client.
class SetinfoPage : public WizardPage {
    Q_OBJECT
public:
    SetinfoPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs,
                QWidget* parent = nullptr);

protected:
    void next() override;

private:
    void setupControls();

    std::array<QCheckBox*, 7> m_boxes{};
};

} // namespace quorvix
