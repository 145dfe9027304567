#include "app/MainWindow.h"

#include "app/BackupFolder.h"
#include "app/FilePaths.h"
#include "app/GameFolder.h"
#include "app/InfoWindow.h"
#include "app/RestoreWindow.h"
#include "common/Addresses.h"
#include "oldconfig/Backup.h"
#include "oldconfig/BackupHistory.h"
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
constexpr const char* kDiscard = "Die begonnene Config für %1 wird verworfen.";
constexpr const char* kLoadAnyway = "Soll %1 trotzdem geladen werden?";
constexpr const char* kUndoQuestion =
    "Soll die zuletzt erstellte Config %1 rückgängig gemacht werden?\n\n"
    "%2 Ihr jetziger Inhalt wird vorher im Backup-Verlauf gesichert.";
constexpr const char* kUndoPutsBack = "Die Datei bekommt wieder den Inhalt, den sie vor dem Erstellen hatte.";
constexpr const char* kUndoRemoves = "Die Datei gab es vorher nicht und wird wieder entfernt.";
constexpr const char* kUndone = "Die Config %1 ist wieder so, wie sie vor dem Erstellen war.";
constexpr const char* kUndoFailed =
    "Die Config konnte nicht rückgängig gemacht werden:\n%1\n\n"
    "Es wurde nichts verändert. Du kannst es nach dem Beheben des Problems noch einmal versuchen "
    "oder den alten Stand mit „Backup wiederherstellen…“ im Menü „Datei“ zurückspielen.";
constexpr const char* kUndoReady = "Setzt %1 auf den Stand vor dem letzten Erstellen zurück.";
constexpr const char* kUndoNothing = "Rückgängig gibt es, sobald du in diesem Programmlauf eine Config erstellt hast.";
constexpr const char* kUndoDone = "Die zuletzt erstellte Config ist schon rückgängig gemacht.";
} // namespace says

QString quoted(const QString& path) { return QStringLiteral("„%1“").arg(QDir::toNativeSeparators(path)); }

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
    updateItems();
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
    m_mnuUndo = file->addAction(text("Letzte Config &rückgängig"));
    m_mnuUndo->setObjectName(QStringLiteral("mnuUndo"));
    // Only while the main window is active: the pages' text boxes keep
    // their own Ctrl+Z.
    m_mnuUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(m_mnuUndo, &QAction::triggered, this, [this] { mnuUndo_Click(); });
    QAction* restore = file->addAction(text("Backup &wiederherstellen…"));
    restore->setObjectName(QStringLiteral("mnuRestore"));
    connect(restore, &QAction::triggered, this, [this] { mnuRestore_Click(); });
    m_mnuVorschau = file->addAction(text("&Vorschau…"));
    m_mnuVorschau->setObjectName(QStringLiteral("mnuVorschau"));
    m_mnuVorschau->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(m_mnuVorschau, &QAction::triggered, this, [this] { mnuVorschau_Click(); });
    // Says why the preview or the undo is not there.
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
    m_wizard = new Wizard(settings(), m_dialogs, this);
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
    QString chosen = m_chosenPath;
    if (const auto picked = m_dialogs.openFileName(this, text(says::kDialogTitle),
                                                   text(says::kDialogFilter), dialogStart()))
        chosen = recoverChosenPath(*picked);
    if (!mayEndRun(chosen, text(says::kLoadAnyway).arg(quoted(chosen))))
        return;
    m_chosenPath = chosen;
    showTarget(text(says::kTarget), m_chosenPath);
    loadChosen();
}

// Loading another file ends a run left open; answers given on its pages
// are not thrown away without asking.
bool MainWindow::mayEndRun(const QString& file, const QString& question)
{
    if (!m_session.loadEndsRun(toFsPath(file)) || discardNote().isEmpty())
        return true;
    return m_dialogs.askYesNo(this, discardNote() + QStringLiteral("\n\n") + question);
}

QString MainWindow::discardNote() const
{
    const bool answered = m_wizard->visiblePage() || m_session.settings().WizardDone > 0;
    if (m_session.run() != ConfigSession::Run::Open || !answered)
        return {};
    return text(says::kDiscard).arg(quoted(fromFsPath(m_session.loaded().path)));
}

void MainWindow::loadChosen()
{
    try {
        if (!m_session.load(toFsPath(m_chosenPath)))
            return;
    } catch (const ConfigTooLarge& error) {
        m_dialogs.fail(this, text(says::kTooLarge).arg(QString::fromUtf8(error.what())));
        return;
    } catch (const FileError&) {
        // The load step ends silently; the views and the working list stay
        // the file they were read from, which "Neue Config" tells apart.
        return;
    }
    showLoaded();
}

