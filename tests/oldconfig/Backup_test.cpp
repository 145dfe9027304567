#include "oldconfig/Backup.h"
#include "oldconfig/BackupHistory.h"

#include "common/TempDir.h"

#include <gtest/gtest.h>

#include <random>

namespace quorvix {
namespace {

using namespace std::string_literals;
using testing::TempDir;

std::string header(const std::string& dateLine)
{
    const std::string stars(43, '*');
    return stars + "\r\n**************Config Backup****************\r\n" + stars + "\r\n\r\n" + dateLine
        + "\r\n\r\n\r\n";
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

// A half written or damaged entry is none: restoring it would put wrong bytes in place of a config.
TEST(BackupHistory, halfWrittenOrDamagedEntriesAreLeftOut)
{
    TempDir dir;
    BackupHistory history(dir / kHistoryFolderName);
    history.add(dir / "config.cfg", "bind a\r\n", 1700000000);
    const auto entries = history.entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(std::pair(entries[0].original, entries[0].time), std::pair(dir / "config.cfg", std::int64_t{1700000000}));
    EXPECT_EQ(BackupHistory::contentOf(entries[0]), "bind a\r\n");

    const std::string good = testing::readBytes(entries[0].file);
    const std::string lengthLine = "\n" + std::to_string((dir / "config.cfg").string().size()) + "\n";
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
}

// The folder may hold anything: stray names, names like an entry of this very second, any bytes, a
// folder. Nothing of it ends the program; real entries stay readable and new ones are still added.
TEST(BackupHistory, anyNamesAndBytesInTheFolder)
{
    namespace fs = std::filesystem;
    TempDir dir;
    BackupHistory history(dir / kHistoryFolderName);
    const std::int64_t now = 1765052265;
    const std::string good = testing::readBytes(history.add(dir / "config.cfg", "bind a\r\n", now - 9));
    std::mt19937 random(11);
    const auto some = [&](std::size_t n, bool inName) {
        std::string text;
        while (text.size() < n) {
            const char c = static_cast<char>(random());
            if (!inName || (c != '/' && c != '\0'))
                text += c;
        }
        return text;
    };
    for (int round = 0; round < 60; ++round) {
        std::string name = "000001765052265-" + some(3, true) + ".verlauf";
        if (round % 4 == 1)
            name = some(1 + random() % 20, true);
        else if (round % 4 == 2)
            name = "00000176505226" + std::to_string(round % 10) + "-" + std::to_string(100 + round) + ".verlauf";
        if (name == "." || name == "..")
            continue;
        std::string bytes = some(random() % 80, false);
        if (round % 3 == 0) { // a real entry, cut or with one byte changed
            bytes = good.substr(0, random() % (good.size() + 1));
            if (!bytes.empty())
                bytes[random() % bytes.size()] = static_cast<char>(random());
        }
        if (round % 50 == 7)
            fs::create_directory(dir / kHistoryFolderName / name);
        else
            testing::writeBytes(dir / kHistoryFolderName / name, bytes);
        const auto kept = history.add(dir / "config.cfg", "round " + std::to_string(round), now);
        EXPECT_EQ(BackupHistory::contentOf(BackupHistory::entryAt(kept)), "round " + std::to_string(round));
        for (const HistoryEntry& entry : history.entries())
            EXPECT_EQ(testing::failureOf([&] { BackupHistory::contentOf(entry); }), "");
    }
}

} // namespace
} // namespace quorvix
