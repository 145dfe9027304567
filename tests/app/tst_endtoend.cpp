#include "app/FilePaths.h"
#include "app/MainWindow.h"
#include "common/Cp1252.h"
#include "oldconfig/ConfigFile.h"
#include "support/FileBytes.h"
#include "support/PageDriver.h"
#include "support/ScriptedDialogs.h"
#include "wizard/pages/Wizard.h"

#include <QCheckBox>
#include <QScrollBar>
#include <QDialog>
#include <QPlainTextEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

using namespace quorvix;
using namespace quorvix::test;

namespace {

// An old config as players have them: bind lines among settings, a key and a text with the Windows-1252 "ä" (0xE4), an
// unbind ended by a lone CR, a capitalised "Bind" that is not carried over, a last line without ending; settings with
// blanks and tabs where the old editors left them.
const QByteArray kOldConfig = "// meine Config\r\n"
    "\t name \"Spieler\"\r\n"
    "bind \"w\" \"+forward\"\r\n"
    " \tSensitivity \"  3\t,5  \"\r\n"
    "bind \"\xE4\" \"say_team R\xE4uber\"\r\n"
    "Bind \"x\" \"kill\"\r\n"
    "unbind \"F5\"\r"
    "say \"Gr\xfc\xdf\x80\" b\"c\r\n"
    "x \"\"\r\n"
    "+mlook\r\n"
    "bind \"mouse1\" \"+attack\"";
// As the main window shows it after loading, names in blue {} and values in red []: one blank kept before the name only
// when a tab stands first, the value trimmed and rid of tabs, the first quoted part of a bind, nothing of lines without
// quotes.
const QString kOldShown = QStringLiteral(
    "{ name} = \"[Spieler]\"\n{bind} = \"[w]\"\n{Sensitivity} = \"[3,5]\"\n{bind} = \"[ä]\"\n"
    "{Bind} = \"[x]\"\n{unbind} = \"[F5]\"\n{say} = \"[Grüß€]\"\n{x} = \"\"\n{bind} = \"[mouse1]\"\n");
// The dropped lines whose setting the new config does not set again.
const QStringList kLost = {QStringLiteral("Zeile 6: Bind \"x\" \"kill\""),
                           QStringLiteral("Zeile 8: say \"Grüß€\" b\"c"), QStringLiteral("Zeile 9: x \"\"")};
// Its lines that end the made file, the last now with a line end.
const QByteArray kCarried = "bind \"w\" \"+forward\"\r\nbind \"\xE4\" \"say_team R\xE4uber\"\r\nunbind \"F5\"\r\n"
    "bind \"mouse1\" \"+attack\"\r\n";

// The wizard's pages in the step language of tests/data/wizard/scenarios.txt, each left by "Weiter" (>), and the lines
// of the made file counted by hand.
struct Plan { const char* golden; int entries; const char* steps; }; // golden: below tests/data

// Every box ticked, the first option of each group, every text filled; numbers partly with a decimal comma or a plus,
// written as meant. The console page takes one colour choice per pass: one ticked box, and the RGB text typed without a
// click, which is not counted as a second.
const Plan kEverything{"app/wizard_everything.cfg", 200,
    "txtSpielername=Jürgen|>|optCfgLAN|chkCfgDownL|>|optCfgVidBest|txtCfgBrightness=3|txtCfgGamma=2,5"
    "|txtCfgVMaxFPS=+101|chkCfgVMMX|chkCfgVPrecache|chkCfgVZtrick|chkCfgVBUP|>"
    "|optCfgEAX|chkCfgSoundHLV|chkCfgSoundSoundprob|chkCfgSoundHighQ|>|txtCfgMSens=+2,5|txtCfgMSensratio=1.2"
    "|chkCfgMausFilter|>|chkCfgCWeiss|txtCfgConsoleRGB~=255 155 50|optCfgCGS|chkCfgCdev|>"
    "|chkCfgHudcenterid|chkCfgHudFS|chkCfgHudtakeshot|txtCfgHudDTN=6|txtCfgHudChattime=0,5|txtCfgHudKaufhis=2|>"
    "|optCfgNgraph1|optCfgNgraphP1|txtCfgNetghight=80|txtCfgNetgwidth=200|>|optCfgViolenceBlutan|>"
    "|chkCfgHelpM|chkCfgMapbrief|chkCfgfrendm|chkCfgVGUI|chkCfgLeftHand|chkCfgdynChr|chkCfgAutoWS|>|>"};

// Nothing chosen: only a name, the video page's three clicks (all into the frame-rate box, the only one that needs a
// value), both mouse texts, the three HUD texts with their three clicks, and the net graph's two clicks with both sizes
// left empty. "0" and a blank are typed where the writer leaves such a value out.
const Plan kNothing{"app/wizard_nothing.cfg", 163,
    "txtSpielername=A|>|>|txtCfgVMaxFPS*3=60|>|>|txtCfgMSens=3|txtCfgMSensratio=0|>|>"
    "|txtCfgHudDTN=0|txtCfgHudChattime=0.01|txtCfgHudKaufhis= |>|txtCfgNetghight=|txtCfgNetgwidth=|>|>|>|>"};

// The coloured view as painted, blue runs in {} and red ones in []: the colour of each character is its own format's,
// unless its paragraph's layout lays another on it.
QString colouredText(QTextEdit* view)
{
    const auto mark = [](const QColor& c, bool opening) {
        return c == Qt::blue ? (opening ? "{" : "}") : c == Qt::red ? (opening ? "[" : "]") : c == Qt::black ? "" : "?";
    };
    QString text;
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next()) {
        QList<QColor> colours;
        for (auto it = block.begin(); !it.atEnd(); ++it)
            colours << QList<QColor>(it.fragment().length(), it.fragment().charFormat().foreground().color());
        for (const auto& range : block.layout()->formats())
            for (int i = range.start; i < range.start + range.length && i < colours.size(); ++i)
                colours[i] = range.format.foreground().color();
        QColor open = Qt::black;
        for (qsizetype i = 0; i <= block.text().size(); ++i) {
            const QColor now = i < colours.size() ? colours[i] : QColor(Qt::black);
            if (now != open)
                text += QString::fromLatin1(mark(open, false)) + QString::fromLatin1(mark(now, true));
            open = now;
            text += block.text().mid(i, 1);
        }
        text += block.text().isEmpty() ? "" : "\n";
    }
    return text;
}

} // namespace