// Every view from the loaded file: its entries, its lines in the (hidden)
// list, no rating of a config not made from it yet, no page of an ended run.
void MainWindow::showLoaded()
{
    for (int n = 1; n <= kPageCount; ++n)
        m_wizard->hidePage(n);
    emptyColouredView(*m_rtb);
    appendColouredEntries(*m_rtb, m_session.loaded().lines);
    fillList();
    m_lstConfig->hide();
    m_lblCfg->clear();
    m_lblCfgoMeterStatus->clear();
    showTarget(text(says::kTarget), m_chosenPath);
    m_cmdMakeCFG->setDefault(false);
    updateItems();
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
    // One make per loaded file: after it, the next run starts from the made
    // file, read again as "Öffnen" reads it.
    try {
        if (m_session.reloadAfterMake())
            showLoaded();
    } catch (const FileError& error) {
        m_dialogs.fail(this, text(says::kRefused).arg(QString::fromUtf8(error.what())));
        return;
    }
    // The working list must be the chosen file's lines (or the file a new,
    // empty one); otherwise nothing happens at all, not even the backup.
    if (const std::string why = m_session.whyNoRun(toFsPath(m_chosenPath)); !why.empty()) {
        m_dialogs.fail(this, text(says::kRefused).arg(QString::fromStdString(why)));
        show();
        return;
    }

    // A file not there yet has nothing to back up. The answer is kept as
    // the classic message-box code: 6 Yes, 7 No.
    if (!m_session.loaded().isNew) {
        const bool backup = m_dialogs.askYesNo(this, text(says::kBackupQuestion));
        settings().BackupAnswer = std::to_string(backup ? kAnswerYes : kAnswerNo);
        if (backup)
            cfgbackup();
    }

    // Nothing is written here: the file is replaced by the make only. Whether
    // the make will be able to replace it is checked now, before the user
    // answers eleven pages for nothing.
    if (!m_session.startRun()) {
        m_dialogs.fail(this, text(says::kCannotCreate));
        show();
        return;
    }
    m_wizard->showPage(1);
}

void MainWindow::cfgbackup()
{
    // The success message comes only once the file is really written.
    try {
        const QString folder = backupFolder();
        if (folder.isEmpty())
            throw FileError("Kein beschreibbarer Ordner für das Backup");
        m_session.backup(toFsPath(QDir(folder).filePath(QString::fromLatin1(kBackupFileName))),
                         backupStamp(m_stampLocale, QDateTime::fromSecsSinceEpoch(now())),
                         toFsPath(historyFolder()), now());
    } catch (const FileError&) {
        m_dialogs.fail(this, text(says::kBackupFailed));
        return;
    }
    historyChanged();
    m_dialogs.inform(this, text(says::kBackupDone));
}

void MainWindow::cmdMakeCFG_Click()
{
    makeConfig();
    updateItems();
}

void MainWindow::makeConfig()
{
    m_lstConfig->hide();
    switch (m_session.pressMake()) {
    case ConfigSession::Press::WizardFirst:
        m_dialogs.inform(this, text(says::kWizardFirst));
        return;
    case ConfigSession::Press::OnlyOnce:
        m_dialogs.inform(this, text(says::kOnlyOnce));
        return;
    case ConfigSession::Press::Make:
        break;
    }
    bool noLines = false;
    try {
        // The file as it is now decides what is carried over.
        const MakePlan plan = m_session.planMake();
        if (plan.changedOnDisk && !makeAfterChangeOnDisk(plan)) {
            m_session.makeNotDone();
            return;
        }
        noLines = plan.carried.empty();
        m_session.make(plan, toFsPath(historyFolder()), now());
    } catch (const HistoryFailed& error) {
        m_dialogs.fail(this, text(says::kHistoryFailed).arg(QString::fromUtf8(error.what())));
        return;
    } catch (const FileError& error) {
        // The old file is untouched, so the one make of this run is not
        // used up: the user may fix the cause and try again.
        m_dialogs.fail(this, text(says::kMakeFailed).arg(QString::fromUtf8(error.what())));
        return;
    }
    historyChanged();
    showTarget(text(says::kWritten), m_chosenPath);
    if (noLines)
        m_dialogs.inform(this, text(says::kNoBinds), text(says::kNoBindsTitle));
    ViewConfig();
}

