#include "wizard/pages/SoundPage.h"

#include <QVBoxLayout>

namespace quorvix {

SoundPage::SoundPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent)
    : WizardPage(4, settings, wizard, dialogs, parent)
{
    setupControls();
}

void SoundPage::setupControls()
{
    // TODO: controls of this page
}

void SoundPage::next()
{
    acceptAndMoveOn();
}

} // namespace quorvix
