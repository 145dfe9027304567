#include "common/Cp1252.h"

#include <gtest/gtest.h>

namespace quorvix {
namespace {

TEST(Cp1252, everyByteSurvivesDecodeAndEncode)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const auto encoded = encodeCp1252(decodeCp1252(all));
    ASSERT_FALSE(encoded.unencodable);
    EXPECT_EQ(encoded.bytes, all);
}

TEST(Cp1252, reportsFirstCharacterOutsideTheCodePage)
{
    struct Case { const char* name; const char* utf8; std::optional<char32_t> bad; std::string bytes; };
    const Case cases[] = {
        {"umlaut", "M\xC3\xBC" "ller", std::nullopt, "M\xFCller"},
        {"euro", "\xE2\x82\xAC", std::nullopt, "\x80"},
        {"cyrillic", "a\xD0\x96" "b\xE2\x98\x83", char32_t{0x416}, ""},
        {"snowman", "\xE2\x98\x83", char32_t{0x2603}, ""},
        {"malformed", "a\xC3", char32_t{0xFFFD}, ""},
        {"emoji", "\xF0\x9F\x98\x80", char32_t{0x1F600}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto encoded = encodeCp1252(c.utf8);
        EXPECT_EQ(encoded.unencodable, c.bad);
        EXPECT_EQ(encoded.bytes, c.bytes);
    }
}

} // namespace
} // namespace quorvix
