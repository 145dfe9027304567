#include "wizard/PageHarness.h"
#include "wizard/TypedText.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

using namespace quorvix;
using namespace quorvix::test;

namespace {

const QString kOneColourOnly = QStringLiteral("Du darfst nur eine Farbe auswählen!");

QLineEdit* rgbBox(WizardPage* page) { return in<QLineEdit>(page, "txtCfgConsoleRGB"); }

const QStringList kColourBoxes{"chkCfgCGruen", "chkCfgCRot", "chkCfgCBlau", "chkCfgCWeiss"};

// The colour flags that are 1, named like their boxes.
QStringList raisedColours(const Settings& s)
{
    QStringList raised;
    const std::pair<const char*, Settings::Flag> flags[] = {
        {"chkCfgCGruen", s.CfgCGruen}, {"chkCfgCRot", s.CfgCRot},
        {"chkCfgCBlau", s.CfgCBlau}, {"chkCfgCWeiss", s.CfgCWeiss}};
    for (const auto& [name, value] : flags) {
        if (value != 0)
            raised << QString::fromLatin1(name);
    }
    return raised;
}

void clickRgb(WizardPage* page, int clicks, const QString& text)
{
    fillBox(rgbBox(page), clicks, text);
}

} // namespace

class ConsolePageTest : public QObject {
    Q_OBJECT
private slots:
    void controlsHaveTheirTextsAndColours_data();
    void controlsHaveTheirTextsAndColours();
    void framesHoldTheControlsInOrder();
    void opensWithNothingChosen();
    void colourRule_data();
    void colourRule();
    void speedAndDeveloper_data();
    void speedAndDeveloper();
    void onlyMouseClicksIntoTheRgbBoxCount();
    void rejectedPassKeepsSpeedDeveloperAndStoredRgb();
    void afterTwoBoxesOneBoxIsAccepted();
    void typedTextIsCheckedBeforeAnythingIsStored();
    void backOnHudStartsANewPass_data();
    void backOnHudStartsANewPass();
    void successfulNextKeepsTheCount();
    void backHereClearsMouseAndStartsAfresh();
};

void ConsolePageTest::controlsHaveTheirTextsAndColours_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("green") << "chkCfgCGruen" << "Grüne Schrift" << QColor(0, 192, 0);
    QTest::newRow("red") << "chkCfgCRot" << "Rote Schrift" << QColor(255, 0, 0);
    QTest::newRow("blue") << "chkCfgCBlau" << "Blaue Schrift" << QColor(0, 0, 255);
    QTest::newRow("white") << "chkCfgCWeiss" << "Weiße Schrift" << QColor(255, 255, 255);
    QTest::newRow("fast") << "optCfgCGS" << "Schnell" << QColor();
    QTest::newRow("slow") << "optCfgCGL" << "Langsam" << QColor();
    QTest::newRow("developer") << "chkCfgCdev" << "developer" << QColor();
}

void ConsolePageTest::controlsHaveTheirTextsAndColours()
{
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QFETCH(QColor, colour);

    PageHarness h;
    WizardPage* page = h.open(6);
    auto* button = in<QAbstractButton>(page, control);
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
    if (colour.isValid()) {
        QCOMPARE(button->palette().color(button->foregroundRole()), colour);
        // The caption must stay readable on whatever is painted behind it.
        const QWidget* backdrop = button->autoFillBackground() ? static_cast<QWidget*>(button) : page;
        const QColor behind = backdrop->palette().color(backdrop->backgroundRole());
        QVERIFY2(qAbs(behind.lightness() - colour.lightness()) > 100,
                 qPrintable(behind.name() + " behind " + colour.name()));
    } else
        QCOMPARE(button->palette().color(button->foregroundRole()),
                 page->palette().color(QPalette::WindowText));
}

