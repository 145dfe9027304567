#include "support/PageRun.h"

#include <QAbstractButton>
#include <QTest>

using namespace quorvix;
using namespace quorvix::test;

namespace {

const ButtonFlag kButtons[] = {
    {"optCfgEAX", &Settings::CfgEAX}, {"chkCfgSoundHLV", &Settings::CfgSoundHLV},
    {"chkCfgSoundSoundprob", &Settings::CfgSoundSoundprob},
    {"chkCfgSoundHighQ", &Settings::CfgSoundHighQ}};

QStringList raised(const Settings& s) { return raisedFlags(s, kButtons); }

} // namespace

class SoundPageTest : public QObject {
    Q_OBJECT
private slots:
    void nextStoresTheSelection_data()
    {
        QTest::addColumn<QStringList>("clicked");
        QTest::addColumn<QStringList>("expected");
        const QStringList boxes{"chkCfgSoundHLV", "chkCfgSoundSoundprob", "chkCfgSoundHighQ"};
        QTest::newRow("nothing") << QStringList{} << QStringList{};
        QTest::newRow("A3D and all three boxes") << QStringList{"optCfgA3D"} + boxes << boxes;
        QTest::newRow("EAX") << QStringList{"optCfgEAX"} << QStringList{"optCfgEAX"};
        QTest::newRow("EAX, then A3D") << QStringList{"optCfgEAX", "optCfgA3D"} << QStringList{};
        QTest::newRow("voice ticked and unticked")
            << QStringList{"chkCfgSoundHLV", "chkCfgSoundHLV"} << QStringList{};
    }
    void nextStoresTheSelection()
    {
        QFETCH(QStringList, clicked);
        QFETCH(QStringList, expected);
        PageRun r;
        WizardPage* page = r.open(4);
        clickAll(page, clicked);
        pressNext(page);
        QCOMPARE(raised(r.settings), expected);
        QCOMPARE(r.settings.SoundDone, 1);
        QVERIFY(r.dialogs.messages.isEmpty() && r.showing(5) && !r.showing(4));
    }

    void backOnMouseThenA3dLeavesNoEax()
    {
        PageRun r;
        WizardPage* page = r.open(4);
        clickAll(page, {"optCfgEAX", "chkCfgSoundHLV"});
        pressNext(page);
        pressBack(r.wizard.page(5));
        QVERIFY(r.showing(4) && need<QAbstractButton>(page, "chkCfgSoundHLV")->isChecked());
        clickAll(page, {"optCfgA3D"});
        pressNext(page);
        QCOMPARE(raised(r.settings), QStringList{"chkCfgSoundHLV"});
        QCOMPARE(r.settings.SoundDone, 1);
    }
};

QTEST_MAIN(SoundPageTest)
#include "tst_soundpage.moc"