class EndToEndTest : public QObject {
    Q_OBJECT

    // Loads the old config (or chooses a file not there yet), starts the wizard without a backup, drives all eleven
    // pages by `plan` and makes the config; then checks the file and everything the main window shows about it.
    void makeConfig(const Plan& plan, const QString& name, bool oldFileThere)
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(name);
        QVERIFY(!oldFileThere || writeBytes(file, kOldConfig));
        QByteArray golden = testData(QString::fromLatin1(plan.golden));
        QCOMPARE(int(golden.count("\r\n")), plan.entries);
        QVERIFY(golden.endsWith(kCarried));
        // A new file gets the generated lines only.
        const int entries = oldFileThere ? plan.entries : plan.entries - 4;
        if (!oldFileThere)
            golden.chop(kCarried.size());

        ScriptedDialogs dialogs;
        MainWindow form(dialogs);
        form.show();
        dialogs.chosenFiles.push_back(file);
        form.Form_Load();
        QCOMPARE(form.workingList().size(), std::size_t(oldFileThere ? 11 : 0));
        // The colours stay when the window is laid out anew.
        form.resize(form.size() + QSize(40, 30));
        QCoreApplication::processEvents();
        QCOMPARE(colouredText(form.findChild<QTextEdit*>(QStringLiteral("RTB"))), oldFileThere ? kOldShown : QString());
        QVERIFY(form.findChild<QListWidget*>(QStringLiteral("lstConfig"))->isHidden());
        // The game's own config.cfg, by any case, is rewritten on its exit.
        auto* target = form.findChild<QLabel*>(QStringLiteral("lblZielDatei"));
        auto* hint = form.findChild<QLabel*>(QStringLiteral("lblHinweis"));
        QCOMPARE(target->text(), QStringLiteral("Zieldatei: ") + QDir::toNativeSeparators(file));
        QCOMPARE(hint->isHidden(), name == QStringLiteral("userconfig.cfg"));
        // No preview before the wizard is through.
        auto* preview = form.findChild<QPushButton*>(QStringLiteral("cmdVorschau"));
        QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(!form.findChild<QDialog*>(QStringLiteral("frmVorschau")));
        dialogs.answers.push_back(QMessageBox::No);
        click(form.findChild<QPushButton*>(QStringLiteral("cmdCfgNeu")));

