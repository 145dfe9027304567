#include "app/MainWindow.h"

#include "app/BackupFolder.h"
#include "app/FilePaths.h"
#include "app/GameFolder.h"
#include "app/InfoWindow.h"
#include "app/RestoreWindow.h"
#include "common/Addresses.h"
#include "oldconfig/Backup.h"
#include "oldconfig/BackupHistory.h"
#include "oldconfig/ConfigFile.h"
#include "oldconfig/EntryMeter.h"
#include "oldconfig/Preview.h"
#include "oldconfig/ui/ColouredView.h"
#include "oldconfig/ui/PreviewWindow.h"
#include "ui/NamedFrame.h"
#include "ui/UserDialogs.h"
#include "ui/WindowFit.h"
#include "wizard/pages/AccessibleNames.h"
#include "wizard/pages/Wizard.h"
#include "writer/WriteConfig.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTextEdit>
#include <QUrl>
#include <QVBoxLayout>

#include <string>

namespace quorvix {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// Texts of the main window, exactly as the user sees them.
namespace says {
constexpr const char* kCaption =
    "Counterstrike Quorvix v0.3b by Drelvik #Quorvix powered by #Tandrel";
constexpr const char* kLoading = "Lade deine alte Counterstrike-Config";
constexpr const char* kDialogTitle = "Alte Config laden";
constexpr const char* kDialogFilter = "*.cfg";
constexpr const char* kDialogPreset = "Config";
constexpr const char* kBackupQuestion = "Soll ein Backup deiner alten Config erstellt werden?";
constexpr const char* kBackupDone = "Backup deiner Config wurde im Quorvix Ordner erstellt!";
constexpr const char* kBackupFailed = "Es ist ein Fehler beim Backup der Config aufgetreten!";
constexpr const char* kCannotCreate =
    "Es ist ein Fehler beim erstellen der Config aufgetretetn!"
    "(evt.ist alte Cfg Schreibgeschützt)";
constexpr const char* kWizardFirst = "Drücke zuerst auf Neue Config!";
constexpr const char* kOnlyOnce = "Du darfst nur 1 mal die Config erstellen!";
constexpr const char* kNoBinds = "In der Config sind KEINE Bind's enthalten";
constexpr const char* kNoBindsTitle = "CS Quorvix 03c";
constexpr const char* kMade =
    "Die neue Config ist erstellt worden.Du kannst sofort mit spielen anfangen.";
constexpr const char* kRefused = "Es wurde keine neue Config begonnen:\n%1";
constexpr const char* kTooLarge = "%1\n\nDeine Config bleibt, wie sie ist.";
constexpr const char* kChangedOnDisk =
    "Die Config „%1“ wurde geändert, seit Quorvix sie geladen hat (zum Beispiel vom Spiel "
    "beim Beenden oder von einem anderen Programm).\n\n"
    "Die neue Config übernimmt die Bind-Zeilen der Datei, wie sie jetzt ist: %2 statt %3. "
    "Die jetzige Datei wird vorher im Backup-Verlauf gesichert.\n\n"
    "Soll die neue Config jetzt erstellt werden? Mit „Nein“ bleibt alles, wie es ist.";
constexpr const char* kHistoryFailed =
    "Die Config konnte nicht im Backup-Verlauf gesichert werden, darum wurde nichts "
    "geschrieben:\n%1";
constexpr const char* kMakeFailed =
    "Die neue Config konnte nicht geschrieben werden:\n%1\n\n"
    "Deine alte Config ist unverändert geblieben. Du kannst es nach dem "
    "Beheben des Problems mit \"Erstelle Config\" noch einmal versuchen.";
constexpr const char* kTarget = "Zieldatei: %1";
constexpr const char* kWritten = "Geschrieben: %1";
constexpr const char* kRewrittenByGame =
    "Hinweis: Das Spiel schreibt die config.cfg beim Beenden neu. Was bleiben soll, "
    "gehört in die userconfig.cfg im selben Ordner.";
constexpr const char* kPreviewFailed = "Die Vorschau ist nicht möglich:\n%1";
constexpr const char* kPreviewReady =
    "Zeigt, was „Erstelle Config“ schreiben wird, ohne etwas zu schreiben.";
constexpr const char* kPreviewNotYet =
    "Die Vorschau gibt es, sobald du mit „Neue Config“ alle Schritte durchlaufen hast.";
constexpr const char* kPreviewMade = "Die Config ist schon erstellt.";
} // namespace says

constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

// The menu items that open one of our addresses. Captions carry their
// access key after the "&", which the menu shows as an underline.
struct WebItem {
    const char* objectName;
    const char* caption;
    const char* address;
};
constexpr WebItem kWebItems[] = {
    {"mnuQuorvixhp", "Die #&Quorvix Seite besuchen", address::kProductPage},
    {"mnuTandrelhp", "Die #&Tandrel Seite besuchen", address::kPartnerPage},
    {"mnuChannel", "Den #Quorvix &Channel im Qnet besuchen", address::kChatChannel},
};

} // namespace

