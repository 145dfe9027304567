#include "app/InfoWindow.h"
#include "app/MainWindow.h"
#include "common/Addresses.h"
#include "oldconfig/ConfigFile.h"
#include "support/FileBytes.h"
#include "support/PageDriver.h"
#include "support/ScriptedDialogs.h"
#include "support/WizardRun.h"
#include "wizard/pages/Wizard.h"
#include "wizard/pages/WizardPage.h"
#include "writer/WriteConfig.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <memory>

using namespace quorvix;
using namespace quorvix::test;

namespace {

const QString kLoading = QStringLiteral("Lade deine alte Counterstrike-Config");
const QString kBackupQuestion = QStringLiteral("Soll ein Backup deiner alten Config erstellt werden?");
const QString kBackupDone = QStringLiteral("Backup deiner Config wurde im Quorvix Ordner erstellt!");
const QString kBackupFailed = QStringLiteral("Es ist ein Fehler beim Backup der Config aufgetreten!");
const QString kCannotCreate = QStringLiteral(
    "Es ist ein Fehler beim erstellen der Config aufgetretetn!(evt.ist alte Cfg Schreibgeschützt)");
const QString kWizardFirst = QStringLiteral("Drücke zuerst auf Neue Config!");
const QString kOnlyOnce = QStringLiteral("Du darfst nur 1 mal die Config erstellen!");
const QString kNoBinds = QStringLiteral("In der Config sind KEINE Bind's enthalten");
const QString kMade = QStringLiteral(
    "Die neue Config ist erstellt worden.Du kannst sofort mit spielen anfangen.");
const QString kRed = QStringLiteral("*rofl*Weniger als 200 Einträge...*nap like*");
const QString kBlue = QStringLiteral("*Yeah* 1337 Config []-[]4Xx0R");
const QDateTime kBackupTime(QDate(2026, 12, 6), QTime(16, 5, 9));

std::filesystem::path fsPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// One program run on a temporary folder: the main window with scripted
// dialogs, a backup folder of its own and a fixed clock.
struct Run {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> form = std::make_unique<MainWindow>(dialogs);

    Run()
    {
        QDir(dir.path()).mkdir(QStringLiteral("backup"));
        form->setBackupFolder(path(QStringLiteral("backup")));
        form->setClock([] {
            return std::chrono::system_clock::time_point(
                std::chrono::seconds(kBackupTime.toSecsSinceEpoch()));
        });
        form->show();
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QString backupFile() const { return path(QStringLiteral("backup/configBACKUP.cfg")); }
    QString place(const QString& name, const QByteArray& bytes) const
    {
        writeBytes(path(name), bytes);
        return path(name);
    }
    // The load step (first at start-up, later through "Öffnen"), with the
    // dialog answering `file`; nothing stands for a cancel.
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
        click(button("cmdCfgNeu"));
    }
    void erstelleConfig() { click(button("cmdMakeCFG")); }
    bool finishWizard(const QString& name = QStringLiteral("Ann"))
    {
        neueConfig(QMessageBox::No);
        return pageShown(1) && runWizardToEnd(form->wizard(), name) == 0;
    }

    QPushButton* button(const char* name) const { return form->findChild<QPushButton*>(name); }
    QTextEdit* rtb() const { return form->findChild<QTextEdit*>(QStringLiteral("RTB")); }
    QListWidget* list() const { return form->findChild<QListWidget*>(QStringLiteral("lstConfig")); }
    QLabel* label(const char* name) const { return form->findChild<QLabel*>(name); }
    QStringList listItems() const
    {
        QStringList items;
        for (int i = 0; i < list()->count(); ++i)
            items << list()->item(i)->text();
        return items;
    }
    WizardPage* page(int n) const { return form->wizard().page(n); }
    bool pageShown(int n) const { return page(n) && page(n)->isVisible(); }
    QStringList textsSince(qsizetype first) const { return dialogs.texts().mid(first); }
    const RecordedMessage& last() const { return dialogs.messages.last(); }
};

// The coloured view as runs of equally coloured text, one list per line.
QList<QList<QPair<QString, QColor>>> colouredRuns(QTextEdit* view)
{
    QList<QList<QPair<QString, QColor>>> lines;
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next()) {
        QList<QPair<QString, QColor>> runs;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QColor colour = it.fragment().charFormat().foreground().color();
            if (!runs.isEmpty() && runs.last().second == colour)
                runs.last().first += it.fragment().text();
            else
                runs.append({it.fragment().text(), colour});
        }
        if (!runs.isEmpty())
            lines.append(runs);
    }
    return lines;
}

