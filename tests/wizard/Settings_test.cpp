#include "wizard/Settings.h"

#include "common/GameNumber.h"
#include "common/SettingsFields.h"

#include <gtest/gtest.h>

#include <limits>

namespace quorvix {
namespace {

TEST(Settings, freshRecordIsAllZeroAndEmptyAndCountersStopAtTheTop)
{
    const Settings s;
    for (const auto& f : testing::kAllFlags)
        EXPECT_EQ(s.*f.field, 0) << f.name;
    for (const auto& t : testing::kAllTexts)
        EXPECT_EQ(s.*t.field, "") << t.name;

    constexpr auto kMax = std::numeric_limits<Settings::Flag>::max();
    const std::pair<Settings::Flag, Settings::Flag> raised[] = {{0, 1}, {-5, -4}, {kMax - 1, kMax}, {kMax, kMax}};
    for (auto [counter, after] : raised) {
        raiseSaturating(counter);
        EXPECT_EQ(counter, after);
    }
}

// What the writer asks of a typed text. Against "0" by code unit, no locale: a first character above the digit wins, a
// leading 0 only with more after it. A number is written as meant; a text that is not one plain number stays as typed.
TEST(Settings, typedTextTests)
{
    struct Case { const char* text; bool afterZero; bool notOne; const char* meant; std::optional<double> value; };
    const Case cases[] = {
        {"3", true, true, "3", 3},           {"0.5", true, true, "0.5", 0.5},   {"10", true, true, "10", 10},
        {"00", true, true, "00", 0},         {"0 ", true, true, "0 ", {}},      {":", true, true, ":", {}},
        {"a", true, true, "a", {}},          {"\u00fc1", true, true, "\u00fc1", {}},
        {"\u20ac5", true, true, "\u20ac5", {}}, {"1", true, false, "1", 1},    {"1.0", true, true, "1.0", 1},
        {"1 ", true, true, "1 ", {}},        {"2,5", true, true, "2.5", 2.5},   {"5,", true, true, "5.", 5},
        {"1,2,3", true, true, "1,2,3", {}},  {"1.2,3", true, true, "1.2,3", {}}, {"+100", false, true, "100", 100},
        {"+99,5", false, true, "99.5", 99.5}, {"+0", false, true, "0", 0},      {"-1", false, true, "-1", -1},
        {",5", false, true, ".5", 0.5},      {".5", false, true, ".5", 0.5},    {"+-5", false, true, "+-5", {}},
        {"+", false, true, "+", {}},         {",", false, true, ",", {}},       {"-.", false, true, "-.", {}},
        {"", false, true, "", {}},           {"0", false, true, "0", 0},        {" 1", false, true, " 1", {}},
        {"/", false, true, "/", {}},         {"\t9", false, true, "\t9", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("[") + c.text + "]");
        EXPECT_EQ(sortsAfterZero(c.text), c.afterZero);
        EXPECT_EQ(isNotOne(c.text), c.notOne);
        EXPECT_EQ(numberAsMeant(c.text), c.meant);
        EXPECT_EQ(plainNumber(c.text), c.value);
    }
}

} // namespace
} // namespace quorvix
