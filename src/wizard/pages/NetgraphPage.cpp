#include "wizard/pages/NetgraphPage.h"

#include <QVBoxLayout>

namespace quorvix {

NetgraphPage::NetgraphPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent)
    : WizardPage(8, settings, wizard, dialogs, parent)
{
    setupControls();
}

void NetgraphPage::setupControls()
{
    // TODO: controls of this page
}

void NetgraphPage::next()
{
    acceptAndMoveOn();
}

} // namespace quorvix
