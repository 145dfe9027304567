#include "oldconfig/EntryMeter.h"

#include <gtest/gtest.h>

namespace quorvix {
namespace {

constexpr const char* kLow = "*rofl*Weniger als 200 Eintr\xC3\xA4ge...*nap like*";
constexpr const char* kHigh = "*Yeah* 1337 Config []-[]4Xx0R";

TEST(EntryMeter, ratingTurnsBlueAtTwoHundredEntries)
{
    struct Case { std::size_t entries; const char* text; std::uint32_t rgb; };
    const Case cases[] = {
        {0, kLow, 0xFF0000},     {1, kLow, 0xFF0000},      {199, kLow, 0xFF0000},
        {200, kHigh, 0x0000FF},  {201, kHigh, 0x0000FF},   {32767, kHigh, 0x0000FF},
        {32768, kHigh, 0x0000FF}, {1000000, kHigh, 0x0000FF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entries);
        const Rating rating = rateConfig(c.entries);
        EXPECT_EQ(rating.text, c.text);
        EXPECT_EQ(rating.rgb, c.rgb);
    }
}

TEST(EntryMeter, countLabelHasNoLeadingBlankAndFullWidthNumbers)
{
    struct Case { std::size_t entries; const char* text; };
    const Case cases[] = {
        {0, "0 Eintr\xC3\xA4ge in der neuen Config"},
        {199, "199 Eintr\xC3\xA4ge in der neuen Config"},
        {200, "200 Eintr\xC3\xA4ge in der neuen Config"},
        {40000, "40000 Eintr\xC3\xA4ge in der neuen Config"},
        {1000000, "1000000 Eintr\xC3\xA4ge in der neuen Config"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entries);
        EXPECT_EQ(entryCountText(c.entries), c.text);
    }
}

} // namespace
} // namespace quorvix
