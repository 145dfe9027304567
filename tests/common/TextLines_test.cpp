#include "common/TextLines.h"

#include "common/Cp1252.h"
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
        // Tiny blocks put every line end, and the CR and LF of every pair, on a block boundary somewhere.
        for (std::size_t block = 1; block <= 3 && c.bytes.size() < 4096; ++block)
            EXPECT_EQ(readLines(file, block), c.lines) << c.name << ", block " << block;
    }
    // A CR LF pair around the boundary of the default block size.
    for (std::size_t first = 65530; first < 65540; ++first) {
        writeBytes(file, std::string(first, 'a') + "\r\nb\rc\nd");
        EXPECT_EQ(readLines(file), (RawLines{std::string(first, 'a'), "b", "c", "d"})) << first;
    }
}

// Every byte decodes and encodes back; the code page's five undefined bytes as their own C1 controls. The UTF-16 form
// says the same.
TEST(Cp1252, decodesEveryByteAndEncodesItBack)
{
    std::string all, expected;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    expected = all.substr(0, 0x80) + "\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039"
               "\u0152\u008D\u017D\u008F\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A"
               "\u0153\u009D\u017E\u0178";
    for (int b = 0xA0; b < 256; ++b)
        expected += {static_cast<char>(0xC0 | b >> 6), static_cast<char>(0x80 | (b & 0x3F))};
    EXPECT_EQ(decodeCp1252(all), expected);
    const auto encoded = encodeCp1252(expected);
    EXPECT_EQ(encoded.unencodable, std::nullopt);
    EXPECT_EQ(encoded.bytes, all);

    std::u16string units(all.size(), u'?');
    decodeCp1252Utf16(all, units.data());
    std::string viaUnits;
    for (const char16_t unit : units)
        appendUtf8(viaUnits, unit);
    EXPECT_EQ(viaUnits, expected);

    // Outside the code page: nothing is encoded, the first such character is named.
    const std::pair<const char*, char32_t> outside[] = {
        {"a\xD0\x96" "b\xE2\x98\x83", 0x416}, {"a\xC3", 0xFFFD}, {"\xF0\x9F\x98\x80", 0x1F600}, // malformed, emoji
    };
    for (const auto& [utf8, bad] : outside) {
        EXPECT_EQ(encodeCp1252(utf8).unencodable, bad) << utf8;
        EXPECT_EQ(firstUnencodable(utf8), bad) << utf8;
        EXPECT_EQ(encodeCp1252(utf8).bytes, "") << utf8;
    }
}

} // namespace
} // namespace quorvix
