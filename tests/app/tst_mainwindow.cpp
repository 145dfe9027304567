#include "app/InfoWindow.h"
#include "app/MainWindow.h"
#include "common/Addresses.h"
#include "common/TextLines.h"
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

#include <filesystem>
#include <memory>
#include <optional>

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
    std::unique_ptr<MainWindow> form;

    Run()
    {
        form = std::make_unique<MainWindow>(dialogs);
        QDir(dir.path()).mkdir(QStringLiteral("backup"));
        form->setBackupFolder(backupFolder());
        form->setClock([] {
            return std::chrono::system_clock::time_point(
                std::chrono::seconds(kBackupTime.toSecsSinceEpoch()));
        });
        form->show();
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    QString backupFolder() const { return dir.filePath(QStringLiteral("backup")); }
    QString backupFile() const { return backupFolder() + QStringLiteral("/configBACKUP.cfg"); }

    QString place(const QString& name, const QByteArray& bytes) const
    {
        const QString file = path(name);
        writeBytes(file, bytes);
        return file;
    }

    // The load step with the dialog answering `file` (nothing = cancel).
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
    void neueConfig(QMessageBox::StandardButton backupAnswer)
    {
        dialogs.answers.push_back(backupAnswer);
        click(button("cmdCfgNeu"));
    }
    void erstelleConfig() { click(button("cmdMakeCFG")); }

    QPushButton* button(const char* name) const
    {
        return form->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QTextEdit* rtb() const { return form->findChild<QTextEdit*>(QStringLiteral("RTB")); }
    QListWidget* list() const { return form->findChild<QListWidget*>(QStringLiteral("lstConfig")); }
    QLabel* label(const char* name) const
    {
        return form->findChild<QLabel*>(QString::fromLatin1(name));
    }
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
};

// The text of the lines as the list shows them.
QStringList decodedLines(const QByteArray& bytes)
{
    QStringList lines;
    for (const RawLine& line : splitLines(std::string_view(bytes.constData(), bytes.size())))
        lines << QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
    return lines;
}

struct Piece {
    QString text;
    QColor colour;
};

// The coloured view as runs of equally coloured text, paragraph by paragraph.
QList<QList<Piece>> colouredPieces(QTextEdit* view)
{
    QList<QList<Piece>> paragraphs;
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next()) {
        QList<Piece> pieces;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QColor colour = fragment.charFormat().foreground().color();
            if (!pieces.isEmpty() && pieces.last().colour == colour)
                pieces.last().text += fragment.text();
            else
                pieces.append({fragment.text(), colour});
        }
        if (!pieces.isEmpty())
            paragraphs.append(pieces);
    }
    return paragraphs;
}

QByteArray backupHeader()
{
    const QByteArray stars(43, '*');
    return stars + "\r\n**************Config Backup****************\r\n" + stars + "\r\n\r\n"
           + "Datum:" + kBackupTime.toString(QStringLiteral("dd.MM.yyyy")).toLatin1()
           + " Zeit:" + kBackupTime.toString(QStringLiteral("hh:mm:ss")).toLatin1()
           + "\r\n\r\n\r\n";
}

// The answers the golden file was typed for; pages 2 to 10 are checked by
// their own tests, so the make here depends on the main window and the
// writer only.
void setGoldenAnswers(Settings& s)
{
    s.ConnectionDone = s.VideoDone = s.SoundDone = s.mausDone = s.ConsoleDone = 1;
    s.HudDone = s.NetgraphDone = s.ViolenceDone = s.SetinfoDone = 1;
    s.CfgLAN = s.CfgStandleitung = s.CfgADSLfp = s.CfgDSL = s.CfgADSLCableAOL = 0;
    s.CfgSDSL256 = s.CfgDualISDN = s.CfgISDN = s.CfgModem = 0;
    s.CfgQDSL = s.CfgDownL = 1;
    s.CfgVidBest = 1;
    s.CfgVidMittel = 0;
    s.CfgBrightness = "1";
    s.CfgGamma = "2.5";
    s.CfgVMaxFPS = "100";
    s.CfgVZtrick = s.CfgVMMX = 1;
    s.CfgVBUP = s.CfgVPrecache = 0;
    s.CfgSoundHighQ = s.CfgEAX = 1;
    s.CfgSoundSoundprob = s.CfgSoundHLV = 0;
    s.CfgMausFilter = 0;
    s.CfgMSens = "2.5";
    s.CfgMSensratio = "0";
    s.CfgCGS = 1;
    s.CfgCdev = s.CfgCWeiss = s.CfgCBlau = s.CfgCRot = s.CfgCGruen = 0;
    s.CfgConsoleRGB = "255 155 50";
    s.CfgHudDTN = "6";
    s.CfgHudChattime = "0";
    s.CfgHudKaufhis = "2";
    s.CfgHudcenterid = s.CfgHudtakeshot = 1;
    s.CfgHudFS = 0;
    s.CfgNgraphAus = s.CfgNgraph1 = s.CfgNgraph2 = s.CfgNgraphP2 = s.CfgNgraphP3 = 0;
    s.CfgNgraph3 = s.CfgNgraphP1 = 1;
    s.CfgNetghight = "";
    s.CfgNetgwidth = "200";
    s.CfgViolenceBlutan = 0;
    s.CfgHelpM = s.Cfgfrendm = s.CfgLeftHand = s.CfgAutoWS = 1;
    s.CfgMapbrief = s.CfgVGUI = s.CfgdynChr = 0;
}