        // Handed back after the last page, the main window comes to the front.
        EventCounter raises(QEvent::ZOrderChange);
        raises.watched = &form;
        form.installEventFilter(&raises);
        QCOMPARE(play(form.wizard(), form.settings(), QString::fromUtf8(plan.steps)), QString());
        QVERIFY(form.isVisible());
        QCOMPARE(raises.count, 1);
        QCOMPARE(form.settings().WizardDone, Settings::Flag(1));

        // The preview, opened twice, shows the bytes the make then writes and changes nothing on the way.
        QByteArray previewed;
        for (int i = 0; i < 2; ++i) {
            i == 0 ? QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier) : click(preview);
            QDialog* window = nullptr;
            QTRY_VERIFY((window = form.findChild<QDialog*>(QStringLiteral("frmVorschau"))) && window->isVisible());
            const std::string shown = window->findChild<QPlainTextEdit*>(QStringLiteral("txtVorschauNeu"))
                    ->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString();
            previewed = QByteArray::fromStdString(encodeCp1252(shown).bytes) + "\r\n";
            // "+mlook" stays, name and sensitivity get new values, four lines are carried, four dropped.
            QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblVorschauZahlen"))->text(),
                     QStringLiteral("Unverändert:\u00a0%1  ·  Geändert:\u00a0%2  ·  Neu:\u00a0%3  ·  "
                                    "Übernommen:\u00a0%4  ·  Fällt\u00a0weg:\u00a0%4")
                         .arg(oldFileThere ? 1 : 0).arg(oldFileThere ? 2 : 0).arg(entries - (oldFileThere ? 7 : 0))
                         .arg(oldFileThere ? 4 : 0));
            QStringList lost;
            for (const QListWidgetItem* item :
                 window->findChild<QListWidget*>(QStringLiteral("lstVerloren"))->findItems({}, Qt::MatchContains))
                lost << item->text();
            QCOMPARE(lost, oldFileThere ? kLost : QStringList());
            QTest::keyClick(window, Qt::Key_Escape);
            QTRY_VERIFY(!form.findChild<QDialog*>(QStringLiteral("frmVorschau")));
        }
        // Until the make the old file is untouched, a new one not there.
        QCOMPARE(QFile::exists(file), oldFileThere);
        QVERIFY(!oldFileThere || readBytes(file) == kOldConfig);

        click(form.findChild<QPushButton*>(QStringLiteral("cmdMakeCFG")));
        const QByteArray made = readBytes(file);
        QCOMPARE(previewed, golden);
        QVERIFY(!preview->isEnabled());
        QCOMPARE(made.split('\n'), golden.split('\n')); // names the first line that differs
        QVERIFY(isMarkedReadOnly(toFsPath(file)));
        QCOMPARE(target->text(), QStringLiteral("Geschrieben: ") + QDir::toNativeSeparators(file));
        QCOMPARE(hint->isHidden(), name == QStringLiteral("userconfig.cfg"));

        // No page refused anything: the only messages are the load step's, the backup question (none for a file not
        // there yet), for a new file that no binds were carried, and the closing one.
        QStringList messages{"Lade deine alte Counterstrike-Config",
                             "Soll ein Backup deiner alten Config erstellt werden?",
                             "[CS Quorvix 03c] In der Config sind KEINE Bind's enthalten",
                             "Die neue Config ist erstellt worden.Du kannst sofort mit spielen anfangen."};
        messages.removeAt(oldFileThere ? 2 : 1);
        QCOMPARE(dialogs.texts(QStringLiteral("Quorvix v0.3b")), messages);

        auto* list = form.findChild<QListWidget*>(QStringLiteral("lstConfig"));
        QVERIFY(!list->isHidden());
        QCOMPARE(list->count(), entries);
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("lblCfg"))->text(),
                 QStringLiteral("%1 Einträge in der neuen Config").arg(entries));
        const bool leet = entries >= 200;
        auto* rating = form.findChild<QLabel*>(QStringLiteral("lblCfgoMeterStatus"));
        QCOMPARE(rating->text(),
                 QString(leet ? "*Yeah* 1337 Config []-[]4Xx0R" : "*rofl*Weniger als 200 Einträge...*nap like*"));
        QCOMPARE(rating->palette().color(QPalette::WindowText), leet ? QColor(0, 0, 255) : QColor(255, 0, 0));
    }