QByteArray backupHeader()
{
    const QByteArray stars(43, '*');
    return stars + "\r\n**************Config Backup****************\r\n" + stars + "\r\n\r\n"
           + "Datum:" + kBackupTime.toString(QStringLiteral("dd.MM.yyyy")).toLatin1()
           + " Zeit:" + kBackupTime.toString(QStringLiteral("hh:mm:ss")).toLatin1()
           + "\r\n\r\n\r\n";
}

// The answers the golden file was typed for. Pages 2 to 10 have tests of
// their own; here the make depends on the main window and the writer only.
void setGoldenAnswers(Settings& s)
{
    Settings golden;
    golden.BackupAnswer = s.BackupAnswer;
    golden.WizardDone = s.WizardDone;
    golden.MakeCount = s.MakeCount;
    golden.LastStep = s.LastStep;
    golden.SpielernameDone = s.SpielernameDone;
    golden.Spielername = s.Spielername;
    golden.ConnectionDone = golden.VideoDone = golden.SoundDone = golden.mausDone = 1;
    golden.ConsoleDone = golden.HudDone = golden.NetgraphDone = golden.ViolenceDone = 1;
    golden.SetinfoDone = golden.CfgQDSL = golden.CfgDownL = golden.CfgVidBest = 1;
    golden.CfgBrightness = "1";
    golden.CfgGamma = "2.5";
    golden.CfgVMaxFPS = "100";
    golden.CfgVZtrick = golden.CfgVMMX = golden.CfgSoundHighQ = golden.CfgEAX = 1;
    golden.CfgMSens = "2.5";
    golden.CfgMSensratio = "0";
    golden.CfgCGS = 1;
    golden.CfgConsoleRGB = "255 155 50";
    golden.CfgHudDTN = "6";
    golden.CfgHudChattime = "0";
    golden.CfgHudKaufhis = "2";
    golden.CfgHudcenterid = golden.CfgHudtakeshot = golden.CfgNgraph3 = golden.CfgNgraphP1 = 1;
    golden.CfgNetgwidth = "200";
    golden.CfgHelpM = golden.Cfgfrendm = golden.CfgLeftHand = golden.CfgAutoWS = 1;
    s = golden;
}

