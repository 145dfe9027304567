#include "support/PageRun.h"

#include <QAbstractButton>
#include <QTest>

using namespace quorvix;
using namespace quorvix::test;

namespace {

const QString kOneColourOnly = QStringLiteral("Du darfst nur eine Farbe auswählen!");
// What the record held before; a text a Next must not store stays so.
const QString kUnset = QStringLiteral("unset");
const char* const kColourBoxes[] = {"chkCfgCGruen", "chkCfgCRot", "chkCfgCBlau", "chkCfgCWeiss"};

const ButtonFlag kButtons[] = {
    {"optCfgCGS", &Settings::CfgCGS}, {"chkCfgCdev", &Settings::CfgCdev},
    {"chkCfgCGruen", &Settings::CfgCGruen}, {"chkCfgCRot", &Settings::CfgCRot},
    {"chkCfgCBlau", &Settings::CfgCBlau}, {"chkCfgCWeiss", &Settings::CfgCWeiss}};
QStringList raised(const Settings& s) { return raisedFlags(s, kButtons); }

QLineEdit* rgbBox(WizardPage* page) { return need<QLineEdit>(page, "txtCfgConsoleRGB"); }

} // namespace

class ConsolePageTest : public QObject {
    Q_OBJECT
private slots:
    void colourBoxesShowTheirColoursReadably()
    {
        PageRun r;
        WizardPage* page = r.open(6);
        const QColor colours[] = {QColor(0, 192, 0), QColor(255, 0, 0), QColor(0, 0, 255),
                                  QColor(255, 255, 255)};
        for (int i = 0; i < 4; ++i) {
            auto* box = need<QAbstractButton>(page, kColourBoxes[i]);
            QCOMPARE(box->palette().color(box->foregroundRole()), colours[i]);
            const QWidget* backdrop = box->autoFillBackground() ? static_cast<QWidget*>(box) : page;
            const QColor behind = backdrop->palette().color(backdrop->backgroundRole());
            QVERIFY2(qAbs(behind.lightness() - colours[i].lightness()) > 100, kColourBoxes[i]);
        }
    }

    void colourRule_data()
    {
        QTest::addColumn<QStringList>("clicked");
        QTest::addColumn<int>("rgbClicks");
        QTest::addColumn<QString>("rgbText");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("storedRgb");

        const QStringList none, fastDev{"optCfgCGS", "chkCfgCdev"}, red{"chkCfgCRot"};
        QTest::newRow("one box, RGB never clicked") << red << 0 << "" << "" << red << 1 << kUnset;
        QTest::newRow("RGB clicked once") << none << 1 << "255 255 255" << "" << none << 1
                                          << "255 255 255";
        QTest::newRow("nothing chosen") << none << 0 << "" << "" << none << 0 << kUnset;
        for (const char* text : {" 255 255 255", "0", "-1 0 0"})
            QTest::addRow("'%s' not stored", text)
                << none << 1 << text << "" << none << 1 << kUnset;
        QTest::newRow("00 stored") << none << 1 << "00" << "" << none << 1 << "00";
        QTest::newRow("box plus RGB typed without a click")
            << red << 0 << "10 20 30" << "" << red << 1 << "10 20 30";
        QTest::newRow("fast and developer") << fastDev << 0 << "" << "" << fastDev << 0 << kUnset;
        QTest::newRow("fast, then slow")
            << QStringList{"optCfgCGS", "optCfgCGL"} << 0 << "" << "" << none << 0 << kUnset;
        // The second click emptied the box; what is typed after it is stored
        // by the rejected Next all the same.
        QTest::newRow("RGB clicked twice")
            << none << 2 << "255 0 0" << kOneColourOnly << none << 0 << "255 0 0";
        QTest::newRow("box and RGB clicked, left empty")
            << red << 1 << "" << kOneColourOnly << none << 0 << kUnset;
        QTest::newRow("four boxes, fast and developer")
            << fastDev + QStringList{"chkCfgCGruen", "chkCfgCRot", "chkCfgCBlau", "chkCfgCWeiss"}
            << 0 << "" << kOneColourOnly << fastDev << 0 << kUnset;
        // Typed text that would break the config line stores nothing and
        // undoes nothing on screen.
        QTest::newRow("quote in the RGB box")
            << fastDev + red << 1 << "255 0 0\"; quit"
            << "Bitte keine Anführungszeichen (\") eingeben!" << none << 1 << kUnset;
    }
    void colourRule()
    {
        QFETCH(QStringList, clicked);
        QFETCH(int, rgbClicks);
        QFETCH(QString, rgbText);
        QFETCH(QString, message);
        QFETCH(QStringList, expected);
        QFETCH(int, count);
        QFETCH(QString, storedRgb);

        PageRun r;
        r.settings.CfgConsoleRGB = kUnset.toStdString();
        WizardPage* page = r.open(6);
        clickAll(page, clicked);
        fillBox(rgbBox(page), rgbText, rgbClicks);
        QCOMPARE(r.settings.ColorCount, rgbClicks);
        pressNext(page);

        const bool accepted = message.isEmpty();
        QCOMPARE(r.dialogs.texts(), accepted ? QStringList{} : QStringList{message});
        QVERIFY(accepted || r.dialogs.messages[0].title == kTitle);
        QCOMPARE(raised(r.settings), expected);
        QCOMPARE(r.settings.ColorCount, count);
        QCOMPARE(QString::fromStdString(r.settings.CfgConsoleRGB), storedRgb);
        QCOMPARE(r.settings.ConsoleDone, accepted);
        QVERIFY(r.showing(7) == accepted && r.showing(6) != accepted);
        // Only the colour rule undoes the whole colour choice on screen.
        const bool undone = message == kOneColourOnly;
        for (const char* name : kColourBoxes) {
            const bool ticked = !undone && clicked.contains(name);
            QCOMPARE(need<QAbstractButton>(page, name)->isChecked(), ticked);
        }
        QCOMPARE(rgbBox(page)->text(), undone ? QString() : rgbText);
        QVERIFY(!undone || !rgbBox(page)->isUndoAvailable());
    }

