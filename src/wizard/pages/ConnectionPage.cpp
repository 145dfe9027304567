#include "wizard/pages/ConnectionPage.h"

#include "wizard/pages/PageControls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

namespace quorvix {
namespace {

struct ConnectionRow {
    const char* name;
    const char* caption;
    Settings::Flag Settings::* field;
};

// Top to bottom as the frame shows them. Note the naming: QDSL is the
// "over 256Kbit/s" line, SDSL256 the "up to 256Kbit/s" one.
const std::array<ConnectionRow, 10> kConnections = {{
    {"optCfgLAN", "LAN (100Mbit/s)", &Settings::CfgLAN},
    {"optCfgStandleitung", "Standleitung (ab 512Kbit/s)", &Settings::CfgStandleitung},
    {"optCfgDSL", "ADSL (z.B T-DSL,Arcor-DSL 768Kbit/s)", &Settings::CfgDSL},
    {"optCfgADSLfp", "ADSL + FastPath (T-Online, Arcor, ..)", &Settings::CfgADSLfp},
    {"optCfgADSLCableAOL", "ADSL/Cable (128-640Kbit/s) bzw. AOL-DSL", &Settings::CfgADSLCableAOL},
    {"optCfgQDSL", "SDSL (über 256Kbit/s) bzw. Q-DSL", &Settings::CfgQDSL},
    {"optCfgSDSL256", "S-DSL ( bis 256Kbit/s)", &Settings::CfgSDSL256},
    {"optCfgDualISDN", "Dual-ISDN", &Settings::CfgDualISDN},
    {"optCfgISDN", "ISDN", &Settings::CfgISDN},
    {"optCfgModem", "Modem (56Kbit/s oder langsamer)", &Settings::CfgModem},
}};

} // namespace

ConnectionPage::ConnectionPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent)
    : WizardPage(2, settings, wizard, dialogs, parent)
{
    setupControls();
}

void ConnectionPage::setupControls()
{
    auto* frame = makeFrame(this, "frmCfgConnection", "Connection Settings");
    auto* layout = new QVBoxLayout(frame);

    // Auto-exclusive buttons sharing one parent form the group; none is
    // checked at load, and focus alone never checks one.
    for (const ConnectionRow& row : kConnections) {
        auto* option = makeOption(frame, row.name, row.caption);
        layout->addWidget(option);
        m_choices.push_back({option, row.field});
    }

    // Tab starts at the ADSL line, the page's first stop, and then runs
    // top to bottom through the others.
    QWidget* const first = frame->findChild<QWidget*>(QStringLiteral("optCfgDSL"));
    QWidget* previous = first;
    for (const Choice& choice : m_choices) {
        if (choice.button != first) {
            setTabOrder(previous, choice.button);
            previous = choice.button;
        }
    }

    auto* download = makeCheck(frame, "chkCfgDownL", "Erlaube Download (Maps,Sounds)",
                               "Download vom Server (Maps etc.) ");
    layout->addWidget(download);
    m_choices.push_back({download, &Settings::CfgDownL});

    contentLayout()->addWidget(frame);
}

void ConnectionPage::next()
{
    // Next only ever raises flags; Back on the video page has already
    // cleared them when the user returns here.
    for (const Choice& choice : m_choices) {
        if (choice.button->isChecked())
            settings().*choice.field = 1;
    }
    acceptAndMoveOn();
}

} // namespace quorvix