// Starts a run without a backup and finishes the wizard through its pages.
bool finishWizard(Run& run, const QString& name = QStringLiteral("Jörg"))
{
    run.neueConfig(QMessageBox::No);
    if (!run.pageShown(1))
        return false;
    return runWizardToEnd(run.form->wizard(), name) == 0;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_cwd = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(m_cwd); }

    // ---- the window itself ------------------------------------------------

    void controlsCarryTheirNamesAndTexts_data();
    void controlsCarryTheirNamesAndTexts();
    void startsEmptyWithTheListHidden();
    void menuItems_data();
    void menuItems();
    void webItemsOpenOurAddressesAndIgnoreFailure_data();
    void webItemsOpenOurAddressesAndIgnoreFailure();
    void infoWindowIsMadeOnceAndNotModal();
    void beendenClosesEveryWindow();

    // ---- the load step -----------------------------------------------------

    void loadStepAsksThenOpensTheDialog();
    void colouredViewShowsQuotedEntries_data();
    void colouredViewShowsQuotedEntries();
    void colouredViewPiecesHaveTheirColours();
    void cancelAtFirstLoadKeepsThePresetAndWorksInTheCurrentFolder();
    void openWithAnotherFileReplacesBothViews();
    void loadClearsTheReadOnlyMark();
    void failuresAfterTheDialogEndSilently();
    void openDuringAWizardRun();

    // ---- "Neue Config" -----------------------------------------------------

    void backupYesWritesTheWorkingListFirst();
    void backupNoWritesNothing();
    void failedBackupReportsOnlyTheError();
    void neueConfigLeavesTheOldFileAlone();
    void neueConfigRefusesAFileItCannotReplace_data();
    void neueConfigRefusesAFileItCannotReplace();
    void abandonedRunCanBeRestarted();
    void finishedButUnmadeRunHoldsItsFile();

    // ---- "Erstelle Config" --------------------------------------------------

    void makeBeforeTheWizardEndsIsRefused();
    void wholeFlowOnARealFile();
    void bindMessageOnlyForAnEmptyList_data();
    void bindMessageOnlyForAnEmptyList();
    void ratingAroundTheThreshold_data();
    void ratingAroundTheThreshold();
    void failedMakeLeavesFileAndTheOneMake();
    void makeIntoAVanishedFolderFails();

private:
    QString m_cwd;
};

// ---- the window itself ------------------------------------------------------

void MainWindowTest::controlsCarryTheirNamesAndTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("frmAltecfg") << "frmAltecfg" << "Alte Config";
    QTest::newRow("frmNeueCfg") << "frmNeueCfg" << "Neue Config";
    QTest::newRow("frmCfgoMeter") << "frmCfgoMeter" << "Config o' Meter";
    QTest::newRow("cmdCfgNeu") << "cmdCfgNeu" << "Neue Config";
    QTest::newRow("cmdMakeCFG") << "cmdMakeCFG" << "Erstelle Config";
    QTest::newRow("RTB") << "RTB" << QString();
    QTest::newRow("lstConfig") << "lstConfig" << QString();
    QTest::newRow("lblCfg") << "lblCfg" << QString();
    QTest::newRow("lblCfgoMeterStatus") << "lblCfgoMeterStatus" << QString();
}

void MainWindowTest::controlsCarryTheirNamesAndTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    Run run;
    QCOMPARE(run.form->objectName(), QStringLiteral("Form1"));
    QCOMPARE(run.form->windowTitle(),
             QStringLiteral("Counterstrike Quorvix v0.3b by Drelvik #Quorvix powered by #Tandrel"));
    auto* widget = run.form->findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    QVERIFY(!widget->accessibleName().isEmpty());
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        QCOMPARE(frame->title(), caption);
    else if (auto* button = qobject_cast<QPushButton*>(widget))
        QCOMPARE(button->text(), caption);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        QCOMPARE(label->text(), caption);
}

void MainWindowTest::startsEmptyWithTheListHidden()
{
    Run run;
    QVERIFY(run.rtb()->isReadOnly());
    QVERIFY(run.rtb()->document()->isEmpty());
    QVERIFY(run.list()->isHidden());
    QCOMPARE(run.list()->count(), 0);
    QVERIFY(run.label("lblCfg")->text().isEmpty());
    QVERIFY(run.label("lblCfgoMeterStatus")->text().isEmpty());
    // The two views share the width, the old config on the left.
    auto* left = run.form->findChild<QWidget*>(QStringLiteral("frmAltecfg"));
    auto* right = run.form->findChild<QWidget*>(QStringLiteral("frmNeueCfg"));
    QVERIFY(left->geometry().right() < right->geometry().left());
    QVERIFY(run.list()->parentWidget() == right && run.rtb()->parentWidget() == left);
    // "Erstelle Config" sits below "Neue Config".
    QVERIFY(run.button("cmdMakeCFG")->geometry().top() > run.button("cmdCfgNeu")->geometry().bottom());
}