MainWindow::MainWindow(UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent)
    , m_dialogs(dialogs)
    , m_chosenPath(text(says::kDialogPreset))
    , m_clock([] { return std::chrono::system_clock::now(); })
{
    setupWindow();
    setupMenu();
    setupWizard();
    updatePreviewItems();
    nameForScreenReaders(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::setupWindow()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(text(says::kCaption));

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form1Inhalt"));
    new QVBoxLayout(central);
    setCentralWidget(central);
    setupViews(central);
    setupResultArea(central);
    setupStatusBar();
}

void MainWindow::showEvent(QShowEvent* event)
{
    // Placed on the screen it opens on, the first time only: later shows
    // (returning from the wizard) leave it where the user put it.
    if (!m_placed) {
        m_placed = true;
        fitOnScreen(this, QSize(860, 560));
    }
    QMainWindow::showEvent(event);
}

void MainWindow::setupViews(QWidget* central)
{
    auto* views = new QHBoxLayout;

    auto* oldFrame = frame("frmAltecfg", "Alte Config", central);
    auto* oldLayout = new QVBoxLayout(oldFrame);
    m_rtb = new QTextEdit(oldFrame);
    m_rtb->setObjectName(QStringLiteral("RTB"));
    m_rtb->setAccessibleName(QStringLiteral("Alte Config"));
    m_rtb->setReadOnly(true);
    m_rtb->setLineWrapMode(QTextEdit::NoWrap);
    oldLayout->addWidget(m_rtb);

    auto* newFrame = frame("frmNeueCfg", "Neue Config", central);
    auto* newLayout = new QVBoxLayout(newFrame);
    m_lstConfig = new QListWidget(newFrame);
    m_lstConfig->setObjectName(QStringLiteral("lstConfig"));
    m_lstConfig->setAccessibleName(QStringLiteral("Neue Config"));
    // Every row is one line of text; telling the view so spares it from
    // measuring tens of thousands of rows one by one.
    m_lstConfig->setUniformItemSizes(true);
    QSizePolicy keepPlace = m_lstConfig->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_lstConfig->setSizePolicy(keepPlace);
    m_lstConfig->hide();
    newLayout->addWidget(m_lstConfig);

    views->addWidget(oldFrame, 1);
    views->addWidget(newFrame, 1);
    static_cast<QVBoxLayout*>(central->layout())->addLayout(views, 1);
}

void MainWindow::setupResultArea(QWidget* central)
{
    auto* row = new QHBoxLayout;

    auto* results = new QVBoxLayout;
    m_lblCfg = new QLabel(central);
    m_lblCfg->setObjectName(QStringLiteral("lblCfg"));
    m_lblCfg->setAccessibleName(QStringLiteral("Einträge"));
    results->addWidget(m_lblCfg);
    auto* meter = frame("frmCfgoMeter", "Config o' Meter", central);
    auto* meterLayout = new QVBoxLayout(meter);
    m_lblCfgoMeterStatus = new QLabel(meter);
    m_lblCfgoMeterStatus->setObjectName(QStringLiteral("lblCfgoMeterStatus"));
    m_lblCfgoMeterStatus->setAccessibleName(QStringLiteral("Config o' Meter"));
    QFont rating = m_lblCfgoMeterStatus->font();
    rating.setBold(true);
    m_lblCfgoMeterStatus->setFont(rating);
    meterLayout->addWidget(m_lblCfgoMeterStatus);
    results->addWidget(meter);
    row->addLayout(results, 1);

    auto* buttons = new QVBoxLayout;
    // Access keys: N and E here, D and ? for the menus; V stays free for
    // a preview button.
    m_cmdCfgNeu = new QPushButton(text("&Neue Config"), central);
    m_cmdCfgNeu->setObjectName(QStringLiteral("cmdCfgNeu"));
    m_cmdMakeCFG = new QPushButton(text("&Erstelle Config"), central);
    m_cmdMakeCFG->setObjectName(QStringLiteral("cmdMakeCFG"));
    m_cmdVorschau = new QPushButton(text("&Vorschau"), central);
    m_cmdVorschau->setObjectName(QStringLiteral("cmdVorschau"));
    buttons->addWidget(m_cmdCfgNeu);
    auto* makeRow = new QHBoxLayout;
    makeRow->addWidget(m_cmdMakeCFG, 1);
    makeRow->addWidget(m_cmdVorschau);
    buttons->addLayout(makeRow);
    buttons->addStretch(1);
    row->addLayout(buttons);

    static_cast<QVBoxLayout*>(central->layout())->addLayout(row);

    connect(m_cmdCfgNeu, &QPushButton::clicked, this, [this] { cmdCfgNeu_Click(); });
    connect(m_cmdMakeCFG, &QPushButton::clicked, this, [this] { cmdMakeCFG_Click(); });
    connect(m_cmdVorschau, &QPushButton::clicked, this, [this] { mnuVorschau_Click(); });
}

void MainWindow::setupStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("Statusleiste"));
    bar->setSizeGripEnabled(false);
    // The hint goes under the path, so that both stay readable in full.
    auto* target = new QWidget(bar);
    auto* lines = new QVBoxLayout(target);
    lines->setContentsMargins(4, 2, 4, 2);
    lines->setSpacing(2);
    m_lblZielDatei = new QLabel(target);
    m_lblZielDatei->setObjectName(QStringLiteral("lblZielDatei"));
    m_lblZielDatei->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_lblHinweis = new QLabel(text(says::kRewrittenByGame), target);
    m_lblHinweis->setObjectName(QStringLiteral("lblHinweis"));
    m_lblHinweis->setWordWrap(true);
    QPalette warning = m_lblHinweis->palette();
    warning.setColor(QPalette::WindowText, QColor(160, 0, 0));
    m_lblHinweis->setPalette(warning);
    lines->addWidget(m_lblZielDatei);
    lines->addWidget(m_lblHinweis);
    bar->addWidget(target, 1);
    showTarget(text(says::kTarget), m_chosenPath);
}

