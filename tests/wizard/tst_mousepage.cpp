#include "support/PageRun.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

using namespace quorvix;
using namespace quorvix::test;

namespace {

const QString kNoSensitivity = QStringLiteral("Sie haben keine Sensitivty eingegeben!");
const QString kNoRatio = QStringLiteral("Sie haben keine Zoom-Sensitivty-Ratio eingegeben!");
const QString kQuote = QStringLiteral("Bitte keine Anführungszeichen (\") eingeben!");
// What the record held before; a text a Next must not store stays so.
const QString kUnset = QStringLiteral("unset");

struct Controls {
    QLineEdit* sensitivity;
    QLineEdit* ratio;
    QAbstractButton* filter;
};

Controls controlsOf(WizardPage* page)
{
    return {need<QLineEdit>(page, "txtCfgMSens"), need<QLineEdit>(page, "txtCfgMSensratio"),
            need<QAbstractButton>(page, "chkCfgMausFilter")};
}

} // namespace

class MousePageTest : public QObject {
    Q_OBJECT
private slots:
    void nextChecksBothTextsInOrder_data()
    {
        QTest::addColumn<QString>("sensitivity");
        QTest::addColumn<QString>("ratio");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<bool>("filterStored"); // the filter box is ticked in every row

        const QStringList unset{kUnset, kUnset};
        QTest::newRow("both empty: only the first message")
            << "" << "" << kNoSensitivity << unset << true;
        QTest::newRow("ratio empty")
            << "2.5" << "" << kNoRatio << QStringList{"2.5", kUnset} << true;
        QTest::newRow("both given") << "2.5" << "1.2" << "" << QStringList{"2.5", "1.2"} << true;
        QTest::newRow("one blank each") << " " << " " << "" << QStringList{" ", " "} << true;
        QTest::newRow("words and negatives pass")
            << "schnell" << "-3" << "" << QStringList{"schnell", "-3"} << true;
        // Typed text that would break the config line stores nothing at all,
        // not even what comes before its box.
        QTest::newRow("quote in the sensitivity") << "2\"" << "1.2" << kQuote << unset << false;
        QTest::newRow("quote in the ratio") << "2.5" << "1\"; quit \"" << kQuote << unset << false;
        QTest::newRow("128 characters")
            << "2.5" << QString(128, '9') << "Bitte höchstens 127 Zeichen eingeben!" << unset
            << false;
    }
    void nextChecksBothTextsInOrder()
    {
        QFETCH(QString, sensitivity);
        QFETCH(QString, ratio);
        QFETCH(QString, message);
        QFETCH(QStringList, stored);
        QFETCH(bool, filterStored);

        PageRun r;
        r.settings.CfgMSens = r.settings.CfgMSensratio = kUnset.toStdString();
        WizardPage* page = r.open(5);
        const Controls c = controlsOf(page);
        click(c.filter);
        clickAndType(c.sensitivity, sensitivity);
        clickAndType(c.ratio, ratio);
        pressNext(page);

        const bool accepted = message.isEmpty();
        QCOMPARE(r.dialogs.texts(), accepted ? QStringList{} : QStringList{message});
        QVERIFY(accepted || r.dialogs.messages[0].title == kTitle);
        QCOMPARE((QStringList{QString::fromStdString(r.settings.CfgMSens),
                              QString::fromStdString(r.settings.CfgMSensratio)}),
                 stored);
        QCOMPARE(r.settings.CfgMausFilter, filterStored);
        QCOMPARE(r.settings.mausDone, accepted);
        QVERIFY(r.showing(6) == accepted && r.showing(5) != accepted);
        QCOMPARE(c.ratio->text(), ratio); // the page keeps what the user typed
    }

    void filterTickedDuringRejectedNextStaysSet()
    {
        PageRun r;
        WizardPage* page = r.open(5);
        const Controls c = controlsOf(page);
        click(c.filter);
        clickAndType(c.ratio, QStringLiteral("1.2"));
        pressNext(page);
        click(c.filter);
        clickAndType(c.sensitivity, QStringLiteral("3"));
        pressNext(page);
        QCOMPARE(r.dialogs.texts(), QStringList{kNoSensitivity});
        QVERIFY(r.settings.mausDone == 1 && r.settings.CfgMausFilter == 1);
    }

    void backOnConsoleThenNextAtOnce_data()
    {
        QTest::addColumn<bool>("untick");
        QTest::newRow("filter still ticked") << false;
        QTest::newRow("filter unticked") << true;
    }
    void backOnConsoleThenNextAtOnce()
    {
        QFETCH(bool, untick);
        PageRun r;
        WizardPage* page = r.open(5);
        const Controls c = controlsOf(page);
        click(c.filter);
        clickAndType(c.sensitivity, QStringLiteral("2.5"));
        clickAndType(c.ratio, QStringLiteral("1.2"));
        pressNext(page);
        pressBack(r.wizard.page(6));
        QVERIFY(r.showing(5) && r.settings.mausDone == 0 && r.settings.CfgMausFilter == 0);

        if (untick)
            click(c.filter);
        pressNext(page);
        QVERIFY(r.dialogs.messages.isEmpty() && r.settings.mausDone == 1);
        QCOMPARE(r.settings.CfgMausFilter, !untick);
        QVERIFY(r.settings.CfgMSens == "2.5" && r.settings.CfgMSensratio == "1.2");
    }

    void focusStartsOnSensitivityAndTheAccessKeyReachesTheRatio()
    {
        PageRun r;
        WizardPage* page = r.open(5);
        const Controls c = controlsOf(page);
        QCOMPARE(page->focusWidget(), c.sensitivity);
        QApplication::setActiveWindow(page);
        QVERIFY(QTest::qWaitForWindowActive(page));
        typeWithoutClick(c.ratio, QStringLiteral("1.2"));
        c.sensitivity->setFocus();
        QTest::keyClick(c.sensitivity, Qt::Key_Percent, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), c.ratio);
        QCOMPARE(c.ratio->text(), QStringLiteral("1.2")); // focus alone does not empty the box
    }
};

QTEST_MAIN(MousePageTest)
#include "tst_mousepage.moc"