void ConsolePageTest::framesHoldTheControlsInOrder()
{
    PageHarness h;
    WizardPage* page = h.open(6);
    QCOMPARE(page->windowTitle(), QStringLiteral("Console Schritt ( 6 von 11 )"));
    auto* colours = in<QGroupBox>(page, "frmCfgConsoleFarbe");
    auto* speed = in<QGroupBox>(page, "frmCfgConsoleSpeed");
    QVERIFY(colours && speed);
    QCOMPARE(colours->title(), QStringLiteral("Consolen Farbe"));
    QCOMPARE(speed->title(), QStringLiteral("Consolen-Klappgeschwindigkeit  + developer"));
    QVERIFY(colours->geometry().bottom() < speed->geometry().top());

    auto* label = in<QLabel>(page, "Label1");
    QVERIFY(label);
    QCOMPARE(label->text(), "Oder gebe einen RGB Wert im Textfeld an z.B." + QString(19, ' ')
                                + "255 255 255");
    QCOMPARE(rgbBox(page)->toolTip(),
             QStringLiteral("Consolen-Schriftfarbe in RGB-Werten.Standartwert:255 155 50"));

    const QStringList upper = kColourBoxes + QStringList{"Label1", "txtCfgConsoleRGB"};
    const QStringList lower{"optCfgCGS", "optCfgCGL", "chkCfgCdev"};
    for (const auto& [frame, names] : {std::pair{colours, upper}, std::pair{speed, lower}}) {
        int previousTop = -1;
        for (const QString& name : names) {
            auto* widget = in<QWidget>(page, name);
            QVERIFY2(widget, qPrintable(name));
            QCOMPARE(widget->parentWidget(), frame);
            QVERIFY2(widget->y() > previousTop, qPrintable(name));
            previousTop = widget->y();
        }
    }
    // Weiter stays left of Zurück although this page names them the other way.
    QVERIFY(in<QWidget>(page, "cmdWeiter7")->x() < in<QWidget>(page, "cmdZurueck6")->x());
}

void ConsolePageTest::opensWithNothingChosen()
{
    PageHarness h;
    WizardPage* page = h.open(6);
    QCOMPARE(chosenAfterTabbing(page), QStringList{});
    QVERIFY(rgbBox(page)->text().isEmpty());
    QCOMPARE(h.settings.ColorCount, 0); // focus moving through the RGB box counts nothing
}

void ConsolePageTest::colourRule_data()
{
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<int>("rgbClicks");
    QTest::addColumn<QString>("rgbText");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("raised");
    QTest::addColumn<QString>("storedRgb");

    const QString earlier = QString::fromStdString(kEarlier);
    QTest::newRow("one box, RGB never clicked")
        << QStringList{"chkCfgCRot"} << 0 << "" << true << QStringList{"chkCfgCRot"} << earlier;
    QTest::newRow("RGB clicked once")
        << QStringList{} << 1 << "255 255 255" << true << QStringList{} << "255 255 255";
    QTest::newRow("nothing chosen") << QStringList{} << 0 << "" << true << QStringList{} << earlier;
    QTest::newRow("leading blank not stored")
        << QStringList{} << 1 << " 255 255 255" << true << QStringList{} << earlier;
    QTest::newRow("0 not stored") << QStringList{} << 1 << "0" << true << QStringList{} << earlier;
    QTest::newRow("minus sign not stored")
        << QStringList{} << 1 << "-1 0 0" << true << QStringList{} << earlier;
    QTest::newRow("00 stored") << QStringList{} << 1 << "00" << true << QStringList{} << "00";
    QTest::newRow("box plus RGB typed without a click")
        << QStringList{"chkCfgCWeiss"} << 0 << "10 20 30" << true << QStringList{"chkCfgCWeiss"}
        << "10 20 30";
    // The second click emptied the box; the text typed after it is stored
    // by the rejected Next all the same.
    QTest::newRow("RGB clicked twice")
        << QStringList{} << 2 << "255 0 0" << false << QStringList{} << "255 0 0";
    QTest::newRow("box and RGB clicked, left empty")
        << QStringList{"chkCfgCGruen"} << 1 << "" << false << QStringList{} << earlier;
    QTest::newRow("two boxes") << QStringList{"chkCfgCWeiss", "chkCfgCBlau"} << 0 << "" << false
                               << QStringList{} << earlier;
    QTest::newRow("all four boxes") << kColourBoxes << 0 << "" << false << QStringList{} << earlier;
}

