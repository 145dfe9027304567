#pragma once

#include "wizard/pages/WizardPage.h"

class QRadioButton;

namespace quorvix {

// Page 9: blood on or off. Only "Blut an" is stored; "Blut aus" and no
// choice both leave blood off.
class ViolencePage : public WizardPage {
    Q_OBJECT
public:
    ViolencePage(Settings& settings, Wizard& wizard, UserDialogs& dialogs,
                 QWidget* parent = nullptr);

protected:
    void next() override;

private:
    void setupControls();

    QRadioButton* m_bloodOn = nullptr;
};

} // namespace quorvix