bool MainWindow::makeAfterChangeOnDisk(const MakePlan& plan)
{
    return m_dialogs.askYesNo(this, text(says::kChangedOnDisk)
                                        .arg(fromFsPath(m_session.loaded().path))
                                        .arg(bindLineCount(plan.carried))
                                        .arg(bindLineCount(m_session.loaded().lines)));
}

std::int64_t MainWindow::now() const
{
    return std::chrono::duration_cast<std::chrono::seconds>(m_clock().time_since_epoch()).count();
}

// An open restore window lists what is kept now, without coming to the front.
void MainWindow::historyChanged()
{
    if (m_restore && m_restore->isVisible())
        m_restore->refresh();
}

void MainWindow::mnuRestore_Click()
{
    if (!m_restore) {
        m_restore = new RestoreWindow(m_dialogs, this);
        // Whatever file it replaces, the restored one is loaded, which ends the run.
        m_restore->setDiscardNote([this] { return discardNote(); });
        connect(m_restore, &RestoreWindow::restored, this, [this](const QString& file) {
            m_session.endRun();
            m_chosenPath = file;
            loadChosen();
        });
    }
    m_restore->showHistory(historyFolder(), m_stampLocale);
}

void MainWindow::mnuUndo_Click()
{
    const auto target = m_session.undoTarget();
    if (target.empty() || m_session.undone())
        return;
    const QString file = quoted(fromFsPath(target));
    QString question = text(says::kUndoQuestion)
                           .arg(file, text(m_session.undoRemoves() ? says::kUndoRemoves : says::kUndoPutsBack));
    if (const QString note = discardNote(); !note.isEmpty())
        question = note + QStringLiteral("\n\n") + question;
    if (!m_dialogs.askYesNo(this, question))
        return;
    try {
        m_session.undo(toFsPath(historyFolder()), now());
    } catch (const FileError& error) {
        m_dialogs.fail(this, text(says::kUndoFailed).arg(QString::fromUtf8(error.what())));
        updateItems();
        return;
    }
    m_chosenPath = fromFsPath(target);
    showLoaded();
    historyChanged();
    m_dialogs.inform(this, text(says::kUndone).arg(file));
}

void MainWindow::mnuVorschau_Click()
{
    if (settings().WizardDone == 0 || settings().MakeCount > 0)
        return;
    // The make's own steps on the file as it is now, run into memory.
    RawLines old;
    ConfigPreview preview;
    try {
        MakePlan plan = planMake(m_session.loaded());
        preview = previewConfig([this](LineOutput& out) { WriteConfig(settings(), out); },
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
// "Rückgängig" says why it is not there yet, or no longer.
void MainWindow::updateItems()
{
    const bool made = settings().MakeCount > 0;
    const bool ready = settings().WizardDone > 0 && !made;
    const QString why = text(ready ? says::kPreviewReady
                                   : made ? says::kPreviewMade : says::kPreviewNotYet);
    m_cmdVorschau->setEnabled(ready);
    m_cmdVorschau->setToolTip(why);
    m_mnuVorschau->setEnabled(ready);
    m_mnuVorschau->setToolTip(why);

    const bool undoable = !m_session.undoTarget().empty() && !m_session.undone();
    m_mnuUndo->setEnabled(undoable);
    m_mnuUndo->setToolTip(undoable ? text(says::kUndoReady).arg(quoted(fromFsPath(m_session.undoTarget())))
                          : text(m_session.undone() ? says::kUndoDone : says::kUndoNothing));
}

// The session's working list is the made file's by now.
void MainWindow::ViewConfig()
{
    fillList();
    m_lstConfig->show();

    const std::size_t count = workingList().size();
    m_lblCfg->setText(QString::fromStdString(entryCountText(count)));
    const Rating rating = rateConfig(count);
    QPalette palette = m_lblCfgoMeterStatus->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(rating.rgb));
    m_lblCfgoMeterStatus->setPalette(palette);
    m_lblCfgoMeterStatus->setText(QString::fromStdString(rating.text));

    m_dialogs.inform(this, text(says::kMade));
}

void MainWindow::fillList()
{
    QStringList items;
    items.reserve(static_cast<qsizetype>(workingList().size()));
    for (const RawLine& line : workingList())
        items.append(decodedCp1252(line));
    m_lstConfig->clear();
    m_lstConfig->addItems(items);
}

void MainWindow::returnFromWizard()
{
    updateItems();
    show();
    raise();
    activateWindow();
    // The one step left is the make; Return now presses it.
    m_cmdMakeCFG->setDefault(true);
    m_cmdMakeCFG->setFocus(Qt::OtherFocusReason);
}

} // namespace quorvix
