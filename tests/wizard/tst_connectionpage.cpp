#include "support/PageRun.h"

#include <QAbstractButton>
#include <QTest>

using namespace quorvix;
using namespace quorvix::test;

namespace {

const ButtonFlag kButtons[] = {
    {"optCfgLAN", &Settings::CfgLAN}, {"optCfgStandleitung", &Settings::CfgStandleitung},
    {"optCfgDSL", &Settings::CfgDSL}, {"optCfgADSLfp", &Settings::CfgADSLfp},
    {"optCfgADSLCableAOL", &Settings::CfgADSLCableAOL}, {"optCfgQDSL", &Settings::CfgQDSL},
    {"optCfgSDSL256", &Settings::CfgSDSL256}, {"optCfgDualISDN", &Settings::CfgDualISDN},
    {"optCfgISDN", &Settings::CfgISDN}, {"optCfgModem", &Settings::CfgModem},
    {"chkCfgDownL", &Settings::CfgDownL}};

QStringList raised(const Settings& s) { return raisedFlags(s, kButtons); }

} // namespace

class ConnectionPageTest : public QObject {
    Q_OBJECT
private slots:
    void nextStoresTheSelection_data()
    {
        QTest::addColumn<QStringList>("clicked");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("nothing") << QStringList{} << QStringList{};
        QTest::newRow("ISDN and download") << QStringList{"optCfgISDN", "chkCfgDownL"}
                                           << QStringList{"optCfgISDN", "chkCfgDownL"};
        QTest::newRow("one group: LAN, then modem") << QStringList{"optCfgLAN", "optCfgModem"}
                                                    << QStringList{"optCfgModem"};
        for (const auto& [name, field] : kButtons)
            QTest::newRow(name) << QStringList{name} << QStringList{name};
    }
    void nextStoresTheSelection()
    {
        QFETCH(QStringList, clicked);
        QFETCH(QStringList, expected);
        PageRun r;
        WizardPage* page = r.open(2);
        QCOMPARE(page->focusWidget()->objectName(), QStringLiteral("optCfgDSL"));
        clickAll(page, clicked);
        pressNext(page);
        QCOMPARE(raised(r.settings), expected);
        QCOMPARE(r.settings.ConnectionDone, 1);
        QVERIFY(r.dialogs.messages.isEmpty() && r.showing(3) && !r.showing(2));
    }

    void backOnVideoClearsAndLaterPassesOnlyAdd()
    {
        PageRun r;
        WizardPage* page = r.open(2);
        clickAll(page, {"optCfgLAN", "chkCfgDownL"});
        pressNext(page);
        pressBack(r.wizard.page(3));
        QVERIFY(r.showing(2) && raised(r.settings).isEmpty());
        QVERIFY(need<QAbstractButton>(page, "optCfgLAN")->isChecked()); // the screen as left

        clickAll(page, {"optCfgModem", "chkCfgDownL"});
        pressNext(page);
        QCOMPARE(raised(r.settings), QStringList{"optCfgModem"});

        // A second run through the wizard, without Back, keeps the first flag.
        r.wizard.hidePage(3);
        r.open(2);
        clickAll(page, {"optCfgDualISDN"});
        pressNext(page);
        QCOMPARE(raised(r.settings), (QStringList{"optCfgDualISDN", "optCfgModem"}));
    }
};

QTEST_MAIN(ConnectionPageTest)
#include "tst_connectionpage.moc"
