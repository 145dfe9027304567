#include "common/TextLines.h"

#include "common/TempDir.h"

#include <gtest/gtest.h>

namespace quorvix {
namespace {

using namespace std::string_literals;
using testing::TempDir;
using testing::writeBytes;

TEST(TextLines, realFilesSplitAtEveryLineEndWhateverTheReadBlock)
{
    struct Case { const char* name; std::string bytes; RawLines lines; };
    const std::string mega(1 << 20, 'x');
    const Case cases[] = {
        {"crlf", "bind \"w\" \"+forward\"\r\nname \"x\"\r\n", {"bind \"w\" \"+forward\"", "name \"x\""}},
        {"lone cr", "a\rb\rc\r", {"a", "b", "c"}},
        {"lone lf as the game writes on Linux", "bind a\nrate 1\nbind b\n", {"bind a", "rate 1", "bind b"}},
        {"mixed", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"cr cr lf", "a\r\r\nb", {"a", "", "b"}},
        {"lf cr is two line ends", "a\n\rb", {"a", "", "b"}},
        {"no final line end", "first\r\nlast", {"first", "last"}},
        {"empty file", "", {}},
        {"only line ends", "\r\n\r\n\n\r", {"", "", "", ""}},
        {"nul and high bytes, blanks and tabs kept", " \tbind \0\"\xFC\x81\"\0\t\r\nz"s,
         {" \tbind \0\"\xFC\x81\"\0\t"s, "z"}},
        {"one megabyte line", "a\r\n" + mega + "\r\nb", {"a", mega, "b"}},
    };
    TempDir dir;
    const auto file = dir / "old.cfg";
    for (const auto& c : cases) {
        writeBytes(file, c.bytes);
        EXPECT_EQ(splitLines(c.bytes), c.lines) << c.name;
        EXPECT_EQ(readLines(file), c.lines) << c.name;
        // Tiny blocks put every line end, and the CR and LF of every pair,
        // on a block boundary somewhere.
        for (std::size_t block = 1; block <= 3 && c.bytes.size() < 4096; ++block)
            EXPECT_EQ(readLines(file, block), c.lines) << c.name << ", block " << block;
    }
    // A CR LF pair around the boundary of the default block size.
    for (std::size_t first = 65530; first < 65540; ++first) {
        SCOPED_TRACE(first);
        writeBytes(file, std::string(first, 'a') + "\r\nb\rc\nd");
        EXPECT_EQ(readLines(file), (RawLines{std::string(first, 'a'), "b", "c", "d"}));
    }
}

} // namespace
} // namespace quorvix
