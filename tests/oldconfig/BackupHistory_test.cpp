#include "oldconfig/BackupHistory.h"

#include "common/TempDir.h"

#include <gtest/gtest.h>

namespace quorvix {
namespace {

// An entry a killed program left half written, or one damaged since, is no
// entry: restoring it would put wrong bytes in place of a config.
TEST(BackupHistory, halfWrittenOrDamagedEntriesAreLeftOut)
{
    testing::TempDir dir;
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
    const std::string unreadable = "Der Eintrag \u201E" + entries[0].file.string() + "\u201C im Backup-Verlauf kann nicht gelesen werden.";
    for (const auto& [name, bytes] : damaged) {
        testing::writeBytes(entries[0].file, bytes);
        EXPECT_TRUE(history.entries().empty()) << name;
        EXPECT_EQ(testing::failureOf([&] { BackupHistory::contentOf(entries[0]); }), unreadable) << name;
    }
}

} // namespace
} // namespace quorvix
