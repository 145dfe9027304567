#pragma once

#include "wizard/pages/WizardPage.h"

#include <vector>

class QAbstractButton;

namespace quorvix {

// Page 4: EAX or A3D and three sound switches. Its Next has no check, and
// its Done flag is not in its load set: once passed, the page stays passed.
class SoundPage : public WizardPage {
    Q_OBJECT
public:
    SoundPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent = nullptr);

protected:
    void next() override;

private:
    void setupControls();

    struct Choice {
        QAbstractButton* button;
        Settings::Flag Settings::* field;
    };
    // In the order Next reads them.
    std::vector<Choice> m_choices;
};

} // namespace quorvix