    void rejectedPassKeepsSpeedDeveloperAndStoredRgb()
    {
        PageRun r;
        WizardPage* page = r.open(6);
        clickAll(page, {"optCfgCGS", "chkCfgCdev", "chkCfgCRot"});
        fillBox(rgbBox(page), QStringLiteral("0 0 255"), 1);
        pressNext(page);
        QVERIFY(need<QAbstractButton>(page, "optCfgCGS")->isChecked());
        QVERIFY(need<QAbstractButton>(page, "chkCfgCdev")->isChecked());

        // Next only raises flags; an untouched RGB box keeps the stored text.
        clickAll(page, {"optCfgCGL", "chkCfgCdev", "chkCfgCBlau"});
        pressNext(page);
        QCOMPARE(r.dialogs.texts(), QStringList{kOneColourOnly});
        QCOMPARE(r.settings.ConsoleDone, 1);
        QCOMPARE(raised(r.settings), (QStringList{"optCfgCGS", "chkCfgCdev", "chkCfgCBlau"}));
        QCOMPARE(r.settings.CfgConsoleRGB, std::string("0 0 255"));
    }

    void backOnHudStartsANewPass()
    {
        PageRun r;
        WizardPage* page = r.open(6);
        clickAll(page, {"chkCfgCdev", "chkCfgCRot"});
        fillBox(rgbBox(page), QStringLiteral("1 2 3"), 0);
        pressNext(page);
        pressBack(r.wizard.page(7));
        QVERIFY(r.showing(6) && raised(r.settings).isEmpty());
        QVERIFY(r.settings.ColorCount == 0 && r.settings.ConsoleDone == 0);
        QCOMPARE(r.settings.CfgConsoleRGB, std::string("1 2 3"));

        // The same answers pass again: the box ticked before no longer counts.
        pressNext(page);
        QVERIFY(r.dialogs.messages.isEmpty() && r.settings.ConsoleDone == 1);
        QCOMPARE(raised(r.settings), (QStringList{"chkCfgCdev", "chkCfgCRot"}));
    }

    void successfulNextKeepsTheCount()
    {
        PageRun r;
        WizardPage* page = r.open(6);
        clickAll(page, {"chkCfgCRot"});
        pressNext(page);
        // A later run through the wizard shows the page again as left; the
        // still ticked box counts a second time.
        r.wizard.hidePage(7);
        r.open(6);
        pressNext(page);
        QCOMPARE(r.dialogs.texts(), QStringList{kOneColourOnly});
        clickAll(page, {"chkCfgCRot"});
        pressNext(page);
        QCOMPARE(r.dialogs.messages.size(), 1);
        QCOMPARE(raised(r.settings), QStringList{"chkCfgCRot"});
    }
};

QTEST_MAIN(ConsolePageTest)
#include "tst_consolepage.moc"
