#include "app/BackupFolder.h"
#include "app/FilePaths.h"
#include "app/GameFolder.h"
#include "app/GermanTranslation.h"
#include "app/InfoWindow.h"
#include "app/MainWindow.h"
#include "common/Addresses.h"
#include "common/TempDir.h"
#include "oldconfig/ConfigFile.h"
#include "support/FileBytes.h"
#include "support/PageDriver.h"
#include "support/ScriptedDialogs.h"
#include "wizard/pages/Wizard.h"
#include "wizard/pages/WizardPage.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#ifndef Q_OS_WIN
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace quorvix;
using namespace quorvix::test;

namespace {

const QString kLoading = QStringLiteral("Lade deine alte Counterstrike-Config");
const QString kBackupQuestion = QStringLiteral("Soll ein Backup deiner alten Config erstellt werden?");
const QString kBackupDone = QStringLiteral("Backup deiner Config wurde im Quorvix Ordner erstellt!");
const QString kCannotCreate = QStringLiteral(
    "Es ist ein Fehler beim erstellen der Config aufgetretetn!(evt.ist alte Cfg Schreibgeschützt)");
const QString kWizardFirst = QStringLiteral("Drücke zuerst auf Neue Config!");
const QString kOnlyOnce = QStringLiteral("Du darfst nur 1 mal die Config erstellen!");
const QString kMade = QStringLiteral("Die neue Config ist erstellt worden.Du kannst sofort mit spielen anfangen.");
const QString kRefused = QStringLiteral("Es wurde keine neue Config begonnen:\n");
const QDateTime kBackupTime(QDate(2026, 12, 6), QTime(16, 5, 9));

#ifndef Q_OS_WIN
// Root reads every file; while this lives, access is checked as for a player.
struct AsPlayer {
    const bool root;
    explicit AsPlayer(bool on) : root(on && ::geteuid() == 0) { if (root) { ::setfsgid(65534); ::setfsuid(65534); } }
    ~AsPlayer() { if (root) { ::setfsuid(0); ::setfsgid(0); } }
};
#endif

// One program run on a temporary folder with its own backup folder and a fixed clock.
struct Run {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> form;

    Run() { QDir(dir.path()).mkdir(QStringLiteral("backup")); restart(); }
    // A new program run on the same folders.
    void restart()
    {
        form = std::make_unique<MainWindow>(dialogs);
        form->setBackupFolder(path(QStringLiteral("backup")));
        form->setStampLocale(QLocale(QLocale::German, QLocale::Germany));
        form->setClock(
            [] { return std::chrono::system_clock::time_point(std::chrono::seconds(kBackupTime.toSecsSinceEpoch())); });
        form->show();
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QString place(const QString& name, const QByteArray& b) const { writeBytes(path(name), b); return path(name); }
    // The load step at start-up, and later "Öffnen"; nothing stands for a cancel.
    void load(std::optional<QString> file) { dialogs.chosenFiles.push_back(std::move(file)); form->Form_Load(); }
    void open(std::optional<QString> file) { dialogs.chosenFiles.push_back(std::move(file)); trigger("mnuOpen"); }
    void trigger(const char* action) { form->findChild<QAction*>(action)->trigger(); }
    void neueConfig(QMessageBox::StandardButton b) { dialogs.answers.push_back(b); click(button("cmdCfgNeu")); }
    QString erstelleConfig() { click(button("cmdMakeCFG")); return last().text; }
    QPushButton* button(const char* name) const { return form->findChild<QPushButton*>(name); }
    QWidget* restoreWindow() { trigger("mnuRestore"); return form->findChild<QWidget*>(QStringLiteral("frmRestore")); }

    QTextEdit* rtb() const { return form->findChild<QTextEdit*>(QStringLiteral("RTB")); }
    QListWidget* list() const { return form->findChild<QListWidget*>(QStringLiteral("lstConfig")); }
    WizardPage* page(int n) const { return form->wizard().page(n); }
    bool pageShown(int n) const { return page(n) && page(n)->isVisible(); }
    QStringList textsSince(qsizetype first) const { return dialogs.texts().mid(first); }
    const RecordedMessage& last() const { return dialogs.messages.last(); }
};

QList<InfoWindow*> aboutWindows(QWidget* form1) { return form1->findChildren<InfoWindow*>(Qt::FindDirectChildrenOnly); }

QPlainTextEdit* note(QWidget* info) { return info->findChild<QPlainTextEdit*>(QStringLiteral("txtNote")); }

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    QString m_cwd = QDir::currentPath();
    // A home without Steam, so that the dialog starts as on a bare system.
    QTemporaryDir m_home;

private slots:
    void init() { qputenv("HOME", QFile::encodeName(m_home.path())); }
    void cleanup() { QDir::setCurrent(m_cwd); }

