#include "wizard/Settings.h"

#include <array>
#include <limits>

namespace quorvix {
namespace {

using F = Settings::Flag Settings::*;
using S = Settings;

// The load set of each page, the fields its window load sets to 0.
constexpr std::array<F, 1> kPage1 = {&S::SpielernameDone};
constexpr std::array<F, 12> kPage2 = {
    &S::ConnectionDone, &S::CfgLAN, &S::CfgStandleitung, &S::CfgADSLfp,
    &S::CfgDSL, &S::CfgADSLCableAOL, &S::CfgQDSL, &S::CfgSDSL256,
    &S::CfgDualISDN, &S::CfgISDN, &S::CfgModem, &S::CfgDownL};
constexpr std::array<F, 7> kPage3 = {
    &S::VideoDone, &S::CfgVidBest, &S::CfgVidMittel, &S::CfgVMMX,
    &S::CfgVPrecache, &S::CfgVBUP, &S::CfgVZtrick};
// SoundDone is deliberately missing: Back on page 5 leaves it at 1.
constexpr std::array<F, 4> kPage4 = {
    &S::CfgEAX, &S::CfgSoundHLV, &S::CfgSoundSoundprob, &S::CfgSoundHighQ};
constexpr std::array<F, 2> kPage5 = {&S::mausDone, &S::CfgMausFilter};
constexpr std::array<F, 8> kPage6 = {
    &S::ColorCount, &S::ConsoleDone, &S::CfgCWeiss, &S::CfgCBlau,
    &S::CfgCRot, &S::CfgCGruen, &S::CfgCGS, &S::CfgCdev};
constexpr std::array<F, 4> kPage7 = {
    &S::HudDone, &S::CfgHudcenterid, &S::CfgHudFS, &S::CfgHudtakeshot};
constexpr std::array<F, 8> kPage8 = {
    &S::NetgraphDone, &S::CfgNgraphAus, &S::CfgNgraph1, &S::CfgNgraph2,
    &S::CfgNgraph3, &S::CfgNgraphP1, &S::CfgNgraphP2, &S::CfgNgraphP3};
constexpr std::array<F, 2> kPage9 = {&S::ViolenceDone, &S::CfgViolenceBlutan};
constexpr std::array<F, 8> kPage10 = {
    &S::SetinfoDone, &S::CfgHelpM, &S::CfgMapbrief, &S::Cfgfrendm,
    &S::CfgVGUI, &S::CfgLeftHand, &S::CfgdynChr, &S::CfgAutoWS};

} // namespace

std::span<Settings::Flag Settings::* const> loadSet(int page)
{
    switch (page) {
    case 1: return kPage1;
    case 2: return kPage2;
    case 3: return kPage3;
    case 4: return kPage4;
    case 5: return kPage5;
    case 6: return kPage6;
    case 7: return kPage7;
    case 8: return kPage8;
    case 9: return kPage9;
    case 10: return kPage10;
    default: return {};
    }
}

void resetLoadSet(Settings& settings, int page)
{
    for (const auto field : loadSet(page))
        settings.*field = 0;
}

void clearForBackOn(Settings& settings, int page)
{
    if (page > 2)
        resetLoadSet(settings, page - 1);
}

void raiseSaturating(Settings::Flag& counter)
{
    if (counter < std::numeric_limits<Settings::Flag>::max())
        ++counter;
}

bool sortsAfterZero(std::string_view utf8Text)
{
    // Any character other than ASCII has a code above '0' in UTF-16 as in
    // UTF-8, so comparing the first byte decides as a code-unit compare would.
    if (utf8Text.empty())
        return false;
    const auto first = static_cast<unsigned char>(utf8Text.front());
    return first > '0' || (first == '0' && utf8Text.size() > 1);
}

} // namespace quorvix
