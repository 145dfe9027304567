#include "writer/WriteConfig.h"

#include "writer/ConfigLines.h"

namespace quorvix {
namespace {

using namespace writer;
using S = Settings;

// The defaults belong to the header: a mouse page never completed leaves
// them (and +mlook) out.
constexpr std::string_view kMouseHeaderAndDefaults[] = {
    "",
    "//",
    "//               ---->Mouse settings<----",
    "//",
    R"(echo "Mouse settings...done")",
    R"(joystick "0.000000")",
    R"(lookstrafe "0.000000")",
    R"(lookspring "0.000000")",
    R"(m_pitch "0.022")",
    R"(m_yaw "0.022")",
    R"(m_forward "1")",
    R"(m_side "0.8")",
    "+mlook",
};

constexpr TwoWayChoice kMouseFilter = {
    &S::CfgMausFilter,
    {R"(echo "Mouse settings: Mousefilter On")", R"(m_filter "1")"},
    {R"(echo "Mouse settings: Mousefilter Off")", R"(m_filter "0")"},
};

constexpr TypedValue kMouseValues[] = {
    {&S::CfgMSens, R"(sensitivity ")", Reads::Number},
    {&S::CfgMSensratio, R"(zoom_sensitivity_ratio ")", Reads::Number},
};

constexpr std::string_view kConsoleHeader[] = {
    "",
    "//",
    "//               ---->Console settings<----",
    "//",
    R"(echo "Console settings...done")",
};

constexpr TwoWayChoice kConsoleChoices[] = {
    {&S::CfgCGS,
     {R"(echo "Console settings: Console Speed: Fast")", R"(scr_conspeed "9999")"},
     {R"(echo "Console settings: Console Speed: Slow")", R"(scr_conspeed "600")"}},
    {&S::CfgCdev,
     {R"(echo "Console settings: Console Developer: On")", R"(developer "1")"},
     {R"(echo "Console settings: Console Developer: Off")", R"(developer "0")"}},
};

// The colour is three numbers in one text ("255 128 0"): the game splits it
// itself, so it goes out as typed.
constexpr TypedValue kConsoleColourTyped = {&S::CfgConsoleRGB, R"(con_color ")", Reads::Text};

// The page allows one box at most, but the writer does not rely on it: the
// typed colour and each ticked box write their own con_color line.
constexpr OneWayChoice kConsoleColourBoxes[] = {
    {&S::CfgCWeiss,
     {R"(echo "Console settings: Console Color: White")", R"(con_color "255 255 255 ")"}},
    {&S::CfgCBlau,
     {R"(echo "Console settings: Console Color: Blue")", R"(con_color "000 000 255")"}},
    {&S::CfgCRot,
     {R"(echo "Console settings: Console Color: Red")", R"(con_color "255 000 000")"}},
    {&S::CfgCGruen,
     {R"(echo "Console settings: Console Color: Green")", R"(con_color "000 255 000")"}},
};

constexpr std::string_view kHudHeader[] = {
    "",
    "//",
    "//               ---->Hud settings<----",
    "//",
    R"(echo "Hud settings...done")",
};

constexpr TypedValue kHudTimes[] = {
    {&S::CfgHudDTN, R"(hud_deathnotice_time ")", Reads::Number},
    {&S::CfgHudChattime, R"(hud_saytext_time ")", Reads::Number},
    {&S::CfgHudKaufhis, R"(hud_drawhistory_time ")", Reads::Number},
};

// The screenshot variable is hud_takesshots while its echo says Takeshot.
constexpr TwoWayChoice kHudChoices[] = {
    {&S::CfgHudcenterid,
     {R"(echo "Hud settings: Spielername mittig")", R"(hud_centerid "1")"},
     {R"(echo "Hud settings: Spielername links unten")", R"(hud_centerid "0")"}},
    {&S::CfgHudFS,
     {R"(echo "Hud settings: Fastswitch On")", R"(hud_fastswitch "1")"},
     {R"(echo "Hud settings: Fastswitch Off")", R"(hud_fastswitch "0")"}},
    {&S::CfgHudtakeshot,
     {R"(echo "Hud settings: Takeshot On")", R"(hud_takesshots "1")"},
     {R"(echo "Hud settings: Takeshot Off")", R"(hud_takesshots "0")"}},
};

} // namespace

void WriteMouseSection(const Settings& settings, LineOutput& out)
{
    if (isChosen(settings.mausDone))
        writeLines(out, kMouseHeaderAndDefaults);
    writeEither(out, isChosen(settings.*kMouseFilter.field), kMouseFilter);
    writeTypedValues(settings, out, kMouseValues);
}

void WriteConsoleSection(const Settings& settings, LineOutput& out)
{
    if (isChosen(settings.ConsoleDone))
        writeLines(out, kConsoleHeader);
    writeEachTwoWay(settings, out, kConsoleChoices);
    writeTypedValues(settings, out, std::span(&kConsoleColourTyped, 1));
    writeChosen(settings, out, kConsoleColourBoxes);
}

void WriteHudSection(const Settings& settings, LineOutput& out)
{
    if (isChosen(settings.HudDone))
        writeLines(out, kHudHeader);
    writeTypedValues(settings, out, kHudTimes);
    writeEachTwoWay(settings, out, kHudChoices);
}

} // namespace quorvix
