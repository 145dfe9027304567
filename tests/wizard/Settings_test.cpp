#include "wizard/Settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

namespace quorvix {
namespace {

using FlagField = Settings::Flag Settings::*;
using TextField = std::string Settings::*;

struct NamedFlag { const char* name; FlagField field; };
struct NamedText { const char* name; TextField field; };

#define FLAG(f) NamedFlag{#f, &Settings::f}
#define TEXT(f) NamedText{#f, &Settings::f}

// Every flag and counter of the record, so that each test below sees all of
// them and a field left out of a load set cannot hide.
const NamedFlag kAllFlags[] = {
    FLAG(WizardDone), FLAG(MakeCount), FLAG(ColorCount), FLAG(LastStep),
    FLAG(SpielernameDone),
    FLAG(ConnectionDone), FLAG(CfgLAN), FLAG(CfgStandleitung), FLAG(CfgADSLfp), FLAG(CfgDSL),
    FLAG(CfgADSLCableAOL), FLAG(CfgQDSL), FLAG(CfgSDSL256), FLAG(CfgDualISDN), FLAG(CfgISDN),
    FLAG(CfgModem), FLAG(CfgDownL),
    FLAG(VideoDone), FLAG(CfgVidBest), FLAG(CfgVidMittel), FLAG(CfgVMMX), FLAG(CfgVPrecache),
    FLAG(CfgVBUP), FLAG(CfgVZtrick),
    FLAG(SoundDone), FLAG(CfgEAX), FLAG(CfgSoundHLV), FLAG(CfgSoundSoundprob), FLAG(CfgSoundHighQ),
    FLAG(mausDone), FLAG(CfgMausFilter),
    FLAG(ConsoleDone), FLAG(CfgCGS), FLAG(CfgCdev), FLAG(CfgCWeiss), FLAG(CfgCBlau), FLAG(CfgCRot),
    FLAG(CfgCGruen),
    FLAG(HudDone), FLAG(CfgHudcenterid), FLAG(CfgHudFS), FLAG(CfgHudtakeshot),
    FLAG(NetgraphDone), FLAG(CfgNgraphAus), FLAG(CfgNgraph1), FLAG(CfgNgraph2), FLAG(CfgNgraph3),
    FLAG(CfgNgraphP1), FLAG(CfgNgraphP2), FLAG(CfgNgraphP3),
    FLAG(ViolenceDone), FLAG(CfgViolenceBlutan),
    FLAG(SetinfoDone), FLAG(CfgHelpM), FLAG(CfgMapbrief), FLAG(Cfgfrendm), FLAG(CfgVGUI),
    FLAG(CfgLeftHand), FLAG(CfgdynChr), FLAG(CfgAutoWS),
};

const NamedText kAllTexts[] = {
    TEXT(BackupAnswer), TEXT(Spielername), TEXT(CfgBrightness), TEXT(CfgGamma), TEXT(CfgVMaxFPS),
    TEXT(CfgMSens), TEXT(CfgMSensratio), TEXT(CfgConsoleRGB), TEXT(CfgHudDTN),
    TEXT(CfgHudChattime), TEXT(CfgHudKaufhis), TEXT(CfgNetghight), TEXT(CfgNetgwidth),
};

// What loading each page sets to 0, as the wizard's page table lists it.
struct LoadSetRow { int page; std::vector<const char*> fields; };
const LoadSetRow kLoadSets[] = {
    {1, {"SpielernameDone"}},
    {2, {"ConnectionDone", "CfgLAN", "CfgStandleitung", "CfgADSLfp", "CfgDSL", "CfgADSLCableAOL",
         "CfgQDSL", "CfgSDSL256", "CfgDualISDN", "CfgISDN", "CfgModem", "CfgDownL"}},
    {3, {"VideoDone", "CfgVidBest", "CfgVidMittel", "CfgVMMX", "CfgVPrecache", "CfgVBUP", "CfgVZtrick"}},
    // SoundDone survives: Back on page 5 leaves it at 1.
    {4, {"CfgEAX", "CfgSoundHLV", "CfgSoundSoundprob", "CfgSoundHighQ"}},
    {5, {"mausDone", "CfgMausFilter"}},
    {6, {"ColorCount", "ConsoleDone", "CfgCWeiss", "CfgCBlau", "CfgCRot", "CfgCGruen", "CfgCGS", "CfgCdev"}},
    {7, {"HudDone", "CfgHudcenterid", "CfgHudFS", "CfgHudtakeshot"}},
    {8, {"NetgraphDone", "CfgNgraphAus", "CfgNgraph1", "CfgNgraph2", "CfgNgraph3", "CfgNgraphP1",
         "CfgNgraphP2", "CfgNgraphP3"}},
    {9, {"ViolenceDone", "CfgViolenceBlutan"}},
    {10, {"SetinfoDone", "CfgHelpM", "CfgMapbrief", "Cfgfrendm", "CfgVGUI", "CfgLeftHand",
          "CfgdynChr", "CfgAutoWS"}},
    {11, {}},
};

Settings everythingSet()
{
    Settings s;
    for (const auto& f : kAllFlags)
        s.*f.field = 1;
    for (const auto& t : kAllTexts)
        s.*t.field = std::string("kept ") + t.name;
    return s;
}

// Names of the flags that are 0 now.
std::vector<std::string> zeroFlags(const Settings& s)
{
    std::vector<std::string> names;
    for (const auto& f : kAllFlags) {
        if (s.*f.field == 0)
            names.emplace_back(f.name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> sorted(const std::vector<const char*>& names)
{
    std::vector<std::string> out(names.begin(), names.end());
    std::sort(out.begin(), out.end());
    return out;
}

void expectTextsKept(const Settings& s)
{
    for (const auto& t : kAllTexts)
        EXPECT_EQ(s.*t.field, std::string("kept ") + t.name) << t.name;
}

TEST(SettingsRecord, freshRecordIsAllZeroAndEmpty)
{
    const Settings s;
    for (const auto& f : kAllFlags)
        EXPECT_EQ(s.*f.field, 0) << f.name;
    for (const auto& t : kAllTexts)
        EXPECT_TRUE((s.*t.field).empty()) << t.name;
}

TEST(SettingsLoadSets, eachPageClearsExactlyItsFieldsAndNoText)
{
    for (const auto& row : kLoadSets) {
        SCOPED_TRACE("page " + std::to_string(row.page));
        EXPECT_EQ(loadSet(row.page).size(), row.fields.size());
        Settings s = everythingSet();
        resetLoadSet(s, row.page);
        EXPECT_EQ(zeroFlags(s), sorted(row.fields));
        expectTextsKept(s);
    }
}

TEST(SettingsLoadSets, pagesOutsideTheWizardHaveNone)
{
    for (const int page : {0, -1, 12, 100}) {
        SCOPED_TRACE(page);
        EXPECT_TRUE(loadSet(page).empty());
        Settings s = everythingSet();
        resetLoadSet(s, page);
        EXPECT_TRUE(zeroFlags(s).empty());
    }
}

TEST(SettingsLoadSets, backClearsTheLoadSetOfThePageBefore)
{
    struct Row { const char* name; int backOnPage; std::vector<const char*> cleared; };
    const Row rows[] = {
        // The player name page keeps its Done flag when Back leaves page 2.
        {"page2ClearsNothing", 2, {}},
        {"page1HasNoBack", 1, {}},
        {"page3ClearsConnection", 3, kLoadSets[1].fields},
        {"page5LeavesSoundDone", 5, kLoadSets[3].fields},
        {"page7ClearsConsoleWithColorCount", 7, kLoadSets[5].fields},
        {"page11ClearsSetinfo", 11, kLoadSets[9].fields},
        {"beyondLastPageClearsNothing", 12, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Settings s = everythingSet();
        clearForBackOn(s, row.backOnPage);
        EXPECT_EQ(zeroFlags(s), sorted(row.cleared));
        expectTextsKept(s);
    }
    Settings s = everythingSet();
    s.ColorCount = 5;
    clearForBackOn(s, 7);
    EXPECT_EQ(s.ColorCount, 0);
    EXPECT_EQ(s.SoundDone, 1);
}

TEST(SettingsCounters, raiseSaturatingStopsAtTheTop)
{
    constexpr auto kMax = std::numeric_limits<Settings::Flag>::max();
    struct Row { const char* name; Settings::Flag before; Settings::Flag after; };
    const Row rows[] = {
        {"zero", 0, 1},
        {"one", 1, 2},
        {"belowTop", kMax - 1, kMax},
        {"atTop", kMax, kMax},
        {"negative", -5, -4},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Settings::Flag counter = row.before;
        raiseSaturating(counter);
        EXPECT_EQ(counter, row.after);
    }
    Settings s;
    for (int i = 0; i < 40000; ++i)
        raiseSaturating(s.WizardDone);
    EXPECT_EQ(s.WizardDone, kMax);
}

TEST(SettingsTests, flagTests)
{
    struct Row { const char* name; Settings::Flag value; bool chosen; bool one; };
    const Row rows[] = {
        {"zero", 0, false, false},
        {"one", 1, true, true},
        {"two", 2, true, false},
        {"top", 32767, true, false},
        {"minusOne", -1, false, false},
        {"bottom", -32768, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(isChosen(row.value), row.chosen);
        EXPECT_EQ(equalsOne(row.value), row.one);
    }
}

// Code-unit order against the one-character text "0": a first character
// above the digit wins, a leading 0 wins only with more after it.
TEST(SettingsTests, sortsAfterZeroTable)
{
    struct Row { const char* name; const char* text; bool after; };
    const Row rows[] = {
        {"three", "3", true},
        {"twoPointFive", "2.5", true},
        {"zeroPointFive", "0.5", true},
        {"ten", "10", true},
        {"zeroBlank", "0 ", true},
        {"doubleZero", "00", true},
        {"colon", ":", true},
        {"letter", "a", true},
        {"umlautFirst", "\u00fc", true},
        {"euroFirst", "\u20ac5", true},
        {"empty", "", false},
        {"zero", "0", false},
        {"pointFive", ".5", false},
        {"blankTwo", " 2", false},
        {"minusOne", "-1", false},
        {"slash", "/", false},
        {"tab", "\t9", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(sortsAfterZero(row.text), row.after);
    }
}

TEST(SettingsTests, isNotOneTable)
{
    struct Row { const char* name; const char* text; bool notOne; };
    const Row rows[] = {
        {"one", "1", false},
        {"empty", "", true},
        {"onePointZero", "1.0", true},
        {"leadingBlank", " 1", true},
        {"trailingBlank", "1 ", true},
        {"leadingZero", "01", true},
        {"eleven", "11", true},
        {"letterL", "l", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(isNotOne(row.text), row.notOne);
    }
}

} // namespace
} // namespace quorvix
