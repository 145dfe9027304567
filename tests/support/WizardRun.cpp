#include "support/WizardRun.h"

#include "support/PageDriver.h"
#include "wizard/pages/Wizard.h"
#include "wizard/pages/WizardPage.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace quorvix::test {
namespace {

// What each page's checks accept, page 2 to 10: buttons to tick, and
// "box=text" for a click into the box and typing; the player name comes
// from the caller.
const char* const kAnswers[] = {
    "optCfgQDSL|chkCfgDownL",
    "optCfgVidBest|txtCfgBrightness=1|txtCfgGamma=2.5|txtCfgVMaxFPS=100|chkCfgVZtrick|chkCfgVMMX",
    "chkCfgSoundHighQ|optCfgEAX",
    "txtCfgMSens=2.5|txtCfgMSensratio=0",
    "optCfgCGS|txtCfgConsoleRGB=255 155 50",
    "txtCfgHudDTN=6|txtCfgHudChattime=0|txtCfgHudKaufhis=2|chkCfgHudcenterid|chkCfgHudtakeshot",
    "optCfgNgraph3|optCfgNgraphP1|txtCfgNetghight=|txtCfgNetgwidth=200",
    "optCfgViolenceBlutaus",
    "chkCfgHelpM|chkCfgfrendm|chkCfgLeftHand|chkCfgAutoWS",
};

int passWizard(Wizard& wizard, const QString* playerName)
{
    for (int n = 1; n <= 11; ++n) {
        WizardPage* page = wizard.page(n);
        if (!page || !page->isVisible())
            return n;
        if (playerName)
            answerValidly(page, *playerName);
        pressNext(page);
        settle();
        WizardPage* following = n < 11 ? wizard.page(n + 1) : nullptr;
        if (page->isVisible() || (n < 11 && !(following && following->isVisible())))
            return n;
    }
    return 0;
}

} // namespace

void answerValidly(WizardPage* page, const QString& playerName)
{
    const int n = page->pageNumber();
    const QString answers = n == 1 ? "txtSpielername=" + playerName : n <= 10 ? kAnswers[n - 2] : QString();
    for (const QString& answer : answers.split('|', Qt::SkipEmptyParts)) {
        const QString name = answer.section('=', 0, 0);
        if (answer.contains('=')) {
            if (auto* box = page->findChild<QLineEdit*>(name))
                clickAndType(box, answer.section('=', 1));
        } else if (auto* button = page->findChild<QAbstractButton*>(name);
                   button && (!button->isCheckable() || !button->isChecked())) {
            click(button);
        }
    }
}

int runWizardToEnd(Wizard& wizard, const QString& playerName)
{
    return passWizard(wizard, &playerName);
}

int passWizardAsLeft(Wizard& wizard)
{
    return passWizard(wizard, nullptr);
}

} // namespace quorvix::test
