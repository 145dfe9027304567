#include "oldconfig/Backup.h"
#include "oldconfig/BackupHistory.h"

#include "common/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace quorvix {
namespace {

using namespace std::string_literals;
using testing::TempDir;

std::string header(const std::string& date)
{
    const std::string stars(43, '*');
    return stars + "\r\n**************Config Backup****************\r\n" + stars + "\r\n\r\n" + date + "\r\n\r\n\r\n";
}

// Written through the same replace as the config, each time over an older, longer backup.
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

// A half written or damaged entry is none: restoring it would put wrong bytes in place of a config. Nothing in the
// folder ends the program.
TEST(BackupHistory, halfWrittenOrDamagedEntriesAreLeftOut)
{
    TempDir dir;
    // A name outside the ANSI code page of a western Windows, where paths are no bytes.
    const auto config = dir.path() / std::filesystem::path(u8"\u0141\u00F3d\u017A \u65E5\u672C.cfg");
    BackupHistory history(dir / kHistoryFolderName);
    history.add(config, "bind a\r\n", 1700000000);
    const auto entries = history.entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(std::pair(entries[0].original, entries[0].time), std::pair(config, std::int64_t{1700000000}));
    EXPECT_EQ(BackupHistory::contentOf(entries[0]), "bind a\r\n");
    restoreEntry(entries[0], entries[0].original, history, 1700000001);
    EXPECT_EQ(testing::readBytes(config), "bind a\r\n");

    const std::string good = testing::readBytes(entries[0].file);
    const std::string lengthLine = "\n" + std::to_string(config.string().size()) + "\n";
    const std::size_t pathAt = good.find(lengthLine) + lengthLine.size();
    ASSERT_NE(good.find(lengthLine), std::string::npos);
    const std::pair<const char*, std::string> damaged[] = {
        {"cut inside the path", good.substr(0, pathAt + 3)},
        {"cut inside the content", good.substr(0, good.size() - 2)},
        {"more content than said", good + "x"},
        {"a letter after the path length", std::string(good).insert(pathAt - 1, "x")},
        {"no mark at the start", good.substr(1)},
    };
    const std::string unreadable
        = "Der Eintrag \u201E" + entries[0].file.string() + "\u201C im Backup-Verlauf kann nicht gelesen werden.";
    for (const auto& [name, bytes] : damaged) {
        testing::writeBytes(entries[0].file, bytes);
        EXPECT_TRUE(history.entries().empty()) << name;
        EXPECT_EQ(testing::failureOf([&] { BackupHistory::contentOf(entries[0]); }), unreadable) << name;
    }
    // Any name and any bytes beside the entries, a folder, a name like an entry of this very second with no number in
    // it: passed over, and new entries are still added.
    std::mt19937 random(11);
    // Narrow names on Windows are text of the ANSI code page, without control characters and <>:"/\|?*.
    const auto fitsName = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c != '/' && c != '\0'
            && !(testing::kWindows && (byte < 32 || byte > 126 || std::strchr("<>:\"\\|?*", c)));
    };
    const auto some = [&](std::size_t n, bool inName) {
        std::string text;
        for (char c; text.size() < n;)
            if (c = static_cast<char>(random()); !inName || fitsName(c))
                text += c;
        return text;
    };
    std::filesystem::create_directory(dir / kHistoryFolderName / "000001700000000-001.verlauf");
    for (int round = 0; round < 40; ++round) {
        const std::string name = round % 2 ? some(1 + random() % 9, true)
                                           : "000001700000000-" + some(3, true) + ".verlauf";
        if (name != "." && name != "..")
            testing::writeBytes(dir / kHistoryFolderName / name, round % 3 ? some(random() % 80, false)
                                                                            : good.substr(0, random() % good.size()));
        const auto kept = history.add(dir / "config.cfg", std::to_string(round), 1700000000);
        EXPECT_EQ(BackupHistory::contentOf(BackupHistory::entryAt(kept)), std::to_string(round));
        EXPECT_EQ(history.entries().size(), std::min<std::size_t>(round + 1, kHistoryKeep));
    }
}

} // namespace
} // namespace quorvix
