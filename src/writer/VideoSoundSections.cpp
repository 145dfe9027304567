#include "writer/WriteConfig.h"

#include "writer/ConfigLines.h"

namespace quorvix {
namespace {

using namespace writer;
using S = Settings;

constexpr std::string_view kVideoHeader[] = {
    "//",
    "//               ---->Video settings<----",
    "//",
    "",
    R"(echo "Video settings...done")",
};

constexpr std::string_view kBestQuality[] = {
    R"(echo "Video settings: Best Videoqualy")",
    R"(gl_clear "1")",
    R"(gl_cull "1")",
    R"(gl_keeptjunctions "1")",
    R"(gl_max_size "512")",
    R"(gl_picmip "0")",
    R"(gl_playermip "0")",
    R"(gl_round_down "3")",
    R"(gl_texturemode "GL_LINEAR_MIPMAP_LINEAR"")",
    R"(gl_wateramp "1")",
    R"(gl_max_shells "50")",
    R"(gl_max_smokepuffs "20")",
    R"(r_decals "300")",
    R"(r_dynamic "1")",
    R"(r_traceglow "1")",
};

// gl_round_down appears twice and gl_zmax lacks its closing quote; both are
// part of the set as shipped.
constexpr std::string_view kMiddleQuality[] = {
    R"(echo "Video settings: Middle Videoqualy")",
    R"(gl_dither "0")",
    R"(gl_monolights "0")",
    R"(gl_cull "1")",
    R"(gl_picmip "0.4")",
    R"(gl_clear "0")",
    R"(gl_polyoffset "0.1")",
    R"(gl_max_size "256")",
    R"(gl_keeptjunctions "0")",
    R"(gl_round_down "0")",
    R"(gl_playermip "4")",
    R"(gl_palette_tex "1")",
    R"(gl_lightholes "0")",
    R"(gl_affinemodels "0")",
    R"(gl_spriteblend "999")",
    R"(gl_overbright "2")",
    R"(gl_wateramp "0")",
    R"(gl_zmax "4096)",
    R"(gl_alphamin "0.25")",
    R"(gl_texturemode "GL_LINEAR_MIPMAP_NEAREST")",
    R"(gl_texsort "0")",
    R"(gl_round_down "0")",
    R"(gl_flipmatrix "0")",
    R"(max_smokepuffs "0")",
    R"(max_shells "0")",
    R"(gunsmoke "0")",
    R"(fastsprites "1")",
    R"(r_bmodelhighfrac "5.0")",
    R"(r_drawviewmodel "1")",
    R"(r_decals "0")",
    R"(r_dynamic "0")",
    R"(r_mirroralpha "0")",
    R"(r_shadows "0")",
    R"(r_traceglow "0")",
    R"(r_lightholes "0")",
    R"(mp_decals "0")",
};

// Brightness and gamma: a "1" means the default, where the command goes
// before its echo line; any other text, empty included, is written as the
// value.
struct DefaultableValue {
    TextField field;
    std::string_view prefix;
    LineGroup defaultLines;
};

constexpr DefaultableValue kPictureValues[] = {
    {&S::CfgBrightness, R"(brightness ")",
     {R"(brightness "1")", R"(echo "Video settings: Brightness default")"}},
    {&S::CfgGamma, R"(gamma ")",
     {R"(gamma "1")", R"(echo "Video settings: Gamma default")"}},
};

constexpr OneWayChoice kZtrick = {
    &S::CfgVZtrick,
    {R"(echo "Other settings: Ztrick On")", R"(gl_ztrick "1")"},
};

// cl_bop, cl_bopup and cl_cycle are not the game's cl_bob, cl_bobup and
// cl_bobcycle, and stay so on purpose: the game ignores these names, while
// the real ones take other ranges (cl_bob "1" would shake the view).
constexpr TwoWayChoice kBopup = {
    &S::CfgVBUP,
    {R"(echo "Other settings: Bopup On")", R"(cl_bopup "0.5")", R"(cl_bop "1")"},
    {R"(echo "Other settings: Bopup Off")", R"(cl_bopup "0")", R"(cl_bop "0")"},
};

constexpr std::string_view kCycle = R"(cl_cycle "1")";

constexpr TwoWayChoice kMmxAndPrecache[] = {
    {&S::CfgVMMX,
     {R"(echo "Other settings: MMX-Support On")", R"(r_mmx "1")"},
     {R"(echo "Other settings: MMX-Support Off")", R"(r_mmx "0")"}},
    {&S::CfgVPrecache,
     {R"(echo "Other settings: Precaching On")", R"(precache "1")"},
     {R"(echo "Other settings: Precaching Off")", R"(precache "0")"}},
};

constexpr std::string_view kFpsPrefix = R"(fps_max ")";

