#include "wizard/pages/NickPage.h"

#include <QVBoxLayout>

namespace quorvix {

NickPage::NickPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent)
    : WizardPage(1, settings, wizard, dialogs, parent)
{
    setupControls();
}

void NickPage::setupControls()
{
    // TODO: controls of this page
}

void NickPage::next()
{
    acceptAndMoveOn();
}

} // namespace quorvix