// The game writes its config.cfg anew on every exit, keeping only bindings
// and the settings it tracks itself; the player should know before making
// a config that would mostly be lost.
void MainWindow::showTarget(const QString& caption, const QString& path)
{
    const QFileInfo file(path);
    m_lblZielDatei->setText(caption.arg(QDir::toNativeSeparators(file.absoluteFilePath())));
    // A screen reader must read the file that will be written, not the
    // first one the label showed.
    m_lblZielDatei->setAccessibleName(m_lblZielDatei->text());
    m_lblHinweis->setVisible(
        file.fileName().compare(QStringLiteral("config.cfg"), Qt::CaseInsensitive) == 0);
}

void MainWindow::setupMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("Menue"));

    // In "Datei", w and V stay free for restoring a backup and a preview.
    QMenu* file = bar->addMenu(text("&Datei"));
    file->setObjectName(QStringLiteral("msnDatei"));
    QAction* open = file->addAction(text("&Öffnen"));
    open->setObjectName(QStringLiteral("mnuOpen"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(open, &QAction::triggered, this, [this] { mnuOpen_Click(); });
    QAction* restore = file->addAction(text("Backup &wiederherstellen…"));
    restore->setObjectName(QStringLiteral("mnuRestore"));
    connect(restore, &QAction::triggered, this, [this] { mnuRestore_Click(); });
    m_mnuVorschau = file->addAction(text("&Vorschau…"));
    m_mnuVorschau->setObjectName(QStringLiteral("mnuVorschau"));
    m_mnuVorschau->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(m_mnuVorschau, &QAction::triggered, this, [this] { mnuVorschau_Click(); });
    // Says why the preview is not there yet.
    file->setToolTipsVisible(true);
    QAction* end = file->addAction(text("&Beenden"));
    end->setObjectName(QStringLiteral("mnuEnd"));
    end->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(end, &QAction::triggered, this, [this] { mnuEnd_Click(); });

    QMenu* about = bar->addMenu(text("&?"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    QAction* info = about->addAction(text("&Info"));
    info->setObjectName(QStringLiteral("mnuInfo"));
    connect(info, &QAction::triggered, this, [this] { mnuInfo_Click(); });
    for (const WebItem& item : kWebItems) {
        QAction* action = about->addAction(text(item.caption));
        action->setObjectName(QString::fromLatin1(item.objectName));
        const QUrl url(QString::fromLatin1(item.address));
        // The desktop may have nothing to open the address with; the menu
        // then simply does nothing.
        connect(action, &QAction::triggered, this, [this, url] { m_dialogs.openUrl(url); });
    }
}

void MainWindow::setupWizard()
{
    // The pages are windows of their own owned by this one: they stay in
    // front of it and close with it.
    m_wizard = new Wizard(m_settings, m_dialogs, this);
    m_wizard->setParent(this);
    connect(m_wizard, &Wizard::finished, this, [this] { returnFromWizard(); });
}

void MainWindow::setBackupFolder(const QString& folder)
{
    m_backupFolder = folder;
}

void MainWindow::setClock(Clock clock)
{
    m_clock = std::move(clock);
}

void MainWindow::setStampLocale(const QLocale& locale)
{
    m_stampLocale = locale;
}

QString MainWindow::backupFolder() const
{
    return m_backupFolder.isEmpty() ? defaultBackupFolder() : m_backupFolder;
}

QString MainWindow::historyFolder() const
{
    const QString folder = backupFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QString::fromLatin1(kHistoryFolderName));
}

void MainWindow::Form_Load()
{
    m_dialogs.inform(this, text(says::kLoading));
    // A cancelled dialog keeps the file name it had.
    if (const auto chosen = m_dialogs.openFileName(this, text(says::kDialogTitle),
                                                   text(says::kDialogFilter), dialogStart()))
        m_chosenPath = recoverChosenPath(*chosen);
    showTarget(text(says::kTarget), m_chosenPath);

    loadChosen();
}

void MainWindow::loadChosen()
{
    const auto path = toFsPath(m_chosenPath);
    // The file of a running wizard is the run's: reloading it now would
    // swap the lines the run will carry over.
    if (m_runHoldsTarget && sameFile(m_chosenPath, m_runTarget))
        return;
    // Pipes, devices and folders are never read; a missing file is a new,
    // empty config.
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    const bool exists = std::filesystem::exists(status);
    if (exists && !std::filesystem::is_regular_file(status))
        return;
    if (exists) {
        try {
            clearReadOnly(path);
        } catch (const FileError&) {
            return;
        }
    }
    emptyColouredView(*m_rtb);
    // While a run is going on, its old lines stay the working list.
    if (m_runHoldsTarget)
        return;
    try {
        LoadedConfig loaded = loadConfig(path);
        m_loaded = std::move(loaded);
        fillList();
        appendColouredEntries(*m_rtb, m_loaded.lines);
    } catch (const ConfigTooLarge& error) {
        m_dialogs.fail(this, text(says::kTooLarge).arg(QString::fromUtf8(error.what())));
    } catch (const FileError&) {
        // The load step ends silently; the working list stays the file it
        // was read from, which "Neue Config" tells apart from this one.
    } catch (const std::bad_alloc&) {
        // Too large for the memory there is: the views are dropped so that
        // they do not show half a file, and nothing is loaded.
        emptyColouredView(*m_rtb);
        m_loaded = LoadedConfig{};
        m_lstConfig->clear();
        m_dialogs.fail(this, text(says::kTooLarge).arg(QString::fromUtf8(ConfigTooLarge(
            "Die Datei " + path.filename().string() + " ist zu gro\u00DF f\u00FCr eine Config.").what())));
    }
}

// Until a file has been chosen, the dialog starts where the game keeps its
// configs, when it can be found.
QString MainWindow::dialogStart() const
{
    const QString preset = text(says::kDialogPreset);
    return m_chosenPath != preset ? m_chosenPath : firstDialogPath(preset);
}

void MainWindow::mnuOpen_Click()
{
    Form_Load();
}

void MainWindow::mnuEnd_Click()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void MainWindow::mnuInfo_Click()
{
    if (!m_info)
        m_info = new InfoWindow(m_dialogs, this);
    m_info->show();
    m_info->raise();
}

void MainWindow::cmdCfgNeu_Click()
{
    // A run that never reached the final page is abandoned and lets go of
    // its file; one that did keeps it until its config is made.
    if (m_settings.LastStep < kPageCount)
        m_runHoldsTarget = false;

    // The working list must be the chosen file's lines (or the file a new,
    // empty one); otherwise nothing happens at all, not even the backup.
    if (const std::string why = whyRunRefused(m_loaded, toFsPath(m_chosenPath)); !why.empty()) {
        m_dialogs.fail(this, text(says::kRefused).arg(QString::fromStdString(why)));
        show();
        return;
    }

    // The answer is kept as the classic message-box code: 6 Yes, 7 No.
    const bool backup = m_dialogs.askYesNo(this, text(says::kBackupQuestion));
    m_settings.BackupAnswer = std::to_string(backup ? kAnswerYes : kAnswerNo);
    if (backup)
        cfgbackup();

    // Nothing is written here: the file is replaced by the make only, so an
    // abandoned wizard leaves the old config as it was. Whether the make
    // will be able to replace it is checked now, before the user answers
    // eleven pages for nothing.
    if (m_runHoldsTarget || !whyNotWritable(toFsPath(m_chosenPath)).empty()) {
        m_dialogs.fail(this, text(says::kCannotCreate));
        show();
        return;
    }
    m_runTarget = m_chosenPath;
    m_runHoldsTarget = true;
    m_wizard->showPage(1);
}

void MainWindow::cfgbackup()
{
    // The success message comes only once the file is really written.
    try {
        const QString folder = backupFolder();
        if (folder.isEmpty())
            throw FileError("Kein beschreibbarer Ordner für das Backup");
        const QString file = QDir(folder).filePath(QString::fromLatin1(kBackupFileName));
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
            m_clock().time_since_epoch()).count();
        writeBackup(toFsPath(file), m_loaded.lines,
                    backupStamp(m_stampLocale, QDateTime::fromSecsSinceEpoch(seconds)));
        // The history keeps the file's own bytes: configBACKUP.cfg is
        // replaced by every backup, an entry never is.
        if (!m_loaded.isNew)
            addToHistory(snapshotConfig(m_loaded.path), m_loaded.path);
    } catch (const FileError&) {
        m_dialogs.fail(this, text(says::kBackupFailed));
        return;
    }
    m_dialogs.inform(this, text(says::kBackupDone));
}

void MainWindow::cmdMakeCFG_Click()
{
    makeConfig();
    updatePreviewItems();
}

void MainWindow::makeConfig()
{
    m_lstConfig->hide();
    if (m_settings.WizardDone == 0) {
        m_dialogs.inform(this, text(says::kWizardFirst));
        return;
    }
    const Settings::Flag makesBefore = m_settings.MakeCount;
    raiseSaturating(m_settings.MakeCount);
    if (m_settings.MakeCount >= 2) {
        m_dialogs.inform(this, text(says::kOnlyOnce));
        return;
    }

    MadeConfig made;
    try {
        // The file as it is now decides what is carried over; it is kept in
        // the history before it is replaced, whatever the backup answer was.
        const MakePlan plan = planMake(m_loaded);
        if (plan.changedOnDisk && !makeAfterChangeOnDisk(plan)) {
            m_settings.MakeCount = makesBefore;
            return;
        }
        if (plan.now.exists) {
            try {
                addToHistory(plan.now, m_loaded.path);
            } catch (const FileError& error) {
                m_settings.MakeCount = makesBefore;
                m_dialogs.fail(this, text(says::kHistoryFailed).arg(QString::fromUtf8(error.what())));
                return;
            }
        }
        made = makeConfigFile(
            m_loaded.path, [this](LineOutput& out) { WriteConfig(m_settings, out); }, plan.carried);
        m_loaded.lines = plan.carried;
    } catch (const FileError& error) {
        // The old file is untouched, so the one make of this run is not
        // used up: the user may fix the cause and try again.
        m_settings.MakeCount = makesBefore;
        m_dialogs.fail(this, text(says::kMakeFailed).arg(QString::fromUtf8(error.what())));
        return;
    }
    m_runHoldsTarget = false;
    showTarget(text(says::kWritten), m_runTarget);
    if (m_loaded.lines.empty())
        m_dialogs.inform(this, text(says::kNoBinds), text(says::kNoBindsTitle));
    // From here on the working list is the made file's.
    m_loaded.isNew = false;
    m_loaded.fingerprint = made.fingerprint;
    m_loaded.identity = {};
    currentIdentity(m_loaded.path, m_loaded.identity);
    ViewConfig(made.lines);
}

bool MainWindow::makeAfterChangeOnDisk(const MakePlan& plan)
{
    return m_dialogs.askYesNo(this, text(says::kChangedOnDisk)
                                        .arg(fromFsPath(m_loaded.path))
                                        .arg(bindLineCount(plan.carried))
                                        .arg(bindLineCount(m_loaded.lines)));
}

void MainWindow::addToHistory(const ConfigSnapshot& snapshot, const std::filesystem::path& file)
{
    const QString folder = historyFolder();
    if (folder.isEmpty())
        throw FileError("Kein beschreibbarer Ordner f\u00FCr den Backup-Verlauf");
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(m_clock().time_since_epoch());
    BackupHistory(toFsPath(folder)).add(file, snapshot.bytes, seconds.count());
}

void MainWindow::mnuRestore_Click()
{
    if (!m_restore) {
        m_restore = new RestoreWindow(m_dialogs, this);
        connect(m_restore, &RestoreWindow::restored, this, [this](const QString& file) {
            m_chosenPath = file;
            loadChosen();
        });
    }
    m_restore->showHistory(historyFolder(), m_stampLocale);
}

void MainWindow::mnuVorschau_Click()
{
    if (m_settings.WizardDone == 0 || m_settings.MakeCount > 0)
        return;
    // The make's own steps on the file as it is now, run into memory.
    RawLines old;
    ConfigPreview preview;
    try {
        MakePlan plan = planMake(m_loaded);
        preview = previewConfig([this](LineOutput& out) { WriteConfig(m_settings, out); },
                                plan.carried);
        old = std::move(plan.carried);
    } catch (const FileError& error) {
        m_dialogs.fail(this, text(says::kPreviewFailed).arg(QString::fromUtf8(error.what())));
        return;
    }
    if (m_preview)
        m_preview->close();
    m_preview = new PreviewWindow(old, preview, this);
    fitOnScreen(m_preview, QSize(1000, 680), this);
    m_preview->show();
    m_preview->raise();
    m_preview->activateWindow();
}

// The preview shows what the one make of this run would write: there is
// none before the wizard is through, and none once the config is made.
void MainWindow::updatePreviewItems()
{
    const bool made = m_settings.MakeCount > 0;
    const bool ready = m_settings.WizardDone > 0 && !made;
    const QString why = text(ready ? says::kPreviewReady
                                   : made ? says::kPreviewMade : says::kPreviewNotYet);
    m_cmdVorschau->setEnabled(ready);
    m_cmdVorschau->setToolTip(why);
    m_mnuVorschau->setEnabled(ready);
    m_mnuVorschau->setToolTip(why);
}

void MainWindow::ViewConfig(const RawLines& newLines)
{
    m_loaded.lines = newLines;
    fillList();
    m_lstConfig->show();

    m_lblCfg->setText(QString::fromStdString(entryCountText(m_loaded.lines.size())));
    const Rating rating = rateConfig(m_loaded.lines.size());
    QPalette palette = m_lblCfgoMeterStatus->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(rating.rgb));
    m_lblCfgoMeterStatus->setPalette(palette);
    m_lblCfgoMeterStatus->setText(QString::fromStdString(rating.text));

    m_dialogs.inform(this, text(says::kMade));
}

void MainWindow::fillList()
{
    QStringList items;
    items.reserve(static_cast<qsizetype>(m_loaded.lines.size()));
    for (const RawLine& line : m_loaded.lines)
        items.append(decodedCp1252(line));
    m_lstConfig->clear();
    m_lstConfig->addItems(items);
}

void MainWindow::returnFromWizard()
{
    updatePreviewItems();
    show();
    raise();
    activateWindow();
    // The one step left is the make; Return now presses it.
    m_cmdMakeCFG->setDefault(true);
    m_cmdMakeCFG->setFocus(Qt::OtherFocusReason);
}

} // namespace quorvix
