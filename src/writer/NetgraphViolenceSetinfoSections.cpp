#include "writer/WriteConfig.h"

#include "writer/ConfigLines.h"

namespace quorvix {
namespace {

using namespace writer;
using S = Settings;

constexpr std::string_view kNetgraphHeader[] = {
    "//",
    "//               ---->Netgraph settings<----",
    "//",
    "",
    R"(echo "Netgraph settings...done")",
};

// "Off" only reports itself; the game keeps its graph off unless a mode
// line turns it on.
constexpr OneWayChoice kNetgraphOff = {
    &S::CfgNgraphAus, {R"(echo "Netgraph settings: Netgraph Off")"}};

// Here the command goes before its echo line.
constexpr OneWayChoice kNetgraphModes[] = {
    {&S::CfgNgraph1, {R"(net_graph "1")", R"(echo "Netgraph settings: Netgraphmodus 1")"}},
    {&S::CfgNgraph2, {R"(net_graph "2")", R"(echo "Netgraph settings: Netgraphmodus 2")"}},
    {&S::CfgNgraph3, {R"(net_graph "3")", R"(echo "Netgraph settings: Netgraphmodus 3")"}},
};

// A typed size or the default, under the names the game registers.
constexpr TypedValueOrDefault kNetgraphSize[] = {
    {&S::CfgNetghight, R"(net_graphheight ")", R"(net_graphheight "64")"},
    {&S::CfgNetgwidth, R"(net_graphwidth ")", R"(net_graphwidth "150")"},
};

// The page's left/middle/right options map to the game's 3/2/1.
constexpr OneWayChoice kNetgraphPositions[] = {
    {&S::CfgNgraphP1, {R"(net_graphpos "3")"}},
    {&S::CfgNgraphP2, {R"(net_graphpos "2")"}},
    {&S::CfgNgraphP3, {R"(net_graphpos "1")"}},
};

constexpr std::string_view kViolenceHeader[] = {
    "",
    "//",
    "//           ---->Violence settings<----",
    "//",
};

// The section's done line travels with the On group, not with the header.
constexpr TwoWayChoice kViolence = {
    &S::CfgViolenceBlutan,
    {R"(echo "Violence settings ... done")", "",
     R"(echo "Violence settings: Violence On")", R"(violence_ablood "1")",
     R"(violence_agibs "1")", R"(violence_hblood "1")", R"(violence_hgibs "1")"},
    {R"(echo "Violence settings: Violence Off")", R"(violence_ablood "0")",
     R"(violence_agibs "0")", R"(violence_hblood "0")", R"(violence_hgibs "0")"},
};

constexpr std::string_view kSetinfoHeader[] = {
    "//",
    "//               ---->Setinfo settings<----",
    "//",
    "",
    R"(echo "Setinfo settings...done")",
};

constexpr TwoWayChoice kSetinfoChoices[] = {
    {&S::CfgHelpM,
     {R"(echo "Setinfo settings: Help Messages On")", R"(setinfo "_ah" "1")"},
     {R"(echo "Setinfo settings: Help Messages Off")", R"(setinfo "_ah" "0")"}},
    {&S::CfgMapbrief,
     {R"(echo "Setinfo settings: Mapbriefing On")", R"(setinfo "dm" "1")"},
     {R"(echo "Setinfo settings: Mapbriefing Off")", R"(setinfo "dm" "0")"}},
    {&S::Cfgfrendm,
     {R"(echo "Setinfo settings: Frend Message On")", R"(setinfo "friends" "1")"},
     {R"(echo "Setinfo settings: Frend Message Off")", R"(setinfo "friends" "0")"}},
    {&S::CfgVGUI,
     {R"(echo "Setinfo settings: VGUI On")", R"(setinfo "_vgui_menus" "1")"},
     {R"(echo "Setinfo settings: VGUI Message Off")", R"(setinfo "_vgui_menus" "0")"}},
    {&S::CfgLeftHand,
     {R"(echo "Setinfo settings: Lefthand Weapon")", R"(setinfo "lefthand" "1")",
      R"(cl_righthand "0")"},
     {R"(echo "Setinfo settings: Righthand Weapon")", R"(setinfo "lefthand" "0")",
      R"(cl_righthand "1")"}},
    {&S::CfgdynChr,
     {R"(echo "Setinfo settings: Dynamic Crosshair On")", R"(cl_dynamiccrosshair "1")"},
     {R"(echo "Setinfo settings: Dynamic Crosshair Off")", R"(cl_dynamiccrosshair "0")"}},
    {&S::CfgAutoWS,
     {R"(echo "Setinfo settings: Auto Weapon switch On")", R"(_cl_autowepswitch "1")"},
     {R"(echo "Setinfo settings: Auto Weapon switch Off")", R"(_cl_autowepswitch "0")"}},
};

} // namespace

void WriteNetgraphSection(const Settings& settings, LineOutput& out)
{
    if (isChosen(settings.NetgraphDone))
        writeLines(out, kNetgraphHeader);
    writeChosen(settings, out, std::span(&kNetgraphOff, 1));
    writeChosen(settings, out, kNetgraphModes);
    for (const auto& size : kNetgraphSize)
        writeTypedOrDefault(settings, out, size);
    writeChosen(settings, out, kNetgraphPositions);
}

void WriteViolenceSection(const Settings& settings, LineOutput& out)
{
    if (isChosen(settings.ViolenceDone))
        writeLines(out, kViolenceHeader);
    writeEither(out, isChosen(settings.*kViolence.field), kViolence);
}

void WriteSetinfoSection(const Settings& settings, LineOutput& out)
{
    if (isChosen(settings.SetinfoDone))
        writeLines(out, kSetinfoHeader);
    writeEachTwoWay(settings, out, kSetinfoChoices);
}

} // namespace quorvix
