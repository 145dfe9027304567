#include "wizard/pages/SetinfoPage.h"

#include <QVBoxLayout>

namespace quorvix {

SetinfoPage::SetinfoPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent)
    : WizardPage(10, settings, wizard, dialogs, parent)
{
    setupControls();
}

void SetinfoPage::setupControls()
{
    // TODO: controls of this page
}

void SetinfoPage::next()
{
    acceptAndMoveOn();
}

} // namespace quorvix
