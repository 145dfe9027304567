#pragma once

#include "wizard/pages/WizardPage.h"

class QAbstractButton;
class QCheckBox;
class QRadioButton;

namespace quorvix {

// Page 3: quality, brightness, gamma, frame-rate limit and four switches.
// Next needs three mouse clicks into the text boxes since the page was
// loaded, and a frame rate of at most 101.
class VideoPage : public WizardPage {
    Q_OBJECT
public:
    VideoPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent = nullptr);

protected:
    void next() override;

private:
    void setupControls();
    QWidget* setupQualityFrame();
    QWidget* setupBrightnessGammaFrame();
    QWidget* setupOtherFrame();
    void storeFlag(const QAbstractButton* button, Settings::Flag Settings::* field);

    QRadioButton* m_best = nullptr;
    QRadioButton* m_middle = nullptr;
    ClickLineEdit* m_brightness = nullptr;
    ClickLineEdit* m_gamma = nullptr;
    ClickLineEdit* m_maxFps = nullptr;
    QCheckBox* m_mmx = nullptr;
    QCheckBox* m_precache = nullptr;
    QCheckBox* m_zTrick = nullptr;
    QCheckBox* m_bopup = nullptr;
};

} // namespace quorvix
