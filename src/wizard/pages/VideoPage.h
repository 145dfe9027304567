#pragma once

#include "wizard/pages/WizardPage.h"

namespace quorvix {

class VideoPage : public WizardPage {
    Q_OBJECT
public:
    VideoPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent = nullptr);

protected:
    void next() override;

private:
    void setupControls();
};

} // namespace quorvix
