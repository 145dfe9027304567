#pragma once

#include "wizard/pages/WizardPage.h"

namespace quorvix {

class ClickLineEdit;

// Page 1: the player's nickname, stored wrapped in quotes for the name line.
class NickPage : public WizardPage {
    Q_OBJECT
public:
    NickPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent = nullptr);

protected:
    void next() override;

private:
    void setupControls();

    ClickLineEdit* m_name = nullptr;
};

} // namespace quorvix