// The defaults belong to the header: a sound page never completed leaves
// them out.
constexpr std::string_view kSoundHeaderAndDefaults[] = {
    "",
    "//",
    "//           ---->Sound settings<----",
    "//",
    R"(echo "Sound settings ... done")",
    R"(volume "1.0")",
    R"(suitvolume "0.250000")",
    R"(bgmvolume "0")",
    R"(s_rolloff "1")",
    R"(s_doppler "0")",
    R"(s_distance "60")",
    R"(s_automin_distance "1")",
    R"(s_automax_distance "1000")",
    R"(s_min_distance "1")",
    R"(s_max_distance "1000")",
    R"(s_leafnum "0")",
    R"(s_refgain "0.34")",
    R"(s_refdelay "4")",
    R"(s_polykeep "1000000000")",
    R"(s_polysize "10000000")",
    R"(s_numpolys "200")",
    R"(s_bloat "2")",
    R"(s_verbwet "0.25")",
    R"(s_geometry "0")",
    R"(s_reflect "0")",
    R"(s_reverb "0")",
    R"(s_usepvs "0")",
    R"(s_verbwet "0")",
    R"(s_occlude "1")",
    R"(s_occ_epsilon "0")",
    R"(s_occfactor "1")",
    R"(ambient_fade "100")",
    R"(ambient_level "0")",
    R"(room_feedback "0.520")",
    R"(room_refl "0.900")",
    R"(cd_fps "0")",
    R"(cd_sound "0")",
    R"(_snd_mixahead "0.1")",
    R"(snd_show "0")",
};

constexpr TwoWayChoice kSoundChoices[] = {
    {&S::CfgSoundHighQ,
     {R"(echo "Sound settings: High Quality Sound On")", R"(hisound "1")"},
     {R"(echo "Sound settings: High Quality Sound Off")", R"(hisound "0")"}},
    {&S::CfgSoundSoundprob,
     {R"(echo "Sound settings: Debug Sound On")", R"(snd_noextraupdate "1")"},
     {R"(echo "Sound settings: Debug Sound Off")", R"(snd_noextraupdate "0")"}},
};

// The voice topic has no page of its own, so its header is always written.
constexpr std::string_view kVoiceHeader[] = {
    "",
    "//",
    "//           ---->Voice settings<----",
    "//",
    R"(echo "Voice settings ... done")",
    "",
};

constexpr TwoWayChoice kVoice = {
    &S::CfgSoundHLV,
    {R"(echo "Voice settings: Half Life Voice On")", R"(voice_enable "1")",
     R"(voice_modenable "1")", R"(sv_voiceenable "1")"},
    {R"(echo "Voice settings: Half Life Voice Off")", R"(voice_enable "0")",
     R"(voice_modenable "0")", R"(sv_voiceenable "0")"},
};

// EAX needs an exact 1; everything else, also no choice at all, gets A3D.
// The A3D line is for older engines; today's game ignores it, harmlessly.
constexpr TwoWayChoice kSound3D = {
    &S::CfgEAX,
    {R"(echo "3DSound settings: EAX On")", R"(s_eax "1")"},
    {R"(echo "3DSound settings: A3D On")", R"(s_a3d "1")"},
};

} // namespace

void WriteVideoSection(const Settings& settings, LineOutput& out)
{
    if (isChosen(settings.VideoDone))
        writeLines(out, kVideoHeader);
    // Tested one by one: with both set, both sets are written, best first.
    if (isChosen(settings.CfgVidBest))
        writeLines(out, kBestQuality);
    if (isChosen(settings.CfgVidMittel))
        writeLines(out, kMiddleQuality);

    for (const auto& value : kPictureValues) {
        const std::string text = writtenText(settings.*value.field, Reads::Number);
        if (isNotOne(text))
            writeValueLine(out, value.prefix, text);
        else
            writeGroup(out, value.defaultLines);
    }
    writeChosen(settings, out, std::span(&kZtrick, 1));
    writeEither(out, isChosen(settings.*kBopup.field), kBopup);
    out.writeLine(kCycle);
    writeEachTwoWay(settings, out, kMmxAndPrecache);
    // The video page checks the frame-rate limit; here it is only written
    // the way the game reads it as meant.
    writeValueLine(out, kFpsPrefix, writtenText(settings.CfgVMaxFPS, Reads::Number));
}

void WriteSoundSection(const Settings& settings, LineOutput& out)
{
    if (isChosen(settings.SoundDone))
        writeLines(out, kSoundHeaderAndDefaults);
    writeEachTwoWay(settings, out, kSoundChoices);
}

void WriteVoiceSection(const Settings& settings, LineOutput& out)
{
    writeLines(out, kVoiceHeader);
    writeEither(out, isChosen(settings.*kVoice.field), kVoice);
    writeEither(out, equalsOne(settings.*kSound3D.field), kSound3D);
}

} // namespace quorvix
