#include "oldconfig/Backup.h"

#include "oldconfig/ConfigFile.h"


namespace quorvix {
namespace {

void writeBackupTo(LineOutput& out, const RawLines& lines, const BackupStamp& stamp)
{
    const std::string stars(43, '*');
    out.writeLine(stars);
    out.writeLine("**************Config Backup****************");
    out.writeLine(stars);
    out.writeLine("");
    // No blank after either colon.
    out.writeLine("Datum:" + stamp.date + " Zeit:" + stamp.time);
    out.writeLine("");
    out.writeLine("");
    writeOldLines(out, lines);
}

} // namespace

std::string backupContent(const RawLines& lines, const BackupStamp& stamp)
{
    ByteBufferOutput out;
    writeBackupTo(out, lines, stamp);
    return out.bytes();
}

void writeBackup(const std::filesystem::path& file, const RawLines& lines, const BackupStamp& stamp)
{
    replaceFileAtomically(file, [&](LineOutput& out) { writeBackupTo(out, lines, stamp); });
}

} // namespace quorvix
