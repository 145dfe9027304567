#include "support/PageRun.h"

#include <QCheckBox>
#include <QTest>

using namespace quorvix;
using namespace quorvix::test;

namespace {

// Each box with the flag it sets.
const char* const kBoxes[] = {"chkCfgHelpM",    "chkCfgMapbrief", "chkCfgfrendm", "chkCfgVGUI",
                              "chkCfgLeftHand", "chkCfgdynChr",   "chkCfgAutoWS"};
constexpr Settings::Flag Settings::* kFlags[] = {
    &Settings::CfgHelpM,    &Settings::CfgMapbrief, &Settings::Cfgfrendm, &Settings::CfgVGUI,
    &Settings::CfgLeftHand, &Settings::CfgdynChr,   &Settings::CfgAutoWS};

QCheckBox* box(WizardPage* page, int i) { return need<QCheckBox>(page, kBoxes[i]); }

// The indexes of the flags that are set.
QList<int> flagsSet(const Settings& settings)
{
    QList<int> set;
    for (int i = 0; i < 7; ++i)
        if (settings.*kFlags[i])
            set << i;
    return set;
}

} // namespace

class SetinfoPageTest : public QObject {
    Q_OBJECT
private slots:
    // No check: each ticked box sets its own flag and no other.
    void next_data()
    {
        QTest::addColumn<QList<int>>("ticked");
        QTest::newRow("none") << QList<int>{};
        QTest::newRow("all") << QList<int>{0, 1, 2, 3, 4, 5, 6};
        for (int i = 0; i < 7; ++i)
            QTest::newRow(kBoxes[i]) << QList<int>{i};
    }
    void next()
    {
        QFETCH(QList<int>, ticked);
        PageRun run;
        WizardPage* page = run.open(10);
        for (int i : ticked)
            click(box(page, i));
        pressNext(page);
        QCOMPARE(flagsSet(run.settings), ticked);
        QCOMPARE(run.settings.SetinfoDone, 1);
        QVERIFY(!page->isVisible() && run.showing(11));
        QVERIFY(run.dialogs.messages.isEmpty());
    }

    // Back on the final page clears the flags; the boxes stay ticked, and
    // two unticked then leave exactly five flags set.
    void untickingAfterBack()
    {
        PageRun run;
        WizardPage* page = run.open(10);
        for (int i = 0; i < 7; ++i)
            click(box(page, i));
        pressNext(page);
        pressBack(run.wizard.page(11));
        QVERIFY(page->isVisible());

        click(box(page, 1));
        click(box(page, 4));
        pressNext(page);
        QCOMPARE(flagsSet(run.settings), (QList<int>{0, 2, 3, 5, 6}));
        QCOMPARE(run.settings.SetinfoDone, 1);
    }
};

QTEST_MAIN(SetinfoPageTest)
#include "tst_setinfopage.moc"
