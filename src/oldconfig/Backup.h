#pragma once

#include "common/TextLines.h"

#include <chrono>
#include <filesystem>
#include <string>

namespace quorvix {

inline constexpr const char* kBackupFileName = "configBACKUP.cfg";

// The bytes of a backup file: the asterisk banner, the date line in German
// short formats ("Datum:06.12.2026 Zeit:16:05:09"), two empty lines, then
// the lines as read, the last without line end.
std::string backupContent(const RawLines& lines, std::chrono::system_clock::time_point now);

// Writes the backup to `file` (write-then-rename). Throws FileError.
void writeBackup(const std::filesystem::path& file, const RawLines& lines,
                 std::chrono::system_clock::time_point now);

} // namespace quorvix
