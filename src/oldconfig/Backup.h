#pragma once

#include "common/TextLines.h"

#include <filesystem>
#include <string>

namespace quorvix {

inline constexpr const char* kBackupFileName = "configBACKUP.cfg";

// The date and the time of a backup as the system's short formats give
// them (a German system: "06.12.2026", "20:31:05").
struct BackupStamp {
    std::string date;
    std::string time;
};

// The bytes of a backup file: the asterisk banner, the date line
// ("Datum:06.12.2026 Zeit:20:31:05"), two empty lines, then the lines as
// read, the last without line end.
std::string backupContent(const RawLines& lines, const BackupStamp& stamp);

// Writes the backup to `file` (write-then-rename). Throws FileError.
void writeBackup(const std::filesystem::path& file, const RawLines& lines, const BackupStamp& stamp);

} // namespace quorvix
