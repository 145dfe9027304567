#include "wizard/pages/MousePage.h"

#include <QVBoxLayout>

namespace quorvix {

MousePage::MousePage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent)
    : WizardPage(5, settings, wizard, dialogs, parent)
{
    setupControls();
}

void MousePage::setupControls()
{
    // TODO: controls of this page
}

void MousePage::next()
{
    acceptAndMoveOn();
}

} // namespace quorvix
