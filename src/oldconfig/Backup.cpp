#include "oldconfig/Backup.h"

#include "oldconfig/ConfigFile.h"

#include <cstdio>
#include <ctime>

namespace quorvix {
namespace {

std::tm localTime(std::chrono::system_clock::time_point when)
{
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    return local;
}

// "Datum:06.12.2026 Zeit:16:05:09": German short formats, no blank after
// either colon, whatever locale the machine runs in.
std::string dateLine(std::chrono::system_clock::time_point now)
{
    const std::tm t = localTime(now);
    char text[64];
    std::snprintf(text, sizeof text, "Datum:%02d.%02d.%04d Zeit:%02d:%02d:%02d", t.tm_mday,
                  t.tm_mon + 1, t.tm_year + 1900, t.tm_hour, t.tm_min, t.tm_sec);
    return text;
}

void writeBackupTo(LineOutput& out, const RawLines& lines, std::chrono::system_clock::time_point now)
{
    const std::string stars(43, '*');
    out.writeLine(stars);
    out.writeLine("**************Config Backup****************");
    out.writeLine(stars);
    out.writeLine("");
    out.writeLine(dateLine(now));
    out.writeLine("");
    out.writeLine("");
    writeOldLines(out, lines);
}

} // namespace

std::string backupContent(const RawLines& lines, std::chrono::system_clock::time_point now)
{
    ByteBufferOutput out;
    writeBackupTo(out, lines, now);
    return out.bytes();
}

void writeBackup(const std::filesystem::path& file, const RawLines& lines,
                 std::chrono::system_clock::time_point now)
{
    replaceFileAtomically(file, [&](LineOutput& out) { writeBackupTo(out, lines, now); });
}

} // namespace quorvix
