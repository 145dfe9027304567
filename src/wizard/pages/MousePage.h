#pragma once

#include "wizard/pages/WizardPage.h"

class QCheckBox;

namespace quorvix {

// Page 5 (window `maus`): mouse sensitivity, zoom sensitivity ratio and the
// mouse filter. Both texts must be given; neither is tested for a number.
class MousePage : public WizardPage {
    Q_OBJECT
public:
    MousePage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent = nullptr);

protected:
    void next() override;

private:
    void setupControls();

    ClickLineEdit* m_sensitivity = nullptr;
    ClickLineEdit* m_ratio = nullptr;
    QCheckBox* m_filter = nullptr;
};

} // namespace quorvix