void ConsolePageTest::colourRule()
{
    QFETCH(QStringList, ticked);
    QFETCH(int, rgbClicks);
    QFETCH(QString, rgbText);
    QFETCH(bool, accepted);
    QFETCH(QStringList, raised);
    QFETCH(QString, storedRgb);

    PageHarness h;
    WizardPage* page = h.open(6);
    for (const QString& name : ticked)
        click(in<QCheckBox>(page, name));
    clickRgb(page, rgbClicks, rgbText);
    QCOMPARE(h.settings.ColorCount, rgbClicks);
    pressNext(page);

    QCOMPARE(raisedColours(h.settings), raised);
    QCOMPARE(QString::fromStdString(h.settings.CfgConsoleRGB), storedRgb);
    if (accepted) {
        QVERIFY(h.dialogs.messages.isEmpty());
        QCOMPARE(h.settings.ConsoleDone, 1);
        QCOMPARE(h.settings.ColorCount, ticked.size() + rgbClicks);
        QCOMPARE(h.wizard.visiblePage(), h.wizard.page(7));
        QVERIFY(!page->isVisible());
    } else {
        QCOMPARE(h.dialogs.messages.size(), 1);
        QCOMPARE(h.dialogs.messages[0].text, kOneColourOnly);
        QCOMPARE(h.dialogs.messages[0].title, kTitle);
        QCOMPARE(h.settings.ConsoleDone, 0);
        QCOMPARE(h.settings.ColorCount, 0);
        QCOMPARE(h.wizard.visiblePage(), page);
        // The whole colour choice is undone on screen as well.
        for (const QString& name : kColourBoxes)
            QVERIFY2(!in<QCheckBox>(page, name)->isChecked(), qPrintable(name));
        QVERIFY(rgbBox(page)->text().isEmpty());
    }
}

void ConsolePageTest::speedAndDeveloper_data()
{
    QTest::addColumn<QString>("speed");
    QTest::addColumn<bool>("developer");
    QTest::addColumn<int>("fast");

    QTest::newRow("neither option") << "" << false << 0;
    QTest::newRow("slow") << "optCfgCGL" << false << 0;
    QTest::newRow("fast, developer") << "optCfgCGS" << true << 1;
    QTest::newRow("fast, then slow") << "optCfgCGS,optCfgCGL" << true << 0;
}

void ConsolePageTest::speedAndDeveloper()
{
    QFETCH(QString, speed);
    QFETCH(bool, developer);
    QFETCH(int, fast);

    PageHarness h;
    WizardPage* page = h.open(6);
    for (const QString& name : speed.split(',', Qt::SkipEmptyParts))
        click(in<QRadioButton>(page, name));
    if (developer)
        click(in<QCheckBox>(page, "chkCfgCdev"));
    pressNext(page);
    QCOMPARE(h.settings.ConsoleDone, 1);
    QCOMPARE(h.settings.CfgCGS, fast);
    QCOMPARE(h.settings.CfgCdev, developer ? 1 : 0);
}

void ConsolePageTest::onlyMouseClicksIntoTheRgbBoxCount()
{
    PageHarness h;
    WizardPage* page = h.open(6);
    QLineEdit* box = rgbBox(page);
    typeWithoutClick(box, "1 2 3");
    QCOMPARE(h.settings.ColorCount, 0);
    box->setText("4 5 6");
    QCOMPARE(h.settings.ColorCount, 0);
    clickAndType(box, "7 8 9");
    QCOMPARE(h.settings.ColorCount, 1);
    QCOMPARE(box->text(), QStringLiteral("7 8 9")); // the click emptied the old text
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    QCOMPARE(h.settings.ColorCount, 2);
    QVERIFY(box->text().isEmpty());
}

