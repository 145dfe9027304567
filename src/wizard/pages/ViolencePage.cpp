#include "wizard/pages/ViolencePage.h"

#include <QVBoxLayout>

namespace quorvix {

ViolencePage::ViolencePage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent)
    : WizardPage(9, settings, wizard, dialogs, parent)
{
    setupControls();
}

void ViolencePage::setupControls()
{
    // TODO: controls of this page
}

void ViolencePage::next()
{
    acceptAndMoveOn();
}

} // namespace quorvix
