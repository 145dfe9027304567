#include "wizard/pages/HudPage.h"

#include <QVBoxLayout>

namespace quorvix {

HudPage::HudPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent)
    : WizardPage(7, settings, wizard, dialogs, parent)
{
    setupControls();
}

void HudPage::setupControls()
{
    // TODO: controls of this page
}

void HudPage::next()
{
    acceptAndMoveOn();
}

} // namespace quorvix
