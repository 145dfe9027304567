#include "wizard/PageHarness.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

using namespace quorvix;
using namespace quorvix::test;

namespace {

// The frame's buttons top to bottom with the flag each sets.
const std::pair<const char*, Settings::Flag Settings::*> kButtons[] = {
    {"optCfgLAN", &Settings::CfgLAN}, {"optCfgStandleitung", &Settings::CfgStandleitung},
    {"optCfgDSL", &Settings::CfgDSL}, {"optCfgADSLfp", &Settings::CfgADSLfp},
    {"optCfgADSLCableAOL", &Settings::CfgADSLCableAOL}, {"optCfgQDSL", &Settings::CfgQDSL},
    {"optCfgSDSL256", &Settings::CfgSDSL256}, {"optCfgDualISDN", &Settings::CfgDualISDN},
    {"optCfgISDN", &Settings::CfgISDN}, {"optCfgModem", &Settings::CfgModem},
    {"chkCfgDownL", &Settings::CfgDownL}};

// The page's flags that are 1, named without their control prefix.
QStringList raisedFlags(const Settings& s)
{
    QStringList raised;
    for (const auto& [name, field] : kButtons) {
        if (s.*field != 0)
            raised << QString::fromLatin1(name).mid(3);
    }
    if (s.ConnectionDone != 0)
        raised << QStringLiteral("ConnectionDone");
    return raised;
}

} // namespace

class ConnectionPageTest : public QObject {
    Q_OBJECT
private slots:
    void frameHoldsTheButtonsInOrder();
    void nextStoresTheSelection_data();
    void nextStoresTheSelection();
    void backOnVideoThenOtherOptionStoresOnlyTheNewOne();
    void secondPassWithoutBackKeepsTheFirstFlag();
    void backHereLeavesThePlayerNameAlone();
};

void ConnectionPageTest::frameHoldsTheButtonsInOrder()
{
    PageHarness h;
    WizardPage* page = h.open(2);
    auto* frame = in<QGroupBox>(page, "frmCfgConnection");
    QVERIFY(frame);
    QCOMPARE(frame->title(), QStringLiteral("Connection Settings"));
    int previousTop = -1;
    for (const auto& [name, field] : kButtons) {
        auto* button = in<QAbstractButton>(page, name);
        QVERIFY2(button && button->parentWidget() == frame, name);
        QVERIFY2(button->y() > previousTop, name);
        previousTop = button->y();
    }
    // The captions whose oddities are easily lost.
    QCOMPARE(in<QAbstractButton>(page, "optCfgQDSL")->text(),
             QStringLiteral("SDSL (über 256Kbit/s) bzw. Q-DSL"));
    QCOMPARE(in<QAbstractButton>(page, "optCfgSDSL256")->text(),
             QStringLiteral("S-DSL ( bis 256Kbit/s)"));
    QCOMPARE(in<QAbstractButton>(page, "optCfgDSL")->text(),
             QStringLiteral("ADSL (z.B T-DSL,Arcor-DSL 768Kbit/s)"));
    QCOMPARE(in<QCheckBox>(page, "chkCfgDownL")->toolTip(),
             QStringLiteral("Download vom Server (Maps etc.) "));

    QCOMPARE(chosenAfterTabbing(page), QStringList{});
    // One group: selecting one option deselects the other; the box is apart.
    click(in<QRadioButton>(page, "optCfgLAN"));
    click(in<QCheckBox>(page, "chkCfgDownL"));
    click(in<QRadioButton>(page, "optCfgISDN"));
    QCOMPARE(chosenAfterTabbing(page, 0), (QStringList{"optCfgISDN", "chkCfgDownL"}));
}

void ConnectionPageTest::nextStoresTheSelection_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("download");
    QTest::addColumn<QStringList>("raised");

    QTest::newRow("nothing") << "" << false << QStringList{"ConnectionDone"};
    QTest::newRow("ISDN and download")
        << "optCfgISDN" << true << QStringList{"CfgISDN", "CfgDownL", "ConnectionDone"};
    for (const auto& [name, field] : kButtons) {
        const QString option = QString::fromLatin1(name);
        if (option.startsWith("opt"))
            QTest::newRow(name) << option << false << QStringList{option.mid(3), "ConnectionDone"};
    }
}

void ConnectionPageTest::nextStoresTheSelection()
{
    QFETCH(QString, option);
    QFETCH(bool, download);
    QFETCH(QStringList, raised);

    PageHarness h;
    WizardPage* page = h.open(2);
    if (!option.isEmpty())
        click(in<QRadioButton>(page, option));
    if (download)
        click(in<QCheckBox>(page, "chkCfgDownL"));
    pressNext(page);

    QCOMPARE(raisedFlags(h.settings), raised);
    QVERIFY(h.dialogs.messages.isEmpty());
    QCOMPARE(h.wizard.visiblePage(), h.wizard.page(3));
}

void ConnectionPageTest::backOnVideoThenOtherOptionStoresOnlyTheNewOne()
{
    PageHarness h;
    WizardPage* page = h.open(2);
    click(in<QRadioButton>(page, "optCfgLAN"));
    click(in<QCheckBox>(page, "chkCfgDownL"));
    pressNext(page);
    QCOMPARE(raisedFlags(h.settings), (QStringList{"CfgLAN", "CfgDownL", "ConnectionDone"}));

    pressBack(h.wizard.page(3));
    QCOMPARE(h.wizard.visiblePage(), page);
    QVERIFY(raisedFlags(h.settings).isEmpty());
    QVERIFY(in<QRadioButton>(page, "optCfgLAN")->isChecked()); // the screen is as it was

    click(in<QRadioButton>(page, "optCfgModem"));
    click(in<QCheckBox>(page, "chkCfgDownL")); // untick
    pressNext(page);
    QCOMPARE(raisedFlags(h.settings), (QStringList{"CfgModem", "ConnectionDone"}));
}

void ConnectionPageTest::secondPassWithoutBackKeepsTheFirstFlag()
{
    PageHarness h;
    WizardPage* page = h.open(2);
    click(in<QRadioButton>(page, "optCfgLAN"));
    pressNext(page);
    // A later run through the wizard shows the hidden page again as it was.
    h.wizard.hidePage(3);
    h.wizard.showPage(2);
    click(in<QRadioButton>(page, "optCfgDualISDN"));
    pressNext(page);
    QCOMPARE(raisedFlags(h.settings), (QStringList{"CfgLAN", "CfgDualISDN", "ConnectionDone"}));
}

void ConnectionPageTest::backHereLeavesThePlayerNameAlone()
{
    PageHarness h;
    h.passed(1);
    h.settings.SpielernameDone = 1;
    h.settings.Spielername = " \"Nick\"";
    WizardPage* page = h.open(2);
    click(in<QRadioButton>(page, "optCfgSDSL256"));
    pressBack(page);

    QCOMPARE(h.settings.SpielernameDone, 1);
    QCOMPARE(h.settings.Spielername, std::string(" \"Nick\""));
    QCOMPARE(h.wizard.visiblePage(), h.wizard.page(1));
    WizardPage* reloaded = h.wizard.page(2);
    QVERIFY(reloaded && reloaded != page && !reloaded->isVisible());
    QVERIFY(!in<QRadioButton>(reloaded, "optCfgSDSL256")->isChecked());
}

QTEST_MAIN(ConnectionPageTest)
#include "tst_connectionpage.moc"
