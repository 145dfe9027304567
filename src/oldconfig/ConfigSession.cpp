#include "oldconfig/ConfigSession.h"

#include "oldconfig/BackupHistory.h"
#include "oldconfig/ShownPath.h"
#include "writer/WriteConfig.h"

#include <new>
#include <system_error>

namespace fs = std::filesystem;

namespace quorvix {

bool ConfigSession::loadEndsRun(const fs::path& file) const
{
    if (m_run != Run::Open)
        return false;
    std::error_code ec;
    return !fs::equivalent(file, m_loaded.path, ec) && fs::absolute(file) != m_loaded.path;
}

bool ConfigSession::load(const fs::path& file)
{
    // The file of an open run is the run's: reading it now would swap the
    // lines it carries over.
    if (m_run == Run::Open && !loadEndsRun(file))
        return false;
    std::error_code ec;
    if (fs::is_regular_file(fs::status(file, ec)))
        clearReadOnly(file);
    LoadedConfig read;
    try {
        read = loadConfig(file);
    } catch (const std::bad_alloc&) {
        throw ConfigTooLarge("Die Datei " + shownPath(file) + " ist zu gro\u00DF f\u00FCr eine Config.");
    }
    endRun();
    m_loaded = std::move(read);
    return true;
}

void ConfigSession::endRun()
{
    if (m_run != Run::None)
        freshRun();
    m_run = Run::None;
}

// Nothing of an ended run's answers or counters reaches the next make: it
// writes what a new program run with the same answers would.
void ConfigSession::freshRun()
{
    m_settings = Settings{};
}

bool ConfigSession::reloadAfterMake()
{
    if (m_run != Run::Made)
        return false;
    load(m_loaded.path);
    return true;
}

void ConfigSession::backup(const fs::path& file, const BackupStamp& stamp, const fs::path& history,
                           std::int64_t now) const
{
    writeBackup(file, m_loaded.lines, stamp);
    // The history keeps the file's own bytes: configBACKUP.cfg is replaced
    // by every backup, an entry never is.
    if (const ConfigSnapshot snapshot = snapshotConfig(m_loaded.path); snapshot.exists)
        BackupHistory(history).add(m_loaded.path, snapshot.bytes, now, snapshot.perms);
}

std::string ConfigSession::whyNoRun(const fs::path& chosen) const
{
    return whyRunRefused(m_loaded, chosen);
}

bool ConfigSession::startRun()
{
    // A run that has shown its final page holds the file until its make.
    if ((m_run == Run::Open && m_settings.LastStep >= kPageCount) || m_run == Run::Made
        || !whyNotWritable(m_loaded.path).empty())
        return false;
    m_run = Run::Open;
    return true;
}

ConfigSession::Press ConfigSession::pressMake()
{
    if (m_settings.WizardDone == 0)
        return Press::WizardFirst;
    raiseSaturating(m_settings.MakeCount);
    return m_settings.MakeCount >= 2 ? Press::OnlyOnce : Press::Make;
}

void ConfigSession::makeNotDone()
{
    if (m_settings.MakeCount > 0)
        --m_settings.MakeCount;
}

MakePlan ConfigSession::planMake() const
{
    return quorvix::planMake(m_loaded);
}

MadeConfig ConfigSession::make(const MakePlan& plan, const fs::path& history, std::int64_t now)
{
    MadeConfig made;
    fs::path entry;
    try {
        // The file as it is now is kept before it is replaced, whatever the
        // backup answer was: it is what "rückgängig" puts back.
        if (plan.now.exists) {
            if (history.empty())
                throw HistoryFailed("Kein beschreibbarer Ordner f\u00FCr den Backup-Verlauf");
            try {
                entry = BackupHistory(history).add(m_loaded.path, plan.now.bytes, now, plan.now.perms);
            } catch (const FileError& error) {
                throw HistoryFailed(error.what());
            }
        }
        made = makeConfigFile(
            m_loaded.path, [this](LineOutput& out) { WriteConfig(m_settings, out); }, plan.carried);
    } catch (const FileError&) {
        makeNotDone();
        throw;
    }
    // From here on the working list is the made file's.
    m_loaded.lines = made.lines;
    m_loaded.isNew = false;
    m_loaded.fingerprint = made.fingerprint;
    m_loaded.identity = {};
    currentIdentity(m_loaded.path, m_loaded.identity);
    m_run = Run::Made;
    m_undoTarget = m_loaded.path;
    m_undoEntry = entry;
    m_undone = false;
    return made;
}

void ConfigSession::undo(const fs::path& history, std::int64_t now)
{
    if (m_undoTarget.empty() || m_undone)
        throw FileError("Es gibt keine erstellte Config, die r\u00FCckg\u00E4ngig gemacht werden kann.");
    if (history.empty())
        throw FileError("Kein beschreibbarer Ordner f\u00FCr den Backup-Verlauf");
    BackupHistory kept(history);
    if (!m_undoEntry.empty()) {
        restoreEntry(BackupHistory::entryAt(m_undoEntry), m_undoTarget, kept, now);
    } else if (const ConfigSnapshot made = snapshotConfig(m_undoTarget); made.exists) {
        // The make created the file: undone, it is gone again, kept in the
        // history first.
        kept.add(m_undoTarget, made.bytes, now, made.perms);
        const bool marked = isMarkedReadOnly(m_undoTarget);
        clearReadOnly(m_undoTarget);
        std::error_code ec;
        if (!fs::remove(m_undoTarget, ec) || ec) {
            if (marked)
                markReadOnly(m_undoTarget);
            throw FileError("Die Datei " + shownPath(m_undoTarget) + " kann nicht entfernt werden.");
        }
    }
    m_undone = true;
    endRun();
    load(m_undoTarget);
}

} // namespace quorvix
