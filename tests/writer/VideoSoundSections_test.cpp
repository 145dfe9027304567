#include "writer/WriteConfig.h"

#include "wizard/Settings.h"
#include "writer/WriterTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorvix {
namespace {

using namespace writertest;

const Lines kVideoHeader = {
    "//", "//               ---->Video settings<----", "//", "", R"(echo "Video settings...done")"};
const Lines kBopupOff = {R"(echo "Other settings: Bopup Off")", R"(cl_bopup "0")", R"(cl_bop "0")"};
const Lines kBopupOn = {R"(echo "Other settings: Bopup On")", R"(cl_bopup "0.5")", R"(cl_bop "1")"};
const Lines kCycle = {R"(cl_cycle "1")"};
const Lines kMmxOff = {R"(echo "Other settings: MMX-Support Off")", R"(r_mmx "0")"};
const Lines kMmxOn = {R"(echo "Other settings: MMX-Support On")", R"(r_mmx "1")"};
const Lines kPrecacheOff = {R"(echo "Other settings: Precaching Off")", R"(precache "0")"};
const Lines kPrecacheOn = {R"(echo "Other settings: Precaching On")", R"(precache "1")"};
const Lines kZtrickOn = {R"(echo "Other settings: Ztrick On")", R"(gl_ztrick "1")"};
const Lines kOtherOff = join({kBopupOff, kCycle, kMmxOff, kPrecacheOff});

const Lines kHighQOff = {R"(echo "Sound settings: High Quality Sound Off")", R"(hisound "0")"};
const Lines kHighQOn = {R"(echo "Sound settings: High Quality Sound On")", R"(hisound "1")"};
const Lines kDebugOff = {R"(echo "Sound settings: Debug Sound Off")", R"(snd_noextraupdate "0")"};
const Lines kDebugOn = {R"(echo "Sound settings: Debug Sound On")", R"(snd_noextraupdate "1")"};

const Lines kVoiceHeader = {
    "", "//", "//           ---->Voice settings<----", "//", R"(echo "Voice settings ... done")", ""};
const Lines kVoiceOff = {R"(echo "Voice settings: Half Life Voice Off")", R"(voice_enable "0")",
                         R"(voice_modenable "0")", R"(sv_voiceenable "0")"};
const Lines kVoiceOn = {R"(echo "Voice settings: Half Life Voice On")", R"(voice_enable "1")",
                        R"(voice_modenable "1")", R"(sv_voiceenable "1")"};
const Lines kA3d = {R"(echo "3DSound settings: A3D On")", R"(s_a3d "1")"};
const Lines kEax = {R"(echo "3DSound settings: EAX On")", R"(s_eax "1")"};

const SectionCase kVideoCases[] = {
    {"freshRecordEmptyValuesAndOffGroups", WriteVideoSection, nullptr,
     join({{R"(brightness "")", R"(gamma "")"}, kOtherOff, {R"(fps_max "")"}})},
    {"headerOnlyWithPageDone", WriteVideoSection,
     [](Settings& s) { s.VideoDone = 1; s.CfgBrightness = "2"; s.CfgGamma = "3"; s.CfgVMaxFPS = "100"; },
     join({kVideoHeader, {R"(brightness "2")", R"(gamma "3")"}, kOtherOff, {R"(fps_max "100")"}})},
    // A stored "1" is the default: command first, then its echo.
    {"brightnessAndGammaOneAreDefaults", WriteVideoSection,
     [](Settings& s) { s.CfgBrightness = "1"; s.CfgGamma = "1"; },
     join({{R"(brightness "1")", R"(echo "Video settings: Brightness default")",
            R"(gamma "1")", R"(echo "Video settings: Gamma default")"},
           kOtherOff, {R"(fps_max "")"}})},
    {"ztrickSitsBetweenGammaAndBopup", WriteVideoSection,
     [](Settings& s) { s.CfgVZtrick = 1; s.CfgGamma = "1"; },
     join({{R"(brightness "")", R"(gamma "1")", R"(echo "Video settings: Gamma default")"},
           kZtrickOn, kOtherOff, {R"(fps_max "")"}})},
    {"otherSettingsAllOn", WriteVideoSection,
     [](Settings& s) { s.CfgVBUP = 1; s.CfgVMMX = 1; s.CfgVPrecache = 1; s.CfgVMaxFPS = "101"; },
     join({{R"(brightness "")", R"(gamma "")"}, kBopupOn, kCycle, kMmxOn, kPrecacheOn,
           {R"(fps_max "101")"}})},
    {"negativeVideoFlagsCountAsNotChosen", WriteVideoSection,
     [](Settings& s) {
         s.VideoDone = -1; s.CfgVidBest = -1; s.CfgVidMittel = -1; s.CfgVZtrick = -1;
         s.CfgVBUP = -1; s.CfgVMMX = -1; s.CfgVPrecache = -1;
     },
     join({{R"(brightness "")", R"(gamma "")"}, kOtherOff, {R"(fps_max "")"}})},
    // The page checks the number; the writer passes any text through.
    {"frameRateWrittenUnchecked", WriteVideoSection,
     [](Settings& s) { s.CfgVMaxFPS = "9x\" "; },
     join({{R"(brightness "")", R"(gamma "")"}, kOtherOff, {R"(fps_max "9x" ")"}})},
};

const SectionCase kSoundCases[] = {
    {"pageNotDoneStillWritesBothPairs", WriteSoundSection, nullptr, join({kHighQOff, kDebugOff})},
    {"bothPairsOn", WriteSoundSection,
     [](Settings& s) { s.CfgSoundHighQ = 1; s.CfgSoundSoundprob = 1; },
     join({kHighQOn, kDebugOn})},
    {"negativeSoundFlagsAreOff", WriteSoundSection,
     [](Settings& s) { s.SoundDone = -1; s.CfgSoundHighQ = -1; s.CfgSoundSoundprob = -1; },
     join({kHighQOff, kDebugOff})},
};

// The voice header has no page of its own and is written for every record.
const SectionCase kVoiceCases[] = {
    {"freshRecordHeaderVoiceOffAndA3d", WriteVoiceSection, nullptr,
     join({kVoiceHeader, kVoiceOff, kA3d})},
    {"voiceOnWithEax", WriteVoiceSection,
     [](Settings& s) { s.CfgSoundHLV = 1; s.CfgEAX = 1; },
     join({kVoiceHeader, kVoiceOn, kEax})},
    {"eaxTwoIsNotExactlyOne", WriteVoiceSection,
     [](Settings& s) { s.CfgEAX = 2; }, join({kVoiceHeader, kVoiceOff, kA3d})},
    {"eaxMinusOneGivesA3d", WriteVoiceSection,
     [](Settings& s) { s.CfgEAX = -1; }, join({kVoiceHeader, kVoiceOff, kA3d})},
    {"soundPageDoneChangesNothingHere", WriteVoiceSection,
     [](Settings& s) { s.SoundDone = 1; s.CfgSoundHLV = 7; },
     join({kVoiceHeader, kVoiceOn, kA3d})},
};

class VideoCases : public ::testing::TestWithParam<SectionCase> {};
TEST_P(VideoCases, writesExactlyTheseLines) { expectSection(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Video, VideoCases, ::testing::ValuesIn(kVideoCases), caseName);

class SoundCases : public ::testing::TestWithParam<SectionCase> {};
TEST_P(SoundCases, writesExactlyTheseLines) { expectSection(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Sound, SoundCases, ::testing::ValuesIn(kSoundCases), caseName);

class VoiceCases : public ::testing::TestWithParam<SectionCase> {};
TEST_P(VoiceCases, writesExactlyTheseLines) { expectSection(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Voice, VoiceCases, ::testing::ValuesIn(kVoiceCases), caseName);

// Only the exact text "1" is the default; anything that merely looks like
// one is written as a value.
TEST(VideoSection, brightnessAndGammaTextTable)
{
    struct Row { const char* name; const char* text; bool isDefault; };
    const Row rows[] = {
        {"one", "1", true},         {"onePointZero", "1.0", false}, {"two", "2", false},
        {"empty", "", false},       {"leadingBlank", " 1", false},  {"trailingBlank", "1 ", false},
        {"leadingZero", "01", false}, {"eleven", "11", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Settings s;
        s.CfgBrightness = row.text;
        s.CfgGamma = row.text;
        const auto lines = linesOf(WriteVideoSection, s);
        const Lines expected = row.isDefault
            ? Lines{R"(brightness "1")", R"(echo "Video settings: Brightness default")",
                    R"(gamma "1")", R"(echo "Video settings: Gamma default")"}
            : Lines{std::string("brightness \"") + row.text + "\"",
                    std::string("gamma \"") + row.text + "\""};
        ASSERT_GE(lines.size(), expected.size());
        EXPECT_EQ(Lines(lines.begin(), lines.begin() + static_cast<long>(expected.size())), expected);
        EXPECT_EQ(lines[expected.size()], kBopupOff.front());
    }
}

TEST(VideoSection, bothQualitySetsBestFirst)
{
    Settings s;
    s.CfgVidBest = 1;
    s.CfgVidMittel = 1;
    const auto lines = linesOf(WriteVideoSection, s);
    ASSERT_GE(lines.size(), 52u);
    EXPECT_EQ(lines[0], R"(echo "Video settings: Best Videoqualy")");
    EXPECT_EQ(lines[8], R"(gl_texturemode "GL_LINEAR_MIPMAP_LINEAR"")");
    EXPECT_EQ(lines[14], R"(r_traceglow "1")");
    EXPECT_EQ(lines[15], R"(echo "Video settings: Middle Videoqualy")");
    EXPECT_EQ(lines[15 + 17], R"(gl_zmax "4096)");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), R"(gl_round_down "0")"), 2);
    EXPECT_EQ(lines[50], R"(mp_decals "0")");
    EXPECT_EQ(lines[51], R"(brightness "")");
}

} // namespace
} // namespace quorvix
