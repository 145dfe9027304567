#include "wizard/pages/SoundPage.h"

#include "wizard/pages/PageControls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quorvix {

SoundPage::SoundPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent)
    : WizardPage(4, settings, wizard, dialogs, parent)
{
    setupControls();
}

void SoundPage::setupControls()
{
    auto* frame = makeFrame(this, "frmCfgSound", "3D Sound Settings");
    auto* layout = new QVBoxLayout(frame);

    auto* eax = makeOption(frame, "optCfgEAX", "EAX ",
        "Erhoeht die Genauigkeit und die Qualitaet von Sounds, geht aber im allgemeinen nur "
        "mit Soundkarten von Creative sowie von Herstellern, die mit Creative kooperieren");
    // A3D has no field of its own: anything but EAX means A3D to the writer.
    auto* a3d = makeOption(frame, "optCfgA3D", "A3d (wird auf wwcl Server geblockt)");
    auto* voice = makeCheck(frame, "chkCfgSoundHLV", "Half Life Voice",
                            "Aktiviert die HalfLife Voice-Communication.");
    auto* debug = makeCheck(frame, "chkCfgSoundSoundprob", "Falls Soundprobleme (Debuging)");
    auto* highQuality = makeCheck(frame, "chkCfgSoundHighQ", "High Quality Sound (44khz)",
        "Hohe Soundqualität(44khz).Aus bringt deutlich mehr Performance,hört sich aber "
        "schrecklich an(11khz)");
    for (QWidget* control : std::initializer_list<QWidget*>{eax, a3d, voice, debug, highQuality})
        layout->addWidget(control);

    m_choices = {
        {highQuality, &Settings::CfgSoundHighQ},
        {debug, &Settings::CfgSoundSoundprob},
        {voice, &Settings::CfgSoundHLV},
        {eax, &Settings::CfgEAX},
    };

    contentLayout()->addWidget(frame);
}

void SoundPage::next()
{
    for (const Choice& choice : m_choices) {
        if (choice.button->isChecked())
            settings().*choice.field = 1;
    }
    acceptAndMoveOn();
}

} // namespace quorvix
