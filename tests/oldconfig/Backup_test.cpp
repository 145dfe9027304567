#include "oldconfig/Backup.h"

#include "common/TempDir.h"

#include <gtest/gtest.h>

#include <ctime>

namespace quorvix {
namespace {

using namespace std::string_literals;
using testing::TempDir;

// A point in local time, as the clock on the user's wall shows it.
std::chrono::system_clock::time_point localTimePoint(int year, int month, int day, int hour,
                                                     int minute, int second)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&t));
}

const std::string kHeaderTop =
    "*******************************************\r\n"
    "**************Config Backup****************\r\n"
    "*******************************************\r\n"
    "\r\n";

TEST(Backup, contentIsHeaderDateLineTwoEmptyLinesThenOldLines)
{
    const auto when = localTimePoint(2026, 12, 6, 16, 5, 9);
    const std::string header = kHeaderTop + "Datum:06.12.2026 Zeit:16:05:09\r\n\r\n\r\n";
    struct Case { const char* name; RawLines lines; std::string tail; };
    const Case cases[] = {
        {"empty list gives exactly the seven header lines, each with line end", {}, ""},
        {"one line has no line end", {"bind \"w\" \"+forward\""}, "bind \"w\" \"+forward\""},
        {"tabs blanks and quotes unchanged", {"\t bind \"a\"  \"b\" \t", "  x\"\"\"y  "},
         "\t bind \"a\"  \"b\" \t\r\n  x\"\"\"y  "},
        {"empty old lines kept", {"", "a", ""}, "\r\na\r\n"},
        {"bytes never re-encoded", {"name \"\xFC\x81\x9D\"", "\0"s}, "name \"\xFC\x81\x9D\"\r\n\0"s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(backupContent(c.lines, when), header + c.tail);
    }
}

TEST(Backup, dateAndTimeArePaddedGermanShortFormatsInLocalTime)
{
    struct Case { const char* name; int y, mo, d, h, mi, s; const char* line; };
    const Case cases[] = {
        {"single digits padded", 2027, 1, 2, 3, 4, 5, "Datum:02.01.2027 Zeit:03:04:05"},
        {"midnight", 2026, 12, 31, 0, 0, 0, "Datum:31.12.2026 Zeit:00:00:00"},
        {"last second of the day", 2024, 2, 29, 23, 59, 59, "Datum:29.02.2024 Zeit:23:59:59"},
        {"summer time", 2026, 7, 15, 12, 30, 45, "Datum:15.07.2026 Zeit:12:30:45"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RawLines lines = splitLines(backupContent({"x"}, localTimePoint(c.y, c.mo, c.d, c.h, c.mi, c.s)));
        ASSERT_EQ(lines.size(), 8u);
        EXPECT_EQ(lines[4], c.line);
    }
}

TEST(Backup, writtenFileHoldsExactlyTheContentAndReplacesAnOldBackup)
{
    TempDir dir;
    const auto file = dir / kBackupFileName;
    testing::writeBytes(file, "an older, much longer backup that must vanish completely\r\n"s + std::string(5000, 'z'));
    const RawLines old = {"bind \"a\" \"+attack\"", "\tname \"x\"", "unbind b"};
    const auto when = localTimePoint(2026, 3, 9, 8, 7, 6);

    writeBackup(file, old, when);

    EXPECT_EQ(testing::readBytes(file), backupContent(old, when));
    EXPECT_EQ(testing::readBytes(file),
              kHeaderTop + "Datum:09.03.2026 Zeit:08:07:06\r\n\r\n\r\n"
                  "bind \"a\" \"+attack\"\r\n\tname \"x\"\r\nunbind b");
    EXPECT_EQ(dir.entries(), (std::set<std::string>{kBackupFileName}));
}

TEST(Backup, failureThrowsAndLeavesNothingBehind)
{
    TempDir dir;
    EXPECT_THROW(writeBackup(dir / "missing" / kBackupFileName, {"a"}, std::chrono::system_clock::now()),
                 FileError);
    std::filesystem::create_directory(dir / kBackupFileName);
    EXPECT_THROW(writeBackup(dir / kBackupFileName, {"a"}, std::chrono::system_clock::now()), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(dir / kBackupFileName));
    EXPECT_EQ(dir.entries(), (std::set<std::string>{kBackupFileName}));
}

} // namespace
} // namespace quorvix
