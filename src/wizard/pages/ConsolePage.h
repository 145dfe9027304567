#pragma once

#include "wizard/pages/WizardPage.h"

#include <array>

class QCheckBox;
class QRadioButton;

namespace quorvix {

// Page 6: console speed, developer mode and the console text colour, one of
// four fixed colours or a free RGB text. A pass may hold one colour choice
// only: the ticked colour boxes at Next plus every click into the RGB box
// are counted in Settings::ColorCount.
class ConsolePage : public WizardPage {
    Q_OBJECT
public:
    ConsolePage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent = nullptr);

protected:
    void next() override;

private:
    void setupControls();
    QWidget* setupColourFrame();
    QWidget* setupSpeedFrame();
    void countRgbClick();
    void undoColourChoice();

    struct Colour {
        QCheckBox* box;
        Settings::Flag Settings::* field;
    };
    // In the order Next reads them: white, blue, red, green.
    std::array<Colour, 4> m_colours{};
    ClickLineEdit* m_rgb = nullptr;
    QRadioButton* m_fast = nullptr;
    QRadioButton* m_slow = nullptr;
    QCheckBox* m_developer = nullptr;
};

} // namespace quorvix