void MainWindowTest::menuItems_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("menuTitle");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::newRow("Öffnen") << "msnDatei" << "Datei" << "mnuOpen" << "Öffnen"
                            << QKeySequence(QStringLiteral("Ctrl+O"));
    QTest::newRow("Beenden") << "msnDatei" << "Datei" << "mnuEnd" << "Beenden"
                             << QKeySequence(QStringLiteral("Ctrl+E"));
    QTest::newRow("Info") << "mnuAbout" << "?" << "mnuInfo" << "Info" << QKeySequence();
    QTest::newRow("product") << "mnuAbout" << "?" << "mnuQuorvixhp"
                             << "Die #Quorvix Seite besuchen" << QKeySequence();
    QTest::newRow("partner") << "mnuAbout" << "?" << "mnuTandrelhp"
                             << "Die #Tandrel Seite besuchen" << QKeySequence();
    QTest::newRow("channel") << "mnuAbout" << "?" << "mnuChannel"
                             << "Den #Quorvix Channel im Qnet besuchen" << QKeySequence();
}

void MainWindowTest::menuItems()
{
    QFETCH(QString, menu);
    QFETCH(QString, menuTitle);
    QFETCH(QString, item);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    Run run;
    auto* owner = run.form->findChild<QMenu*>(menu);
    QVERIFY(owner);
    QCOMPARE(owner->title(), menuTitle);
    auto* action = run.form->findChild<QAction*>(item);
    QVERIFY(action);
    QVERIFY(owner->actions().contains(action));
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), shortcut);
}

void MainWindowTest::webItemsOpenOurAddressesAndIgnoreFailure_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("desktopOpens");
    QTest::newRow("product") << "mnuQuorvixhp" << address::kProductPage << true;
    QTest::newRow("partner") << "mnuTandrelhp" << address::kPartnerPage << true;
    QTest::newRow("channel") << "mnuChannel" << address::kChatChannel << true;
    QTest::newRow("channel, no irc client") << "mnuChannel" << address::kChatChannel << false;
}

void MainWindowTest::webItemsOpenOurAddressesAndIgnoreFailure()
{
    QFETCH(QString, item);
    QFETCH(QString, address);
    QFETCH(bool, desktopOpens);
    Run run;
    run.dialogs.desktopOpens = desktopOpens;
    run.form->findChild<QAction*>(item)->trigger();
    QCOMPARE(run.dialogs.openedUrls, QList<QUrl>{QUrl(address)});
    QVERIFY(run.dialogs.messages.isEmpty());
    QVERIFY(QUrl(address).scheme() == QLatin1String("https") || QUrl(address).scheme() == QLatin1String("irc"));
}

void MainWindowTest::infoWindowIsMadeOnceAndNotModal()
{
    Run run;
    auto* info = run.form->findChild<QAction*>(QStringLiteral("mnuInfo"));
    info->trigger();
    info->trigger();
    const auto windows = run.form->findChildren<InfoWindow*>();
    QCOMPARE(windows.size(), 1);
    QVERIFY(windows.first()->isVisible());
    QVERIFY(!windows.first()->isModal());
    // It goes when closed, and the next "Info" makes a new one.
    windows.first()->close();
    settle();
    QVERIFY(run.form->findChildren<InfoWindow*>().isEmpty());
    info->trigger();
    QCOMPARE(run.form->findChildren<InfoWindow*>().size(), 1);
}

void MainWindowTest::beendenClosesEveryWindow()
{
    Run run;
    run.neueConfig(QMessageBox::No);
    QVERIFY(run.pageShown(1));
    run.form->findChild<QAction*>(QStringLiteral("mnuEnd"))->trigger();
    QVERIFY(!run.form->isVisible());
    QVERIFY(!run.pageShown(1));
}

// ---- the load step ----------------------------------------------------------

void MainWindowTest::loadStepAsksThenOpensTheDialog()
{
    Run run;
    const QString file = run.place(QStringLiteral("a.cfg"), "x \"1\"");
    run.load(file);
    QCOMPARE(run.dialogs.messages.size(), 1);
    const RecordedMessage& message = run.dialogs.messages.first();
    QCOMPARE(message.text, kLoading);
    QCOMPARE(message.title, QStringLiteral("Quorvix v0.3b"));
    QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(message.icon, QMessageBox::NoIcon);
    QCOMPARE(run.dialogs.fileDialogs.size(), 1);
    QCOMPARE(run.dialogs.fileDialogs.first().title, QStringLiteral("Alte Config laden"));
    QCOMPARE(run.dialogs.fileDialogs.first().filter, QStringLiteral("*.cfg"));
    QCOMPARE(run.dialogs.fileDialogs.first().preset, QStringLiteral("Config"));
    QCOMPARE(run.form->chosenPath(), file);
    // The next dialog starts from the file chosen last.
    run.open(std::nullopt);
    QCOMPARE(run.dialogs.fileDialogs.last().preset, file);
    QCOMPARE(run.form->chosenPath(), file);
}

