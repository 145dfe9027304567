#include "app/BackupFolder.h"
#include "app/FilePaths.h"
#include "app/GermanTranslation.h"
#include "app/MainWindow.h"
#include "common/TempDir.h"
#include "common/Addresses.h"
#include "oldconfig/ui/ColouredView.h"
#include "oldconfig/ConfigFile.h"
#include "oldconfig/LoadedConfig.h"
#include "support/FileBytes.h"
#include "support/PageDriver.h"
#include "support/ScriptedDialogs.h"
#include "support/WizardRun.h"
#include "wizard/pages/PageTable.h"
#include "wizard/pages/Wizard.h"
#include "wizard/pages/WizardPage.h"
#include "writer/WriteConfig.h"

#include <QAction>
#include <QDateTime>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include <QPlainTextEdit>

#include <memory>

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quorvix;
using namespace quorvix::test;

namespace {

const QString kLoading = QStringLiteral("Lade deine alte Counterstrike-Config");
const QString kBackupQuestion = QStringLiteral("Soll ein Backup deiner alten Config erstellt werden?");
const QString kCannotCreate = QStringLiteral(
    "Es ist ein Fehler beim erstellen der Config aufgetretetn!(evt.ist alte Cfg Schreibgeschützt)");
const QString kWizardFirst = QStringLiteral("Drücke zuerst auf Neue Config!");
const QString kOnlyOnce = QStringLiteral("Du darfst nur 1 mal die Config erstellen!");
const QString kNoBinds = QStringLiteral("In der Config sind KEINE Bind's enthalten");
const QString kMade = QStringLiteral(
    "Die neue Config ist erstellt worden.Du kannst sofort mit spielen anfangen.");
const QString kRed = QStringLiteral("*rofl*Weniger als 200 Einträge...*nap like*");
const QDateTime kBackupTime(QDate(2026, 12, 6), QTime(16, 5, 9));
const QString kRefused = QStringLiteral("Es wurde keine neue Config begonnen:\n");
const QString kNotLoaded = kRefused + QStringLiteral("Die Config „%1“ ist nicht geladen. Lade sie zuerst mit "
    "„Öffnen“ im Menü „Datei“; es wurde nichts geschrieben und kein Backup erstellt.");
const QString kNotRegular = kRefused + QStringLiteral("„%1“ ist keine normale Datei und wird weder gelesen noch ersetzt.");

// Root reads every file; while this lives, file access is checked as for
// an ordinary player.
struct AsPlayer {
    const bool root;
    explicit AsPlayer(bool on) : root(on && ::geteuid() == 0) { if (root) { ::setfsgid(65534); ::setfsuid(65534); } }
    ~AsPlayer() { if (root) { ::setfsuid(0); ::setfsgid(0); } }
};

// One program run on a temporary folder: the main window with scripted
// dialogs, a backup folder of its own and a fixed clock.
struct Run {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> form;

