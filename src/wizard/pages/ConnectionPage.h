#pragma once

#include "wizard/pages/WizardPage.h"

#include <vector>

class QAbstractButton;

namespace quorvix {

// Page 2: the kind of internet connection and whether the game may fetch
// maps and sounds from servers. Its Next has no check.
class ConnectionPage : public WizardPage {
    Q_OBJECT
public:
    ConnectionPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent = nullptr);

protected:
    void next() override;

private:
    void setupControls();

    // One entry per control that Next reads, with the flag it sets.
    struct Choice {
        QAbstractButton* button;
        Settings::Flag Settings::* field;
    };
    std::vector<Choice> m_choices;
};

} // namespace quorvix
