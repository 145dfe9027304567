#include "wizard/pages/SetinfoPage.h"

#include "wizard/pages/PageControls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace quorvix {
namespace {

using S = Settings;

// Top to bottom, which is also the order Next reads them in. The trailing
// blanks and the double blank in the crosshair tooltip are part of the texts.
constexpr std::array<FlagControl, 7> kChoices = {{
    {"chkCfgHelpM", "Aktiviert die Ingame Hilfe Messages ", nullptr, &S::CfgHelpM},
    {"chkCfgMapbrief", "Mapbriefing ", nullptr, &S::CfgMapbrief},
    {"chkCfgfrendm", "Freunde Message ", nullptr, &S::Cfgfrendm},
    {"chkCfgVGUI", "grafische Kaufmenü (VGUI)", "Aktiviert das grafische Kaufmenü ", &S::CfgVGUI},
    {"chkCfgLeftHand", "Waffe in linker Hand ", nullptr, &S::CfgLeftHand},
    {"chkCfgdynChr", "Dynamisches Crosshair",
     "Dynamisches Crosshair  / Aus Bei aus geht das CH beim Laufen nicht auseinander, die "
     "Treffgenauigkeit ändert sich dadurch aber nicht.",
     &S::CfgdynChr},
    {"chkCfgAutoWS", "Automatischer Waffen Switch",
     "Beim Aufsammeln einer neuen Waffe wird diese auf \"1\" sofort rausgeholt, wenn \"0\" nur "
     "aufgesammelt. Bei \"0\" bleibt also die aktuelle Waffe, mit der man beispielsweise gerade "
     "schiesst, draussen.",
     &S::CfgAutoWS},
}};

} // namespace

SetinfoPage::SetinfoPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs,
                         QWidget* parent)
    : WizardPage(10, settings, wizard, dialogs, parent)
{
    setupControls();
}

void SetinfoPage::setupControls()
{
    QGroupBox* frame = makeFrame(this, "frmCfgSetinfo", "Setinfo Settings");
    auto* layout = new QVBoxLayout(frame);
    for (std::size_t i = 0; i < kChoices.size(); ++i) {
        const FlagControl& row = kChoices[i];
        QCheckBox* box = makeCheck(frame, row.name, row.caption, row.tooltip);
        layout->addWidget(box);
        m_boxes[i] = box;
    }
    contentLayout()->addWidget(frame);
}

void SetinfoPage::next()
{
    raiseChosenFlags(settings(), kChoices, m_boxes);
    acceptAndMoveOn();
}

} // namespace quorvix