void MainWindowTest::colouredViewShowsQuotedEntries_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("lines");

    QTest::newRow("plain entry") << QByteArray("cl_updaterate \"100.05\"\r\n")
                                 << "cl_updaterate = \"100.05\"\n" << 1;
    QTest::newRow("nothing quoted: empty view, every line listed")
        << QByteArray("// comment\r\n\r\n+mlook\r\nsensitivity 2\r\nbind \"w\r\n")
        << QString() << 5;
    QTest::newRow("tab then blank keeps one blank")
        << QByteArray("\t name\"v\"\r\n") << " name = \"v\"\n" << 1;
    QTest::newRow("blank then tab keeps none")
        << QByteArray(" \tname\"v\"\r\n") << "name = \"v\"\n" << 1;
    QTest::newRow("value trimmed, inner tabs removed")
        << QByteArray("a \"  x\ty  \"\r\n") << "a = \"xy\"\n" << 1;
    QTest::newRow("bind line shows its first quoted part")
        << QByteArray("bind \"mouse1\" \"+attack\"\r\n") << "bind = \"mouse1\"\n" << 1;
    QTest::newRow("three quotes") << QByteArray("say \"a\" b\"c\r\n") << "say = \"a\"\n" << 1;
    QTest::newRow("case kept") << QByteArray("Name \"ABC def\"") << "Name = \"ABC def\"\n" << 1;
    QTest::newRow("Windows-1252 decoded")
        << QByteArray("say \"Gr\xfc\xdf\x80\"\r\n") << QStringLiteral("say = \"Grüß€\"\n") << 1;
    QTest::newRow("lone CR ends a line, order kept")
        << QByteArray("b \"2\"\ra \"1\"\r\nc\r\n") << "b = \"2\"\na = \"1\"\n" << 3;
    QTest::newRow("empty value") << QByteArray("x \"\"\r\n") << "x = \"\"\n" << 1;
}

void MainWindowTest::colouredViewShowsQuotedEntries()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, shown);
    QFETCH(int, lines);
    Run run;
    run.load(run.place(QStringLiteral("old.cfg"), file));
    QCOMPARE(run.rtb()->toPlainText(), shown);
    QCOMPARE(run.list()->count(), lines);
    QCOMPARE(static_cast<int>(run.form->workingList().size()), lines);
    QVERIFY(run.list()->isHidden());
}

void MainWindowTest::colouredViewPiecesHaveTheirColours()
{
    Run run;
    run.load(run.place(QStringLiteral("old.cfg"),
                       "cl_updaterate \"100.05\"\r\nno quotes\r\nname \"Jo\xeb\"\r\n"));
    const QColor blue(0, 0, 255), red(255, 0, 0), black(0, 0, 0);
    const auto paragraphs = colouredPieces(run.rtb());
    QCOMPARE(paragraphs.size(), 2);
    const QList<QPair<QString, QColor>> expected[] = {
        {{"cl_updaterate", blue}, {" = \"", black}, {"100.05", red}, {"\"", black}},
        {{"name", blue}, {" = \"", black}, {QStringLiteral("Joë"), red}, {"\"", black}},
    };
    for (int p = 0; p < 2; ++p) {
        QCOMPARE(paragraphs[p].size(), expected[p].size());
        for (int i = 0; i < expected[p].size(); ++i) {
            QCOMPARE(paragraphs[p][i].text, expected[p][i].first);
            QCOMPARE(paragraphs[p][i].colour, expected[p][i].second);
        }
    }
}

void MainWindowTest::cancelAtFirstLoadKeepsThePresetAndWorksInTheCurrentFolder()
{
    Run run;
    QVERIFY(QDir::setCurrent(run.dir.path()));
    run.load(std::nullopt);
    QCOMPARE(run.form->chosenPath(), QStringLiteral("Config"));
    QVERIFY(run.rtb()->document()->isEmpty());
    QCOMPARE(run.list()->count(), 0);
    QCOMPARE(run.dialogs.texts(), QStringList{kLoading});

    // A config made now is "Config" in the current folder; nothing is there
    // before the make.
    QVERIFY(finishWizard(run));
    QVERIFY(!QFile::exists(run.path(QStringLiteral("Config"))));
    run.erstelleConfig();
    QVERIFY(QFile::exists(run.path(QStringLiteral("Config"))));
    // No old lines: the bind message with its own title.
    const auto noBinds = std::find_if(run.dialogs.messages.begin(), run.dialogs.messages.end(),
                                      [](const RecordedMessage& m) { return m.text == kNoBinds; });
    QVERIFY(noBinds != run.dialogs.messages.end());
    QCOMPARE(noBinds->title, QStringLiteral("CS Quorvix 03c"));
    QCOMPARE(run.dialogs.texts().last(), kMade);
}

void MainWindowTest::openWithAnotherFileReplacesBothViews()
{
    Run run;
    run.load(run.place(QStringLiteral("first.cfg"), "a \"1\"\r\nb \"2\"\r\nc"));
    run.open(run.place(QStringLiteral("second.cfg"), "z \"9\"\r\n// only"));
    QCOMPARE(run.rtb()->toPlainText(), QStringLiteral("z = \"9\"\n"));
    QCOMPARE(run.listItems(), (QStringList{"z \"9\"", "// only"}));
    QCOMPARE(run.form->workingList(), (RawLines{"z \"9\"", "// only"}));
    QCOMPARE(run.dialogs.texts(), (QStringList{kLoading, kLoading}));
}

