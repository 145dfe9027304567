#include "wizard/pages/FinalPage.h"

#include <QVBoxLayout>

namespace quorvix {

FinalPage::FinalPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent)
    : WizardPage(11, settings, wizard, dialogs, parent)
{
    setupControls();
}

void FinalPage::setupControls()
{
    // TODO: controls of this page
}

void FinalPage::next()
{
    acceptAndMoveOn();
}

} // namespace quorvix
