#pragma once

#include "wizard/pages/WizardPage.h"

#include <array>

class QCheckBox;
class QRadioButton;

namespace quorvix {

class ClickLineEdit;

// Page 8: the net graph switched off, or its mode, position and size.
// Ticking "Netgraph Aus" leaves the page at once.
class NetgraphPage : public WizardPage {
    Q_OBJECT
public:
    NetgraphPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs,
                 QWidget* parent = nullptr);

protected:
    void next() override;

private:
    void setupControls();
    void setupModeGroup(QVBoxLayout* frame);
    void setupPositionGroup(QVBoxLayout* frame);
    void setupSizeGroups(QVBoxLayout* frame);
    void alignOptionColumns();

    // The "Netgraph Aus" box changed state.
    void chkCfgNgraphAus_Click(bool ticked);
    void switchOffAndMoveOn();

    QCheckBox* m_off = nullptr;
    std::array<QRadioButton*, 3> m_modes{};
    std::array<QRadioButton*, 3> m_positions{};
    std::array<ClickLineEdit*, 2> m_sizes{};
};

} // namespace quorvix
