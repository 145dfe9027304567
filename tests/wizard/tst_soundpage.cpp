#include "support/PageRun.h"

#include <QAbstractButton>
#include <QTest>

using namespace quorvix;
using namespace quorvix::test;

namespace {

const std::pair<const char*, Settings::Flag Settings::*> kButtons[] = {
    {"optCfgEAX", &Settings::CfgEAX}, {"chkCfgSoundHLV", &Settings::CfgSoundHLV},
    {"chkCfgSoundSoundprob", &Settings::CfgSoundSoundprob},
    {"chkCfgSoundHighQ", &Settings::CfgSoundHighQ}};

// The buttons whose flag is 1, in the order above.
QStringList raised(const Settings& s)
{
    QStringList names;
    for (const auto& [name, field] : kButtons)
        if (s.*field != 0)
            names << QString::fromLatin1(name);
    return names;
}

void choose(WizardPage* page, const QStringList& names)
{
    for (const QString& name : names)
        click(need<QAbstractButton>(page, qPrintable(name)));
}

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
        choose(page, clicked);
        pressNext(page);
        QCOMPARE(raised(r.settings), expected);
        QCOMPARE(r.settings.SoundDone, 1);
        QVERIFY(r.dialogs.messages.isEmpty() && r.showing(5) && !r.showing(4));
    }

    void backOnMouseThenA3dLeavesNoEax()
    {
        PageRun r;
        WizardPage* page = r.open(4);
        choose(page, {"optCfgEAX", "chkCfgSoundHLV"});
        pressNext(page);
        pressBack(r.wizard.page(5));
        QVERIFY(r.showing(4) && need<QAbstractButton>(page, "chkCfgSoundHLV")->isChecked());
        choose(page, {"optCfgA3D"});
        pressNext(page);
        QCOMPARE(raised(r.settings), QStringList{"chkCfgSoundHLV"});
        QCOMPARE(r.settings.SoundDone, 1);
    }
};

QTEST_MAIN(SoundPageTest)
#include "tst_soundpage.moc"
