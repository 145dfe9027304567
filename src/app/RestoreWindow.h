#pragma once

// "Backup wiederherstellen": the entries of the backup history, newest
// first, the chosen entry's content, and the way back to its original file
// or to a file the player picks.

#include <QLocale>
#include <QWidget>

#include <functional>
#include <vector>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace quorvix {

struct HistoryEntry;
class UserDialogs;

class RestoreWindow : public QWidget {
    Q_OBJECT
public:
    explicit RestoreWindow(UserDialogs& dialogs, QWidget* parent = nullptr);
    ~RestoreWindow() override;

    // Lists the history in `folder` and shows the window.
    void showHistory(const QString& folder, const QLocale& locale);
    // Lists the history again, keeping the chosen entry; the main window
    // calls it whenever it adds one.
    void refresh();
    // What a restore would end, said in its question ("" for nothing): the
    // main window's run, since it loads the restored file afterwards.
    void setDiscardNote(std::function<QString()> note) { m_discardNote = std::move(note); }

    void cmdRestoreOriginal_Click();
    void cmdRestoreTo_Click();

signals:
    // A file was put back; the main window loads it.
    void restored(const QString& file);

private:
    void setupWidgets();
    void showEntry(int row);
    void restoreTo(const QString& target);

    UserDialogs& m_dialogs;
    QLocale m_locale;
    QString m_folder;
    std::vector<HistoryEntry> m_entries;
    std::function<QString()> m_discardNote;

    QListWidget* m_lstVerlauf = nullptr;
    QPlainTextEdit* m_txtInhalt = nullptr;
    QPushButton* m_cmdRestoreOriginal = nullptr;
    QPushButton* m_cmdRestoreTo = nullptr;
};

} // namespace quorvix