    // Until a file is chosen the dialog starts in the game's folder with the name the game runs, a file the real dialog
    // takes though it is not there yet. Cancelled, the load step keeps its name: at first "Config", made in the current
    // folder. Without the game, in the current folder, the name is "Config" unless that folder is a cstrike folder.
    void loadStepAndRealDialogs()
    {
        QTemporaryDir home;
        const QString game = home.filePath(QStringLiteral(".steam/steam/steamapps/common/Half-Life/cstrike"));
        QVERIFY(QDir().mkpath(game));
        qputenv("HOME", QFile::encodeName(home.path()));
#ifdef Q_OS_WIN   // found only where Steam records its folder for the user; the registry is put back at the end
        QSettings hkcu(QStringLiteral("HKEY_CURRENT_USER\\Software"), QSettings::NativeFormat);
        const QString key = QStringLiteral("Valve/Steam/SteamPath");
        const QVariant before = hkcu.value(key);
        const bool hadValve = hkcu.childGroups().contains(QStringLiteral("Valve"));
        const auto restore = qScopeGuard([&] {
            before.isValid() ? hkcu.setValue(key, before) : hkcu.remove(hadValve ? key : key.section('/', 0, 0));
        });
        hkcu.setValue(key, QDir::toNativeSeparators(home.filePath(QStringLiteral(".steam/steam"))));
#endif
        Run run;
        QVERIFY(QDir::setCurrent(run.dir.path()));
        run.load(std::nullopt);
        run.load(std::nullopt);
        QCOMPARE(run.dialogs.texts(), QStringList(2, kLoading));
        const auto& dialog = run.dialogs.fileDialogs.last();
        QCOMPARE(dialog.title + dialog.filter + dialog.preset, "Alte Config laden*.cfg" + game + "/userconfig.cfg");
        QCOMPARE(run.form->chosenPath(), QStringLiteral("Config"));
        run.neueConfig(QMessageBox::No);
        QCOMPARE(runWizardToEnd(run.form->wizard(), QStringLiteral("Ann")), 0);
        QCOMPARE(run.erstelleConfig(), kMade);
        QVERIFY(readBytes(run.path(QStringLiteral("Config"))).startsWith("echo "));

        QtUserDialogs real;
        QString shownFolder;
        QTimer::singleShot(0, run.form.get(), [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            shownFolder = dialog->directory().absolutePath();
            QVERIFY(dialog->objectName() == QStringLiteral("CDConfig") && dialog->fileMode() == QFileDialog::AnyFile);
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QCOMPARE(name->text(), QStringLiteral("userconfig.cfg"));
            QTest::keyClick(name, Qt::Key_Return);
        });
        QCOMPARE(real.openFileName(run.form.get(), QStringLiteral("Alte Config laden"), QStringLiteral("*.cfg"),
                                   dialog.preset), std::optional<QString>(game + QStringLiteral("/userconfig.cfg")));
        QCOMPARE(shownFolder, game);
        qputenv("HOME", QFile::encodeName(m_home.path()));
#ifdef Q_OS_WIN
        hkcu.setValue(key, QDir::toNativeSeparators(m_home.path()));
#endif
        QCOMPARE(firstDialogPath(QStringLiteral("Config")), QStringLiteral("Config"));
        QVERIFY(QDir::setCurrent(game));
        QCOMPARE(firstDialogPath(QStringLiteral("Config")), game + QStringLiteral("/userconfig.cfg"));
        // The real message boxes answer in German.
        QVERIFY(installGermanTranslation(*QCoreApplication::instance()));
        QMessageBox box(QMessageBox::NoIcon, {}, {}, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Ja"));
        QCOMPARE(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Nein"));
    }

    // The about window is made once, shown again, made anew after closing. Menu items and its links, by mouse or key,
    // open their addresses; a missing browser is no error.
    void aboutWindowLinksAndShortcuts()
    {
        Run run;
        run.trigger("mnuInfo");
        QPointer<InfoWindow> first = aboutWindows(run.form.get()).value(0);
        QVERIFY(first && first->isVisible() && first->isWindow() && first->windowModality() == Qt::NonModal);
        // Wide enough for the caption in a title bar's bold face.
        QFont titleFont = first->font();
        titleFont.setBold(true);
        QVERIFY(first->width() > QFontMetrics(titleFont).horizontalAdvance(first->windowTitle()) + 100);
        first->hide();
        run.trigger("mnuInfo");
        QVERIFY(aboutWindows(run.form.get()) == QList<InfoWindow*>{first.data()} && first->isVisible());
        // The disclaimer reads as it stands in its file; more than fits, so it scrolls.
        const QString disclaimer = note(first)->toPlainText();
        QCOMPARE(disclaimer, QString::fromUtf8(testData(QStringLiteral("app/disclaimer.txt"))));
        QVERIFY(note(first)->isReadOnly() && note(first)->verticalScrollBar()->maximum() > 0);
        // Closed with Escape it is gone; the next one loads the disclaimer anew.
        note(first)->setPlainText(QStringLiteral("scribbled"));
        QApplication::setActiveWindow(first);
        QTest::keyClick(first, Qt::Key_Escape);
        QTRY_VERIFY(first.isNull());
        run.trigger("mnuInfo");
        QCOMPARE(aboutWindows(run.form.get()).size(), 1);
        InfoWindow* info = aboutWindows(run.form.get()).front();
        QVERIFY(note(info)->toPlainText() == disclaimer && QTest::qWaitForWindowExposed(info));
        const QUrl product(address::kProductPage), partner(address::kPartnerPage), channel(address::kChatChannel);
        const struct { const char* name; int key; QUrl address; } links[] = { // key -1: a menu item, 0: a click
            {"mnuQuorvixhp", -1, product}, {"mnuTandrelhp", -1, partner}, {"mnuChannel", -1, channel},
            {"lblQuorvixhp", 0, product}, {"lblTandrelhp", 0, partner},
            {"lblQuorvixhp", Qt::Key_Space, product}, {"lblTandrelhp", Qt::Key_Return, partner},
        };
        QList<QUrl> expected;
        for (bool desktopOpens : {true, false}) {
            run.dialogs.desktopOpens = desktopOpens;
            for (const auto& link : links) {
                expected << link.address;
                auto* label = info->findChild<QLabel*>(link.name);
                if (link.key < 0) {
                    run.trigger(link.name);
                } else if (link.key == 0) {
                    QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
                    QTest::mouseClick(label, Qt::LeftButton);
                } else {
                    label->setFocus(Qt::TabFocusReason);
                    QTest::keyClick(label, Qt::Key(link.key));
                }
            }
        }
        QCOMPARE(run.dialogs.openedUrls, expected);
        QVERIFY(run.dialogs.messages.isEmpty() && info->isVisible());

        QApplication::setActiveWindow(run.form.get());
        QVERIFY(QTest::qWaitForWindowActive(run.form.get()));
        QTest::keyClick(run.form.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(run.dialogs.fileDialogs.size(), 1);
        run.neueConfig(QMessageBox::No);
        QTest::keyClick(run.form.get(), Qt::Key_E, Qt::ControlModifier);
        QVERIFY(!run.form->isVisible() && !run.pageShown(1));
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
        run.open(std::nullopt); // a cancel keeps the file, and the dialog starts from it
        QCOMPARE(run.dialogs.fileDialogs.last().preset, file);
        QCOMPARE(run.rtb()->toPlainText(), shown);
        // A folder chosen as file keeps both views; a file not there yet is a new, empty config.
        QDir(run.dir.path()).mkdir(QStringLiteral("folder.cfg"));
        run.open(run.path(QStringLiteral("folder.cfg")));
        QCOMPARE(run.rtb()->toPlainText(), shown);
        QCOMPARE(run.form->workingList(), old);
        run.open(run.path(QStringLiteral("missing.cfg")));
        QVERIFY(run.rtb()->document()->isEmpty() && run.list()->count() == 0 && run.form->workingList().empty());
        QCOMPARE(run.dialogs.texts(), QStringList(5, kLoading));

        // During a run the same file, by another spelling, changes nothing; another is loaded only when the player
        // gives up the answers on the open pages.
        run.open(file);
        run.neueConfig(QMessageBox::No);
        const QByteArray changed = "bind \"w\" \"+forward\"\r\nbind \"n\" \"+new\"";
        writeBytes(file, changed);
        run.open(run.dir.path() + QStringLiteral("/./old.cfg"));
        run.dialogs.answers = {QMessageBox::No};
        run.open(other);
        QCOMPARE(run.last().text, QStringLiteral("Die begonnene Config für „%1“ wird verworfen.\n\n"
                                                 "Soll „%2“ trotzdem geladen werden?")
                                                 .arg(QDir::toNativeSeparators(file), QDir::toNativeSeparators(other)));
        QVERIFY(run.rtb()->toPlainText() == shown && run.form->workingList() == old && run.pageShown(1));
        // Changed on disk, the file is made only after asking; "Nein" leaves the one make unused.
        QCOMPARE(runWizardToEnd(run.form->wizard(), QStringLiteral("Ann")), 0);
        run.dialogs.answers = {QMessageBox::No, QMessageBox::Yes};
        run.erstelleConfig();
        QVERIFY(run.last().text.contains(QStringLiteral("wurde geändert"))
                && run.last().text.contains(QStringLiteral(": 2 statt 1.")));
        QCOMPARE(readBytes(file), changed);
        QCOMPARE(run.erstelleConfig(), kMade);
        QVERIFY(readBytes(file).endsWith("\r\n" + changed + "\r\n"));
        QCOMPARE(readBytes(other), QByteArray("y \"2\"\r\nz"));
        // A run whose page was closed ends without asking when another file is loaded.
        run.open(other);
        run.neueConfig(QMessageBox::No);
        run.page(1)->close();
        run.open(file);
        QVERIFY(run.last().text == kLoading && run.form->workingList() == splitLines(readBytes(file).toStdString()));
    }

    // Nothing is written, no backup made, unless the working list is the chosen file's and it may be replaced.
    void neueConfigRefusals()
    {
        const QString notLoaded = kRefused + QStringLiteral("Die Config „%1“ ist nicht geladen. Lade sie zuerst mit "
                             "„Öffnen“ im Menü „Datei“; es wurde nichts geschrieben und kein Backup erstellt.");
        const QString notRegular
            = kRefused + QStringLiteral("„%1“ ist keine normale Datei und wird weder gelesen noch ersetzt.");
        const QStringList backedUpButFailed = {kBackupQuestion, kBackupDone, kCannotCreate};
        struct Row { QString chosen, backupFolder; QStringList messages; };
        const Row rows[] = {
            {"marked.cfg", "backup", backedUpButFailed},
            {"gone/config.cfg", "backup", {kCannotCreate}}, // nothing there to back up
            {"dir.cfg", "backup", {notRegular}},
            {"fifo.cfg", "backup", {notRegular}},
            {"unreadable.cfg", "backup", {notLoaded}},
            {"foreign.cfg", "backup", {notLoaded}}, // no read right
            // Reported only once it failed; the run goes on.
            {"config.cfg", "no/such/folder",
             {kBackupQuestion, QStringLiteral("Es ist ein Fehler beim Backup der Config aufgetreten!")}},
        };
        for (const auto& [chosen, backupFolder, messages] : rows) {
            Run run;
            const QByteArray bytes = "bind \"a\" \"+x\"";
            for (const char* name : {"config.cfg", "marked.cfg", "unreadable.cfg", "foreign.cfg"})
                run.place(QString::fromLatin1(name), bytes);
            QDir(run.dir.path()).mkdir(QStringLiteral("dir.cfg"));
            // Windows has no FIFOs, and permission bits cannot make a file unreadable there.
            if (testing::kWindows && QStringList{"fifo.cfg", "unreadable.cfg", "foreign.cfg"}.contains(chosen))
                continue;
#ifndef Q_OS_WIN
            QVERIFY(::mkfifo(QFile::encodeName(run.path(QStringLiteral("fifo.cfg"))).constData(), 0644) == 0);
#endif
            QFile::setPermissions(run.dir.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther);
            QFile::setPermissions(run.path(QStringLiteral("unreadable.cfg")), QFile::WriteOwner);
            QFile::setPermissions(run.path(QStringLiteral("foreign.cfg")), {});
            run.form->setBackupFolder(run.path(backupFolder));
            {
#ifndef Q_OS_WIN
                AsPlayer player(chosen == QStringLiteral("unreadable.cfg") || chosen == QStringLiteral("foreign.cfg"));
#endif
                run.load(run.path(chosen));
            }
            markReadOnly(toFsPath(run.path(QStringLiteral("marked.cfg"))));
            run.neueConfig(QMessageBox::Yes);
            QCOMPARE(run.textsSince(1).join('|'), messages.join('|').arg(run.path(chosen)));
            QCOMPARE(run.last().icon, QMessageBox::Critical);
            QVERIFY(run.form->isVisible() && run.pageShown(1) == (messages.size() == 2));
            QCOMPARE(QFile::exists(run.path(QStringLiteral("backup/configBACKUP.cfg"))),
                     messages.contains(kBackupDone));
            for (const char* name : {"config.cfg", "unreadable.cfg", "foreign.cfg"})
                QCOMPARE(readBytes(run.path(QString::fromLatin1(name))), bytes);
        }
    }

    // An abandoned run leaves the file and may start over, with or without a backup; from the final page on the run
    // holds its file until the make; a failed make keeps the file and the one make.
    void wholeFlowOnARealFile()
    {
        Run run;
        const QByteArray old = testData(QStringLiteral("app/old_binds.cfg"));
        const QByteArray golden = testData(QStringLiteral("app/made_from_old_binds.cfg"));
        const QString file = run.place(QStringLiteral("config.cfg"), old);
        const QString backup = run.place(QStringLiteral("backup/configBACKUP.cfg"), "earlier backup");
        run.load(file);
        QCOMPARE(run.erstelleConfig(), kWizardFirst);
        run.neueConfig(QMessageBox::No);
        QCOMPARE(run.form->settings().BackupAnswer, std::string("7"));
        QCOMPARE(readBytes(backup), QByteArray("earlier backup"));
        answerValidly(run.page(1), QStringLiteral("Jörg"));
        pressNext(run.page(1));
        QVERIFY(run.pageShown(2));
        // "Ja" restarts the run with a backup, and says so once it is written.
        auto before = run.dialogs.messages.size();
        run.neueConfig(QMessageBox::Yes);
        QCOMPARE(run.form->settings().BackupAnswer, std::string("6"));
        QCOMPARE(run.textsSince(before), (QStringList{kBackupQuestion, kBackupDone}));
        QCOMPARE(run.dialogs.messages[before].buttons, QMessageBox::Yes | QMessageBox::No);
        QVERIFY(readBytes(backup).endsWith("*\r\n\r\nDatum:06.12.2026 Zeit:16:05:09\r\n\r\n\r\n" + old));
        for (int n = 1; n <= 10; ++n) {
            QVERIFY2(run.pageShown(n), qPrintable(QStringLiteral("page %1 not shown").arg(n)));
            answerValidly(run.page(n), QStringLiteral("Jörg"));
            pressNext(run.page(n));
        }
        pressBack(run.page(11));
        QCOMPARE(run.erstelleConfig(), kWizardFirst);
        QCOMPARE(run.form->settings().LastStep, Settings::Flag(11));
        before = run.dialogs.messages.size();
        run.neueConfig(QMessageBox::No);
        QCOMPARE(run.textsSince(before), (QStringList{kBackupQuestion, kCannotCreate}));
        QVERIFY(!run.pageShown(1));
        QCOMPARE(readBytes(file), old);
        QVERIFY(!isMarkedReadOnly(toFsPath(file)));

        run.form->hide();
        pressNext(run.page(10));
        pressNext(run.page(11));
        QVERIFY(run.form->isVisible());
        // The pages belong to Form1 and share one size.
        for (int n = 1; n <= 11; ++n)
            QVERIFY(run.page(n)->windowHandle()->transientParent() == run.form->windowHandle()
                    && run.page(n)->size() == run.page(1)->size());
        // A value the code page cannot hold fails the write half way, as a full disk would.
        const std::string gamma = std::exchange(run.form->settings().CfgGamma, "2\u2192");
        QTest::keyClick(run.button("cmdMakeCFG"), Qt::Key_Return);
        QVERIFY(run.last().icon == QMessageBox::Critical && run.last().text.contains(QStringLiteral("unverändert")));
        QVERIFY(run.list()->isHidden() && run.form->findChild<QLabel*>("lblCfg")->text().isEmpty());
        QVERIFY(readBytes(file) == old && !isMarkedReadOnly(toFsPath(file)));
        // With the cause gone, the same run makes its config, once.
        run.form->settings().CfgGamma = gamma;
        QCOMPARE(run.erstelleConfig(), kMade);
        QCOMPARE(readBytes(file), golden);
        QVERIFY(isMarkedReadOnly(toFsPath(file)));
        QCOMPARE(run.erstelleConfig(), kOnlyOnce);
        QVERIFY2(run.list()->isHidden(), "the refusal hides the list");
        QCOMPARE(readBytes(file), golden);
        QAction* undo = run.form->findChild<QAction*>("mnuUndo");
        QVERIFY(undo->isEnabled() && undo->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_Z));

        // The game rewrites the file; back in the same program run, "Neue Config" starts from it, unmarked, and its
        // make writes the same answers over the game's binds, which are not doubled.
        clearReadOnly(toFsPath(file));
        const QByteArray game = "unbindall\r\nbind \"w\" \"+forward\"\r\nrate \"12000\"\r\nvolume \"0.4\"\r\n";
        writeBytes(file, game);
        run.neueConfig(QMessageBox::No);
        QVERIFY(run.pageShown(1) && !isMarkedReadOnly(toFsPath(file)) && run.form->settings().WizardDone == 0);
        QCOMPARE(run.rtb()->toPlainText(), QStringLiteral("bind = \"w\"\nrate = \"12000\"\nvolume = \"0.4\"\n"));
        QCOMPARE(runWizardToEnd(run.form->wizard(), std::nullopt), 0);
        // The preview pairs the rate the game kept with its own line and the volume it changed.
        run.form->mnuVorschau_Click();
        const QByteArray generated = golden.left(golden.indexOf("bind \"w\""));
        QCOMPARE(run.form->findChild<QLabel*>("lblVorschauZahlen")->text(),
                 QStringLiteral("Unverändert:\u00a01  ·  Geändert:\u00a01  ·  Neu:\u00a0%1  ·  Übernommen:\u00a02  ·  "
                                "Fällt\u00a0weg:\u00a00").arg(generated.count('\n') - 2));
        run.form->findChild<QDialog*>("frmVorschau")->close();
        QCOMPARE(run.erstelleConfig(), kMade);
        QCOMPARE(readBytes(file), generated + "unbindall\r\nbind \"w\" \"+forward\"\r\n");
        // Undone, the file is the game's again, loaded and writable; there is nothing more to undo.
        QTest::keyClick(run.form.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(run.dialogs.messages[run.dialogs.messages.size() - 2].text.startsWith(
            QStringLiteral("Soll die zuletzt erstellte Config „%1“ rückgängig gemacht werden?")
                .arg(QDir::toNativeSeparators(file))));
        QCOMPARE(readBytes(file), game);
        // Every view shows the file loaded, nothing of the made one.
        QVERIFY(!isMarkedReadOnly(toFsPath(file)) && run.form->workingList() == splitLines(game.toStdString())
                && run.list()->isHidden() && !undo->isEnabled() && run.form->findChild<QLabel*>("lblCfg")->text()
                == QString() && run.form->findChild<QLabel*>("lblCfgoMeterStatus")->text() == QString());
        QCOMPARE(undo->toolTip(), QStringLiteral("Die zuletzt erstellte Config ist schon rückgängig gemacht."));
        // The oldest history entry is the original, taken at the first make.
        QWidget* window = run.restoreWindow();
        auto* entries = window->findChild<QListWidget*>(QStringLiteral("lstVerlauf"));
        entries->setCurrentRow(entries->count() - 1);
        click(window->findChild<QPushButton*>("cmdRestoreOriginal"));
        QVERIFY(readBytes(file) == old && run.form->workingList() == splitLines(old.toStdString()));
    }

    void historyAndRestore()
    {
        Run run;
        const QByteArray mine = "// mine " + QByteArray(300, '-');
        const QByteArray original = mine + "\r\nbind \"q\" \"+use\"\n";
        const QString file = run.place(QStringLiteral("config.cfg"), original);
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        // Two program runs with "Ja", a third with "Nein".
        for (const char* name : {"Ann", "Bob", "Cid"}) {
            run.restart();
            run.open(file);
            run.neueConfig(*name == 'C' ? QMessageBox::No : QMessageBox::Yes);
            QCOMPARE(runWizardToEnd(run.form->wizard(), QString::fromLatin1(name)), 0);
            QCOMPARE(run.erstelleConfig(), kMade);
        }
        const QByteArray third = readBytes(file);
        QWidget* window = run.restoreWindow();
        auto* entries = window->findChild<QListWidget*>(QStringLiteral("lstVerlauf"));
        QCOMPARE(entries->count(), 3);
        QCOMPARE(entries->item(2)->text(), QStringLiteral("06.12.2026 16:05:09 – %1 – 2 Zeilen").arg(file));
        entries->setCurrentRow(2);
        // Shown line by line as the file has them.
        auto* content = window->findChild<QPlainTextEdit*>(QStringLiteral("txtInhalt"));
        QCOMPARE(content->toPlainText(), QString::fromLatin1(mine + "\nbind \"q\" \"+use\""));
        // A missing folder fails and says what to do; "Nein" changes nothing.
        run.dialogs.chosenFiles.push_back(run.path(QStringLiteral("gone/config.cfg")));
        click(window->findChild<QPushButton*>("cmdRestoreTo"));
        QVERIFY(run.last().icon == QMessageBox::Critical && run.last().text.contains(QStringLiteral("Behebe")));
        run.dialogs.answers = {QMessageBox::No};
        click(window->findChild<QPushButton*>("cmdRestoreOriginal"));
        QVERIFY(readBytes(file) == third && isMarkedReadOnly(toFsPath(file)) && !QDir(run.path("gone")).exists());
        // Over Quorvix's own mark, after one question that names it, the file takes the oldest entry's exact bytes and
        // the permissions it had then; the open list follows the history.
        click(window->findChild<QPushButton*>("cmdRestoreOriginal"));
        QVERIFY(run.dialogs.messages[run.dialogs.messages.size() - 2].text.endsWith(QStringLiteral(
            "„%1“ zurückgespielt werden?\n\nDie Datei dort wird dadurch ersetzt; ihr jetziger Inhalt wird vorher im "
            "Backup-Verlauf gesichert.\n\nDie Datei ist schreibgeschützt (so lässt Quorvix eine erstellte Config "
            "zurück); der Schreibschutz wird dafür aufgehoben.").arg(file)));
        QCOMPARE(readBytes(file), original);
        if (testing::kWindows) // of these bits Windows keeps the read-only attribute alone
            QVERIFY(QFileInfo(file).isWritable());
        else
            QCOMPARE(QFileInfo(file).permissions() & ~(QFile::ReadUser | QFile::WriteUser),
                     QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        QCOMPARE(run.form->workingList(), (RawLines{mine.toStdString(), "bind \"q\" \"+use\""}));
        QCOMPARE(run.rtb()->toPlainText(), QStringLiteral("bind = \"q\"\n"));
        QCOMPARE(entries->count(), 4);
        QApplication::setActiveWindow(window);
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }

    // A name that is not UTF-8 leads back to its bytes, so the shown name finds the file. Too large files are refused.
    void namesThatAreNoUtf8AndFilesTooLarge()
    {
        Run run;
#ifndef Q_OS_WIN   // names there are UTF-16 and hold no other bytes
        const std::pair<QByteArray, bool> names[] = { // readable as UTF-8?
            {"\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80.cfg", true}, {"conf\xFF\xFEig.cfg", false},
            {"\xE0\x80\x80\xED\xA0\x80\xF5\x80\x80\x80", false}, // overlong, surrogate, too high
            {"a.cfg\xF0\x9F\x98", false}, // cut short
        };
        for (const auto& [name, readable] : names) {
            const auto raw = toFsPath(run.dir.path()) / name.toStdString();
            testing::writeBytes(raw, "bind \"k\" \"+jump\"" + name.toStdString());
            const QString path = fromFsPath(raw);
            QCOMPARE(path == run.dir.path() + '/' + QString::fromUtf8(name), readable);
            QCOMPARE(toFsPath(path), raw);
            run.load(QFile::decodeName(QByteArray::fromStdString(raw.native())));
            QCOMPARE(run.form->workingList(), RawLines{"bind \"k\" \"+jump\"" + name.toStdString()});
        }
#endif
        // 3 GiB that are never read, and one line more than allowed.
        for (const auto& [size, start] : {std::pair{qint64(3) << 30, QByteArray("bind")},
                                          {qint64(kConfigLineLimit + 1), QByteArray(kConfigLineLimit + 1, '\n')}}) {
            QFile big(run.path(QStringLiteral("big.cfg")));
            QVERIFY(big.open(QIODevice::WriteOnly) && big.write(start) == start.size() && big.resize(size));
            big.close();
            run.open(big.fileName());
            QCOMPARE(run.last().icon, QMessageBox::Critical);
            QCOMPARE(run.last().text,
                QStringLiteral("Die Datei „%1“ ist zu groß für eine Config (erlaubt sind höchstens "
                               "8 MiB und 131072 Zeilen). Sie wird nicht geladen.\n\nDeine Config bleibt, wie sie ist.")
                    .arg(big.fileName()));
            QCOMPARE(run.form->workingList(),
                     testing::kWindows ? RawLines{} : RawLines{"bind \"k\" \"+jump\"a.cfg\xF0\x9F\x98"});
        }
        run.neueConfig(QMessageBox::Yes);
        QVERIFY(run.last().text.startsWith(kRefused));
    }

    void backupFolderChoice()
    {
        QTemporaryDir dir;
        for (const char* folder : {"prog", "locked"})
            QDir(dir.path()).mkdir(QString::fromLatin1(folder));
        writeBytes(dir.filePath(QStringLiteral("file")), "a file, not a folder");
        writeBytes(dir.filePath(QStringLiteral("locked/configBACKUP.cfg")), "old");
        markReadOnly(toFsPath(dir.filePath(QStringLiteral("locked/configBACKUP.cfg"))));
        // Program folder, user folder, the one chosen ("" for none).
        const std::tuple<QString, QString, QString> rows[] = {
            {"prog", "user/Quorvix", "prog"}, {"gone", "user/Quorvix", "user/Quorvix"},
            {"locked", "user/Quorvix", "user/Quorvix"}, {"gone", "file/Quorvix", ""},
        };
        for (const auto& [program, user, expected] : rows) {
            QDir(dir.filePath(QStringLiteral("user"))).removeRecursively();
            QCOMPARE(chooseBackupFolder(dir.filePath(program), dir.filePath(user)),
                     expected.isEmpty() ? QString() : dir.filePath(expected));
            // The user folder is made only when it is needed.
            QCOMPARE(QDir(dir.filePath(user)).exists(), expected == user);
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
