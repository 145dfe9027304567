#include "support/PageDriver.h"
#include "support/ScriptedDialogs.h"
#include "wizard/pages/Wizard.h"
#include "wizard/pages/WizardPage.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace quorvix;
using namespace quorvix::test;

class WizardNavigationTest : public QObject {
    Q_OBJECT
private slots:
    void everyPageBoldsOnlyItsOwnStep()
    {
        Settings settings;
        ScriptedDialogs dialogs;
        Wizard wizard(settings, dialogs);
        for (int n = 1; n <= kPageCount; ++n) {
            wizard.showPage(n);
            WizardPage* page = wizard.page(n);
            QVERIFY(page);
            for (int step = 1; step <= kPageCount; ++step) {
                auto* label = page->findChild<QLabel*>(QStringLiteral("lbl%1").arg(step));
                QVERIFY(label);
                QCOMPARE(label->font().bold(), step == n);
            }
            wizard.hidePage(n);
        }
    }
};

QTEST_MAIN(WizardNavigationTest)
#include "tst_wizardnavigation.moc"
