#include "app/RestoreWindow.h"

#include "app/BackupFolder.h"
#include "app/FilePaths.h"
#include "common/TextLines.h"
#include "oldconfig/BackupHistory.h"
#include "oldconfig/ConfigFile.h"
#include "oldconfig/ui/ColouredView.h"
#include "ui/UserDialogs.h"
#include "ui/WindowFit.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace quorvix {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

namespace says {
constexpr const char* kCaption = "Backup wiederherstellen";
constexpr const char* kEmpty = "Der Backup-Verlauf ist noch leer.";
constexpr const char* kRow = "%1 %2 – %3 – %4 Zeilen";
constexpr const char* kQuestion =
    "Soll das Backup vom %1 %2 nach %3 zurückgespielt werden?\n\n"
    "Die Datei dort wird dadurch ersetzt; ihr jetziger Inhalt wird vorher im Backup-Verlauf gesichert.";
constexpr const char* kMarked =
    "Die Datei ist schreibgeschützt (so lässt Quorvix eine erstellte Config zurück); "
    "der Schreibschutz wird dafür aufgehoben.";
constexpr const char* kDone = "Das Backup wurde nach %1 zurückgespielt.";
constexpr const char* kFailed =
    "Das Backup konnte nicht zurückgespielt werden:\n%1\n\nEs wurde nichts verändert. Behebe die Ursache "
    "und versuche es noch einmal, oder spiele das Backup mit „Zurückspielen nach…“ an einen anderen Ort zurück.";
constexpr const char* kPickTitle = "Backup wiederherstellen unter";
} // namespace says

QString quoted(const QString& path) { return QStringLiteral("„%1“").arg(path); }

} // namespace

RestoreWindow::RestoreWindow(UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Dialog)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmRestore"));
    setWindowTitle(text(says::kCaption));
    setupWidgets();
}

RestoreWindow::~RestoreWindow() = default;

void RestoreWindow::setupWidgets()
{
    auto* layout = new QVBoxLayout(this);
    auto* entriesLabel = new QLabel(text("Gesicherte Configs (die neueste zuerst):"), this);
    m_lstVerlauf = new QListWidget(this);
    m_lstVerlauf->setObjectName(QStringLiteral("lstVerlauf"));
    m_lstVerlauf->setAccessibleName(text("Backup-Verlauf"));
    entriesLabel->setBuddy(m_lstVerlauf);
    auto* contentLabel = new QLabel(text("Inhalt des gewählten Backups:"), this);
    m_txtInhalt = new QPlainTextEdit(this);
    m_txtInhalt->setObjectName(QStringLiteral("txtInhalt"));
    m_txtInhalt->setAccessibleName(text("Inhalt des Backups"));
    m_txtInhalt->setReadOnly(true);
    m_txtInhalt->setLineWrapMode(QPlainTextEdit::NoWrap);
    contentLabel->setBuddy(m_txtInhalt);
    layout->addWidget(entriesLabel);
    layout->addWidget(m_lstVerlauf, 1);
    layout->addWidget(contentLabel);
    layout->addWidget(m_txtInhalt, 2);

    auto* buttons = new QHBoxLayout;
    m_cmdRestoreOriginal = new QPushButton(text("An den alten Ort zurückspielen"), this);
    m_cmdRestoreOriginal->setObjectName(QStringLiteral("cmdRestoreOriginal"));
    m_cmdRestoreTo = new QPushButton(text("Zurückspielen nach…"), this);
    m_cmdRestoreTo->setObjectName(QStringLiteral("cmdRestoreTo"));
    auto* close = new QPushButton(text("Schließen"), this);
    close->setObjectName(QStringLiteral("cmdRestoreClose"));
    buttons->addWidget(m_cmdRestoreOriginal);
    buttons->addWidget(m_cmdRestoreTo);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(m_lstVerlauf, &QListWidget::currentRowChanged, this, [this](int row) { showEntry(row); });
    connect(m_cmdRestoreOriginal, &QPushButton::clicked, this, [this] { cmdRestoreOriginal_Click(); });
    connect(m_cmdRestoreTo, &QPushButton::clicked, this, [this] { cmdRestoreTo_Click(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* closeKey = new QShortcut(QKeySequence::Cancel, this);
    connect(closeKey, &QShortcut::activated, this, &QWidget::close);
}

void RestoreWindow::showHistory(const QString& folder, const QLocale& locale)
{
    m_locale = locale;
    m_folder = folder;
    refresh();
    if (!isVisible())
        fitOnScreen(this, QSize(760, 480), parentWidget());
    show();
    raise();
    activateWindow();
}

void RestoreWindow::refresh()
{
    const int row = m_lstVerlauf->currentRow();
    const auto chosen = row >= 0 && static_cast<std::size_t>(row) < m_entries.size()
                            ? m_entries[static_cast<std::size_t>(row)].file : std::filesystem::path();
    m_entries = m_folder.isEmpty() ? std::vector<HistoryEntry>{} : BackupHistory(toFsPath(m_folder)).entries();
    m_lstVerlauf->clear();
    for (const HistoryEntry& entry : m_entries) {
        const BackupStamp stamp = backupStamp(m_locale, QDateTime::fromSecsSinceEpoch(entry.time));
        m_lstVerlauf->addItem(text(says::kRow)
                                  .arg(QString::fromStdString(stamp.date), QString::fromStdString(stamp.time),
                                       fromFsPath(entry.original))
                                  .arg(entry.lineCount));
    }
    m_cmdRestoreOriginal->setEnabled(!m_entries.empty());
    m_cmdRestoreTo->setEnabled(!m_entries.empty());
    if (m_entries.empty()) {
        m_txtInhalt->setPlainText(text(says::kEmpty));
        return;
    }
    int keep = 0;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].file == chosen)
            keep = static_cast<int>(i);
    }
    m_lstVerlauf->setCurrentRow(keep);
}