void MainWindowTest::loadClearsTheReadOnlyMark()
{
    Run run;
    const QString file = run.place(QStringLiteral("made.cfg"), "a \"1\"");
    markReadOnly(fsPath(file));
    run.load(file);
    QVERIFY(!isMarkedReadOnly(fsPath(file)));
    QCOMPARE(run.list()->count(), 1);
}

void MainWindowTest::failuresAfterTheDialogEndSilently()
{
    Run run;
    run.load(run.place(QStringLiteral("good.cfg"), "a \"1\"\r\nb"));
    // A file that is gone, and a folder chosen as file: the views keep what
    // they showed and nothing but the loading message appears.
    run.open(run.path(QStringLiteral("missing.cfg")));
    QDir(run.dir.path()).mkdir(QStringLiteral("folder.cfg"));
    run.open(run.path(QStringLiteral("folder.cfg")));
    QCOMPARE(run.rtb()->toPlainText(), QStringLiteral("a = \"1\"\n"));
    QCOMPARE(run.listItems(), (QStringList{"a \"1\"", "b"}));
    QCOMPARE(run.dialogs.texts(), (QStringList{kLoading, kLoading, kLoading}));
    QCOMPARE(run.form->chosenPath(), run.path(QStringLiteral("folder.cfg")));
}

void MainWindowTest::openDuringAWizardRun()
{
    Run run;
    const QString file = run.place(QStringLiteral("old.cfg"), "bind \"w\" \"+forward\"\r\nx \"1\"");
    const QString other = run.place(QStringLiteral("other.cfg"), "y \"2\"");
    run.load(file);
    run.neueConfig(QMessageBox::No);
    QVERIFY(run.pageShown(1));

    // Same file: nothing changes, even though it changed on disk meanwhile.
    writeBytes(file, "changed \"0\"");
    run.open(file);
    QCOMPARE(run.rtb()->toPlainText(), QStringLiteral("bind = \"w\"\nx = \"1\"\n"));
    QCOMPARE(run.form->workingList(), (RawLines{"bind \"w\" \"+forward\"", "x \"1\""}));

    // Another file: the view is emptied, the working list keeps its lines.
    run.open(other);
    QVERIFY(run.rtb()->document()->isEmpty());
    QCOMPARE(run.form->workingList(), (RawLines{"bind \"w\" \"+forward\"", "x \"1\""}));
    QCOMPARE(run.listItems(), (QStringList{"bind \"w\" \"+forward\"", "x \"1\""}));
    QVERIFY(run.pageShown(1));

    // The run goes on and makes the file it was started for, carrying the
    // lines it started with; the other file stays as it was.
    QCOMPARE(runWizardToEnd(run.form->wizard(), QStringLiteral("Ann")), 0);
    run.erstelleConfig();
    QVERIFY(readBytes(file).endsWith("\r\nbind \"w\" \"+forward\""));
    QCOMPARE(readBytes(other), QByteArray("y \"2\""));
}

// ---- "Neue Config" ----------------------------------------------------------

void MainWindowTest::backupYesWritesTheWorkingListFirst()
{
    Run run;
    const QByteArray old = testData(QStringLiteral("app/old_binds.cfg"));
    const QString file = run.place(QStringLiteral("config.cfg"), old);
    run.load(file);
    const auto before = run.dialogs.messages.size();
    run.neueConfig(QMessageBox::Yes);

    QCOMPARE(run.form->settings().BackupAnswer, std::string("6"));
    QCOMPARE(run.textsSince(before), (QStringList{kBackupQuestion, kBackupDone}));
    const RecordedMessage& question = run.dialogs.messages[before];
    QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(question.title, QStringLiteral("Quorvix v0.3b"));
    QCOMPARE(run.dialogs.messages.last().icon, QMessageBox::NoIcon);
    // The old lines exactly as read: tabs, quotes and Windows-1252 bytes.
    QCOMPARE(readBytes(run.backupFile()), backupHeader() + old);
    QVERIFY(run.pageShown(1));
}

void MainWindowTest::backupNoWritesNothing()
{
    Run run;
    run.load(run.place(QStringLiteral("config.cfg"), "a \"1\""));
    writeBytes(run.backupFile(), "earlier backup");
    run.neueConfig(QMessageBox::No);
    QCOMPARE(run.form->settings().BackupAnswer, std::string("7"));
    QCOMPARE(readBytes(run.backupFile()), QByteArray("earlier backup"));
    QCOMPARE(run.dialogs.texts().last(), kBackupQuestion);
    QVERIFY(run.pageShown(1));
}

void MainWindowTest::failedBackupReportsOnlyTheError()
{
    Run run;
    run.load(run.place(QStringLiteral("config.cfg"), "a \"1\""));
    run.form->setBackupFolder(run.path(QStringLiteral("no/such/folder")));
    const auto before = run.dialogs.messages.size();
    run.neueConfig(QMessageBox::Yes);
    QCOMPARE(run.textsSince(before), (QStringList{kBackupQuestion, kBackupFailed}));
    QCOMPARE(run.dialogs.messages.last().icon, QMessageBox::Critical);
    QCOMPARE(run.dialogs.messages.last().title, QStringLiteral("Quorvix v0.3b"));
    QVERIFY(!QFile::exists(run.path(QStringLiteral("no/such/folder/configBACKUP.cfg"))));
    // A failed backup does not stop the run.
    QVERIFY(run.pageShown(1));
}

