#include "support/WizardRun.h"

#include "support/PageDriver.h"
#include "wizard/pages/Wizard.h"
#include "wizard/pages/WizardPage.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace quorvix::test {
namespace {

void choose(QWidget* page, const char* name)
{
    auto* button = page->findChild<QAbstractButton*>(QString::fromLatin1(name));
    if (button && (!button->isCheckable() || !button->isChecked()))
        click(button);
}

void enter(QWidget* page, const char* name, const QString& text)
{
    if (auto* box = page->findChild<QLineEdit*>(QString::fromLatin1(name)))
        clickAndType(box, text);
}

} // namespace

void answerValidly(WizardPage* page, const QString& playerName)
{
    switch (page->pageNumber()) {
    case 1:
        enter(page, "txtSpielername", playerName);
        break;
    case 2:
        choose(page, "optCfgQDSL");
        choose(page, "chkCfgDownL");
        break;
    case 3:
        choose(page, "optCfgVidBest");
        enter(page, "txtCfgBrightness", QStringLiteral("1"));
        enter(page, "txtCfgGamma", QStringLiteral("2.5"));
        enter(page, "txtCfgVMaxFPS", QStringLiteral("100"));
        choose(page, "chkCfgVZtrick");
        choose(page, "chkCfgVMMX");
        break;
    case 4:
        choose(page, "chkCfgSoundHighQ");
        choose(page, "optCfgEAX");
        break;
    case 5:
        enter(page, "txtCfgMSens", QStringLiteral("2.5"));
        enter(page, "txtCfgMSensratio", QStringLiteral("0"));
        break;
    case 6:
        choose(page, "optCfgCGS");
        enter(page, "txtCfgConsoleRGB", QStringLiteral("255 155 50"));
        break;
    case 7:
        enter(page, "txtCfgHudDTN", QStringLiteral("6"));
        enter(page, "txtCfgHudChattime", QStringLiteral("0"));
        enter(page, "txtCfgHudKaufhis", QStringLiteral("2"));
        choose(page, "chkCfgHudcenterid");
        choose(page, "chkCfgHudtakeshot");
        break;
    case 8:
        choose(page, "optCfgNgraph3");
        choose(page, "optCfgNgraphP1");
        enter(page, "txtCfgNetghight", QString());
        enter(page, "txtCfgNetgwidth", QStringLiteral("200"));
        break;
    case 9:
        choose(page, "optCfgViolenceBlutaus");
        break;
    case 10:
        choose(page, "chkCfgHelpM");
        choose(page, "chkCfgfrendm");
        choose(page, "chkCfgLeftHand");
        choose(page, "chkCfgAutoWS");
        break;
    default:
        break;
    }
}

namespace {

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
        const bool movedOn = !page->isVisible()
                             && (n == 11 || (wizard.page(n + 1) && wizard.page(n + 1)->isVisible()));
        if (!movedOn)
            return n;
    }
    return 0;
}

} // namespace

int runWizardToEnd(Wizard& wizard, const QString& playerName)
{
    return passWizard(wizard, &playerName);
}

int passWizardAsLeft(Wizard& wizard)
{
    return passWizard(wizard, nullptr);
}

} // namespace quorvix::test
