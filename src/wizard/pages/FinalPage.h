#pragma once

#include "wizard/pages/WizardPage.h"

namespace quorvix {

// Page 11: shows the switched-off "ex_" commands and hands the run back to
// the main window; its Next counts the finished wizard runs.
class FinalPage : public WizardPage {
    Q_OBJECT
public:
    FinalPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent = nullptr);

    // Loading this page marks that the end of the wizard was reached.
    void loadReset() override;

protected:
    void next() override;

private:
    void setupControls();
};

} // namespace quorvix
