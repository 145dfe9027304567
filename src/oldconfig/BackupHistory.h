#pragma once

// The backup history: beside "configBACKUP.cfg" a folder of entries, each
// the exact bytes of a config with the path they came from and the time.
// Entries are never overwritten; the newest kHistoryKeep stay.

#include <cstdint>
#include <filesystem>
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
};

class BackupHistory {
public:
    explicit BackupHistory(std::filesystem::path folder) : m_folder(std::move(folder)) {}

    // Keeps `bytes` as read from `original`, unless the newest entry of that
    // file holds the same bytes already. Throws FileError.
    void add(const std::filesystem::path& original, const std::string& bytes, std::int64_t time);

    // Newest first; unreadable or half-written entries are left out.
    std::vector<HistoryEntry> entries() const;

    // The bytes an entry holds. Throws FileError.
    static std::string contentOf(const HistoryEntry& entry);

private:
    std::filesystem::path m_folder;
};

// Puts an entry's bytes at `target` in one step and marks it read-only, as
// the make leaves a config, after keeping the file it replaces in `history`.
// Refuses what "Neue Config" would refuse. Throws FileError; the target is
// then as it was.
void restoreEntry(const HistoryEntry& entry, const std::filesystem::path& target,
                  BackupHistory& history, std::int64_t now);

} // namespace quorvix
