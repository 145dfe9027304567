#pragma once

// The main window "Form1", where a run starts and ends. Its views, menus
// and messages show the state of a ConfigSession (oldconfig), which decides
// what is loaded, when a run may start, what the make writes and what an
// undo puts back; the Wizard's pages fill the session's Settings record.
// Every load shows the loaded file in every view: nothing of a previous
// file stays on screen.

#include "common/TextLines.h"
#include "oldconfig/ConfigSession.h"

#include <QLocale>
#include <QMainWindow>
#include <QPointer>

#include <chrono>
#include <functional>

class QAction;
class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;

namespace quorvix {

class InfoWindow;
class PreviewWindow;
class RestoreWindow;
class UserDialogs;
class Wizard;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    explicit MainWindow(UserDialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The load step: message, open-file dialog, old config into the views.
    // A name that does not exist yet starts a new, empty config; any other
    // failure after the dialog ends it without a message.
    void Form_Load();

    // Where "configBACKUP.cfg" is written; unset, the program's folder or,
    // when that cannot be written, the user's data folder for Quorvix.
    void setBackupFolder(const QString& folder);
    // The time stamped into backups, and the locale whose short date and
    // time formats show it (the system's unless set).
    void setClock(Clock clock);
    void setStampLocale(const QLocale& locale);
    // Where the backup history lives: beside "configBACKUP.cfg".
    QString historyFolder() const;

    Settings& settings() { return m_session.settings(); }
    Wizard& wizard() { return *m_wizard; }
    // The working list: the old config's lines, after a make the new ones.
    const RawLines& workingList() const { return m_session.loaded().lines; }
    // The file name of the open-file dialog.
    const QString& chosenPath() const { return m_chosenPath; }

    void cmdCfgNeu_Click();
    void cmdMakeCFG_Click();
    void mnuOpen_Click();
    void mnuEnd_Click();
    void mnuInfo_Click();
    void mnuRestore_Click();
    // Puts back what the last make of this program run replaced.
    void mnuUndo_Click();
    // Shows what "Erstelle Config" would write, without writing anything.
    void mnuVorschau_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setupWindow();
    void setupViews(QWidget* central);
    void setupResultArea(QWidget* central);
    void setupStatusBar();
    void setupMenu();
    void setupWizard();

    void loadChosen();
    bool mayEndRun(const QString& file, const QString& question);
    QString discardNote() const;
    void showLoaded();
    void makeConfig();
    bool makeAfterChangeOnDisk(const MakePlan& plan);
    void cfgbackup();
    void ViewConfig();
    void fillList();
    void returnFromWizard();
    void updateItems();
    void historyChanged();
    std::int64_t now() const;
    QString dialogStart() const;
    void showTarget(const QString& caption, const QString& path);
    QString backupFolder() const;

    UserDialogs& m_dialogs;
    ConfigSession m_session;
    Wizard* m_wizard = nullptr;
    QPointer<InfoWindow> m_info;
    QPointer<RestoreWindow> m_restore;
    QPointer<PreviewWindow> m_preview;
    bool m_placed = false;

    QString m_chosenPath;

    QString m_backupFolder;
    Clock m_clock;
    QLocale m_stampLocale = QLocale::system();

    QTextEdit* m_rtb = nullptr;
    QListWidget* m_lstConfig = nullptr;
    QLabel* m_lblCfg = nullptr;
    QLabel* m_lblCfgoMeterStatus = nullptr;
    QPushButton* m_cmdCfgNeu = nullptr;
    QPushButton* m_cmdMakeCFG = nullptr;
    QPushButton* m_cmdVorschau = nullptr;
    QAction* m_mnuVorschau = nullptr;
    QAction* m_mnuUndo = nullptr;
    QLabel* m_lblZielDatei = nullptr;
    QLabel* m_lblHinweis = nullptr;
};

} // namespace quorvix
