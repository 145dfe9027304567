#include "oldconfig/Backup.h"

#include "common/TempDir.h"

#include <gtest/gtest.h>

namespace quorvix {
namespace {

using namespace std::string_literals;
using testing::TempDir;

std::string header(const std::string& dateLine)
{
    return "*******************************************\r\n"
           "**************Config Backup****************\r\n"
           "*******************************************\r\n"
           "\r\n" + dateLine + "\r\n\r\n\r\n";
}

// The file is written through the same replace as the config, each time in
// place of an older, longer backup.
TEST(Backup, bannerDateLineTwoEmptyLinesThenTheOldLinesAsRead)
{
    struct Case { const char* name; BackupStamp stamp; const char* date; RawLines lines; std::string tail; };
    const Case cases[] = {
        {"no old lines", {"06.12.2026", "16:05:09"}, "Datum:06.12.2026 Zeit:16:05:09", {}, ""},
        {"one line, other formats", {"1/2/2027", "3:04:05 AM"}, "Datum:1/2/2027 Zeit:3:04:05 AM",
         {"bind \"w\" \"+forward\""}, "bind \"w\" \"+forward\""},
        {"blanks and tabs kept", {"31.12.2026", "00:00:00"}, "Datum:31.12.2026 Zeit:00:00:00",
         {"\t bind \"a\"  \"b\" \t", "", "x\"\"y "}, "\t bind \"a\"  \"b\" \t\r\n\r\nx\"\"y "},
        {"bytes not re-encoded", {"15.07.2024", "23:59:59"},
         "Datum:15.07.2024 Zeit:23:59:59", {"name \"\xFC\x81\x9D\"", "\0"s}, "name \"\xFC\x81\x9D\"\r\n\0"s},
    };
    TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing::writeBytes(dir / kBackupFileName, "an older, much longer backup\r\n" + std::string(5000, 'z'));
        writeBackup(dir / kBackupFileName, c.lines, c.stamp);
        EXPECT_EQ(backupContent(c.lines, c.stamp), header(c.date) + c.tail);
        EXPECT_EQ(dir.contents(), (std::map<std::string, std::string>{{kBackupFileName, header(c.date) + c.tail}}));
    }
}

} // namespace
} // namespace quorvix