void ConsolePageTest::rejectedPassKeepsSpeedDeveloperAndStoredRgb()
{
    PageHarness h;
    WizardPage* page = h.open(6);
    click(in<QRadioButton>(page, "optCfgCGS"));
    click(in<QCheckBox>(page, "chkCfgCdev"));
    click(in<QCheckBox>(page, "chkCfgCRot"));
    clickRgb(page, 1, "0 0 255");
    pressNext(page);
    QCOMPARE(h.dialogs.texts(), QStringList{kOneColourOnly});
    QCOMPARE(h.settings.CfgCGS, 1);
    QCOMPARE(h.settings.CfgCdev, 1);
    QCOMPARE(h.settings.CfgConsoleRGB, std::string("0 0 255"));
    QVERIFY(in<QRadioButton>(page, "optCfgCGS")->isChecked());
    QVERIFY(in<QCheckBox>(page, "chkCfgCdev")->isChecked());

    // Next only raises flags: switching to slow and unticking developer
    // leaves both at 1; an untouched RGB box keeps the stored text.
    click(in<QRadioButton>(page, "optCfgCGL"));
    click(in<QCheckBox>(page, "chkCfgCdev"));
    pressNext(page);
    QCOMPARE(h.dialogs.messages.size(), 1);
    QCOMPARE(h.settings.ConsoleDone, 1);
    QCOMPARE(h.settings.CfgCGS, 1);
    QCOMPARE(h.settings.CfgCdev, 1);
    QCOMPARE(h.settings.CfgConsoleRGB, std::string("0 0 255"));
    QVERIFY(raisedColours(h.settings).isEmpty());
}

void ConsolePageTest::afterTwoBoxesOneBoxIsAccepted()
{
    PageHarness h;
    WizardPage* page = h.open(6);
    click(in<QCheckBox>(page, "chkCfgCGruen"));
    click(in<QCheckBox>(page, "chkCfgCBlau"));
    pressNext(page);
    QCOMPARE(h.dialogs.texts(), QStringList{kOneColourOnly});
    QVERIFY(raisedColours(h.settings).isEmpty());

    click(in<QCheckBox>(page, "chkCfgCBlau"));
    pressNext(page);
    QCOMPARE(h.dialogs.messages.size(), 1);
    QCOMPARE(h.settings.ConsoleDone, 1);
    QCOMPARE(raisedColours(h.settings), QStringList{"chkCfgCBlau"});
}

void ConsolePageTest::typedTextIsCheckedBeforeAnythingIsStored()
{
    PageHarness h;
    WizardPage* page = h.open(6);
    click(in<QRadioButton>(page, "optCfgCGS"));
    click(in<QCheckBox>(page, "chkCfgCdev"));
    click(in<QCheckBox>(page, "chkCfgCRot"));
    const QString bad = QStringLiteral("255 0 0\"; quit");
    clickRgb(page, 1, bad);
    const auto problem = typedTextProblem(bad.toStdString());
    QVERIFY(problem.has_value());
    pressNext(page);

    QCOMPARE(h.dialogs.texts(), QStringList{QString::fromStdString(*problem)});
    QCOMPARE(h.settings.CfgCGS, 0);
    QCOMPARE(h.settings.CfgCdev, 0);
    QVERIFY(raisedColours(h.settings).isEmpty());
    QCOMPARE(h.settings.ColorCount, 1); // the click, not the ticked box
    QCOMPARE(h.settings.CfgConsoleRGB, kEarlier);
    QCOMPARE(h.settings.ConsoleDone, 0);
    QCOMPARE(h.wizard.visiblePage(), page);
    QVERIFY(in<QCheckBox>(page, "chkCfgCRot")->isChecked()); // nothing undone on screen
}