void MainWindowTest::neueConfigLeavesTheOldFileAlone()
{
    Run run;
    const QByteArray old = testData(QStringLiteral("app/old_binds.cfg"));
    const QString file = run.place(QStringLiteral("config.cfg"), old);
    run.load(file);
    run.neueConfig(QMessageBox::No);
    QVERIFY(run.pageShown(1));
    QCOMPARE(readBytes(file), old);
    QVERIFY(!isMarkedReadOnly(fsPath(file)));
    // Walking into the wizard and away from it changes nothing either.
    answerValidly(run.page(1), QStringLiteral("Ann"));
    pressNext(run.page(1));
    QVERIFY(run.pageShown(2));
    run.page(2)->close();
    QCOMPARE(readBytes(file), old);
}

void MainWindowTest::neueConfigRefusesAFileItCannotReplace_data()
{
    QTest::addColumn<QString>("why");
    QTest::newRow("read-only mark") << "readonly";
    QTest::newRow("folder missing") << "nofolder";
    QTest::newRow("a folder, not a file") << "folder";
}

void MainWindowTest::neueConfigRefusesAFileItCannotReplace()
{
    QFETCH(QString, why);
    Run run;
    QString chosen = run.place(QStringLiteral("config.cfg"), "a \"1\"");
    run.load(chosen);
    if (why == QLatin1String("readonly")) {
        markReadOnly(fsPath(chosen));
    } else if (why == QLatin1String("nofolder")) {
        chosen = run.path(QStringLiteral("gone/config.cfg"));
        run.open(chosen);
    } else {
        chosen = run.path(QStringLiteral("dir.cfg"));
        QDir(run.dir.path()).mkdir(QStringLiteral("dir.cfg"));
        run.open(chosen);
    }
    QCOMPARE(run.form->chosenPath(), chosen);
    const auto before = run.dialogs.messages.size();
    run.neueConfig(QMessageBox::No);
    QCOMPARE(run.textsSince(before), (QStringList{kBackupQuestion, kCannotCreate}));
    QCOMPARE(run.dialogs.messages.last().icon, QMessageBox::Critical);
    QCOMPARE(run.dialogs.messages.last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(!run.page(1));
    QVERIFY(run.form->isVisible());
}

void MainWindowTest::abandonedRunCanBeRestarted()
{
    Run run;
    const QByteArray old = "bind \"a\" \"b\"\r\nx \"1\"";
    const QString file = run.place(QStringLiteral("config.cfg"), old);
    run.load(file);
    run.neueConfig(QMessageBox::No);
    answerValidly(run.page(1), QStringLiteral("Ann"));
    pressNext(run.page(1));
    QVERIFY(run.pageShown(2));
    // Before the final page was reached, "Neue Config" starts over.
    const auto before = run.dialogs.messages.size();
    run.neueConfig(QMessageBox::No);
    QCOMPARE(run.textsSince(before), QStringList{kBackupQuestion});
    QVERIFY(run.pageShown(1));
    QCOMPARE(readBytes(file), old);
}

void MainWindowTest::finishedButUnmadeRunHoldsItsFile()
{
    Run run;
    run.load(run.place(QStringLiteral("config.cfg"), "a \"1\""));
    run.neueConfig(QMessageBox::No);
    // Reaching the final page, even without finishing, keeps the file for
    // this run.
    QCOMPARE(runWizardToEnd(run.form->wizard(), QStringLiteral("Ann")), 0);
    const auto before = run.dialogs.messages.size();
    run.neueConfig(QMessageBox::No);
    QCOMPARE(run.textsSince(before), (QStringList{kBackupQuestion, kCannotCreate}));
    QCOMPARE(run.dialogs.messages.last().icon, QMessageBox::Critical);
    QVERIFY(!run.pageShown(1));
}

// ---- "Erstelle Config" ------------------------------------------------------

void MainWindowTest::makeBeforeTheWizardEndsIsRefused()
{
    Run run;
    const QString file = run.place(QStringLiteral("config.cfg"), "a \"1\"");
    run.load(file);
    run.erstelleConfig();
    QCOMPARE(run.dialogs.texts().last(), kWizardFirst);
    QCOMPARE(run.dialogs.messages.last().icon, QMessageBox::NoIcon);
    QCOMPARE(run.form->settings().MakeCount, Settings::Flag(0));

    // On the final page and back again: still not finished.
    run.neueConfig(QMessageBox::No);
    for (int n = 1; n <= 10; ++n) {
        answerValidly(run.page(n), QStringLiteral("Ann"));
        pressNext(run.page(n));
        settle();
        QVERIFY2(run.pageShown(n + 1), qPrintable(QStringLiteral("page %1 kept").arg(n)));
    }
    QCOMPARE(run.form->settings().LastStep, Settings::Flag(11));
    pressBack(run.page(11));
    QVERIFY(run.pageShown(10));
    run.erstelleConfig();
    QCOMPARE(run.dialogs.texts().last(), kWizardFirst);
    QCOMPARE(run.form->settings().MakeCount, Settings::Flag(0));
    QCOMPARE(run.form->settings().WizardDone, Settings::Flag(0));
    QCOMPARE(readBytes(file), QByteArray("a \"1\""));
}

void MainWindowTest::wholeFlowOnARealFile()
{
    Run run;
    const QByteArray old = testData(QStringLiteral("app/old_binds.cfg"));
    const QByteArray golden = testData(QStringLiteral("app/made_from_old_binds.cfg"));
    QVERIFY(!old.isEmpty() && !golden.isEmpty());
    const QString file = run.place(QStringLiteral("config.cfg"), old);

    run.load(file);
    QCOMPARE(run.rtb()->toPlainText(),
             QStringLiteral("name = \"Old\"\ncl_updaterate = \"100.05\"\n sensitivity  = \"2\"\n"
                            "bind = \"w\"\nBind = \"x\"\nbind = \"F1\"\nbind = \"mwheelup\"\n"));
    QCOMPARE(run.list()->count(), 10);

    // "Nein" first, then the wizard is started again with "Ja".
    run.neueConfig(QMessageBox::No);
    QVERIFY(run.pageShown(1));
    QVERIFY(!QFile::exists(run.backupFile()));
    run.neueConfig(QMessageBox::Yes);
    QCOMPARE(readBytes(run.backupFile()), backupHeader() + old);
    QVERIFY(run.pageShown(1));

    run.form->hide();
    QCOMPARE(runWizardToEnd(run.form->wizard(), QStringLiteral("Jörg")), 0);
    QVERIFY(run.form->isVisible());
    for (int n = 1; n <= 11; ++n)
        QVERIFY(!run.pageShown(n));
    Settings& settings = run.form->settings();
    QCOMPARE(settings.WizardDone, Settings::Flag(1));
    QCOMPARE(settings.LastStep, Settings::Flag(11));
    QCOMPARE(settings.SpielernameDone, Settings::Flag(1));
    QCOMPARE(settings.Spielername, std::string(" \"Jörg\""));
    for (auto done : {settings.ConnectionDone, settings.VideoDone, settings.SoundDone,
                      settings.mausDone, settings.ConsoleDone, settings.HudDone,
                      settings.NetgraphDone, settings.ViolenceDone, settings.SetinfoDone})
        QCOMPARE(done, Settings::Flag(1));
    QCOMPARE(readBytes(file), old);
    setGoldenAnswers(settings);

    const auto before = run.dialogs.messages.size();
    run.erstelleConfig();
    QCOMPARE(run.textsSince(before), QStringList{kMade});
    QCOMPARE(readBytes(file), golden);
    QVERIFY(isMarkedReadOnly(fsPath(file)));
    QCOMPARE(run.listItems(), decodedLines(golden));
    QVERIFY(!run.list()->isHidden());
    const int entries = static_cast<int>(decodedLines(golden).size());
    QCOMPARE(run.label("lblCfg")->text(), QStringLiteral("%1 Einträge in der neuen Config").arg(entries));
    QVERIFY(entries < 200);
    QCOMPARE(run.label("lblCfgoMeterStatus")->text(), kRed);
    QCOMPARE(run.label("lblCfgoMeterStatus")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(settings.MakeCount, Settings::Flag(1));

    // Only one make per run.
    run.erstelleConfig();
    QCOMPARE(run.dialogs.texts().last(), kOnlyOnce);
    QVERIFY(run.list()->isHidden());
    QCOMPARE(run.label("lblCfgoMeterStatus")->text(), kRed);
    QCOMPARE(settings.MakeCount, Settings::Flag(2));
    QCOMPARE(readBytes(file), golden);

    // The made file is read-only: "Neue Config" refuses until it is loaded
    // again, and even then the run makes nothing and empties nothing.
    run.neueConfig(QMessageBox::No);
    QCOMPARE(run.dialogs.texts().last(), kCannotCreate);
    run.open(file);
    QVERIFY(!isMarkedReadOnly(fsPath(file)));
    QCOMPARE(run.form->workingList().size(), std::size_t(195));
    run.neueConfig(QMessageBox::No);
    QVERIFY(run.pageShown(1));
    QCOMPARE(readBytes(file), golden);
    QCOMPARE(passWizardAsLeft(run.form->wizard()), 0);
    run.erstelleConfig();
    QCOMPARE(run.dialogs.texts().last(), kOnlyOnce);
    QCOMPARE(readBytes(file), golden);
}

void MainWindowTest::bindMessageOnlyForAnEmptyList_data()
{
    QTest::addColumn<QByteArray>("old");
    QTest::addColumn<bool>("message");
    QTest::addColumn<QByteArray>("tail");
    QTest::newRow("empty old config") << QByteArray() << true << QByteArray();
    QTest::newRow("lines, none with bind") << QByteArray("a \"1\"\r\nBIND x\r\n") << false
                                           << QByteArray();
    QTest::newRow("bind lines") << QByteArray("x\r\n\tbind \"a\" \"b\" \r\nunbind y\r\n") << false
                                << QByteArray("\tbind \"a\" \"b\" \r\nunbind y");
}

void MainWindowTest::bindMessageOnlyForAnEmptyList()
{
    QFETCH(QByteArray, old);
    QFETCH(bool, message);
    QFETCH(QByteArray, tail);
    Run run;
    const QString file = run.place(QStringLiteral("config.cfg"), old);
    run.load(file);
    QVERIFY(finishWizard(run));
    const auto before = run.dialogs.messages.size();
    run.erstelleConfig();
    const QStringList expected = message ? QStringList{kNoBinds, kMade} : QStringList{kMade};
    QCOMPARE(run.textsSince(before), expected);
    if (message) {
        QCOMPARE(run.dialogs.messages[before].title, QStringLiteral("CS Quorvix 03c"));
        QCOMPARE(run.dialogs.messages[before].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    // What follows the writer's last line, "_cl_autowepswitch" with its value.
    const QByteArray made = readBytes(file);
    const qsizetype last = made.lastIndexOf("\r\n_cl_autowepswitch \"");
    QVERIFY(last >= 0);
    const qsizetype end = made.indexOf("\r\n", last + 2);
    QVERIFY(end > last);
    QCOMPARE(made.mid(end + 2), tail);
}

void MainWindowTest::ratingAroundTheThreshold_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<QString>("rating");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("199") << 199 << kRed << QColor(255, 0, 0);
    QTest::newRow("200") << 200 << kBlue << QColor(0, 0, 255);
    QTest::newRow("201") << 201 << kBlue << QColor(0, 0, 255);
}

void MainWindowTest::ratingAroundTheThreshold()
{
    QFETCH(int, entries);
    QFETCH(QString, rating);
    QFETCH(QColor, colour);
    Run run;
    // How many lines the generated part has for a fresh record; the rest
    // of the entries are bind lines carried over.
    ByteBufferOutput generated;
    WriteConfig(Settings{}, generated);
    const int generatedLines = static_cast<int>(splitLines(generated.bytes()).size());
    QByteArray old;
    for (int i = generatedLines; i < entries; ++i)
        old += "bind \"k" + QByteArray::number(i) + "\" \"x\"\r\n";
    const QString file = run.place(QStringLiteral("config.cfg"), old);
    run.load(file);
    run.neueConfig(QMessageBox::No);
    // Finished without answering: only the run fields of a finished wizard.
    run.page(1)->hide();
    run.form->settings().WizardDone = 1;
    run.erstelleConfig();
    QCOMPARE(run.list()->count(), entries);
    QCOMPARE(run.label("lblCfg")->text(), QStringLiteral("%1 Einträge in der neuen Config").arg(entries));
    QCOMPARE(run.label("lblCfgoMeterStatus")->text(), rating);
    QCOMPARE(run.label("lblCfgoMeterStatus")->palette().color(QPalette::WindowText), colour);
}

void MainWindowTest::failedMakeLeavesFileAndTheOneMake()
{
    Run run;
    const QByteArray old = testData(QStringLiteral("app/old_binds.cfg"));
    const QString file = run.place(QStringLiteral("config.cfg"), old);
    run.load(file);
    QVERIFY(finishWizard(run));
    // A value the config's code page cannot hold makes writing fail half
    // way, as a full disk would.
    run.form->settings().CfgGamma = "2\u2192";
    const auto before = run.dialogs.messages.size();
    run.erstelleConfig();
    QCOMPARE(run.dialogs.messages.size(), before + 1);
    const RecordedMessage& error = run.dialogs.messages.last();
    QCOMPARE(error.icon, QMessageBox::Critical);
    QVERIFY(error.text.contains(QStringLiteral("\u2192")));
    QVERIFY(error.text.contains(QStringLiteral("unverändert")));
    QCOMPARE(readBytes(file), old);
    QVERIFY(!isMarkedReadOnly(fsPath(file)));
    QCOMPARE(run.form->settings().MakeCount, Settings::Flag(0));
    QVERIFY(run.list()->isHidden());
    QVERIFY(run.label("lblCfg")->text().isEmpty());
    QCOMPARE(QDir(run.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    // Fixed, the same run makes its config.
    run.form->settings().CfgGamma = "2";
    run.erstelleConfig();
    QCOMPARE(run.dialogs.texts().last(), kMade);
    QCOMPARE(run.form->settings().MakeCount, Settings::Flag(1));
    QVERIFY(readBytes(file).contains("gamma \"2\"\r\n"));
    QVERIFY(isMarkedReadOnly(fsPath(file)));
}

void MainWindowTest::makeIntoAVanishedFolderFails()
{
    Run run;
    QDir(run.dir.path()).mkdir(QStringLiteral("game"));
    const QString file = run.place(QStringLiteral("game/config.cfg"), "a \"1\"");
    run.load(file);
    QVERIFY(finishWizard(run));
    QVERIFY(QDir(run.path(QStringLiteral("game"))).removeRecursively());
    run.erstelleConfig();
    QCOMPARE(run.dialogs.messages.last().icon, QMessageBox::Critical);
    QCOMPARE(run.form->settings().MakeCount, Settings::Flag(0));
    QVERIFY(!QFile::exists(file));
    QVERIFY(run.list()->isHidden());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
