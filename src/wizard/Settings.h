#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace quorvix {

// Every answer of the wizard, the pages' Done flags and the run counters.
// One instance lives for the whole run of the program and is never saved.
// Flags and counters are 16-bit like the values the pages store; texts hold
// UTF-8 exactly as a page stored them.
struct Settings {
    using Flag = std::int16_t;

    // Run fields
    std::string BackupAnswer;
    Flag WizardDone = 0;
    Flag MakeCount = 0;
    Flag ColorCount = 0;
    Flag LastStep = 0;

    // Page 1: player name
    Flag SpielernameDone = 0;
    std::string Spielername;

    // Page 2: connection
    Flag ConnectionDone = 0;
    Flag CfgLAN = 0;
    Flag CfgStandleitung = 0;
    Flag CfgADSLfp = 0;
    Flag CfgDSL = 0;
    Flag CfgADSLCableAOL = 0;
    Flag CfgQDSL = 0;
    Flag CfgSDSL256 = 0;
    Flag CfgDualISDN = 0;
    Flag CfgISDN = 0;
    Flag CfgModem = 0;
    Flag CfgDownL = 0;

    // Page 3: video
    Flag VideoDone = 0;
    Flag CfgVidBest = 0;
    Flag CfgVidMittel = 0;
    std::string CfgBrightness;
    std::string CfgGamma;
    std::string CfgVMaxFPS;
    Flag CfgVMMX = 0;
    Flag CfgVPrecache = 0;
    Flag CfgVBUP = 0;
    Flag CfgVZtrick = 0;

    // Page 4: sound
    Flag SoundDone = 0;
    Flag CfgEAX = 0;
    Flag CfgSoundHLV = 0;
    Flag CfgSoundSoundprob = 0;
    Flag CfgSoundHighQ = 0;

    // Page 5: mouse
    Flag mausDone = 0;
    std::string CfgMSens;
    std::string CfgMSensratio;
    Flag CfgMausFilter = 0;

    // Page 6: console
    Flag ConsoleDone = 0;
    Flag CfgCGS = 0;
    Flag CfgCdev = 0;
    Flag CfgCWeiss = 0;
    Flag CfgCBlau = 0;
    Flag CfgCRot = 0;
    Flag CfgCGruen = 0;
    std::string CfgConsoleRGB;

    // Page 7: HUD
    Flag HudDone = 0;
    Flag CfgHudcenterid = 0;
    Flag CfgHudFS = 0;
    Flag CfgHudtakeshot = 0;
    std::string CfgHudDTN;
    std::string CfgHudChattime;
    std::string CfgHudKaufhis;

    // Page 8: net graph
    Flag NetgraphDone = 0;
    Flag CfgNgraphAus = 0;
    Flag CfgNgraph1 = 0;
    Flag CfgNgraph2 = 0;
    Flag CfgNgraph3 = 0;
    Flag CfgNgraphP1 = 0;
    Flag CfgNgraphP2 = 0;
    Flag CfgNgraphP3 = 0;
    std::string CfgNetghight;
    std::string CfgNetgwidth;

    // Page 9: violence
    Flag ViolenceDone = 0;
    Flag CfgViolenceBlutan = 0;

    // Page 10: setinfo
    Flag SetinfoDone = 0;
    Flag CfgHelpM = 0;
    Flag CfgMapbrief = 0;
    Flag Cfgfrendm = 0;
    Flag CfgVGUI = 0;
    Flag CfgLeftHand = 0;
    Flag CfgdynChr = 0;
    Flag CfgAutoWS = 0;
};

constexpr int kPageCount = 11;

// The fields a page sets to 0 when its window is loaded; Back on the
// following page clears the same set (page 2's Back excepted, see
// clearedByBackOn).
std::span<Settings::Flag Settings::* const> loadSet(int page);
void resetLoadSet(Settings& settings, int page);

// What Back on `page` clears: the load set of the page before it, except
// that Back on page 2 leaves the player name page alone.
void clearForBackOn(Settings& settings, int page);

// Adds one to a 16-bit counter without wrapping into negative values.
void raiseSaturating(Settings::Flag& counter);

// The three tests the writer and the console page use on stored values.
inline bool isChosen(Settings::Flag flag) { return flag > 0; }
inline bool equalsOne(Settings::Flag flag) { return flag == 1; }
// True when `text` sorts after "0" by plain code order (UTF-16 code units
// compared one by one, a proper prefix sorting first).
bool sortsAfterZero(std::string_view utf8Text);
inline bool isNotOne(std::string_view text) { return text != "1"; }

} // namespace quorvix
