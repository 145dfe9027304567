#include "support/PageDriver.h"
#include "support/ScriptedDialogs.h"
#include "wizard/pages/Wizard.h"
#include "wizard/pages/WizardPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTest>

using namespace quorvix;
using namespace quorvix::test;

namespace {

using Field = Settings::Flag Settings::*;

struct Harness {
    Settings settings;
    ScriptedDialogs dialogs;
    Wizard wizard{settings, dialogs};

    WizardPage* open(int n)
    {
        wizard.showPage(n);
        return wizard.page(n);
    }
};

template <typename T>
T* in(QWidget* page, const QString& name)
{
    return page ? page->findChild<T*>(name) : nullptr;
}

// The frame's buttons top to bottom with the flag each sets; written out
// here on purpose rather than taken from the page.
struct Row {
    const char* name;
    const char* caption;
    Field field;
};
const Row kRows[] = {
    {"optCfgLAN", "LAN (100Mbit/s)", &Settings::CfgLAN},
    {"optCfgStandleitung", "Standleitung (ab 512Kbit/s)", &Settings::CfgStandleitung},
    {"optCfgDSL", "ADSL (z.B T-DSL,Arcor-DSL 768Kbit/s)", &Settings::CfgDSL},
    {"optCfgADSLfp", "ADSL + FastPath (T-Online, Arcor, ..)", &Settings::CfgADSLfp},
    {"optCfgADSLCableAOL", "ADSL/Cable (128-640Kbit/s) bzw. AOL-DSL", &Settings::CfgADSLCableAOL},
    {"optCfgQDSL", "SDSL (über 256Kbit/s) bzw. Q-DSL", &Settings::CfgQDSL},
    {"optCfgSDSL256", "S-DSL ( bis 256Kbit/s)", &Settings::CfgSDSL256},
    {"optCfgDualISDN", "Dual-ISDN", &Settings::CfgDualISDN},
    {"optCfgISDN", "ISDN", &Settings::CfgISDN},
    {"optCfgModem", "Modem (56Kbit/s oder langsamer)", &Settings::CfgModem},
    {"chkCfgDownL", "Erlaube Download (Maps,Sounds)", &Settings::CfgDownL},
};

// The names of the page's flags that are 1, for compact comparisons.
QStringList raisedFlags(const Settings& s)
{
    QStringList raised;
    for (const Row& row : kRows) {
        if (s.*row.field != 0)
            raised << QString::fromLatin1(row.name).mid(3);
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
    void opensWithNothingChosenAndFocusChoosesNothing();
    void optionsExcludeEachOther();
    void nextStoresTheSelection_data();
    void nextStoresTheSelection();
    void backOnVideoThenOtherOptionStoresOnlyTheNewOne();
    void secondPassWithoutBackKeepsTheFirstFlag();
    void backHereLeavesThePlayerNameAlone();
};

void ConnectionPageTest::frameHoldsTheButtonsInOrder()
{
    Harness h;
    WizardPage* page = h.open(2);
    QCOMPARE(page->windowTitle(), QStringLiteral("Connection Schritt ( 2 von 11 )"));
    auto* frame = in<QGroupBox>(page, "frmCfgConnection");
    QVERIFY(frame);
    QCOMPARE(frame->title(), QStringLiteral("Connection Settings"));

    int previousTop = -1;
    for (const Row& row : kRows) {
        auto* button = in<QAbstractButton>(page, QString::fromLatin1(row.name));
        QVERIFY2(button, row.name);
        QCOMPARE(button->parentWidget(), frame);
        QCOMPARE(button->text(), QString::fromUtf8(row.caption));
        QVERIFY2(button->y() > previousTop, row.name);
        previousTop = button->y();
    }
    QCOMPARE(in<QCheckBox>(page, "chkCfgDownL")->toolTip(),
             QStringLiteral("Download vom Server (Maps etc.) "));
    QCOMPARE(frame->findChildren<QRadioButton*>().size(), 10);
}

void ConnectionPageTest::opensWithNothingChosenAndFocusChoosesNothing()
{
    Harness h;
    WizardPage* page = h.open(2);
    for (int i = 0; i < 15; ++i) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : page, Qt::Key_Tab);
    }
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
        if (button->isCheckable())
            QVERIFY2(!button->isChecked(), qPrintable(button->objectName()));
    }
}

void ConnectionPageTest::optionsExcludeEachOther()
{
    Harness h;
    WizardPage* page = h.open(2);
    auto* lan = in<QRadioButton>(page, "optCfgLAN");
    auto* isdn = in<QRadioButton>(page, "optCfgISDN");
    auto* download = in<QCheckBox>(page, "chkCfgDownL");
    click(lan);
    click(download);
    click(isdn);
    QVERIFY(isdn->isChecked());
    QVERIFY(!lan->isChecked());
    QVERIFY(download->isChecked()); // the box is not part of the group
}

void ConnectionPageTest::nextStoresTheSelection_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("download");
    QTest::addColumn<QStringList>("raised");

    QTest::newRow("nothing") << "" << false << QStringList{"ConnectionDone"};
    QTest::newRow("download only") << "" << true << QStringList{"CfgDownL", "ConnectionDone"};
    QTest::newRow("ISDN and download")
        << "optCfgISDN" << true << QStringList{"CfgISDN", "CfgDownL", "ConnectionDone"};
    for (const Row& row : kRows) {
        const QString name = QString::fromLatin1(row.name);
        if (name.startsWith("opt"))
            QTest::newRow(row.name) << name << false << QStringList{name.mid(3), "ConnectionDone"};
    }
}

void ConnectionPageTest::nextStoresTheSelection()
{
    QFETCH(QString, option);
    QFETCH(bool, download);
    QFETCH(QStringList, raised);

    Harness h;
    WizardPage* page = h.open(2);
    if (!option.isEmpty())
        click(in<QRadioButton>(page, option));
    if (download)
        click(in<QCheckBox>(page, "chkCfgDownL"));
    pressNext(page);

    QCOMPARE(raisedFlags(h.settings), raised);
    QVERIFY(h.dialogs.messages.isEmpty());
    QVERIFY(!page->isVisible());
    QCOMPARE(h.wizard.visiblePage(), h.wizard.page(3));
}

void ConnectionPageTest::backOnVideoThenOtherOptionStoresOnlyTheNewOne()
{
    Harness h;
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
    Harness h;
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
    Harness h;
    h.open(1); // page 1 has been passed: loaded, then hidden
    h.wizard.hidePage(1);
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
