#pragma once

#include "wizard/pages/WizardPage.h"

namespace quorvix {

class ConsolePage : public WizardPage {
    Q_OBJECT
public:
    ConsolePage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent = nullptr);

protected:
    void next() override;

private:
    void setupControls();
};

} // namespace quorvix
