#pragma once

#include "wizard/pages/WizardPage.h"

namespace quorvix {

class ConnectionPage : public WizardPage {
    Q_OBJECT
public:
    ConnectionPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent = nullptr);

protected:
    void next() override;

private:
    void setupControls();
};

} // namespace quorvix