private slots:
    void choosingEverything() { makeConfig(kEverything, QStringLiteral("config.cfg"), true); }
    void choosingNothingWhereAllowed() { makeConfig(kNothing, QStringLiteral("CONFIG.CFG"), true); }
    void choosingEverythingForANewUserconfig() { makeConfig(kEverything, QStringLiteral("userconfig.cfg"), false); }

    // The panes follow each other by the next carried line at or below the top; past the last one, and with the box
    // unticked, they stay put.
    void previewPanesScrollAndSearchTogether()
    {
        QTemporaryDir dir;
        QByteArray old;
        for (int i = 0; i < 200; ++i)
            old += i == 60 ? "bind \"a\" \"+jump\"\r\n" : QByteArray("x \"") + QByteArray::number(i) + "\"\r\n";
        QVERIFY(writeBytes(dir.filePath(QStringLiteral("config.cfg")), old));
        ScriptedDialogs dialogs;
        MainWindow form(dialogs);
        form.show();
        // Loaded twice: the view keeps one document, not one per load.
        dialogs.chosenFiles = {dir.filePath(QStringLiteral("config.cfg")), dir.filePath(QStringLiteral("config.cfg"))};
        form.Form_Load();
        form.Form_Load();
        QCOMPARE(form.findChild<QTextEdit*>(QStringLiteral("RTB"))->findChildren<QTextDocument*>().size(), 1);
        dialogs.answers.push_back(QMessageBox::No);
        click(form.findChild<QPushButton*>(QStringLiteral("cmdCfgNeu")));
        QCOMPARE(runWizardToEnd(form.wizard(), QStringLiteral("Ann")), 0);
        form.mnuVorschau_Click();
        auto* window = form.findChild<QDialog*>(QStringLiteral("frmVorschau"));
        QVERIFY(QTest::qWaitForWindowExposed(window));
        // The marks have a margin of their own, left of the text.
        for (const char* pane : {"txtVorschauAlt", "txtVorschauNeu"})
            QVERIFY(window->findChild<QPlainTextEdit*>(pane)->viewport()->x() > 10);
        QScrollBar* oldBar = window->findChild<QPlainTextEdit*>(QStringLiteral("txtVorschauAlt"))->verticalScrollBar();
        QScrollBar* newBar = window->findChild<QPlainTextEdit*>(QStringLiteral("txtVorschauNeu"))->verticalScrollBar();
        const int carriedAt = window->findChild<QPlainTextEdit*>(QStringLiteral("txtVorschauNeu"))->blockCount() - 1;
        QVERIFY(newBar->maximum() > 100 && oldBar->maximum() > 100);
        oldBar->setValue(30);
        QCOMPARE(newBar->value(), carriedAt - 30);
        newBar->setValue(carriedAt - 50);
        QCOMPARE(oldBar->value(), 10);
        for (int top : {61, 120, oldBar->maximum()}) {
            oldBar->setValue(top);
            QCOMPARE(newBar->value(), carriedAt - 50);
        }
        window->findChild<QCheckBox*>(QStringLiteral("chkGemeinsam"))->setChecked(false);
        oldBar->setValue(0);
        QCOMPARE(newBar->value(), carriedAt - 50);

        // Search starts in the pane with the focus, goes on from the place found through both and round.
        auto* find = window->findChild<QLineEdit*>(QStringLiteral("txtSuchen"));
        QStringList said;
        for (const char* wanted : {"+JUMP", "+JUMP", "+JUMP", "x \"199", "x \"1999"}) {
            find->setText(QString::fromLatin1(wanted));
            QTest::keyClick(find, Qt::Key_Return);
            said << window->findChild<QLabel*>(QStringLiteral("lblSuchen"))->text();
        }
        const QString inOld = QStringLiteral("in der alten Config, Zeile %1");
        QCOMPARE(said, QStringList({inOld.arg(61), QStringLiteral("in der neuen Config, Zeile %1").arg(carriedAt + 1),
                                    inOld.arg(61), inOld.arg(200), QStringLiteral("nicht gefunden")}));
    }
};

QTEST_MAIN(EndToEndTest)
#include "tst_endtoend.moc"
