#include "common/Cp1252.h"

#include <gtest/gtest.h>

namespace quorvix {
namespace {

// Every byte decodes and encodes back; the bytes where the code page
// differs from Latin-1, the five undefined ones among them, decode to their
// own characters.
TEST(Cp1252, decodesEveryByteAndEncodesItBack)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const auto encoded = encodeCp1252(decodeCp1252(all));
    ASSERT_FALSE(encoded.unencodable);
    EXPECT_EQ(encoded.bytes, all);

    const std::pair<unsigned char, char32_t> cases[] = {
        {0x80, 0x20AC}, {0x81, 0x0081}, {0x8A, 0x0160}, {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090},
        {0x93, 0x201C}, {0x9D, 0x009D}, {0x9F, 0x0178}, {0x00, 0x0000}, {0xA0, 0x00A0}, {0xFF, 0x00FF},
    };
    for (const auto& [byte, codePoint] : cases) {
        std::string expected;
        appendUtf8(expected, codePoint);
        EXPECT_EQ(decodeCp1252(std::string(1, static_cast<char>(byte))), expected) << int(byte);
    }

    // The UTF-16 form says the same as the UTF-8 one, unit for byte.
    std::u16string units(all.size(), u'?');
    decodeCp1252Utf16(all, units.data());
    std::string viaUnits;
    for (const char16_t unit : units)
        appendUtf8(viaUnits, unit);
    EXPECT_EQ(viaUnits, decodeCp1252(all));
}

TEST(Cp1252, encodingNamesTheFirstCharacterOutsideTheCodePage)
{
    struct Case { const char* name; const char* utf8; std::optional<char32_t> bad; std::string bytes; };
    const Case cases[] = {
        {"umlaut", "M\xC3\xBC" "ller", std::nullopt, "M\xFCller"},
        {"euro and quotes", "\xE2\x82\xAC\xE2\x80\x9Ex\xE2\x80\x9C", std::nullopt, "\x80\x84x\x93"},
        {"first of several", "a\xD0\x96" "b\xE2\x98\x83", char32_t{0x416}, ""},
        {"malformed", "a\xC3", char32_t{0xFFFD}, ""},
        {"emoji", "\xF0\x9F\x98\x80", char32_t{0x1F600}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto encoded = encodeCp1252(c.utf8);
        EXPECT_EQ(encoded.unencodable, c.bad);
        EXPECT_EQ(firstUnencodable(c.utf8), c.bad);
        EXPECT_EQ(encoded.bytes, c.bytes);
    }
}

} // namespace
} // namespace quorvix