QStringList latin1Lines(const QByteArray& bytes)
{
    QStringList lines;
    for (const RawLine& line : splitLines(std::string_view(bytes.constData(), bytes.size())))
        lines << QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
    return lines;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    QString m_cwd;

private slots:
    void init() { m_cwd = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(m_cwd); }

    // ---- the window ---------------------------------------------------------

    void windowControlsAndMenu()
    {
        Run run;
        QCOMPARE(run.form->objectName(), QStringLiteral("Form1"));
        QCOMPARE(run.form->windowTitle(),
                 QStringLiteral("Counterstrike Quorvix v0.3b by Drelvik #Quorvix powered by #Tandrel"));
        const QList<QPair<const char*, QString>> captions = {
            {"frmAltecfg", "Alte Config"}, {"frmNeueCfg", "Neue Config"},
            {"frmCfgoMeter", "Config o' Meter"}, {"cmdCfgNeu", "Neue Config"},
            {"cmdMakeCFG", "Erstelle Config"}, {"lblCfg", ""}, {"lblCfgoMeterStatus", ""},
            {"RTB", ""}, {"lstConfig", ""}};
        for (const auto& [name, caption] : captions) {
            auto* widget = run.form->findChild<QWidget*>(name);
            QVERIFY2(widget && !widget->accessibleName().isEmpty(), name);
            if (auto* frame = qobject_cast<QGroupBox*>(widget))
                QCOMPARE(frame->title(), caption);
            if (auto* button = qobject_cast<QPushButton*>(widget))
                QCOMPARE(button->text(), caption);
            if (auto* label = qobject_cast<QLabel*>(widget))
                QCOMPARE(label->text(), caption);
        }
        QVERIFY(run.rtb()->isReadOnly() && run.rtb()->document()->isEmpty());
        QVERIFY(run.list()->isHidden() && run.list()->count() == 0);
        auto* left = run.form->findChild<QWidget*>(QStringLiteral("frmAltecfg"));
        auto* right = run.form->findChild<QWidget*>(QStringLiteral("frmNeueCfg"));
        QVERIFY(run.rtb()->parentWidget() == left && run.list()->parentWidget() == right);
        QVERIFY(left->geometry().right() < right->geometry().left());
        QVERIFY(run.button("cmdMakeCFG")->y() > run.button("cmdCfgNeu")->geometry().bottom());

        const QList<std::tuple<const char*, const char*, QString, QKeySequence>> items = {
            {"msnDatei", "mnuOpen", "Öffnen", QKeySequence(QStringLiteral("Ctrl+O"))},
            {"msnDatei", "mnuEnd", "Beenden", QKeySequence(QStringLiteral("Ctrl+E"))},
            {"mnuAbout", "mnuInfo", "Info", {}},
            {"mnuAbout", "mnuQuorvixhp", "Die #Quorvix Seite besuchen", {}},
            {"mnuAbout", "mnuTandrelhp", "Die #Tandrel Seite besuchen", {}},
            {"mnuAbout", "mnuChannel", "Den #Quorvix Channel im Qnet besuchen", {}}};
        for (const auto& [menu, item, caption, keys] : items) {
            auto* action = run.form->findChild<QAction*>(item);
            QVERIFY2(action && run.form->findChild<QMenu*>(menu)->actions().contains(action), item);
            QCOMPARE(action->text(), caption);
            QCOMPARE(action->shortcut(), keys);
        }
        QCOMPARE(run.form->findChild<QMenu*>(QStringLiteral("msnDatei"))->title(), QStringLiteral("Datei"));
        QCOMPARE(run.form->findChild<QMenu*>(QStringLiteral("mnuAbout"))->title(), QStringLiteral("?"));
    }

    void webItemsOpenOurAddressesSilently()
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
        QCOMPARE(QUrl(address::kChatChannel).scheme(), QStringLiteral("irc"));
        QVERIFY(run.dialogs.messages.isEmpty());
    }

    void infoOnceAndBeendenClosesEverything()
    {
        Run run;
        auto* info = run.form->findChild<QAction*>(QStringLiteral("mnuInfo"));
        info->trigger();
        info->trigger();
        const auto windows = run.form->findChildren<InfoWindow*>();
        QCOMPARE(windows.size(), 1);
        QVERIFY(windows.first()->isVisible() && !windows.first()->isModal());
        run.neueConfig(QMessageBox::No);
        run.form->findChild<QAction*>(QStringLiteral("mnuEnd"))->trigger();
        QVERIFY(!run.form->isVisible() && !run.pageShown(1));
    }

    // ---- the load step --------------------------------------------------------

    void loadStepMessageAndDialog()
    {
        Run run;
        const QString file = run.place(QStringLiteral("a.cfg"), "x \"1\"");
        run.load(file);
        QCOMPARE(run.dialogs.messages.size(), 1);
        QCOMPARE(run.last().text, kLoading);
        QCOMPARE(run.last().title, QStringLiteral("Quorvix v0.3b"));
        QCOMPARE(run.last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(run.last().icon, QMessageBox::NoIcon);
        const auto& dialog = run.dialogs.fileDialogs.first();
        QCOMPARE(dialog.title, QStringLiteral("Alte Config laden"));
        QCOMPARE(dialog.filter, QStringLiteral("*.cfg"));
        QCOMPARE(dialog.preset, QStringLiteral("Config"));
        QCOMPARE(run.form->chosenPath(), file);
        // A cancel keeps the file chosen last, which the dialog starts from.
        run.open(std::nullopt);
        QCOMPARE(run.dialogs.fileDialogs.last().preset, file);
        QCOMPARE(run.form->chosenPath(), file);
        QCOMPARE(run.list()->count(), 1);
    }

    void colouredViewShowsQuotedEntries_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("lines");
        QTest::newRow("nothing quoted: empty view, every line listed")
            << QByteArray("// comment\r\n\r\n+mlook\r\nsensitivity 2\r\nbind \"w\r\n") << QString() << 5;
        QTest::newRow("tab then blank keeps one blank") << QByteArray("\t name\"v\"") << " name = \"v\"\n" << 1;
        QTest::newRow("blank then tab keeps none") << QByteArray(" \tname\"v\"") << "name = \"v\"\n" << 1;
        QTest::newRow("value trimmed, inner tab removed, case kept")
            << QByteArray("Ab \"  X\ty  \"") << "Ab = \"Xy\"\n" << 1;
        QTest::newRow("bind shows its first quoted part; three quotes too")
            << QByteArray("bind \"mouse1\" \"+attack\"\r\nsay \"a\" b\"c") << "bind = \"mouse1\"\nsay = \"a\"\n" << 2;
        QTest::newRow("Windows-1252, lone CR, empty value")
            << QByteArray("say \"Gr\xfc\xdf\x80\"\rx \"\"") << QStringLiteral("say = \"Grüß€\"\nx = \"\"\n") << 2;
    }
    void colouredViewShowsQuotedEntries()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, shown);
        QFETCH(int, lines);
        Run run;
        run.load(run.place(QStringLiteral("old.cfg"), file));
        QCOMPARE(run.rtb()->toPlainText(), shown);
        QVERIFY(run.rtb()->isReadOnly());
        QCOMPARE(run.list()->count(), lines);
        QCOMPARE(static_cast<int>(run.form->workingList().size()), lines);
        QVERIFY(run.list()->isHidden());
    }

    void colouredViewPiecesHaveTheirColours()
    {
        Run run;
        run.load(run.place(QStringLiteral("old.cfg"), "cl_updaterate \"100.05\"\r\nno quotes\r\nname \"Jo\xeb\""));
        const QColor blue(0, 0, 255), red(255, 0, 0), black(0, 0, 0);
        const QList<QList<QPair<QString, QColor>>> expected = {
            {{"cl_updaterate", blue}, {" = \"", black}, {"100.05", red}, {"\"", black}},
            {{"name", blue}, {" = \"", black}, {QStringLiteral("Joë"), red}, {"\"", black}}};
        QCOMPARE(colouredRuns(run.rtb()), expected);
    }

    void cancelAtFirstLoadWorksOnConfigInTheCurrentFolder()
    {
        Run run;
        QVERIFY(QDir::setCurrent(run.dir.path()));
        run.load(std::nullopt);
        QCOMPARE(run.form->chosenPath(), QStringLiteral("Config"));
        QVERIFY(run.rtb()->document()->isEmpty() && run.list()->count() == 0);
        QCOMPARE(run.dialogs.texts(), QStringList{kLoading});
        QVERIFY(run.finishWizard());
        QVERIFY(!QFile::exists(run.path(QStringLiteral("Config"))));
        run.erstelleConfig();
        QVERIFY(QFile::exists(run.path(QStringLiteral("Config"))));
        QCOMPARE(run.last().text, kMade);
    }

    void openReplacesViewsAndFailuresAreSilent()
    {
        Run run;
        run.load(run.place(QStringLiteral("first.cfg"), "a \"1\"\r\nb \"2\"\r\nc"));
        run.open(run.place(QStringLiteral("second.cfg"), "z \"9\"\r\n// only"));
        QCOMPARE(run.rtb()->toPlainText(), QStringLiteral("z = \"9\"\n"));
        QCOMPARE(run.listItems(), (QStringList{"z \"9\"", "// only"}));
        // A file that is gone, and a folder chosen as file: both views keep
        // what they showed and only the loading message appears.
        run.open(run.path(QStringLiteral("missing.cfg")));
        QDir(run.dir.path()).mkdir(QStringLiteral("folder.cfg"));
        run.open(run.path(QStringLiteral("folder.cfg")));
        QCOMPARE(run.rtb()->toPlainText(), QStringLiteral("z = \"9\"\n"));
        QCOMPARE(run.form->workingList(), (RawLines{"z \"9\"", "// only"}));
        QCOMPARE(run.dialogs.texts(), QStringList(4, kLoading));
        QCOMPARE(run.form->chosenPath(), run.path(QStringLiteral("folder.cfg")));
    }

    void openDuringAWizardRun()
    {
        Run run;
        const QString file = run.place(QStringLiteral("old.cfg"), "bind \"w\" \"+forward\"\r\nx \"1\"");
        const QString other = run.place(QStringLiteral("other.cfg"), "y \"2\"");
        const RawLines old = {"bind \"w\" \"+forward\"", "x \"1\""};
        run.load(file);
        run.neueConfig(QMessageBox::No);
        // Same file: nothing changes, though it changed on disk meanwhile.
        writeBytes(file, "changed \"0\"");
        run.open(file);
        QCOMPARE(run.rtb()->toPlainText(), QStringLiteral("bind = \"w\"\nx = \"1\"\n"));
        QCOMPARE(run.form->workingList(), old);
        // Another file: the view is emptied, the working list keeps its lines.
        run.open(other);
        QVERIFY(run.rtb()->document()->isEmpty());
        QCOMPARE(run.form->workingList(), old);
        QCOMPARE(run.list()->count(), 2);
        // The run makes the file it was started for, with the lines it
        // started with; the other file stays as it was.
        QCOMPARE(runWizardToEnd(run.form->wizard(), QStringLiteral("Ann")), 0);
        run.erstelleConfig();
        QVERIFY(readBytes(file).endsWith("\r\nbind \"w\" \"+forward\""));
        QCOMPARE(readBytes(other), QByteArray("y \"2\""));
    }

    // ---- "Neue Config" ------------------------------------------------------

    void failedBackupReportsOnlyTheError()
    {
        Run run;
        run.load(run.place(QStringLiteral("config.cfg"), "a \"1\""));
        run.form->setBackupFolder(run.path(QStringLiteral("no/such/folder")));
        run.neueConfig(QMessageBox::Yes);
        QCOMPARE(run.textsSince(1), (QStringList{kBackupQuestion, kBackupFailed}));
        QCOMPARE(run.last().icon, QMessageBox::Critical);
        QCOMPARE(run.last().title, QStringLiteral("Quorvix v0.3b"));
        QVERIFY(run.pageShown(1)); // the run goes on
    }

    void neueConfigRefusesAFileItCannotReplace_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::newRow("read-only mark") << "config.cfg";
        QTest::newRow("folder missing") << "gone/config.cfg";
        QTest::newRow("a folder, not a file") << "dir.cfg";
    }
    void neueConfigRefusesAFileItCannotReplace()
    {
        QFETCH(QString, chosen);
        Run run;
        run.load(run.place(QStringLiteral("config.cfg"), "a \"1\""));
        QDir(run.dir.path()).mkdir(QStringLiteral("dir.cfg"));
        run.open(run.path(chosen));
        markReadOnly(fsPath(run.path(QStringLiteral("config.cfg"))));
        const auto before = run.dialogs.messages.size();
        run.neueConfig(QMessageBox::No);
        QCOMPARE(run.textsSince(before), (QStringList{kBackupQuestion, kCannotCreate}));
        QCOMPARE(run.last().icon, QMessageBox::Critical);
        QCOMPARE(run.last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!run.page(1) && run.form->isVisible());
    }

    void abandonedRunLeavesTheFileAndCanRestart()
    {
        Run run;
        const QByteArray old = testData(QStringLiteral("app/old_binds.cfg"));
        const QString file = run.place(QStringLiteral("config.cfg"), old);
        run.load(file);
        run.neueConfig(QMessageBox::No);
        answerValidly(run.page(1), QStringLiteral("Ann"));
        pressNext(run.page(1));
        QVERIFY(run.pageShown(2));
        QCOMPARE(readBytes(file), old);
        // Before the final page was reached, "Neue Config" starts over.
        const auto before = run.dialogs.messages.size();
        run.neueConfig(QMessageBox::No);
        QCOMPARE(run.textsSince(before), QStringList{kBackupQuestion});
        QVERIFY(run.pageShown(1));
        QCOMPARE(readBytes(file), old);
        QVERIFY(!isMarkedReadOnly(fsPath(file)));
    }

    void finishedButUnmadeRunHoldsItsFile()
    {
        Run run;
        run.load(run.place(QStringLiteral("config.cfg"), "a \"1\""));
        QVERIFY(run.finishWizard());
        const auto before = run.dialogs.messages.size();
        run.neueConfig(QMessageBox::No);
        QCOMPARE(run.textsSince(before), (QStringList{kBackupQuestion, kCannotCreate}));
        QVERIFY(!run.pageShown(1));
    }

    // ---- "Erstelle Config" --------------------------------------------------

    void makeBeforeTheWizardEndsIsRefused()
    {
        Run run;
        const QString file = run.place(QStringLiteral("config.cfg"), "a \"1\"");
        run.load(file);
        run.erstelleConfig();
        QCOMPARE(run.last().text, kWizardFirst);
        QCOMPARE(run.form->settings().MakeCount, Settings::Flag(0));
        // On the final page and back again: still not finished.
        run.neueConfig(QMessageBox::No);
        for (int n = 1; n <= 10; ++n) {
            answerValidly(run.page(n), QStringLiteral("Ann"));
            pressNext(run.page(n));
            QVERIFY2(run.pageShown(n + 1), qPrintable(QStringLiteral("page %1 kept").arg(n)));
        }
        pressBack(run.page(11));
        run.erstelleConfig();
        QCOMPARE(run.last().text, kWizardFirst);
        QCOMPARE(run.form->settings().MakeCount, Settings::Flag(0));
        QCOMPARE(run.form->settings().LastStep, Settings::Flag(11));
        QCOMPARE(readBytes(file), QByteArray("a \"1\""));
    }

    void wholeFlowOnARealFile()
    {
        Run run;
        const QByteArray old = testData(QStringLiteral("app/old_binds.cfg"));
        const QByteArray golden = testData(QStringLiteral("app/made_from_old_binds.cfg"));
        const QString file = run.place(QStringLiteral("config.cfg"), old);
        writeBytes(run.backupFile(), "earlier backup");
        run.load(file);
        QCOMPARE(run.rtb()->toPlainText(),
                 QStringLiteral("name = \"Old\"\ncl_updaterate = \"100.05\"\n sensitivity  = \"2\"\n"
                                "bind = \"w\"\nBind = \"x\"\nbind = \"F1\"\nbind = \"mwheelup\"\n"));
        QCOMPARE(run.list()->count(), 10);

        // "Nein" writes no backup; "Ja" then restarts the run with one, and
        // says so only once it is written.
        run.neueConfig(QMessageBox::No);
        QCOMPARE(run.form->settings().BackupAnswer, std::string("7"));
        QCOMPARE(readBytes(run.backupFile()), QByteArray("earlier backup"));
        const auto before = run.dialogs.messages.size();
        run.neueConfig(QMessageBox::Yes);
        QCOMPARE(run.form->settings().BackupAnswer, std::string("6"));
        QCOMPARE(run.textsSince(before), (QStringList{kBackupQuestion, kBackupDone}));
        QCOMPARE(run.dialogs.messages[before].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(readBytes(run.backupFile()), backupHeader() + old);
        QVERIFY(run.pageShown(1));

        run.form->hide();
        QCOMPARE(runWizardToEnd(run.form->wizard(), QStringLiteral("Jörg")), 0);
        QVERIFY(run.form->isVisible());
        Settings& settings = run.form->settings();
        QCOMPARE(settings.WizardDone, Settings::Flag(1));
        QCOMPARE(settings.Spielername, std::string(" \"Jörg\""));
        for (auto done : {settings.SpielernameDone, settings.ConnectionDone, settings.VideoDone,
                          settings.SoundDone, settings.mausDone, settings.ConsoleDone, settings.HudDone,
                          settings.NetgraphDone, settings.ViolenceDone, settings.SetinfoDone})
            QCOMPARE(done, Settings::Flag(1));
        QCOMPARE(readBytes(file), old);
        setGoldenAnswers(settings);

        const auto made = run.dialogs.messages.size();
        run.erstelleConfig();
        QCOMPARE(run.textsSince(made), QStringList{kMade});
        QCOMPARE(readBytes(file), golden);
        QVERIFY(isMarkedReadOnly(fsPath(file)));
        const QStringList lines = latin1Lines(golden);
        QCOMPARE(run.listItems(), lines);
        QVERIFY(!run.list()->isHidden());
        QCOMPARE(run.label("lblCfg")->text(), QStringLiteral("%1 Einträge in der neuen Config").arg(lines.size()));
        QVERIFY(lines.size() < 200);
        QCOMPARE(run.label("lblCfgoMeterStatus")->text(), kRed);
        QCOMPARE(run.label("lblCfgoMeterStatus")->palette().color(QPalette::WindowText), QColor(255, 0, 0));

        // Only one make per run; the refusal hides the list.
        run.erstelleConfig();
        QCOMPARE(run.last().text, kOnlyOnce);
        QVERIFY(run.list()->isHidden());
        QCOMPARE(settings.MakeCount, Settings::Flag(2));

        // The made file is read-only, so "Neue Config" refuses; loading it
        // clears the mark, and a new pass then neither makes nor empties it.
        run.neueConfig(QMessageBox::No);
        QCOMPARE(run.last().text, kCannotCreate);
        run.open(file);
        QVERIFY(!isMarkedReadOnly(fsPath(file)));
        run.neueConfig(QMessageBox::No);
        QCOMPARE(passWizardAsLeft(run.form->wizard()), 0);
        run.erstelleConfig();
        QCOMPARE(run.last().text, kOnlyOnce);
        QCOMPARE(readBytes(file), golden);
    }

    void bindMessageOnlyForAnEmptyList_data()
    {
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<bool>("message");
        QTest::addColumn<QByteArray>("carried");
        QTest::newRow("empty old config") << QByteArray() << true << QByteArray();
        QTest::newRow("lines, none with bind") << QByteArray("a \"1\"\r\nBIND x\r\n") << false << QByteArray();
        QTest::newRow("bind lines") << QByteArray("x\r\n\tbind \"a\" \"b\" \r\nunbind y\r\n") << false
                                    << QByteArray("\tbind \"a\" \"b\" \r\nunbind y");
    }
    void bindMessageOnlyForAnEmptyList()
    {
        QFETCH(QByteArray, old);
        QFETCH(bool, message);
        QFETCH(QByteArray, carried);
        Run run;
        const QString file = run.place(QStringLiteral("config.cfg"), old);
        run.load(file);
        QVERIFY(run.finishWizard());
        const auto before = run.dialogs.messages.size();
        run.erstelleConfig();
        QCOMPARE(run.textsSince(before), (message ? QStringList{kNoBinds, kMade} : QStringList{kMade}));
        if (message)
            QCOMPARE(run.dialogs.messages[before].title, QStringLiteral("CS Quorvix 03c"));
        // What follows the writer's last line, "_cl_autowepswitch" and value.
        const QByteArray made = readBytes(file);
        const qsizetype last = made.lastIndexOf("\r\n_cl_autowepswitch \"");
        QVERIFY(last >= 0);
        QCOMPARE(made.mid(made.indexOf("\r\n", last + 2) + 2), carried);
    }

    void ratingAroundTheThreshold_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("rating");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("199") << 199 << kRed << QColor(255, 0, 0);
        QTest::newRow("200") << 200 << kBlue << QColor(0, 0, 255);
    }
    void ratingAroundTheThreshold()
    {
        QFETCH(int, entries);
        QFETCH(QString, rating);
        QFETCH(QColor, colour);
        Run run;
        // The generated part of a fresh record, topped up with bind lines.
        ByteBufferOutput generated;
        WriteConfig(Settings{}, generated);
        QByteArray old;
        for (auto i = splitLines(generated.bytes()).size(); i < std::size_t(entries); ++i)
            old += "bind \"k" + QByteArray::number(qulonglong(i)) + "\" \"x\"\r\n";
        run.load(run.place(QStringLiteral("config.cfg"), old));
        run.neueConfig(QMessageBox::No);
        run.page(1)->hide();
        run.form->settings().WizardDone = 1;
        run.erstelleConfig();
        QCOMPARE(run.list()->count(), entries);
        QCOMPARE(run.label("lblCfg")->text(), QStringLiteral("%1 Einträge in der neuen Config").arg(entries));
        QCOMPARE(run.label("lblCfgoMeterStatus")->text(), rating);
        QCOMPARE(run.label("lblCfgoMeterStatus")->palette().color(QPalette::WindowText), colour);
    }

    void failedMakeLeavesFileAndTheOneMake()
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
        QVERIFY(run.last().text.contains(QStringLiteral("\u2192")));
        QVERIFY(run.last().text.contains(QStringLiteral("unverändert")));
        QCOMPARE(readBytes(file), old);
        QVERIFY(!isMarkedReadOnly(fsPath(file)));
        QCOMPARE(run.form->settings().MakeCount, Settings::Flag(0));
        QVERIFY(run.list()->isHidden() && run.label("lblCfg")->text().isEmpty());
        QCOMPARE(QDir(run.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        // Fixed, the same run makes its config.
        run.form->settings().CfgGamma = "2";
        run.erstelleConfig();
        QCOMPARE(run.last().text, kMade);
        QVERIFY(readBytes(file).contains("gamma \"2\"\r\n"));

        // A folder that vanished: the same, nothing used up.
        Run gone;
        QDir(gone.dir.path()).mkdir(QStringLiteral("game"));
        gone.load(gone.place(QStringLiteral("game/config.cfg"), "a \"1\""));
        QVERIFY(gone.finishWizard());
        QVERIFY(QDir(gone.path(QStringLiteral("game"))).removeRecursively());
        gone.erstelleConfig();
        QCOMPARE(gone.last().icon, QMessageBox::Critical);
        QCOMPARE(gone.form->settings().MakeCount, Settings::Flag(0));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
