// A failing output (full disk, a character the code page lacks) must stop
// the writer at that line and reach the caller, which then keeps the old
// config; nothing may be swallowed or written after the failure.

#include "writer/WriteConfig.h"

#include "common/TextLines.h"
#include "wizard/Settings.h"
#include "writer/WriterTestSupport.h"

#include <gtest/gtest.h>

namespace quorvix {
namespace {

using namespace writertest;

std::string firstLinesOf(const std::string& bytes, std::size_t count)
{
    std::size_t end = 0;
    for (std::size_t i = 0; i < count; ++i) {
        end = bytes.find("\r\n", end);
        if (end == std::string::npos)
            return bytes;
        end += 2;
    }
    return bytes.substr(0, end);
}

TEST(WriteConfigFailure, outputFailingAfterNLinesStopsThereAndPropagates)
{
    const std::string golden = readGolden("every_flag_set.cfg");
    const std::size_t total = splitLines(golden).size();
    ASSERT_GT(total, 300u);

    struct Row { const char* name; std::size_t okLines; };
    const Row rows[] = {
        {"firstLine", 0},
        {"insideBanner", 3},
        {"afterNameLine", 8},
        {"insideConnectionBlocks", 40},
        {"insideSoundDefaults", 150},
        {"lastLine", total - 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FailingOutput out(row.okLines);
        EXPECT_THROW(WriteConfig(everyFlagSet(), out), FileError);
        EXPECT_EQ(out.written(), row.okLines);
        EXPECT_EQ(out.bytes(), firstLinesOf(golden, row.okLines));
    }

    FailingOutput roomForAll(total);
    EXPECT_NO_THROW(WriteConfig(everyFlagSet(), roomForAll));
    EXPECT_EQ(roomForAll.bytes(), golden);
}

TEST(WriteConfigFailure, textOutsideTheCodePageStopsAtItsLine)
{
    struct Row {
        const char* name;
        void (*setup)(Settings&);
        const char* lastGoodLine;
    };
    const Row rows[] = {
        {"cyrillicName",
         [](Settings& s) { s.SpielernameDone = 1; s.Spielername = " \"\u0416\""; },
         R"(echo "visit.....www.tandrel.example)"},
        {"snowmanFrameRate", [](Settings& s) { s.CfgVMaxFPS = "\u2603"; },
         R"(precache "0")"},
        {"emojiNetgraphWidth", [](Settings& s) { s.CfgNetgwidth = "\U0001F600"; },
         R"(net_graphheight "64")"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Settings s;
        row.setup(s);
        ByteBufferOutput out;
        EXPECT_THROW(WriteConfig(s, out), FileError);
        const auto lines = splitLines(out.bytes());
        ASSERT_FALSE(lines.empty());
        // An empty line may follow in the banner; look at the last non-empty one.
        auto last = lines.rbegin();
        while (last != lines.rend() && last->empty())
            ++last;
        ASSERT_NE(last, lines.rend());
        EXPECT_EQ(*last, row.lastGoodLine);
        EXPECT_TRUE(out.bytes().ends_with("\r\n"));
    }
}

} // namespace
} // namespace quorvix