void ConsolePageTest::backOnHudStartsANewPass_data()
{
    QTest::addColumn<QString>("tick");
    QTest::addColumn<int>("rgbClicks");

    QTest::newRow("a box") << "chkCfgCRot" << 0;
    QTest::newRow("the RGB box") << "" << 1;
}

void ConsolePageTest::backOnHudStartsANewPass()
{
    QFETCH(QString, tick);
    QFETCH(int, rgbClicks);

    PageHarness h;
    WizardPage* page = h.open(6);
    click(in<QCheckBox>(page, "chkCfgCdev"));
    if (!tick.isEmpty())
        click(in<QCheckBox>(page, tick));
    clickRgb(page, rgbClicks, "1 2 3"); // without a click: typed by keyboard
    pressNext(page);
    QCOMPARE(h.settings.ConsoleDone, 1);

    pressBack(h.wizard.page(7));
    QCOMPARE(h.wizard.visiblePage(), page);
    QCOMPARE(h.settings.ColorCount, 0);
    QCOMPARE(h.settings.ConsoleDone, 0);
    QCOMPARE(h.settings.CfgCdev, 0);
    QVERIFY(raisedColours(h.settings).isEmpty());
    QCOMPARE(rgbBox(page)->text(), QStringLiteral("1 2 3"));
    QCOMPARE(h.settings.CfgConsoleRGB, std::string("1 2 3"));

    // The same answers pass again: the earlier click no longer counts.
    pressNext(page);
    QVERIFY(h.dialogs.messages.isEmpty());
    QCOMPARE(h.settings.ConsoleDone, 1);
    QCOMPARE(h.settings.CfgCdev, 1);
    QCOMPARE(raisedColours(h.settings), tick.isEmpty() ? QStringList{} : QStringList{tick});
}

void ConsolePageTest::successfulNextKeepsTheCount()
{
    PageHarness h;
    WizardPage* page = h.open(6);
    click(in<QCheckBox>(page, "chkCfgCRot"));
    pressNext(page);
    QCOMPARE(h.settings.ColorCount, 1);

    // A later run through the wizard shows the hidden page again; the
    // still ticked box is counted a second time.
    h.wizard.hidePage(7);
    h.wizard.showPage(6);
    pressNext(page);
    QCOMPARE(h.dialogs.texts(), QStringList{kOneColourOnly});
    QCOMPARE(h.settings.ColorCount, 0);
    click(in<QCheckBox>(page, "chkCfgCRot"));
    pressNext(page);
    QCOMPARE(h.dialogs.messages.size(), 1);
    QCOMPARE(raisedColours(h.settings), QStringList{"chkCfgCRot"});
}

void ConsolePageTest::backHereClearsMouseAndStartsAfresh()
{
    PageHarness h;
    WizardPage* mouse = h.open(5);
    h.wizard.hidePage(5);
    h.settings.mausDone = h.settings.CfgMausFilter = 1;
    h.settings.CfgMSens = "2.5";

    WizardPage* page = h.open(6);
    click(in<QCheckBox>(page, "chkCfgCGruen"));
    clickRgb(page, 1, "9 9 9");
    QCOMPARE(h.settings.ColorCount, 1);
    pressBack(page);

    QCOMPARE(h.wizard.visiblePage(), mouse);
    QCOMPARE(h.settings.mausDone, 0);
    QCOMPARE(h.settings.CfgMausFilter, 0);
    QCOMPARE(h.settings.CfgMSens, std::string("2.5"));
    QCOMPARE(h.settings.ColorCount, 0); // this page's own load reset ran again
    WizardPage* reloaded = h.wizard.page(6);
    QVERIFY(reloaded && reloaded != page && !reloaded->isVisible());
    QVERIFY(!in<QCheckBox>(reloaded, "chkCfgCGruen")->isChecked());
    QVERIFY(rgbBox(reloaded)->text().isEmpty());
}

QTEST_MAIN(ConsolePageTest)
#include "tst_consolepage.moc"
