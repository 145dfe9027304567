#include "oldconfig/Backup.h"

#include "common/TempDir.h"

#include <gtest/gtest.h>

#include <ctime>

namespace quorvix {
namespace {

using namespace std::string_literals;
using testing::TempDir;

// A point in local time, as the clock on the user's wall shows it.
std::chrono::system_clock::time_point localTime(int year, int month, int day, int hour, int minute, int second)
{
    std::tm t{};
    t.tm_year = year - 1900; t.tm_mon = month - 1; t.tm_mday = day;
    t.tm_hour = hour; t.tm_min = minute; t.tm_sec = second; t.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&t));
}

std::string header(const std::string& dateLine)
{
    return "*******************************************\r\n"
           "**************Config Backup****************\r\n"
           "*******************************************\r\n"
           "\r\n" + dateLine + "\r\n\r\n\r\n";
}

TEST(Backup, contentIsBannerDateLineTwoEmptyLinesThenTheOldLinesAsRead)
{
    struct Case { const char* name; std::chrono::system_clock::time_point when; const char* date;
                  RawLines lines; std::string tail; };
    const Case cases[] = {
        {"no old lines", localTime(2026, 12, 6, 16, 5, 9), "Datum:06.12.2026 Zeit:16:05:09", {}, ""},
        {"one line, padded date", localTime(2027, 1, 2, 3, 4, 5), "Datum:02.01.2027 Zeit:03:04:05",
         {"bind \"w\" \"+forward\""}, "bind \"w\" \"+forward\""},
        {"midnight, blanks and tabs kept", localTime(2026, 12, 31, 0, 0, 0), "Datum:31.12.2026 Zeit:00:00:00",
         {"\t bind \"a\"  \"b\" \t", "", "x\"\"y "}, "\t bind \"a\"  \"b\" \t\r\n\r\nx\"\"y "},
        {"summer time, bytes not re-encoded", localTime(2024, 7, 15, 23, 59, 59),
         "Datum:15.07.2024 Zeit:23:59:59", {"name \"\xFC\x81\x9D\"", "\0"s}, "name \"\xFC\x81\x9D\"\r\n\0"s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(backupContent(c.lines, c.when), header(c.date) + c.tail);
    }
}

TEST(Backup, fileHoldsExactlyTheContentAndAFailureChangesNothing)
{
    TempDir dir;
    testing::writeBytes(dir / kBackupFileName, "an older, much longer backup\r\n" + std::string(5000, 'z'));
    writeBackup(dir / kBackupFileName, {"bind a", "unbind b"}, localTime(2026, 3, 9, 8, 7, 6));
    const std::map<std::string, std::string> written = {
        {kBackupFileName, header("Datum:09.03.2026 Zeit:08:07:06") + "bind a\r\nunbind b"}};
    EXPECT_EQ(dir.contents(), written);

    std::filesystem::create_directory(dir / "folder.cfg");
    const auto before = dir.contents();
    for (const auto& target : {dir / "missing" / kBackupFileName, dir / "folder.cfg"}) {
        SCOPED_TRACE(target.string());
        EXPECT_THROW(writeBackup(target, {"a"}, std::chrono::system_clock::now()), FileError);
        EXPECT_EQ(dir.contents(), before);
    }
}

} // namespace
} // namespace quorvix
