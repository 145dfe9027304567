#pragma once

#include "wizard/Settings.h"

namespace quorvix::testing {

struct NamedFlag { const char* name; Settings::Flag Settings::* field; };
struct NamedText { const char* name; std::string Settings::* field; };

#define QF(f) NamedFlag{#f, &Settings::f}
#define QT(f) NamedText{#f, &Settings::f}

// Every field of the record, listed by hand so that one the code forgets cannot hide from the tests.
inline const NamedFlag kAllFlags[] = {
    QF(WizardDone), QF(MakeCount), QF(ColorCount), QF(LastStep), QF(SpielernameDone), QF(ConnectionDone),
    QF(CfgLAN), QF(CfgStandleitung), QF(CfgADSLfp), QF(CfgDSL), QF(CfgADSLCableAOL), QF(CfgQDSL),
    QF(CfgSDSL256), QF(CfgDualISDN), QF(CfgISDN), QF(CfgModem), QF(CfgDownL), QF(VideoDone), QF(CfgVidBest),
    QF(CfgVidMittel), QF(CfgVMMX), QF(CfgVPrecache), QF(CfgVBUP), QF(CfgVZtrick), QF(SoundDone), QF(CfgEAX),
    QF(CfgSoundHLV), QF(CfgSoundSoundprob), QF(CfgSoundHighQ), QF(mausDone), QF(CfgMausFilter), QF(ConsoleDone),
    QF(CfgCGS), QF(CfgCdev), QF(CfgCWeiss), QF(CfgCBlau), QF(CfgCRot), QF(CfgCGruen), QF(HudDone),
    QF(CfgHudcenterid), QF(CfgHudFS), QF(CfgHudtakeshot), QF(NetgraphDone), QF(CfgNgraphAus), QF(CfgNgraph1),
    QF(CfgNgraph2), QF(CfgNgraph3), QF(CfgNgraphP1), QF(CfgNgraphP2), QF(CfgNgraphP3), QF(ViolenceDone),
    QF(CfgViolenceBlutan), QF(SetinfoDone), QF(CfgHelpM), QF(CfgMapbrief), QF(Cfgfrendm), QF(CfgVGUI),
    QF(CfgLeftHand), QF(CfgdynChr), QF(CfgAutoWS),
};

inline const NamedText kAllTexts[] = {
    QT(BackupAnswer), QT(Spielername), QT(CfgBrightness), QT(CfgGamma), QT(CfgVMaxFPS), QT(CfgMSens),
    QT(CfgMSensratio), QT(CfgConsoleRGB), QT(CfgHudDTN), QT(CfgHudChattime), QT(CfgHudKaufhis),
    QT(CfgNetghight), QT(CfgNetgwidth),
};

#undef QF
#undef QT

} // namespace quorvix::testing
