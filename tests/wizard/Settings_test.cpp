#include "wizard/Settings.h"

#include "common/SettingsFields.h"

#include <gtest/gtest.h>

#include <limits>

namespace quorvix {
namespace {

using testing::kAllFlags;
using testing::kAllTexts;

TEST(Settings, freshRecordIsAllZeroAndEmpty)
{
    const Settings s;
    for (const auto& f : kAllFlags)
        EXPECT_EQ(s.*f.field, 0) << f.name;
    for (const auto& t : kAllTexts)
        EXPECT_EQ(s.*t.field, "") << t.name;
}

TEST(Settings, raiseSaturatingStopsAtTheTop)
{
    constexpr auto kMax = std::numeric_limits<Settings::Flag>::max();
    const std::pair<Settings::Flag, Settings::Flag> cases[] = {{0, 1}, {-5, -4}, {kMax - 1, kMax}, {kMax, kMax}};
    for (auto [counter, after] : cases) {
        raiseSaturating(counter);
        EXPECT_EQ(counter, after);
    }
}

TEST(Settings, flagTests)
{
    struct Case { Settings::Flag value; bool chosen; bool one; };
    const Case cases[] = {{0, false, false}, {1, true, true}, {2, true, false}, {32767, true, false},
                          {-1, false, false}, {-32768, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(isChosen(c.value), c.chosen);
        EXPECT_EQ(equalsOne(c.value), c.one);
    }
}

// Code-unit order against the one-character text "0", no locale: a first
// character above the digit wins, a leading 0 wins only with more after it.
TEST(Settings, textTests)
{
    struct Case { const char* text; bool afterZero; bool notOne; };
    const Case cases[] = {
        {"3", true, true},   {"2.5", true, true},  {"0.5", true, true}, {"10", true, true},
        {"0 ", true, true},  {"00", true, true},   {":", true, true},   {"a", true, true},
        {"\u00fc", true, true}, {"\u20ac5", true, true}, {"1", true, false}, {"1.0", true, true},
        {"01", true, true},  {"11", true, true},   {"1 ", true, true},  {"", false, true},
        {"0", false, true},  {".5", false, true},  {" 1", false, true}, {"-1", false, true},
        {"/", false, true},  {"\t9", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("[") + c.text + "]");
        EXPECT_EQ(sortsAfterZero(c.text), c.afterZero);
        EXPECT_EQ(isNotOne(c.text), c.notOne);
    }
}

} // namespace
} // namespace quorvix