    Run()
    {
        QDir(dir.path()).mkdir(QStringLiteral("backup"));
        restart();
    }
    // A new program run on the same folders.
    void restart()
    {
        form = std::make_unique<MainWindow>(dialogs);
        form->setBackupFolder(path(QStringLiteral("backup")));
        form->setStampLocale(QLocale(QLocale::German, QLocale::Germany));
        form->setClock([] {
            return std::chrono::system_clock::time_point(
                std::chrono::seconds(kBackupTime.toSecsSinceEpoch()));
        });
        form->show();
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QString place(const QString& name, const QByteArray& bytes) const
    {
        writeBytes(path(name), bytes);
        return path(name);
    }
    // The load step at start-up, and later through "Öffnen"; the dialog
    // answers `file`, nothing stands for a cancel.
    void load(std::optional<QString> file)
    {
        dialogs.chosenFiles.push_back(std::move(file));
        form->Form_Load();
    }
    void open(std::optional<QString> file)
    {
        dialogs.chosenFiles.push_back(std::move(file));
        form->findChild<QAction*>(QStringLiteral("mnuOpen"))->trigger();
    }
    void neueConfig(QMessageBox::StandardButton backup)
    {
        dialogs.answers.push_back(backup);
        click(form->findChild<QPushButton*>(QStringLiteral("cmdCfgNeu")));
    }
    void erstelleConfig() { click(form->findChild<QPushButton*>(QStringLiteral("cmdMakeCFG"))); }
    bool finishWizard()
    {
        neueConfig(QMessageBox::No);
        return pageShown(1) && runWizardToEnd(form->wizard(), QStringLiteral("Ann")) == 0;
    }

    QTextEdit* rtb() const { return form->findChild<QTextEdit*>(QStringLiteral("RTB")); }
    QListWidget* list() const { return form->findChild<QListWidget*>(QStringLiteral("lstConfig")); }
    QString label(const char* name) const { return form->findChild<QLabel*>(name)->text(); }
    WizardPage* page(int n) const { return form->wizard().page(n); }
    bool pageShown(int n) const { return page(n) && page(n)->isVisible(); }
    QStringList textsSince(qsizetype first) const { return dialogs.texts().mid(first); }
    const RecordedMessage& last() const { return dialogs.messages.last(); }
};

// The coloured view as painted, blue runs in {} and red ones in []: the
// colour of each character is its own format's, unless its paragraph's
// layout lays another on it.
QString colouredText(QTextEdit* view)
{
    QString text;
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next()) {
        QList<QColor> colours;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            for (qsizetype i = 0; i < it.fragment().length(); ++i)
                colours.append(it.fragment().charFormat().foreground().color());
        }
        for (const auto& range : block.layout()->formats()) {
            for (int i = range.start; i < range.start + range.length && i < colours.size(); ++i)
                colours[i] = range.format.foreground().color();
        }
        const QString line = block.text();
        for (qsizetype i = 0; i < line.size();) {
            qsizetype end = i;
            while (end < line.size() && colours[end] == colours[i])
                ++end;
            const QString piece = line.mid(i, end - i);
            text += colours[i] == Qt::blue  ? '{' + piece + '}'
                    : colours[i] == Qt::red ? '[' + piece + ']'
                    : colours[i] == Qt::black ? piece : '?' + piece;
            i = end;
        }
        text += line.isEmpty() ? "" : "\n";
    }
    return text;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    QString m_cwd = QDir::currentPath();
    // A home without Steam, so that the dialog starts as on a bare system.
    QTemporaryDir m_home;

private slots:
    void init() { qputenv("HOME", QFile::encodeName(m_home.path())); }
    void cleanup() { QDir::setCurrent(m_cwd); }

