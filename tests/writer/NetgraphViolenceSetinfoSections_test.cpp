#include "writer/WriteConfig.h"

#include "wizard/Settings.h"
#include "writer/WriterTestSupport.h"

#include <gtest/gtest.h>

namespace quorvix {
namespace {

using namespace writertest;

const Lines kNetgraphHeader = {
    "//", "//               ---->Netgraph settings<----", "//", "", R"(echo "Netgraph settings...done")"};
const Lines kSizeDefaults = {R"(net_graphheight "64")", R"(net_graphwidht "150")"};
const Lines kGraphOff = {R"(echo "Netgraph settings: Netgraph Off")"};

const Lines kViolenceHeader = {"", "//", "//           ---->Violence settings<----", "//"};
const Lines kViolenceOn = {
    R"(echo "Violence settings ... done")", "", R"(echo "Violence settings: Violence On")",
    R"(violence_ablood "1")", R"(violence_agibs "1")", R"(violence_hblood "1")", R"(violence_hgibs "1")"};
const Lines kViolenceOff = {
    R"(echo "Violence settings: Violence Off")", R"(violence_ablood "0")", R"(violence_agibs "0")",
    R"(violence_hblood "0")", R"(violence_hgibs "0")"};

const Lines kSetinfoHeader = {
    "//", "//               ---->Setinfo settings<----", "//", "", R"(echo "Setinfo settings...done")"};
const Lines kHelpOn = {R"(echo "Setinfo settings: Help Messages On")", R"(setinfo "_ah" "1")"};
const Lines kHelpOff = {R"(echo "Setinfo settings: Help Messages Off")", R"(setinfo "_ah" "0")"};
const Lines kMapOff = {R"(echo "Setinfo settings: Mapbriefing Off")", R"(setinfo "dm" "0")"};
const Lines kFriendsOff = {R"(echo "Setinfo settings: Frend Message Off")", R"(setinfo "friends" "0")"};
const Lines kVguiOn = {R"(echo "Setinfo settings: VGUI On")", R"(setinfo "_vgui_menus" "1")"};
const Lines kVguiOff = {R"(echo "Setinfo settings: VGUI Message Off")", R"(setinfo "_vgui_menus" "0")"};
const Lines kLeftHand = {R"(echo "Setinfo settings: Lefthand Weapon")", R"(setinfo "lefthand" "1")",
                         R"(cl_righthand "0")"};
const Lines kRightHand = {R"(echo "Setinfo settings: Righthand Weapon")", R"(setinfo "lefthand" "0")",
                          R"(cl_righthand "1")"};
const Lines kDynOff = {R"(echo "Setinfo settings: Dynamic Crosshair Off")", R"(cl_dynamiccrosshair "0")"};
const Lines kAutoOff = {R"(echo "Setinfo settings: Auto Weapon switch Off")", R"(_cl_autowepswitch "0")"};
const Lines kAutoOn = {R"(echo "Setinfo settings: Auto Weapon switch On")", R"(_cl_autowepswitch "1")"};

const SectionCase kNetgraphCases[] = {
    {"freshRecordOnlySizeDefaults", WriteNetgraphSection, nullptr, kSizeDefaults},
    {"offAloneIsOneEchoLine", WriteNetgraphSection,
     [](Settings& s) { s.NetgraphDone = 1; s.CfgNgraphAus = 1; },
     join({kNetgraphHeader, kGraphOff, kSizeDefaults})},
    {"modeTwoCommandBeforeEcho", WriteNetgraphSection,
     [](Settings& s) { s.CfgNgraph2 = 1; },
     join({{R"(net_graph "2")", R"(echo "Netgraph settings: Netgraphmodus 2")"}, kSizeDefaults})},
    {"typedHeightUsesTheShortName", WriteNetgraphSection,
     [](Settings& s) { s.CfgNetghight = "80"; s.CfgNetgwidth = "200"; },
     {R"(net_graphhight "80")", R"(net_graphwidht "200")"}},
    {"heightZeroFallsBackToDefault", WriteNetgraphSection,
     [](Settings& s) { s.CfgNetghight = "0"; s.CfgNetgwidth = " 9"; }, kSizeDefaults},
    {"leftPositionIsThree", WriteNetgraphSection,
     [](Settings& s) { s.CfgNgraphP1 = 1; }, join({kSizeDefaults, {R"(net_graphpos "3")"}})},
    {"rightPositionIsOne", WriteNetgraphSection,
     [](Settings& s) { s.CfgNgraphP3 = 1; }, join({kSizeDefaults, {R"(net_graphpos "1")"}})},
    {"everythingSetInFixedOrder", WriteNetgraphSection,
     [](Settings& s) {
         s.NetgraphDone = 1; s.CfgNgraphAus = 1; s.CfgNgraph3 = 1; s.CfgNgraph1 = 1; s.CfgNgraph2 = 1;
         s.CfgNgraphP3 = 1; s.CfgNgraphP2 = 1; s.CfgNgraphP1 = 1; s.CfgNetgwidth = "300";
     },
     join({kNetgraphHeader, kGraphOff,
           {R"(net_graph "1")", R"(echo "Netgraph settings: Netgraphmodus 1")",
            R"(net_graph "2")", R"(echo "Netgraph settings: Netgraphmodus 2")",
            R"(net_graph "3")", R"(echo "Netgraph settings: Netgraphmodus 3")",
            R"(net_graphheight "64")", R"(net_graphwidht "300")",
            R"(net_graphpos "3")", R"(net_graphpos "2")", R"(net_graphpos "1")"}})},
    {"negativeNetgraphFlagsWriteNothing", WriteNetgraphSection,
     [](Settings& s) { s.NetgraphDone = -1; s.CfgNgraphAus = -1; s.CfgNgraph1 = -1; s.CfgNgraphP2 = -1; },
     kSizeDefaults},
};

const SectionCase kViolenceCases[] = {
    {"freshRecordOffGroupWithoutDoneLine", WriteViolenceSection, nullptr, kViolenceOff},
    {"onWithoutPageDoneHasNoHeader", WriteViolenceSection,
     [](Settings& s) { s.CfgViolenceBlutan = 1; }, kViolenceOn},
    {"pageDoneWithOffGroup", WriteViolenceSection,
     [](Settings& s) { s.ViolenceDone = 1; }, join({kViolenceHeader, kViolenceOff})},
    {"pageDoneWithOnGroup", WriteViolenceSection,
     [](Settings& s) { s.ViolenceDone = 1; s.CfgViolenceBlutan = 1; },
     join({kViolenceHeader, kViolenceOn})},
};

const SectionCase kSetinfoCases[] = {
    {"allOffRightHandFifth", WriteSetinfoSection, nullptr,
     join({kHelpOff, kMapOff, kFriendsOff, kVguiOff, kRightHand, kDynOff, kAutoOff})},
    {"helpMessagesOnOnly", WriteSetinfoSection,
     [](Settings& s) { s.CfgHelpM = 1; },
     join({kHelpOn, kMapOff, kFriendsOff, kVguiOff, kRightHand, kDynOff, kAutoOff})},
    {"pageDoneVguiLeftHandAutoSwitch", WriteSetinfoSection,
     [](Settings& s) { s.SetinfoDone = 1; s.CfgVGUI = 1; s.CfgLeftHand = 1; s.CfgAutoWS = 1; },
     join({kSetinfoHeader, kHelpOff, kMapOff, kFriendsOff, kVguiOn, kLeftHand, kDynOff, kAutoOn})},
};

class NetgraphCases : public ::testing::TestWithParam<SectionCase> {};
TEST_P(NetgraphCases, writesExactlyTheseLines) { expectSection(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Netgraph, NetgraphCases, ::testing::ValuesIn(kNetgraphCases), caseName);

class ViolenceCases : public ::testing::TestWithParam<SectionCase> {};
TEST_P(ViolenceCases, writesExactlyTheseLines) { expectSection(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Violence, ViolenceCases, ::testing::ValuesIn(kViolenceCases), caseName);

class SetinfoCases : public ::testing::TestWithParam<SectionCase> {};
TEST_P(SetinfoCases, writesExactlyTheseLines) { expectSection(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Setinfo, SetinfoCases, ::testing::ValuesIn(kSetinfoCases), caseName);

} // namespace
} // namespace quorvix
