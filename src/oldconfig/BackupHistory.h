#pragma once

// The backup history: beside "configBACKUP.cfg" a folder of entries, each
// the exact bytes of a config with the path they came from and the time.
// Entries are never overwritten; the newest kHistoryKeep stay. Anything
// else in the folder (stray files, damaged entries) is passed over.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorvix {

inline constexpr const char* kHistoryFolderName = "Quorvix-Verlauf";
inline constexpr std::size_t kHistoryKeep = 30;

struct HistoryEntry {
    std::filesystem::path file;       // the entry itself
    std::filesystem::path original;   // where its bytes came from
    std::int64_t time = 0;            // seconds since 1970
    std::size_t lineCount = 0;
    // The original's permissions when the entry was taken; none in entries
    // of the first format.
    std::optional<std::filesystem::perms> perms;
};

class BackupHistory {
public:
    explicit BackupHistory(std::filesystem::path folder) : m_folder(std::move(folder)) {}

    // Keeps `bytes` as read from `original`, with its permissions, unless the
    // newest entry of that file holds the same bytes already. Returns the
    // entry that holds them. Throws FileError.
    std::filesystem::path add(const std::filesystem::path& original, const std::string& bytes,
                              std::int64_t time, std::optional<std::filesystem::perms> perms = {});

    // Newest first; unreadable or half-written entries are left out.
    std::vector<HistoryEntry> entries() const;

    // The bytes an entry holds. Throws FileError.
    static std::string contentOf(const HistoryEntry& entry);
    // The entry kept in `file`. Throws FileError.
    static HistoryEntry entryAt(const std::filesystem::path& file);

private:
    std::filesystem::path m_folder;
};

// Puts an entry's bytes at `target` in one step, with the permissions the
// original had when the entry was taken, after keeping the file it replaces
// in `history`. A read-only mark on the target does not stand in the way
// (it goes with the replaced file); anything else "Neue Config" would refuse
// does. Throws FileError; the target and its mark are then as they were.
void restoreEntry(const HistoryEntry& entry, const std::filesystem::path& target,
                  BackupHistory& history, std::int64_t now);

} // namespace quorvix
