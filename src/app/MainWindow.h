#pragma once

// The main window "Form1", where a run starts and ends. It reads the old
// config into the working list (bytes as read) and the coloured view,
// starts the Wizard, whose pages fill the Settings record, and on "Erstelle
// Config" hands Settings to WriteConfig and the working list to the make
// transaction (oldconfig), which replaces the file in one step or not at
// all. Nothing on disk changes before that; the backup and its history are
// the other files it writes. The working list always belongs to the file it
// was read from (LoadedConfig): a run starts only on that file, and the
// make carries the file's lines as they are on disk by then.

#include "common/TextLines.h"
#include "oldconfig/LoadedConfig.h"
#include "wizard/Settings.h"

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

    Settings& settings() { return m_settings; }
    Wizard& wizard() { return *m_wizard; }
    // The working list: the old config's lines, after a make the new ones.
    const RawLines& workingList() const { return m_loaded.lines; }
    // The file name of the open-file dialog.
    const QString& chosenPath() const { return m_chosenPath; }

    void cmdCfgNeu_Click();
    void cmdMakeCFG_Click();
    void mnuOpen_Click();
    void mnuEnd_Click();
    void mnuInfo_Click();
    void mnuRestore_Click();
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
    void makeConfig();
    bool makeAfterChangeOnDisk(const MakePlan& plan);
    void addToHistory(const ConfigSnapshot& snapshot, const std::filesystem::path& file);
    void cfgbackup();
    void ViewConfig(const RawLines& newLines);
    void fillList();
    void returnFromWizard();
    void updatePreviewItems();
    QString dialogStart() const;
    void showTarget(const QString& caption, const QString& path);
    QString backupFolder() const;

    UserDialogs& m_dialogs;
    Settings m_settings;
    Wizard* m_wizard = nullptr;
    QPointer<InfoWindow> m_info;
    QPointer<RestoreWindow> m_restore;
    QPointer<PreviewWindow> m_preview;
    bool m_placed = false;

    LoadedConfig m_loaded;
    QString m_chosenPath;
    // The file a started wizard run will replace. While the run holds it
    // (from "Neue Config" until the make, or until a new run is started
    // before the final page), loading cannot touch it.
    QString m_runTarget;
    bool m_runHoldsTarget = false;

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
    QLabel* m_lblZielDatei = nullptr;
    QLabel* m_lblHinweis = nullptr;
};

} // namespace quorvix
