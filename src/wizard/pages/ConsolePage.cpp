#include "wizard/pages/ConsolePage.h"

#include <QVBoxLayout>

namespace quorvix {

ConsolePage::ConsolePage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent)
    : WizardPage(6, settings, wizard, dialogs, parent)
{
    setupControls();
}

void ConsolePage::setupControls()
{
    // TODO: controls of this page
}

void ConsolePage::next()
{
    acceptAndMoveOn();
}

} // namespace quorvix
