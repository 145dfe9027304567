#include "support/PageRun.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QTest>

using namespace quorvix;
using namespace quorvix::test;

namespace {

using Field = Settings::Flag Settings::*;

// Top to bottom, with the field each box sets.
const char* const kBoxes[] = {"chkCfgHelpM",    "chkCfgMapbrief", "chkCfgfrendm", "chkCfgVGUI",
                              "chkCfgLeftHand", "chkCfgdynChr",   "chkCfgAutoWS"};
constexpr Field kFlags[] = {&Settings::CfgHelpM,    &Settings::CfgMapbrief, &Settings::Cfgfrendm,
                            &Settings::CfgVGUI,     &Settings::CfgLeftHand, &Settings::CfgdynChr,
                            &Settings::CfgAutoWS};

struct Run : PageRun {
    QList<int> flags() const
    {
        QList<int> values;
        for (Field field : kFlags)
            values << settings.*field;
        return values;
    }
};

QCheckBox* box(WizardPage* page, int i) { return need<QCheckBox>(page, kBoxes[i]); }

QList<int> flagsFor(const QList<int>& ticked)
{
    QList<int> flags(7, 0);
    for (int i : ticked)
        flags[i] = 1;
    return flags;
}

} // namespace

class SetinfoPageTest : public QObject {
    Q_OBJECT
private slots:
    void boxesAreCaptionedAsWritten_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("help") << 0 << "Aktiviert die Ingame Hilfe Messages " << "";
        QTest::newRow("map briefing") << 1 << "Mapbriefing " << "";
        QTest::newRow("friends") << 2 << "Freunde Message " << "";
        QTest::newRow("buy menu") << 3 << "grafische Kaufmenü (VGUI)" << "Aktiviert das grafische Kaufmenü ";
        QTest::newRow("left hand") << 4 << "Waffe in linker Hand " << "";
        QTest::newRow("crosshair") << 5 << "Dynamisches Crosshair"
                                   << "Dynamisches Crosshair  / Aus Bei aus geht das CH beim Laufen "
                                      "nicht auseinander, die Treffgenauigkeit ändert sich dadurch "
                                      "aber nicht.";
        QTest::newRow("weapon switch")
            << 6 << "Automatischer Waffen Switch"
            << "Beim Aufsammeln einer neuen Waffe wird diese auf \"1\" sofort rausgeholt, wenn \"0\" "
               "nur aufgesammelt. Bei \"0\" bleibt also die aktuelle Waffe, mit der man "
               "beispielsweise gerade schiesst, draussen.";
    }
    void boxesAreCaptionedAsWritten()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QString, tooltip);
        Run run;
        WizardPage* page = run.open(10);
        auto* frame = need<QGroupBox>(page, "frmCfgSetinfo");
        QCOMPARE(frame->title(), QStringLiteral("Setinfo Settings"));
        QCheckBox* check = box(page, index);
        QCOMPARE(check->parentWidget(), frame);
        QCOMPARE(check->text(), caption);
        QCOMPARE(check->toolTip(), tooltip);
        QVERIFY(!check->accessibleName().isEmpty());
        QVERIFY(!check->isChecked());
        if (index > 0)
            QVERIFY(check->y() > box(page, index - 1)->y());
    }

    // No check: each ticked box sets its own flag and no other.
    void next_data()
    {
        QTest::addColumn<QList<int>>("ticked");
        QTest::newRow("none") << QList<int>{};
        QTest::newRow("all") << QList<int>{0, 1, 2, 3, 4, 5, 6};
        QTest::newRow("help messages only") << QList<int>{0};
        QTest::newRow("weapon switch only") << QList<int>{6};
        QTest::newRow("left hand and crosshair") << QList<int>{4, 5};
        QTest::newRow("friends and buy menu") << QList<int>{2, 3};
    }
    void next()
    {
        QFETCH(QList<int>, ticked);
        Run run;
        WizardPage* page = run.open(10);
        for (int i : ticked)
            click(box(page, i));
        pressNext(page);
        QCOMPARE(run.flags(), flagsFor(ticked));
        QCOMPARE(run.settings.SetinfoDone, 1);
        QVERIFY(!page->isVisible());
        QVERIFY(run.wizard.page(11) && run.wizard.page(11)->isVisible());
        QVERIFY(run.dialogs.messages.isEmpty());
    }

    // Back on the final page clears the flags; the boxes stay ticked, and
    // two unticked then leave exactly five flags set.
    void untickingAfterBack()
    {
        Run run;
        WizardPage* page = run.open(10);
        for (int i = 0; i < 7; ++i)
            click(box(page, i));
        pressNext(page);
        pressBack(run.wizard.page(11));
        QCOMPARE(run.flags(), flagsFor({}));
        QCOMPARE(run.settings.SetinfoDone, 0);
        QVERIFY(page->isVisible());
        for (int i = 0; i < 7; ++i)
            QVERIFY(box(page, i)->isChecked());

        click(box(page, 1));
        click(box(page, 4));
        pressNext(page);
        QCOMPARE(run.flags(), flagsFor({0, 2, 3, 5, 6}));
        QCOMPARE(run.settings.SetinfoDone, 1);
    }

    // Back clears the violence page's fields only and resets this page.
    void backClearsViolenceFieldsOnly()
    {
        Run run;
        run.wizard.showPage(9);
        run.wizard.hidePage(9);
        Settings& s = run.settings;
        s.ViolenceDone = 1;
        s.CfgViolenceBlutan = 1;
        s.NetgraphDone = 1;
        s.CfgNgraph2 = 1;

        WizardPage* page = run.open(10);
        click(box(page, 0));
        pressBack(page);
        QCOMPARE(s.ViolenceDone, 0);
        QCOMPARE(s.CfgViolenceBlutan, 0);
        QCOMPARE(s.NetgraphDone, 1);
        QCOMPARE(s.CfgNgraph2, 1);
        QVERIFY(run.wizard.page(9)->isVisible());
        WizardPage* reloaded = run.wizard.page(10);
        QVERIFY(reloaded && reloaded != page && !reloaded->isVisible());
        QVERIFY(!box(reloaded, 0)->isChecked());
    }
};

QTEST_MAIN(SetinfoPageTest)
#include "tst_setinfopage.moc"
