#include "wizard/pages/VideoPage.h"

#include <QVBoxLayout>

namespace quorvix {

VideoPage::VideoPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent)
    : WizardPage(3, settings, wizard, dialogs, parent)
{
    setupControls();
}

void VideoPage::setupControls()
{
    // TODO: controls of this page
}

void VideoPage::next()
{
    acceptAndMoveOn();
}

} // namespace quorvix
