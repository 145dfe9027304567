#pragma once

#include "wizard/pages/WizardPage.h"

namespace quorvix {

class ViolencePage : public WizardPage {
    Q_OBJECT
public:
    ViolencePage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent = nullptr);

protected:
    void next() override;

private:
    void setupControls();
};

} // namespace quorvix
