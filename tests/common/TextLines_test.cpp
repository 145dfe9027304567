#include "common/TextLines.h"

#include "common/TempDir.h"

#include <gtest/gtest.h>

namespace quorvix {
namespace {

using namespace std::string_literals;
using testing::TempDir;
using testing::writeBytes;

struct SplitCase {
    const char* name;
    std::string bytes;
    RawLines lines;
};

std::vector<SplitCase> splitCases()
{
    const std::string megaLine(1 << 20, 'x');
    return {
        {"crlf", "bind \"w\" \"+forward\"\r\nname \"x\"\r\n", {"bind \"w\" \"+forward\"", "name \"x\""}},
        {"lone cr", "a\rb\rc\r", {"a", "b", "c"}},
        {"lone lf as the game writes on Linux", "bind a\nrate 1\nbind b\n", {"bind a", "rate 1", "bind b"}},
        {"mixed", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"cr cr lf is a lone cr then a pair", "a\r\r\nb", {"a", "", "b"}},
        {"lf cr is two line ends", "a\n\rb", {"a", "", "b"}},
        {"no final line end", "first\r\nlast", {"first", "last"}},
        {"final line end gives no empty line", "only\r\n", {"only"}},
        {"empty file", "", {}},
        {"only line ends", "\r\n\r\n\n\r", {"", "", "", ""}},
        {"single cr", "\r", {""}},
        {"empty lines inside", "a\r\n\r\n\r\nb\r\n", {"a", "", "", "b"}},
        {"nul bytes inside a line", "bind \0\"x\"\0\r\nz"s, {"bind \0\"x\"\0"s, "z"}},
        {"high bytes untouched", "name \"M\xFCller\x81\x9D\"\n", {"name \"M\xFCller\x81\x9D\""}},
        {"blanks and tabs kept", " \tbind x \t\r\n", {" \tbind x \t"}},
        {"one megabyte line", "a\r\n" + megaLine + "\r\nb", {"a", megaLine, "b"}},
        {"one megabyte line without end", megaLine, {megaLine}},
    };
}

TEST(TextLines, readsLinesOfRealFilesByEveryLineEnd)
{
    TempDir dir;
    for (const auto& c : splitCases()) {
        SCOPED_TRACE(c.name);
        const auto file = dir / "old.cfg";
        writeBytes(file, c.bytes);
        const RawLines lines = readLines(file);
        ASSERT_EQ(lines.size(), c.lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i], c.lines[i]) << "line " << i;
        // The in-memory split must agree with what came off the disk.
        EXPECT_EQ(splitLines(c.bytes), c.lines);
    }
}

TEST(TextLines, lineEndsSplitAcrossReadBlocksAreFound)
{
    // Small blocks put every line end, and the CR and LF of every pair, on
    // a block boundary somewhere.
    TempDir dir;
    const auto file = dir / "old.cfg";
    for (const auto& c : splitCases()) {
        if (c.bytes.size() > 4096)
            continue;
        writeBytes(file, c.bytes);
        for (const std::size_t block : {1u, 2u, 3u, 5u}) {
            SCOPED_TRACE(std::string(c.name) + ", block " + std::to_string(block));
            EXPECT_EQ(readLines(file, block), c.lines);
        }
    }
    // A CR LF pair across the boundary of the default block size, at every
    // offset around it.
    for (std::size_t first = 65530; first < 65540; ++first) {
        SCOPED_TRACE(first);
        const std::string a(first, 'a');
        writeBytes(file, a + "\r\nb\rc\nd");
        EXPECT_EQ(readLines(file), (RawLines{a, "b", "c", "d"}));
    }
}

TEST(TextLines, readingFailsWithGermanMessageForMissingFileAndFolder)
{
    TempDir dir;
    struct Case { const char* name; std::filesystem::path path; const char* words; };
    const Case cases[] = {
        {"missing file", dir / "nope.cfg", "kann nicht gelesen werden"},
        {"folder", dir.path(), "ist ein Ordner"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            readLines(c.path);
            ADD_FAILURE() << "no FileError";
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find(c.words), std::string::npos) << e.what();
        }
    }
}

TEST(TextLines, oldLinesGetLineEndsBetweenThemButNotAfterTheLast)
{
    struct Case { const char* name; RawLines lines; std::string bytes; };
    const Case cases[] = {
        {"none", {}, ""},
        {"one", {"bind a"}, "bind a"},
        {"three", {"bind a", "bind b", "bind c"}, "bind a\r\nbind b\r\nbind c"},
        {"empty lines kept", {"", "bind x", ""}, "\r\nbind x\r\n"},
        {"bytes not re-encoded", {"\xFC\x80\x81", "\0"s}, "\xFC\x80\x81\r\n\0"s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ByteBufferOutput out;
        writeOldLines(out, c.lines);
        EXPECT_EQ(out.bytes(), c.bytes);
    }
}

TEST(TextLines, generatedLinesAreEncodedToTheCodePageWithCrLf)
{
    struct Case { const char* name; const char* utf8; std::string bytes; };
    const Case cases[] = {
        {"plain", "echo \"hi\"", "echo \"hi\"\r\n"},
        {"empty", "", "\r\n"},
        {"umlaut becomes one byte", "echo \"Q-DSL f\xC3\xBCr\"", "echo \"Q-DSL f\xFCr\"\r\n"},
        {"euro sign", "\xE2\x82\xAC", "\x80\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ByteBufferOutput out;
        out.writeLine(c.utf8);
        EXPECT_EQ(out.bytes(), c.bytes);
    }
}

TEST(TextLines, unencodableCharacterIsNamedAndNothingIsWritten)
{
    ByteBufferOutput out;
    out.writeLine("first");
    try {
        out.writeLine("name \"\xD0\x96ukov\"");
        ADD_FAILURE() << "no FileError";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("\xD0\x96"), std::string::npos) << e.what();
    }
    EXPECT_EQ(out.bytes(), "first\r\n");
}

} // namespace
} // namespace quorvix