void RestoreWindow::showEntry(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_entries.size())
        return;
    try {
        const std::string bytes = BackupHistory::contentOf(m_entries[static_cast<std::size_t>(row)]);
        QStringList lines;
        for (const RawLine& line : splitLines(bytes))
            lines.append(decodedCp1252(line));
        m_txtInhalt->setPlainText(lines.join(QLatin1Char('\n')));
    } catch (const std::exception& error) {
        m_txtInhalt->setPlainText(QString::fromUtf8(error.what()));
    }
}

void RestoreWindow::cmdRestoreOriginal_Click()
{
    const int row = m_lstVerlauf->currentRow();
    if (row >= 0 && static_cast<std::size_t>(row) < m_entries.size())
        restoreTo(fromFsPath(m_entries[static_cast<std::size_t>(row)].original));
}

void RestoreWindow::cmdRestoreTo_Click()
{
    const int row = m_lstVerlauf->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= m_entries.size())
        return;
    if (const auto target = m_dialogs.saveFileName(this, text(says::kPickTitle), QStringLiteral("*.cfg"),
                                                   fromFsPath(m_entries[static_cast<std::size_t>(row)].original)))
        restoreTo(recoverChosenPath(*target));
}

void RestoreWindow::restoreTo(const QString& target)
{
    const HistoryEntry& entry = m_entries[static_cast<std::size_t>(m_lstVerlauf->currentRow())];
    const BackupStamp stamp = backupStamp(m_locale, QDateTime::fromSecsSinceEpoch(entry.time));
    QString question = text(says::kQuestion).arg(QString::fromStdString(stamp.date),
                                                  QString::fromStdString(stamp.time), quoted(target));
    if (isMarkedReadOnly(toFsPath(target)))
        question += QStringLiteral("\n\n") + text(says::kMarked);
    if (const QString note = m_discardNote ? m_discardNote() : QString(); !note.isEmpty())
        question = note + QStringLiteral("\n\n") + question;
    if (!m_dialogs.askYesNo(this, question))
        return;
    try {
        BackupHistory history(toFsPath(m_folder));
        restoreEntry(entry, toFsPath(target), history, QDateTime::currentSecsSinceEpoch());
    } catch (const std::exception& error) {
        m_dialogs.fail(this, text(says::kFailed).arg(QString::fromUtf8(error.what())));
        return;
    }
    refresh();
    m_dialogs.inform(this, text(says::kDone).arg(quoted(target)));
    emit restored(target);
}

} // namespace quorvix
