#include "support/PageRun.h"
#include "ui/ClickLineEdit.h"
#include "wizard/TypedText.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

using namespace quorvix;
using namespace quorvix::test;

namespace {

const QString kAllFields = QStringLiteral("Alle Felder müssen ausgefüllt werden!");
const char* const kBoxes[] = {"txtCfgHudDTN", "txtCfgHudChattime", "txtCfgHudKaufhis"};
constexpr std::string Settings::* kTexts[] = {
    &Settings::CfgHudDTN, &Settings::CfgHudChattime, &Settings::CfgHudKaufhis};

QLineEdit* box(WizardPage* page, int i) { return need<QLineEdit>(page, kBoxes[i]); }

// Fills box `i` with `text` after `clicks` mouse clicks (none: keyboard only).
void fill(WizardPage* page, int i, const QString& text, int clicks)
{
    fillBox(box(page, i), text, clicks);
}

void fillAllWithClicks(WizardPage* page)
{
    for (int i = 0; i < 3; ++i)
        fill(page, i, QString::number(5 + i), 1);
}

// Puts `text` into a box the way a user pastes it: characters no keyboard
// would type get in this way.
void clickAndPaste(QLineEdit* target, const QString& text)
{
    clickAndType(target, {});
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
}

} // namespace

class HudPageTest : public QObject {
    Q_OBJECT
private slots:
    void controlsAreWhereAndAsCaptioned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tooltip");
        const QString hud = QStringLiteral("frmCfgHud");
        const QString kauf = QStringLiteral(
            "txtCfgHudKaufhistxtCfgHudKaufhistxtCfgHudKaufhistxtCfgHudKaufhistxtCfgHudKaufhis");
        // Top to bottom.
        QTest::newRow("centre id") << "chkCfgHudcenterid" << hud
                                   << "An: Spielernamen mittig / Aus: links unten" << "";
        QTest::newRow("fast switch") << "chkCfgHudFS" << hud << "Fastswitch (Schneller Waffenwechsel)"
                                     << "Schneller Wechsel zwischen den Waffen ohne Menü ";
        QTest::newRow("screenshot") << "chkCfgHudtakeshot" << hud
                                    << "Automatischer Screenshot am Map-Ende" << "";
        QTest::newRow("death notices") << "txtCfgHudDTN" << "frmDeathnoticetime"
                                       << "Dauer der Todesnachrichten in Sek."
                                       << "Dauer (Sek.) der Todesnachrichten.";
        QTest::newRow("chat") << "txtCfgHudChattime" << "frmchattime" << "Dauer der Chatanzeige in Sek."
                              << "Dauer (Sek.) der Chatanzeige. Bei Erhoehung bleibt der Chattext "
                                 "laenger stehen. Der Minimalwert liegt bei etwa 0.01, 0 ist bei "
                                 "diesem Befehl nicht moeglich";
        QTest::newRow("buy history") << "txtCfgHudKaufhis" << kauf << "Dauer der Kaufhistory in Sek."
                                     << "Dauer (Sek.) der Kaufhistory";
    }
    void controlsAreWhereAndAsCaptioned()
    {
        QFETCH(QString, name);
        QFETCH(QString, frame);
        QFETCH(QString, caption);
        QFETCH(QString, tooltip);
        PageRun run;
        WizardPage* page = run.open(7);
        QWidget* control = need<QWidget>(page, qPrintable(name));
        auto* group = need<QGroupBox>(page, qPrintable(frame));
        QVERIFY(need<QGroupBox>(page, "frmCfgHud")->isAncestorOf(control));
        QCOMPARE(need<QGroupBox>(page, "frmCfgHud")->title(), QStringLiteral("Hud Settings"));
        QCOMPARE(control->toolTip(), tooltip);
        QVERIFY(!control->accessibleName().isEmpty());
        if (auto* check = qobject_cast<QCheckBox*>(control)) {
            QCOMPARE(check->parentWidget(), group);
            QCOMPARE(check->text(), caption);
            QVERIFY(!check->isChecked());
        } else {
            QCOMPARE(control->parentWidget(), group);
            QCOMPARE(group->title(), caption);
            QVERIFY(qobject_cast<ClickLineEdit*>(control));
            QVERIFY(qobject_cast<QLineEdit*>(control)->text().isEmpty());
        }
    }

    void controlsStandTopToBottom()
    {
        PageRun run;
        WizardPage* page = run.open(7);
        int above = -1;
        for (const char* name : {"chkCfgHudcenterid", "chkCfgHudFS", "chkCfgHudtakeshot",
                                 "txtCfgHudDTN", "txtCfgHudChattime", "txtCfgHudKaufhis"}) {
            const int top = need<QWidget>(page, name)->mapTo(page, QPoint(0, 0)).y();
            QVERIFY2(top > above, name);
            above = top;
        }
    }

    // Only mouse clicks into the boxes count, and repeated clicks into one
    // box count each time.
    void clickRule_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("keyboard only") << QList<int>{0, 0, 0} << false;
        QTest::newRow("two clicks") << QList<int>{1, 1, 0} << false;
        QTest::newRow("three clicks into one box") << QList<int>{3, 0, 0} << true;
        QTest::newRow("three into the last box") << QList<int>{0, 0, 3} << true;
        QTest::newRow("one click per box") << QList<int>{1, 1, 1} << true;
    }
    void clickRule()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(bool, accepted);
        PageRun run;
        WizardPage* page = run.open(7);
        const QStringList typed = {"5", "10", "7"};
        for (int i = 0; i < 3; ++i)
            fill(page, i, typed[i], clicks[i]);
        pressNext(page);

        QCOMPARE(run.settings.HudDone, accepted ? 1 : 0);
        QCOMPARE(page->isVisible(), !accepted);
        QCOMPARE(run.wizard.page(8) != nullptr && run.wizard.page(8)->isVisible(), accepted);
        // The texts are stored before the click rule decides.
        for (int i = 0; i < 3; ++i)
            QCOMPARE(QString::fromStdString(run.settings.*kTexts[i]), typed[i]);
        if (accepted) {
            QVERIFY(run.dialogs.messages.isEmpty());
        } else {
            QCOMPARE(run.dialogs.messages.size(), 1);
            QCOMPARE(run.dialogs.messages[0].text, kAllFields);
            QCOMPARE(run.dialogs.messages[0].title, kTitle);
        }
    }

    // Boxes are checked top to bottom; an empty one stops Next after the
    // ones above it were stored and before any tick is.
    void emptyBoxStopsNext_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("stored");
        QTest::newRow("death notices empty") << QStringList{"", "10", "7"}
                                             << "Sie haben keine Deathnoticetime eingegeben!" << 0;
        QTest::newRow("chat empty") << QStringList{"5", "", "7"}
                                    << "Sie haben keine Chattime eingegeben!" << 1;
        QTest::newRow("chat and history empty") << QStringList{"5", "", ""}
                                                << "Sie haben keine Chattime eingegeben!" << 1;
        QTest::newRow("history empty") << QStringList{"5", "10", ""}
                                       << "Sie haben keine Drawhistorytime eingegeben!" << 2;
    }
    void emptyBoxStopsNext()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(int, stored);
        PageRun run;
        for (auto field : kTexts)
            run.settings.*field = "old";
        WizardPage* page = run.open(7);
        click(need<QCheckBox>(page, "chkCfgHudcenterid"));
        for (int i = 0; i < 3; ++i)
            fill(page, i, typed[i], 1);
        pressNext(page);

        QCOMPARE(run.dialogs.messages.size(), 1);
        QCOMPARE(run.dialogs.messages[0].text, message);
        QCOMPARE(run.dialogs.messages[0].title, kTitle);
        QVERIFY(page->isVisible());
        QCOMPARE(run.settings.HudDone, 0);
        QCOMPARE(run.settings.CfgHudcenterid, 0);
        for (int i = 0; i < 3; ++i) {
            const QString expected = i < stored ? typed[i] : QStringLiteral("old");
            QCOMPARE(QString::fromStdString(run.settings.*kTexts[i]), expected);
        }
    }

    void clickIntoFilledBoxErasesIt()
    {
        PageRun run;
        WizardPage* page = run.open(7);
        fillAllWithClicks(page);
        clickAndType(box(page, 1), {});
        QVERIFY(box(page, 1)->text().isEmpty());
        pressNext(page);
        QCOMPARE(run.dialogs.texts(), QStringList{"Sie haben keine Chattime eingegeben!"});
    }

    // Only the empty text is refused; anything else is stored as typed.
    void textsStoredAsTyped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("a blank") << " ";
        QTest::newRow("zero") << "0";
        QTest::newRow("letters") << "abc";
        QTest::newRow("decimal comma") << "0,5";
        QTest::newRow("umlaut") << "fünf";
    }
    void textsStoredAsTyped()
    {
        QFETCH(QString, text);
        PageRun run;
        WizardPage* page = run.open(7);
        for (int i = 0; i < 3; ++i)
            fill(page, i, text, 1);
        pressNext(page);
        QVERIFY(run.dialogs.messages.isEmpty());
        QCOMPARE(run.settings.HudDone, 1);
        for (auto field : kTexts)
            QCOMPARE(QString::fromStdString(run.settings.*field), text);
    }

    void flagTickedDuringRejectedNextStaysSet()
    {
        PageRun run;
        WizardPage* page = run.open(7);
        auto* fastSwitch = need<QCheckBox>(page, "chkCfgHudFS");
        click(fastSwitch);
        click(need<QCheckBox>(page, "chkCfgHudtakeshot"));
        for (int i = 0; i < 3; ++i)
            fill(page, i, QStringLiteral("5"), 0);
        pressNext(page);
        QCOMPARE(run.dialogs.texts(), QStringList{kAllFields});
        QCOMPARE(run.settings.CfgHudFS, 1);
        QCOMPARE(run.settings.HudDone, 0);

        click(fastSwitch);
        QVERIFY(!fastSwitch->isChecked());
        fillAllWithClicks(page);
        pressNext(page);
        QCOMPARE(run.dialogs.messages.size(), 1);
        QCOMPARE(run.settings.HudDone, 1);
        QCOMPARE(run.settings.CfgHudFS, 1);
        QCOMPARE(run.settings.CfgHudtakeshot, 1);
        QCOMPARE(run.settings.CfgHudcenterid, 0);
    }

    // Back on the net graph page clears this page's flags but keeps its
    // boxes and clicks, so Next passes again without new clicks.
    void backFromNetgraphKeepsTextsAndClicks()
    {
        PageRun run;
        WizardPage* page = run.open(7);
        click(need<QCheckBox>(page, "chkCfgHudcenterid"));
        fillAllWithClicks(page);
        pressNext(page);
        QCOMPARE(run.settings.HudDone, 1);

        pressBack(run.wizard.page(8));
        QCOMPARE(run.wizard.page(7), page);
        QVERIFY(page->isVisible());
        QCOMPARE(run.settings.HudDone, 0);
        QCOMPARE(run.settings.CfgHudcenterid, 0);
        QCOMPARE(run.settings.CfgHudDTN, std::string("5"));
        QCOMPARE(box(page, 2)->text(), QStringLiteral("7"));
        QCOMPARE(page->clickCount(), 3);

        pressNext(page);
        QVERIFY(run.dialogs.messages.isEmpty());
        QCOMPARE(run.settings.HudDone, 1);
        QCOMPARE(run.settings.CfgHudcenterid, 1);
        QCOMPARE(run.wizard.page(8)->clickCount(), 0);
    }

    // Back clears exactly the console page's fields, the colour counter
    // included, and leaves this page as if never touched.
    void backClearsConsoleAnswersAndColourCount()
    {
        PageRun run;
        run.wizard.showPage(6);
        run.wizard.hidePage(6);
        Settings& s = run.settings;
        s.ColorCount = 2;
        for (auto field : {&Settings::ConsoleDone, &Settings::CfgCWeiss, &Settings::CfgCBlau,
                           &Settings::CfgCRot, &Settings::CfgCGruen, &Settings::CfgCGS,
                           &Settings::CfgCdev, &Settings::mausDone, &Settings::CfgMausFilter})
            s.*field = 1;
        s.CfgConsoleRGB = "255 0 0";
        s.CfgHudDTN = "9";

        WizardPage* page = run.open(7);
        click(need<QCheckBox>(page, "chkCfgHudFS"));
        fillAllWithClicks(page);
        pressBack(page);

        QCOMPARE(s.ColorCount, 0);
        for (auto field : {&Settings::ConsoleDone, &Settings::CfgCWeiss, &Settings::CfgCBlau,
                           &Settings::CfgCRot, &Settings::CfgCGruen, &Settings::CfgCGS,
                           &Settings::CfgCdev})
            QCOMPARE(s.*field, 0);
        QCOMPARE(s.CfgConsoleRGB, std::string("255 0 0"));
        QCOMPARE(s.mausDone, 1);
        QCOMPARE(s.CfgMausFilter, 1);
        QCOMPARE(s.CfgHudDTN, std::string("9"));
        QVERIFY(run.wizard.page(6)->isVisible());

        WizardPage* reloaded = run.wizard.page(7);
        QVERIFY(reloaded && reloaded != page);
        QVERIFY(!reloaded->isVisible());
        QCOMPARE(reloaded->clickCount(), 0);
        QVERIFY(!need<QCheckBox>(reloaded, "chkCfgHudFS")->isChecked());
        for (int i = 0; i < 3; ++i)
            QVERIFY(box(reloaded, i)->text().isEmpty());
    }

    // A text the config cannot carry is refused before anything of that
    // Next is stored, not after the boxes above it were.
    void refusedTextStoresNothing_data()
    {
        QTest::addColumn<QString>("bad");
        QTest::newRow("double quote") << "1\"; quit";
        QTest::newRow("tab") << "1\t2";
        QTest::newRow("outside Windows-1252") << QStringLiteral("1\u0100");
        QTest::newRow("128 characters") << QString(128, QLatin1Char('1'));
    }
    void refusedTextStoresNothing()
    {
        QFETCH(QString, bad);
        PageRun run;
        for (auto field : kTexts)
            run.settings.*field = "old";
        WizardPage* page = run.open(7);
        click(need<QCheckBox>(page, "chkCfgHudcenterid"));
        fill(page, 0, QStringLiteral("5"), 1);
        clickAndPaste(box(page, 1), bad);
        QCOMPARE(box(page, 1)->text(), bad);
        fill(page, 2, QStringLiteral("7"), 1);
        pressNext(page);

        const auto problem = typedTextProblem(bad.toStdString());
        QVERIFY(problem);
        QCOMPARE(run.dialogs.texts(), QStringList{QString::fromStdString(*problem)});
        QCOMPARE(run.dialogs.messages[0].title, kTitle);
        QVERIFY(page->isVisible());
        QCOMPARE(run.settings.HudDone, 0);
        QCOMPARE(run.settings.CfgHudcenterid, 0);
        for (auto field : kTexts)
            QCOMPARE(run.settings.*field, std::string("old"));

        fill(page, 1, QStringLiteral("10"), 1);
        pressNext(page);
        QCOMPARE(run.settings.HudDone, 1);
        QCOMPARE(run.settings.CfgHudChattime, std::string("10"));
    }
};

QTEST_MAIN(HudPageTest)
#include "tst_hudpage.moc"