    // Until a file is chosen the dialog starts in the game's folder, where
    // the real dialog takes a name that is not there yet.
    void dialogStartsInTheGameFolder()
    {
        QTemporaryDir home;
        const QString game = home.filePath(QStringLiteral(".steam/steam/steamapps/common/Half-Life/cstrike"));
        QVERIFY(QDir().mkpath(game));
        qputenv("HOME", QFile::encodeName(home.path()));
        Run run;
        run.load(std::nullopt);
        run.load(std::nullopt);
        QCOMPARE(run.dialogs.fileDialogs.last().preset, game + QStringLiteral("/Config"));
        QCOMPARE(run.form->chosenPath(), QStringLiteral("Config"));

        QtUserDialogs real;
        QString shownFolder;
        QTimer::singleShot(0, run.form.get(), [&] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QFileDialog*>(window);
                if (!dialog || dialog->objectName() != QStringLiteral("CDConfig") || !dialog->isVisible())
                    continue;
                shownFolder = dialog->directory().absolutePath();
                QVERIFY(dialog->fileMode() == QFileDialog::AnyFile && dialog->width() >= 800);
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                name->setText(QStringLiteral("userconfig.cfg"));
                QTest::keyClick(name, Qt::Key_Return);
            }
        });
        QCOMPARE(real.openFileName(run.form.get(), QStringLiteral("Alte Config laden"), QStringLiteral("*.cfg"),
                                   game + QStringLiteral("/Config")),
                 std::optional<QString>(game + QStringLiteral("/userconfig.cfg")));
        QCOMPARE(shownFolder, game);
    }

    void menuItems()
    {
        Run run;
        for (bool desktopOpens : {true, false}) {
            run.dialogs.desktopOpens = desktopOpens;
            for (const char* item : {"mnuQuorvixhp", "mnuTandrelhp", "mnuChannel"})
                run.form->findChild<QAction*>(item)->trigger();
        }
        const QList<QUrl> once = {QUrl(address::kProductPage), QUrl(address::kPartnerPage),
                                  QUrl(address::kChatChannel)};
        QCOMPARE(run.dialogs.openedUrls, once + once);

        // Access keys: the captions read as before, each has a key, and no
        // key serves twice in the window (menu titles, buttons) or a menu.
        QList<QAction*> window = run.form->menuBar()->actions();
        for (const char* name : {"cmdCfgNeu", "cmdMakeCFG", "cmdVorschau"})
            window << new QAction(run.form->findChild<QPushButton*>(name)->text(), run.form.get());
        const QList<QPair<QList<QAction*>, QStringList>> groups = {
            {window, {"Datei", "?", "Neue Config", "Erstelle Config", "Vorschau"}},
            {run.form->findChild<QMenu*>("msnDatei")->actions(),
             {"Öffnen", "Backup wiederherstellen…", "Vorschau…", "Beenden"}},
            {run.form->findChild<QMenu*>("mnuAbout")->actions(),
             {"Info", "Die #Quorvix Seite besuchen", "Die #Tandrel Seite besuchen",
              "Den #Quorvix Channel im Qnet besuchen"}}};
        for (const auto& [actions, expected] : groups) {
            QStringList displayed;
            QSet<QKeySequence> keys;
            for (const QAction* action : actions) {
                displayed << shown(action->text());
                keys << QKeySequence::mnemonic(action->text());
            }
            QCOMPARE(displayed, expected);
            QVERIFY(!keys.contains(QKeySequence()) && keys.size() == actions.size());
        }
        QVERIFY(run.dialogs.messages.isEmpty()); // no browser is no error
        QApplication::setActiveWindow(run.form.get());
        QVERIFY(QTest::qWaitForWindowActive(run.form.get()));
        QTest::keyClick(run.form.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(run.dialogs.fileDialogs.size(), 1);
        run.neueConfig(QMessageBox::No);
        QTest::keyClick(run.form.get(), Qt::Key_E, Qt::ControlModifier);
        QVERIFY(!run.form->isVisible() && !run.pageShown(1));
    }

    void loadStepAndCancelledDialogs()
    {
        Run run;
        QVERIFY(QDir::setCurrent(run.dir.path()));
        run.load(std::nullopt);
        QCOMPARE(run.last().text, kLoading);
        QCOMPARE(run.last().title, QStringLiteral("Quorvix v0.3b"));
        QCOMPARE(run.last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        const auto& dialog = run.dialogs.fileDialogs.first();
        QCOMPARE(dialog.title + dialog.filter + dialog.preset, QStringLiteral("Alte Config laden*.cfgConfig"));
        // Cancelled at start-up: "Config" in the current folder, made there.
        QCOMPARE(run.form->chosenPath(), QStringLiteral("Config"));
        QVERIFY(run.rtb()->document()->isEmpty() && run.list()->count() == 0);
        QVERIFY(run.finishWizard());
        run.erstelleConfig();
        QCOMPARE(run.last().text, kMade);
        QVERIFY(readBytes(run.path(QStringLiteral("Config"))).startsWith("echo "));
        // A later cancel keeps the file chosen last, which the dialog starts from.
        const QString file = run.place(QStringLiteral("a.cfg"), "x \"1\"");
        run.open(file);
        run.open(std::nullopt);
        QCOMPARE(run.dialogs.fileDialogs.last().preset, file);
        QCOMPARE(run.form->chosenPath(), file);
        QCOMPARE(run.form->workingList(), RawLines{"x \"1\""});
    }

    void colouredViewShowsQuotedEntries_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("lines");
        QTest::newRow("nothing quoted: empty view, every line listed")
            << QByteArray("// comment\r\n\r\n+mlook\r\nsensitivity 2\r\nbind \"w\r\n") << QString() << 5;
        QTest::newRow("tab then blank keeps one blank") << QByteArray("\t name\"v\"") << "{ name} = \"[v]\"\n" << 1;
        QTest::newRow("blank then tab keeps none") << QByteArray(" \tname\"v\"") << "{name} = \"[v]\"\n" << 1;
        QTest::newRow("value trimmed, inner tab removed, case kept")
            << QByteArray("Ab \"  X\ty  \"") << "{Ab} = \"[Xy]\"\n" << 1;
        QTest::newRow("bind shows its first quoted part; three quotes too")
            << QByteArray("bind \"mouse1\" \"+attack\"\r\nsay \"a\" b\"c") << "{bind} = \"[mouse1]\"\n{say} = \"[a]\"\n" << 2;
        QTest::newRow("Windows-1252, lone CR, empty value")
            << QByteArray("say \"Gr\xfc\xdf\x80\"\rx \"\"") << QStringLiteral("{say} = \"[Grüß€]\"\n{x} = \"\"\n") << 2;
    }
    void colouredViewShowsQuotedEntries()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, shown);
        QFETCH(int, lines);
        Run run;
        run.load(run.place(QStringLiteral("old.cfg"), file));
        QCOMPARE(colouredText(run.rtb()), shown);
        QCOMPARE(run.list()->count(), lines);
        QVERIFY(run.list()->isHidden());
    }

    // Entries added to a view that shows some already keep the earlier
    // ones and their colours, and survive the view being laid out anew.
    void colouredViewAppendsToWhatItShows()
    {
        QTextEdit view;
        view.setLineWrapMode(QTextEdit::NoWrap);
        view.show();
        appendColouredEntries(view, RawLines{"a \"1\"", "// none"});
        appendColouredEntries(view, RawLines{"\"\" b", "c\t\"2\""});
        view.resize(120, 80);
        QCoreApplication::processEvents();
        QCOMPARE(colouredText(&view), QStringLiteral("{a} = \"[1]\"\n = \"\"\n{c} = \"[2]\"\n"));
        emptyColouredView(view);
        QCOMPARE(colouredText(&view), QString());
    }

    void openBeforeAndDuringARun()
    {
        Run run;
        const QString other = run.place(QStringLiteral("other.cfg"), "y \"2\"\r\nz");
        const QString file = run.place(QStringLiteral("old.cfg"), "bind \"w\" \"+forward\"\r\nx \"1\"");
        const RawLines old = {"bind \"w\" \"+forward\"", "x \"1\""};
        const QString shown = QStringLiteral("bind = \"w\"\nx = \"1\"\n");
        run.load(other);
        run.open(file);
        QCOMPARE(run.rtb()->toPlainText(), shown);
        QCOMPARE(run.list()->item(0)->text(), QStringLiteral("bind \"w\" \"+forward\""));
        // A folder chosen as file keeps both views; a file that is not there
        // yet is a new, empty config. Only the loading message appears.
        QDir(run.dir.path()).mkdir(QStringLiteral("folder.cfg"));
        run.open(run.path(QStringLiteral("folder.cfg")));
        QCOMPARE(run.rtb()->toPlainText(), shown);
        QCOMPARE(run.form->workingList(), old);
        run.open(run.path(QStringLiteral("missing.cfg")));
        QVERIFY(run.rtb()->document()->isEmpty() && run.list()->count() == 0);
        QVERIFY(run.form->workingList().empty());
        QCOMPARE(run.dialogs.texts(), QStringList(4, kLoading));

        // During a run, the same file (by another spelling, changed on disk
        // meanwhile) changes nothing; another file empties the view only.
        run.open(file);
        run.neueConfig(QMessageBox::No);
        const QByteArray changed = "bind \"w\" \"+forward\"\r\nbind \"n\" \"+new\"";
        writeBytes(file, changed);
        run.open(run.dir.path() + QStringLiteral("/./old.cfg"));
        QCOMPARE(run.rtb()->toPlainText(), shown);
        for (const QString& another : {other, run.path(QStringLiteral("new.cfg"))}) {
            run.open(another);
            QVERIFY(run.rtb()->document()->isEmpty());
            QCOMPARE(run.form->workingList(), old);
        }
        // The run makes the file it was started for; changed on disk, it
        // asks first, and "Nein" leaves everything and the one make unused.
        QCOMPARE(runWizardToEnd(run.form->wizard(), QStringLiteral("Ann")), 0);
        run.dialogs.answers = {QMessageBox::No, QMessageBox::Yes};
        run.erstelleConfig();
        QVERIFY(run.last().text.contains(QStringLiteral("wurde geändert")) && run.last().text.contains(QStringLiteral(": 2 statt 1.")));
        QCOMPARE(readBytes(file), changed);
        run.erstelleConfig();
        QCOMPARE(run.last().text, kMade);
        QVERIFY(readBytes(file).endsWith("\r\n" + changed + "\r\n"));
        QCOMPARE(readBytes(other), QByteArray("y \"2\"\r\nz"));
    }

    // Nothing is written, no backup made, unless the working list is the
    // chosen file's lines and the file may be replaced.
    void neueConfigRefusals_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("backupFolder");
        QTest::addColumn<QStringList>("messages");
        const QString backupDone = QStringLiteral("Backup deiner Config wurde im Quorvix Ordner erstellt!");
        QTest::newRow("read-only mark") << "marked.cfg" << "backup" << QStringList{kBackupQuestion, backupDone, kCannotCreate};
        QTest::newRow("folder missing") << "gone/config.cfg" << "backup" << QStringList{kBackupQuestion, backupDone, kCannotCreate};
        QTest::newRow("a folder, not a file") << "dir.cfg" << "backup" << QStringList{kNotRegular};
        QTest::newRow("FIFO") << "fifo.cfg" << "backup" << QStringList{kNotRegular};
        QTest::newRow("unreadable file") << "unreadable.cfg" << "backup" << QStringList{kNotLoaded};
        QTest::newRow("foreign owner, no read right") << "foreign.cfg" << "backup" << QStringList{kNotLoaded};
        QTest::newRow("another file loaded mid-run") << "other.cfg" << "backup" << QStringList{kBackupQuestion, kLoading, kNotLoaded};
        // Reported only once it failed; the run goes on.
        QTest::newRow("backup fails") << "config.cfg" << "no/such/folder"
            << QStringList{kBackupQuestion, QStringLiteral("Es ist ein Fehler beim Backup der Config aufgetreten!")};
    }
    void neueConfigRefusals()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, backupFolder);
        QFETCH(QStringList, messages);
        Run run;
        const QByteArray bytes = "bind \"a\" \"+x\"";
        for (const char* name : {"config.cfg", "marked.cfg", "unreadable.cfg", "foreign.cfg", "other.cfg"})
            run.place(QString::fromLatin1(name), bytes);
        QDir(run.dir.path()).mkdir(QStringLiteral("dir.cfg"));
        QVERIFY(::mkfifo(QFile::encodeName(run.path(QStringLiteral("fifo.cfg"))).constData(), 0644) == 0);
        QFile::setPermissions(run.dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther);
        QFile::setPermissions(run.path(QStringLiteral("unreadable.cfg")), QFile::WriteOwner);
        QFile::setPermissions(run.path(QStringLiteral("foreign.cfg")), {});
        run.form->setBackupFolder(run.path(backupFolder));
        const bool midRun = chosen == QStringLiteral("other.cfg");
        {
            AsPlayer player(chosen.endsWith(QStringLiteral("unreadable.cfg")) || chosen.endsWith(QStringLiteral("foreign.cfg")));
            run.load(run.path(midRun ? QStringLiteral("config.cfg") : chosen));
        }
        if (midRun) {
            run.neueConfig(QMessageBox::No);
            run.open(run.path(chosen));
        }
        markReadOnly(toFsPath(run.path(QStringLiteral("marked.cfg"))));
        run.neueConfig(QMessageBox::Yes);
        QCOMPARE(run.textsSince(1).join('|'), messages.join('|').arg(run.path(chosen)));
        QCOMPARE(run.last().icon, QMessageBox::Critical);
        if (!midRun)
            QCOMPARE(run.pageShown(1), messages.size() == 2);
        QVERIFY(run.form->isVisible());
        const bool backedUp = messages.size() > 1 && messages[1].startsWith(QStringLiteral("Backup deiner"));
        QCOMPARE(QFile::exists(run.path(QStringLiteral("backup/configBACKUP.cfg"))), backedUp);
        for (const char* name : {"config.cfg", "unreadable.cfg", "foreign.cfg", "other.cfg"})
            QCOMPARE(readBytes(run.path(QString::fromLatin1(name))), bytes);
    }

    // An abandoned run leaves the file and may start over; once the final
    // page was reached the run holds its file until the make, which needs
    // a Next on that page.
    void runStatesBeforeTheMake()
    {
        Run run;
        const QByteArray old = testData(QStringLiteral("app/old_binds.cfg"));
        const QString file = run.place(QStringLiteral("config.cfg"), old);
        run.load(file);
        run.erstelleConfig();
        QCOMPARE(run.last().text, kWizardFirst);
        run.neueConfig(QMessageBox::No);
        answerValidly(run.page(1), QStringLiteral("Ann"));
        pressNext(run.page(1));
        QVERIFY(run.pageShown(2));
        auto before = run.dialogs.messages.size();
        run.neueConfig(QMessageBox::No);
        QCOMPARE(run.textsSince(before), QStringList{kBackupQuestion});
        for (int n = 1; n <= 10; ++n) {
            QVERIFY2(run.pageShown(n), qPrintable(QStringLiteral("page %1 not shown").arg(n)));
            answerValidly(run.page(n), QStringLiteral("Ann"));
            pressNext(run.page(n));
        }
        pressBack(run.page(11));
        run.erstelleConfig();
        QCOMPARE(run.last().text, kWizardFirst);
        QCOMPARE(run.form->settings().LastStep, Settings::Flag(11));
        QCOMPARE(run.form->settings().MakeCount, Settings::Flag(0));
        before = run.dialogs.messages.size();
        run.neueConfig(QMessageBox::No);
        QCOMPARE(run.textsSince(before), (QStringList{kBackupQuestion, kCannotCreate}));
        QVERIFY(!run.pageShown(1));
        QCOMPARE(readBytes(file), old);
        QVERIFY(!isMarkedReadOnly(toFsPath(file)));
    }

    void wholeFlowOnARealFile()
    {
        Run run;
        const QByteArray old = testData(QStringLiteral("app/old_binds.cfg"));
        const QByteArray golden = testData(QStringLiteral("app/made_from_old_binds.cfg"));
        const QString file = run.place(QStringLiteral("config.cfg"), old);
        const QString backup = run.place(QStringLiteral("backup/configBACKUP.cfg"), "earlier backup");
        run.load(file);
        QVERIFY(colouredText(run.rtb()).startsWith(QStringLiteral("{name} = \"[Old]\"\n{cl_updaterate} = \"[100.05]\"\n")));
        // "Nein" writes no backup; "Ja" then restarts the run with one, and
        // says so only once it is written.
        run.neueConfig(QMessageBox::No);
        QCOMPARE(run.form->settings().BackupAnswer, std::string("7"));
        QCOMPARE(readBytes(backup), QByteArray("earlier backup"));
        const auto before = run.dialogs.messages.size();
        run.neueConfig(QMessageBox::Yes);
        QCOMPARE(run.form->settings().BackupAnswer, std::string("6"));
        QCOMPARE(run.textsSince(before),
                 (QStringList{kBackupQuestion, QStringLiteral("Backup deiner Config wurde im Quorvix Ordner erstellt!")}));
        QCOMPARE(run.dialogs.messages[before].buttons, QMessageBox::Yes | QMessageBox::No);
        const QByteArray stars(43, '*');
        QCOMPARE(readBytes(backup), stars + "\r\n**************Config Backup****************\r\n" + stars
                                        + "\r\n\r\nDatum:06.12.2026 Zeit:16:05:09\r\n\r\n\r\n" + old);

        run.form->hide();
        QCOMPARE(runWizardToEnd(run.form->wizard(), QStringLiteral("Jörg")), 0);
        QVERIFY(run.form->isVisible());
        QCOMPARE(readBytes(file), old);
        // The pages belong to Form1 and share one size, "Weiter" in one place.
        const auto weiterAt = [&run](int n) {
            return run.page(n)->findChild<QPushButton*>(pageInfo(n).nextButton)->mapTo(run.page(n), QPoint());
        };
        for (int n = 1; n <= 11; ++n) {
            QVERIFY(run.page(n)->parentWidget() == run.form.get()
                    && run.page(n)->windowHandle()->transientParent() == run.form->windowHandle());
            QCOMPARE(run.page(n)->size(), run.page(1)->size());
            QCOMPARE(weiterAt(n), weiterAt(1));
        }
        // Return now makes the config.
        auto* make = run.form->findChild<QPushButton*>(QStringLiteral("cmdMakeCFG"));
        QVERIFY(make->isDefault() && run.form->focusWidget() == make);
        QTest::keyClick(make, Qt::Key_Return);
        QCOMPARE(run.last().text, kMade);
        QCOMPARE(readBytes(file), golden);
        QVERIFY(isMarkedReadOnly(toFsPath(file)));
        QCOMPARE(run.list()->count(), golden.count("\r\n"));
        QVERIFY(!run.list()->isHidden());

        // Only one make per run; the refusal hides the list.
        run.erstelleConfig();
        QCOMPARE(run.last().text, kOnlyOnce);
        QVERIFY(run.list()->isHidden());
        // The made file is read-only, so "Neue Config" refuses; loading it
        // clears the mark, and a new pass then neither makes nor empties it.
        run.neueConfig(QMessageBox::No);
        QCOMPARE(run.last().text, kCannotCreate);
        run.open(file);
        QVERIFY(!isMarkedReadOnly(toFsPath(file)));
        run.neueConfig(QMessageBox::No);
        QCOMPARE(passWizardAsLeft(run.form->wizard()), 0);
        run.erstelleConfig();
        QCOMPARE(run.last().text, kOnlyOnce);
        QCOMPARE(readBytes(file), golden);
    }

    // The made file is the writer's lines and the carried bind lines; the
    // list, the entry count and the rating follow from it.
    void makeCarriesBindLinesAndRates_data()
    {
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<QByteArray>("carried");
        QTest::addColumn<int>("topUpTo");
        QTest::newRow("empty old config") << QByteArray() << QByteArray() << 0;
        QTest::newRow("lines, none with bind") << QByteArray("a \"1\"\r\nBIND x\r\n") << QByteArray() << 0;
        QTest::newRow("bind lines keep blanks and order")
            << QByteArray("x\r\n\tbind \"a\" \"b\" \r\ny\r\nunbind z") << QByteArray("\tbind \"a\" \"b\" \r\nunbind z\r\n") << 0;
        QTest::newRow("199 entries") << QByteArray() << QByteArray() << 199;
        QTest::newRow("200 entries") << QByteArray() << QByteArray() << 200;
    }
    void makeCarriesBindLinesAndRates()
    {
        QFETCH(QByteArray, old);
        QFETCH(QByteArray, carried);
        QFETCH(int, topUpTo);
        ByteBufferOutput writer;
        WriteConfig(Settings{}, writer);
        const auto generated = QByteArray::fromStdString(writer.bytes());
        const int writerLines = int(generated.count("\r\n"));
        for (int i = writerLines; i < topUpTo; ++i) {
            const QByteArray line = "bind \"k" + QByteArray::number(i) + "\" \"x\"";
            old += line + "\r\n";
            carried += line + "\r\n";
        }
        Run run;
        const QString file = run.place(QStringLiteral("config.cfg"), old);
        run.load(file);
        run.neueConfig(QMessageBox::No);
        run.page(1)->hide();
        run.form->settings().WizardDone = 1;
        const auto before = run.dialogs.messages.size();
        run.erstelleConfig();
        QCOMPARE(run.textsSince(before), (old.isEmpty() ? QStringList{kNoBinds, kMade} : QStringList{kMade}));
        QCOMPARE(run.dialogs.messages[before].title, QString::fromLatin1(old.isEmpty() ? "CS Quorvix 03c" : "Quorvix v0.3b"));
        QCOMPARE(readBytes(file), generated + carried);
        // Every line ends with CR LF, the last carried one too.
        const int entries = int(generated.count("\r\n") + carried.count("\r\n"));
        QCOMPARE(run.list()->count(), entries);
        QCOMPARE(run.label("lblCfg"), QStringLiteral("%1 Einträge in der neuen Config").arg(entries));
        const bool leet = entries >= 200;
        QCOMPARE(run.label("lblCfgoMeterStatus"), leet ? QStringLiteral("*Yeah* 1337 Config []-[]4Xx0R") : kRed);
        QCOMPARE(run.form->findChild<QLabel*>("lblCfgoMeterStatus")->palette().color(QPalette::WindowText),
                 leet ? QColor(0, 0, 255) : QColor(255, 0, 0));
        if (topUpTo)
            QCOMPARE(entries, topUpTo);
    }

    void failedMakeKeepsTheFileAndTheOneMake()
    {
        Run run;
        const QByteArray old = testData(QStringLiteral("app/old_binds.cfg"));
        const QString file = run.place(QStringLiteral("config.cfg"), old);
        run.load(file);
        QVERIFY(run.finishWizard());
        // A value the code page cannot hold makes writing fail half way, as
        // a full disk would.
        run.form->settings().CfgGamma = "2\u2192";
        run.erstelleConfig();
        QCOMPARE(run.last().icon, QMessageBox::Critical);
        QVERIFY(run.last().text.contains(QStringLiteral("unverändert")));
        QCOMPARE(run.form->settings().MakeCount, Settings::Flag(0));
        QVERIFY(run.list()->isHidden() && run.label("lblCfg").isEmpty());
        QCOMPARE(readBytes(file), old);
        QVERIFY(!isMarkedReadOnly(toFsPath(file)));
        QCOMPARE(QDir(run.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"config.cfg"});
        // With the cause gone, the same run makes its config.
        run.form->settings().CfgGamma = "2";
        run.erstelleConfig();
        QCOMPARE(run.last().text, kMade);
        QVERIFY(readBytes(file).contains("gamma \"2\"\r\n"));
    }

    void historyAndRestore()
    {
        Run run;
        const QByteArray original = "// mine\r\nbind \"q\" \"+use\"\n";
        const QString file = run.place(QStringLiteral("config.cfg"), original);
        // Two program runs with "Ja", a third with "Nein".
        for (const char* name : {"Ann", "Bob", "Cid"}) {
            run.restart();
            run.open(file);
            run.neueConfig(*name == 'C' ? QMessageBox::No : QMessageBox::Yes);
            QCOMPARE(runWizardToEnd(run.form->wizard(), QString::fromLatin1(name)), 0);
            run.erstelleConfig();
            QCOMPARE(run.last().text, kMade);
        }
        const QByteArray third = readBytes(file);
        run.form->findChild<QAction*>(QStringLiteral("mnuRestore"))->trigger();
        auto* window = run.form->findChild<QWidget*>(QStringLiteral("frmRestore"));
        auto* entries = window->findChild<QListWidget*>(QStringLiteral("lstVerlauf"));
        QCOMPARE(entries->count(), 3);
        QCOMPARE(entries->item(2)->text(), QStringLiteral("06.12.2026 16:05:09 – %1 – 2 Zeilen").arg(file));
        entries->setCurrentRow(2);
        QCOMPARE(window->findChild<QPlainTextEdit*>(QStringLiteral("txtInhalt"))->toPlainText(),
                 QStringLiteral("// mine\nbind \"q\" \"+use\""));
        // The made file is marked read-only, a folder is missing: both fail.
        run.dialogs.chosenFiles.push_back(run.path(QStringLiteral("gone/config.cfg")));
        for (const char* button : {"cmdRestoreOriginal", "cmdRestoreTo"}) {
            click(window->findChild<QPushButton*>(button));
            QCOMPARE(run.last().icon, QMessageBox::Critical);
        }
        QVERIFY(run.dialogs.messages[run.dialogs.messages.size() - 4].text.contains(QStringLiteral("„%1“").arg(file)));
        QCOMPARE(readBytes(file), third);
        QVERIFY(!QDir(run.path(QStringLiteral("gone"))).exists());
        // Unmarked by loading it, it takes the oldest entry's exact bytes.
        run.open(file);
        click(window->findChild<QPushButton*>("cmdRestoreOriginal"));
        QCOMPARE(readBytes(file), original);
        QCOMPARE(run.form->workingList(), (RawLines{"// mine", "bind \"q\" \"+use\""}));
        QCOMPARE(run.rtb()->toPlainText(), QStringLiteral("bind = \"q\"\n"));
        QCOMPARE(QDir(run.form->historyFolder()).entryList(QDir::Files).size(), 4);
    }

    // A name that is no UTF-8, as the system has it.
    void pathWithBytesThatAreNoUtf8()
    {
        Run run;
        const auto raw = toFsPath(run.dir.path()) / "conf\xFF\xFEig.cfg";
        testing::writeBytes(raw, "bind \"k\" \"+jump\"");
        QCOMPARE(recoverChosenPath(QFile::decodeName(QByteArray::fromStdString(raw.native()))), fromFsPath(raw));
        run.load(fromFsPath(raw));
        QCOMPARE(run.form->workingList(), RawLines{"bind \"k\" \"+jump\""});
        QVERIFY(run.finishWizard());
        run.erstelleConfig();
        QVERIFY(testing::readBytes(raw).ends_with("\r\nbind \"k\" \"+jump\"\r\n"));
        const auto entries = std::filesystem::directory_iterator(raw.parent_path());
        QCOMPARE(std::distance(begin(entries), end(entries)), 2); // the file and the backup folder
    }

    void tooLargeIsRefusedAtLoad_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("3 GiB, never read") << (qint64(3) << 30) << QByteArray("bind");
        QTest::newRow("too many lines") << qint64(kConfigLineLimit + 1) << QByteArray();
    }
    void tooLargeIsRefusedAtLoad()
    {
        QFETCH(qint64, size);
        QFETCH(QByteArray, start);
        Run run;
        run.load(run.place(QStringLiteral("small.cfg"), "a \"1\""));
        QFile big(run.path(QStringLiteral("big.cfg")));
        QVERIFY(big.open(QIODevice::WriteOnly));
        big.write(start.isEmpty() ? QByteArray(size, '\n') : start);
        QVERIFY(big.resize(size));
        big.close();
        run.open(big.fileName());
        QCOMPARE(run.last().icon, QMessageBox::Critical);
        QCOMPARE(run.last().text, QStringLiteral("Die Datei „%1“ ist zu groß für eine Config (erlaubt sind höchstens "
                                                 "8 MiB und 131072 Zeilen). Sie wird nicht geladen.\n\nDeine Config bleibt, wie sie ist.").arg(big.fileName()));
        QCOMPARE(run.form->workingList(), RawLines{"a \"1\""});
        run.neueConfig(QMessageBox::Yes);
        QVERIFY(run.last().text.startsWith(kRefused));
    }

    // ---- the program's surroundings ------------------------------------------

    void backupFolderChoice_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("expected");
        QTest::newRow("program folder writable") << "prog" << "user/Quorvix" << "prog";
        QTest::newRow("program folder missing") << "gone" << "user/Quorvix" << "user/Quorvix";
        QTest::newRow("backup there read-only") << "locked" << "user/Quorvix" << "user/Quorvix";
        QTest::newRow("neither can be had") << "gone" << "file/Quorvix" << "";
    }
    void backupFolderChoice()
    {
        QFETCH(QString, program);
        QFETCH(QString, user);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        for (const char* folder : {"prog", "locked"})
            QDir(dir.path()).mkdir(QString::fromLatin1(folder));
        writeBytes(dir.filePath(QStringLiteral("file")), "a file, not a folder");
        writeBytes(dir.filePath(QStringLiteral("locked/configBACKUP.cfg")), "old");
        markReadOnly(toFsPath(dir.filePath(QStringLiteral("locked/configBACKUP.cfg"))));
        QCOMPARE(chooseBackupFolder(dir.filePath(program), dir.filePath(user)),
                 expected.isEmpty() ? QString() : dir.filePath(expected));
        // The user folder is made only when it is needed.
        QCOMPARE(QDir(dir.filePath(user)).exists(), expected == user);
    }

    void standardButtonsSpeakGerman()
    {
        QVERIFY(installGermanTranslation(*QCoreApplication::instance()));
        QMessageBox box(QMessageBox::NoIcon, {}, {}, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Ja"));
        QCOMPARE(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Nein"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
