#pragma once

#include "wizard/pages/WizardPage.h"

namespace quorvix {

class SetinfoPage : public WizardPage {
    Q_OBJECT
public:
    SetinfoPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent = nullptr);

protected:
    void next() override;

private:
    void setupControls();
};

} // namespace quorvix
