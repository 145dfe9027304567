#include "support/PageRun.h"

#include <QGroupBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <limits>

using namespace quorvix;
using namespace quorvix::test;

class FinalPageTest : public QObject {
    Q_OBJECT
private slots:
    void controlsAndTheMarkOfTheLastStep()
    {
        PageRun r;
        QCOMPARE(r.settings.LastStep, Settings::Flag(0));
        WizardPage* page = r.open(11);
        QCOMPARE(r.settings.LastStep, Settings::Flag(11));
        QCOMPARE(r.settings.WizardDone, Settings::Flag(0));
        QCOMPARE(page->objectName(), QStringLiteral("ex"));
        auto* info = need<QGroupBox>(page, "Frame2");
        QCOMPARE(info->title(), QStringLiteral("Info"));
        QCOMPARE(need<QLabel>(info, "Label1")->text(),
                 QStringLiteral("ex_h4xX0r ist deaktiviert weil CS 1.6 \"demnächst\" erscheinen wird"));
        auto* boxes = need<QGroupBox>(page, "Frame1");
        QCOMPARE(boxes->title(), QStringLiteral("Gib nur die Zahlenwerte in den Textfeldern ein"));
        QVERIFY(info->geometry().bottom() < boxes->y());
        const char* expected[] = {"ex_interp", "ex_extrapmax", "ex_maxerrordistance", "ex_maxaccel ",
                                  "ex_maxspeed", "ex_minvelocity", "ex_diminishextrap", "ex_correct"};
        int previousTop = -1;
        for (int i = 0; i < 8; ++i) {
            auto* box = child<QLineEdit>(boxes, QStringLiteral("Text%1").arg(i + 1));
            QVERIFY(box && box->isReadOnly() && box->y() > previousTop);
            previousTop = box->y();
            typeWithoutClick(box, QStringLiteral("9"));
            QCOMPARE(box->text(), QString::fromLatin1(expected[i]));
        }
    }

    void nextCountsTheFinishAndHandsBack()
    {
        PageRun r;
        QSignalSpy finished(&r.wizard, &Wizard::finished);
        pressNext(r.open(11));
        QCOMPARE(r.settings.WizardDone, Settings::Flag(1));
        QCOMPARE(finished.count(), 1);
        QVERIFY(r.wizard.page(11) && !r.showing(11)); // hidden, not closed
        QVERIFY(r.dialogs.messages.isEmpty());
        // Every later finish counts too, up to the largest 16-bit value.
        r.settings.WizardDone = std::numeric_limits<Settings::Flag>::max() - 1;
        for (int i = 0; i < 3; ++i)
            pressNext(r.open(11));
        QCOMPARE(r.settings.WizardDone, std::numeric_limits<Settings::Flag>::max());
    }

    void backClearsTheSetinfoAnswersAndReloads()
    {
        PageRun r;
        r.open(10)->hide();
        QPointer<WizardPage> before = r.open(11);
        auto& s = r.settings;
        s.SetinfoDone = s.CfgHelpM = s.CfgMapbrief = s.Cfgfrendm = s.CfgVGUI = 1;
        s.CfgLeftHand = s.CfgdynChr = s.CfgAutoWS = s.ViolenceDone = 1;
        s.LastStep = 5; // shows that the reload runs the load again
        pressBack(before);
        for (auto flag : {s.SetinfoDone, s.CfgHelpM, s.CfgMapbrief, s.Cfgfrendm, s.CfgVGUI,
                          s.CfgLeftHand, s.CfgdynChr, s.CfgAutoWS})
            QCOMPARE(flag, Settings::Flag(0));
        QCOMPARE(s.ViolenceDone, Settings::Flag(1));
        QCOMPARE(s.LastStep, Settings::Flag(11));
        QCOMPARE(s.WizardDone, Settings::Flag(0));
        QVERIFY(before.isNull() && r.wizard.page(11) && !r.showing(11) && r.showing(10));
    }
};

QTEST_MAIN(FinalPageTest)
#include "tst_finalpage.moc"
