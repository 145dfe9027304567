#pragma once

// One program run as the main window drives it: which file is loaded (its
// lines are the working list), whether a wizard run is open on it, how often
// "Erstelle Config" was pressed in that run, and what the last make replaced,
// so that it can be undone. One make per loaded file: after a make the next
// run starts from the made file, loaded again, with a fresh answer record.

#include "oldconfig/Backup.h"
#include "oldconfig/ConfigFile.h"
#include "oldconfig/LoadedConfig.h"
#include "wizard/Settings.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace quorvix {

// The make could not keep the file in the backup history; nothing was written.
class HistoryFailed : public FileError {
public:
    using FileError::FileError;
};

class ConfigSession {
public:
    enum class Run { None, Open, Made };
    enum class Press { WizardFirst, OnlyOnce, Make };

    Settings& settings() { return m_settings; }
    const Settings& settings() const { return m_settings; }
    const LoadedConfig& loaded() const { return m_loaded; }
    Run run() const { return m_run; }

    // Whether loading `file` would end the open run: it is another file.
    bool loadEndsRun(const std::filesystem::path& file) const;
    // The load step: Quorvix's own read-only mark is cleared and the file
    // read; a missing file is a new, empty config. Ends a run on another
    // file. False, and nothing changes, for the file an open run works on.
    // Throws FileError (ConfigTooLarge) and leaves everything as it was.
    bool load(const std::filesystem::path& file);
    // Ends the open run, whatever it was on; the next one starts afresh.
    void endRun();
    // After a make, a new run starts from the made file: loaded again, mark
    // cleared, its lines the working list. True when it did so.
    bool reloadAfterMake();

    // The loaded lines to `file` under the banner with `stamp`, and the
    // file's own bytes to `history`. Throws FileError.
    void backup(const std::filesystem::path& file, const BackupStamp& stamp, const std::filesystem::path& history,
                std::int64_t now) const;

    // Why no run may start on `chosen`; empty when it may.
    std::string whyNoRun(const std::filesystem::path& chosen) const;
    // Opens the run; false when the make could not replace the file (or a
    // run that reached the final page still holds it).
    bool startRun();

    // "Erstelle Config" pressed: counts the press as the run's record does.
    Press pressMake();
    // A press that made nothing (the player said no, or writing failed)
    // leaves the run's one make unused.
    void makeNotDone();
    // What the make will carry, from the file as it is now. Throws FileError.
    MakePlan planMake() const;
    // Keeps the file as it is now in `history` (empty: none can be kept),
    // then replaces it with the new config, marked read-only. Throws
    // FileError; the file is then as it was.
    MadeConfig make(const MakePlan& plan, const std::filesystem::path& history, std::int64_t now);

    // The file the last make of this program run replaced; empty when there
    // is nothing to undo.
    const std::filesystem::path& undoTarget() const { return m_undoTarget; }
    bool undone() const { return m_undone; }
    // The make created the file: undoing it removes the file again.
    bool undoRemoves() const { return m_undoEntry.empty(); }
    // Puts back the bytes the last make replaced (the current ones go to the
    // history first), then loads the file. Throws FileError.
    void undo(const std::filesystem::path& history, std::int64_t now);

private:
    void freshRun();

    Settings m_settings;
    LoadedConfig m_loaded;
    Run m_run = Run::None;
    std::filesystem::path m_undoTarget;
    std::filesystem::path m_undoEntry;   // empty: the make created the file
    bool m_undone = false;
};

} // namespace quorvix
