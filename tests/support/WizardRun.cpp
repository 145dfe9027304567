#include "support/WizardRun.h"

#include "support/PageDriver.h"
#include "wizard/pages/Wizard.h"
#include "wizard/pages/WizardPage.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace quorvix::test {
namespace {

// One answer: a click on a button when `text` is null, otherwise a click
// into the box and `text` typed.
struct Answer {
    int page;
    const char* control;
    const char* text = nullptr;
};

// What every page's checks accept; the player name comes from the caller.
const Answer kAnswers[] = {
    {2, "optCfgQDSL"}, {2, "chkCfgDownL"},
    {3, "optCfgVidBest"}, {3, "txtCfgBrightness", "1"}, {3, "txtCfgGamma", "2.5"},
    {3, "txtCfgVMaxFPS", "100"}, {3, "chkCfgVZtrick"}, {3, "chkCfgVMMX"},
    {4, "chkCfgSoundHighQ"}, {4, "optCfgEAX"},
    {5, "txtCfgMSens", "2.5"}, {5, "txtCfgMSensratio", "0"},
    {6, "optCfgCGS"}, {6, "txtCfgConsoleRGB", "255 155 50"},
    {7, "txtCfgHudDTN", "6"}, {7, "txtCfgHudChattime", "0"}, {7, "txtCfgHudKaufhis", "2"},
    {7, "chkCfgHudcenterid"}, {7, "chkCfgHudtakeshot"},
    {8, "optCfgNgraph3"}, {8, "optCfgNgraphP1"}, {8, "txtCfgNetghight", ""},
    {8, "txtCfgNetgwidth", "200"},
    {9, "optCfgViolenceBlutaus"},
    {10, "chkCfgHelpM"}, {10, "chkCfgfrendm"}, {10, "chkCfgLeftHand"}, {10, "chkCfgAutoWS"},
};

void answer(WizardPage* page, const char* name, const QString* text)
{
    const QString objectName = QString::fromLatin1(name);
    if (text) {
        if (auto* box = page->findChild<QLineEdit*>(objectName))
            clickAndType(box, *text);
        return;
    }
    auto* button = page->findChild<QAbstractButton*>(objectName);
    if (button && (!button->isCheckable() || !button->isChecked()))
        click(button);
}

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
    if (page->pageNumber() == 1)
        answer(page, "txtSpielername", &playerName);
    for (const Answer& a : kAnswers) {
        if (a.page != page->pageNumber())
            continue;
        const QString text = QString::fromLatin1(a.text);
        answer(page, a.control, a.text ? &text : nullptr);
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
