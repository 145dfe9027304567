#include "support/PageDriver.h"
#include "support/ScriptedDialogs.h"
#include "wizard/pages/FinalPage.h"
#include "wizard/pages/Wizard.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <limits>

using namespace quorvix;
using namespace quorvix::test;

class FinalPageTest : public QObject {
    Q_OBJECT
private slots:
    void windowAndControls()
    {
        Settings settings;
        ScriptedDialogs dialogs;
        Wizard wizard(settings, dialogs);
        wizard.showPage(11);
        WizardPage* page = wizard.page(11);
        QCOMPARE(page->objectName(), QStringLiteral("ex"));
        QCOMPARE(page->windowTitle(),
                 QStringLiteral("ex_ only 4 1337 h4xX0r$  ^^ Schritt ( 11 von 11 )"));
        auto* info = child<QGroupBox>(page, QStringLiteral("Frame2"));
        QCOMPARE(info->title(), QStringLiteral("Info"));
        auto* notice = child<QLabel>(info, QStringLiteral("Label1"));
        QCOMPARE(notice->text(),
                 QStringLiteral("ex_h4xX0r ist deaktiviert weil CS 1.6 \"demnächst\" erscheinen wird"));
        auto* boxes = child<QGroupBox>(page, QStringLiteral("Frame1"));
        QCOMPARE(boxes->title(), QStringLiteral("Gib nur die Zahlenwerte in den Textfeldern ein"));
        QVERIFY(info->geometry().bottom() < boxes->geometry().top());

        const char* expected[] = {"ex_interp",   "ex_extrapmax",   "ex_maxerrordistance",
                                  "ex_maxaccel ", "ex_maxspeed",   "ex_minvelocity",
                                  "ex_diminishextrap", "ex_correct"};
        int previousTop = -1;
        for (int i = 0; i < 8; ++i) {
            auto* box = child<QLineEdit>(boxes, QStringLiteral("Text%1").arg(i + 1));
            QVERIFY(box);
            QCOMPARE(box->text(), QString::fromLatin1(expected[i]));
            QVERIFY(box->isReadOnly());
            QVERIFY(box->geometry().top() > previousTop);
            previousTop = box->geometry().top();
            // Read-only means typing changes nothing.
            typeWithoutClick(box, QStringLiteral("9"));
            QCOMPARE(box->text(), QString::fromLatin1(expected[i]));
        }
        QCOMPARE(child<QPushButton>(page, QStringLiteral("cmdWeiter11"))->text(), QStringLiteral("Weiter"));
        QCOMPARE(child<QPushButton>(page, QStringLiteral("cmdZurueck11"))->text(), QStringLiteral("Zurück"));
    }

    void loadingMarksTheLastStep()
    {
        Settings settings;
        ScriptedDialogs dialogs;
        Wizard wizard(settings, dialogs);
        QCOMPARE(settings.LastStep, Settings::Flag(0));
        wizard.showPage(11);
        QCOMPARE(settings.LastStep, Settings::Flag(11));
        QCOMPARE(settings.WizardDone, Settings::Flag(0));
    }

    void nextCountsTheFinishAndHandsBack()
    {
        Settings settings;
        ScriptedDialogs dialogs;
        Wizard wizard(settings, dialogs);
        QSignalSpy finished(&wizard, &Wizard::finished);
        wizard.showPage(11);
        pressNext(wizard.page(11));
        QCOMPARE(settings.WizardDone, Settings::Flag(1));
        QCOMPARE(finished.count(), 1);
        QVERIFY(!wizard.page(11)->isVisible());
        QVERIFY(wizard.page(11)); // hidden, not closed
        QVERIFY(dialogs.messages.isEmpty());
        // Every later finish in the same run counts too.
        wizard.showPage(11);
        pressNext(wizard.page(11));
        QCOMPARE(settings.WizardDone, Settings::Flag(2));
    }

    void finishCounterSaturates()
    {
        Settings settings;
        settings.WizardDone = std::numeric_limits<Settings::Flag>::max() - 1;
        ScriptedDialogs dialogs;
        Wizard wizard(settings, dialogs);
        for (int i = 0; i < 3; ++i) {
            wizard.showPage(11);
            pressNext(wizard.page(11));
        }
        QCOMPARE(settings.WizardDone, std::numeric_limits<Settings::Flag>::max());
    }

    void backClearsTheSetinfoAnswersAndReloads()
    {
        Settings settings;
        ScriptedDialogs dialogs;
        Wizard wizard(settings, dialogs);
        wizard.showPage(10);
        wizard.hidePage(10);
        wizard.showPage(11);
        settings.SetinfoDone = settings.CfgHelpM = settings.CfgMapbrief = settings.Cfgfrendm = 1;
        settings.CfgVGUI = settings.CfgLeftHand = settings.CfgdynChr = settings.CfgAutoWS = 1;
        settings.ViolenceDone = 1;
        QPointer<WizardPage> before = wizard.page(11);
        settings.LastStep = 5; // shows that the reload runs the load again
        pressBack(wizard.page(11));
        for (auto flag : {settings.SetinfoDone, settings.CfgHelpM, settings.CfgMapbrief,
                          settings.Cfgfrendm, settings.CfgVGUI, settings.CfgLeftHand,
                          settings.CfgdynChr, settings.CfgAutoWS})
            QCOMPARE(flag, Settings::Flag(0));
        QCOMPARE(settings.ViolenceDone, Settings::Flag(1));
        QCOMPARE(settings.LastStep, Settings::Flag(11));
        QCOMPARE(settings.WizardDone, Settings::Flag(0));
        QVERIFY(before.isNull());
        QVERIFY(wizard.page(11));
        QVERIFY(!wizard.page(11)->isVisible());
        QVERIFY(wizard.page(10)->isVisible());
    }
};

QTEST_MAIN(FinalPageTest)
#include "tst_finalpage.moc"
