#include "writer/WriteConfig.h"

#include "wizard/Settings.h"
#include "writer/WriterTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorvix {
namespace {

using namespace writertest;

const Lines kMouseHeader = {
    "", "//", "//               ---->Mouse settings<----", "//", R"(echo "Mouse settings...done")",
    R"(joystick "0.000000")", R"(lookstrafe "0.000000")", R"(lookspring "0.000000")",
    R"(m_pitch "0.022")", R"(m_yaw "0.022")", R"(m_forward "1")", R"(m_side "0.8")", "+mlook"};
const Lines kFilterOff = {R"(echo "Mouse settings: Mousefilter Off")", R"(m_filter "0")"};
const Lines kFilterOn = {R"(echo "Mouse settings: Mousefilter On")", R"(m_filter "1")"};

const Lines kConsoleHeader = {
    "", "//", "//               ---->Console settings<----", "//", R"(echo "Console settings...done")"};
const Lines kSlow = {R"(echo "Console settings: Console Speed: Slow")", R"(scr_conspeed "600")"};
const Lines kFast = {R"(echo "Console settings: Console Speed: Fast")", R"(scr_conspeed "9999")"};
const Lines kDevOff = {R"(echo "Console settings: Console Developer: Off")", R"(developer "0")"};
const Lines kDevOn = {R"(echo "Console settings: Console Developer: On")", R"(developer "1")"};
const Lines kWhite = {R"(echo "Console settings: Console Color: White")", R"(con_color "255 255 255 ")"};
const Lines kBlue = {R"(echo "Console settings: Console Color: Blue")", R"(con_color "000 000 255")"};
const Lines kRed = {R"(echo "Console settings: Console Color: Red")", R"(con_color "255 000 000")"};
const Lines kGreen = {R"(echo "Console settings: Console Color: Green")", R"(con_color "000 255 000")"};

const Lines kHudHeader = {
    "", "//", "//               ---->Hud settings<----", "//", R"(echo "Hud settings...done")"};
const Lines kHudOff = {
    R"(echo "Hud settings: Spielername links unten")", R"(hud_centerid "0")",
    R"(echo "Hud settings: Fastswitch Off")", R"(hud_fastswitch "0")",
    R"(echo "Hud settings: Takeshot Off")", R"(hud_takesshots "0")"};
const Lines kHudOn = {
    R"(echo "Hud settings: Spielername mittig")", R"(hud_centerid "1")",
    R"(echo "Hud settings: Fastswitch On")", R"(hud_fastswitch "1")",
    R"(echo "Hud settings: Takeshot On")", R"(hud_takesshots "1")"};

const SectionCase kMouseCases[] = {
    {"pageNotDoneNoDefaultsNoMlook", WriteMouseSection,
     [](Settings& s) { s.CfgMSens = "3"; },
     join({kFilterOff, {R"(sensitivity "3")"}})},
    {"pageDoneHeaderAndDefaults", WriteMouseSection,
     [](Settings& s) { s.mausDone = 1; s.CfgMausFilter = 1; s.CfgMSens = "2.5"; s.CfgMSensratio = "1.2"; },
     join({kMouseHeader, kFilterOn, {R"(sensitivity "2.5")", R"(zoom_sensitivity_ratio "1.2")"}})},
    {"ratioWithoutSensitivity", WriteMouseSection,
     [](Settings& s) { s.CfgMSens = "0"; s.CfgMSensratio = "10"; },
     join({kFilterOff, {R"(zoom_sensitivity_ratio "10")"}})},
    {"negativeFilterIsOff", WriteMouseSection,
     [](Settings& s) { s.mausDone = -1; s.CfgMausFilter = -1; }, kFilterOff},
};

const SectionCase kConsoleCases[] = {
    {"freshRecordSlowAndDeveloperOff", WriteConsoleSection, nullptr, join({kSlow, kDevOff})},
    {"pageDoneFastDeveloperOn", WriteConsoleSection,
     [](Settings& s) { s.ConsoleDone = 1; s.CfgCGS = 1; s.CfgCdev = 1; },
     join({kConsoleHeader, kFast, kDevOn})},
    {"typedColourBeforeWhiteBox", WriteConsoleSection,
     [](Settings& s) { s.CfgConsoleRGB = "255 155 50"; s.CfgCWeiss = 1; },
     join({kSlow, kDevOff, {R"(con_color "255 155 50")"}, kWhite})},
    {"emptyTypedColourWritesNothing", WriteConsoleSection,
     [](Settings& s) { s.CfgConsoleRGB = ""; s.CfgCRot = 1; },
     join({kSlow, kDevOff, kRed})},
    {"allFourBoxesInFixedOrder", WriteConsoleSection,
     [](Settings& s) { s.CfgCGruen = 1; s.CfgCRot = 1; s.CfgCBlau = 1; s.CfgCWeiss = 1; },
     join({kSlow, kDevOff, kWhite, kBlue, kRed, kGreen})},
    {"typedColourStartingBelowZeroIsDropped", WriteConsoleSection,
     [](Settings& s) { s.CfgConsoleRGB = " 255 0 0"; s.CfgCBlau = -1; },
     join({kSlow, kDevOff})},
};

const SectionCase kHudCases[] = {
    {"freshRecordThreeOffPairs", WriteHudSection, nullptr, kHudOff},
    {"pageDoneAllTimesInOrder", WriteHudSection,
     [](Settings& s) {
         s.HudDone = 1; s.CfgHudKaufhis = "2"; s.CfgHudChattime = "0.01"; s.CfgHudDTN = "10";
         s.CfgHudcenterid = 1; s.CfgHudFS = 1; s.CfgHudtakeshot = 1;
     },
     join({kHudHeader,
           {R"(hud_deathnotice_time "10")", R"(hud_saytext_time "0.01")", R"(hud_drawhistory_time "2")"},
           kHudOn})},
    {"chatTimeZeroIsLeftOut", WriteHudSection,
     [](Settings& s) { s.CfgHudChattime = "0"; s.CfgHudKaufhis = "5"; },
     join({{R"(hud_drawhistory_time "5")"}, kHudOff})},
    {"negativeHudFlagsAreOff", WriteHudSection,
     [](Settings& s) { s.HudDone = -1; s.CfgHudcenterid = -1; s.CfgHudFS = -1; s.CfgHudtakeshot = -1; },
     kHudOff},
};

class MouseCases : public ::testing::TestWithParam<SectionCase> {};
TEST_P(MouseCases, writesExactlyTheseLines) { expectSection(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Mouse, MouseCases, ::testing::ValuesIn(kMouseCases), caseName);

class ConsoleCases : public ::testing::TestWithParam<SectionCase> {};
TEST_P(ConsoleCases, writesExactlyTheseLines) { expectSection(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Console, ConsoleCases, ::testing::ValuesIn(kConsoleCases), caseName);

class HudCases : public ::testing::TestWithParam<SectionCase> {};
TEST_P(HudCases, writesExactlyTheseLines) { expectSection(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Hud, HudCases, ::testing::ValuesIn(kHudCases), caseName);

// Every typed value of these three sections is written only when its text
// sorts after "0"; one table of texts runs through all six fields.
TEST(TypedValues, writtenOnlyWhenTheTextSortsAfterZero)
{
    struct Text { const char* name; const char* text; bool written; };
    const Text texts[] = {
        {"three", "3", true},         {"twoPointFive", "2.5", true}, {"zeroPointFive", "0.5", true},
        {"ten", "10", true},          {"zeroZero", "00", true},      {"umlautFirst", "\u00fc1", true},
        {"letter", "a", true},
        {"empty", "", false},         {"zero", "0", false},          {"pointFive", ".5", false},
        {"blankTwo", " 2", false},    {"minusOne", "-1", false},     {"slash", "/5", false},
    };
    struct Field { const char* name; std::string Settings::* field; SectionWriter writer; const char* prefix; };
    const Field fields[] = {
        {"CfgMSens", &Settings::CfgMSens, WriteMouseSection, "sensitivity \""},
        {"CfgMSensratio", &Settings::CfgMSensratio, WriteMouseSection, "zoom_sensitivity_ratio \""},
        {"CfgConsoleRGB", &Settings::CfgConsoleRGB, WriteConsoleSection, "con_color \""},
        {"CfgHudDTN", &Settings::CfgHudDTN, WriteHudSection, "hud_deathnotice_time \""},
        {"CfgHudChattime", &Settings::CfgHudChattime, WriteHudSection, "hud_saytext_time \""},
        {"CfgHudKaufhis", &Settings::CfgHudKaufhis, WriteHudSection, "hud_drawhistory_time \""},
    };
    for (const auto& field : fields) {
        for (const auto& text : texts) {
            SCOPED_TRACE(std::string(field.name) + " / " + text.name);
            Settings s;
            s.*field.field = text.text;
            const auto lines = linesOf(field.writer, s);
            const std::string valueLine = std::string(field.prefix) + text.text + "\"";
            const auto hits = std::count(lines.begin(), lines.end(), valueLine);
            EXPECT_EQ(hits, text.written ? 1 : 0);
            // Nothing else starting with the prefix may sneak in either.
            const auto withPrefix = std::count_if(lines.begin(), lines.end(), [&](const std::string& l) {
                return l.starts_with(field.prefix);
            });
            EXPECT_EQ(withPrefix, text.written ? 1 : 0);
        }
    }
}

} // namespace
} // namespace quorvix
