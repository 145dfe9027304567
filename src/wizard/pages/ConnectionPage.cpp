#include "wizard/pages/ConnectionPage.h"

#include <QVBoxLayout>

namespace quorvix {

ConnectionPage::ConnectionPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent)
    : WizardPage(2, settings, wizard, dialogs, parent)
{
    setupControls();
}

void ConnectionPage::setupControls()
{
    // TODO: controls of this page
}

void ConnectionPage::next()
{
    acceptAndMoveOn();
}

} // namespace quorvix
