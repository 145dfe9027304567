// How long writing a whole config takes for the largest record: every flag
// set (all ten connection blocks, both video sets, every colour) and every
// text filled, encoded to Windows-1252 in memory.

#include "common/TextLines.h"
#include "wizard/Settings.h"
#include "writer/WriteConfig.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using quorvix::Settings;
// Moving std::string literals in, rather than assigning char arrays, keeps
// GCC 12 at -O3 from a false -Wrestrict alarm inside std::string.
using namespace std::string_literals;

Settings fullyFilledRecord()
{
    Settings s;
    for (auto f : {&Settings::SpielernameDone, &Settings::ConnectionDone, &Settings::CfgLAN,
                   &Settings::CfgStandleitung, &Settings::CfgADSLfp, &Settings::CfgDSL,
                   &Settings::CfgADSLCableAOL, &Settings::CfgQDSL, &Settings::CfgSDSL256,
                   &Settings::CfgDualISDN, &Settings::CfgISDN, &Settings::CfgModem,
                   &Settings::CfgDownL, &Settings::VideoDone, &Settings::CfgVidBest,
                   &Settings::CfgVidMittel, &Settings::CfgVMMX, &Settings::CfgVPrecache,
                   &Settings::CfgVBUP, &Settings::CfgVZtrick, &Settings::SoundDone,
                   &Settings::CfgEAX, &Settings::CfgSoundHLV, &Settings::CfgSoundSoundprob,
                   &Settings::CfgSoundHighQ, &Settings::mausDone, &Settings::CfgMausFilter,
                   &Settings::ConsoleDone, &Settings::CfgCGS, &Settings::CfgCdev,
                   &Settings::CfgCWeiss, &Settings::CfgCBlau, &Settings::CfgCRot,
                   &Settings::CfgCGruen, &Settings::HudDone, &Settings::CfgHudcenterid,
                   &Settings::CfgHudFS, &Settings::CfgHudtakeshot, &Settings::NetgraphDone,
                   &Settings::CfgNgraphAus, &Settings::CfgNgraph1, &Settings::CfgNgraph2,
                   &Settings::CfgNgraph3, &Settings::CfgNgraphP1, &Settings::CfgNgraphP2,
                   &Settings::CfgNgraphP3, &Settings::ViolenceDone, &Settings::CfgViolenceBlutan,
                   &Settings::SetinfoDone, &Settings::CfgHelpM, &Settings::CfgMapbrief,
                   &Settings::Cfgfrendm, &Settings::CfgVGUI, &Settings::CfgLeftHand,
                   &Settings::CfgdynChr, &Settings::CfgAutoWS})
        s.*f = 1;
    s.Spielername = " \"J\u00fcrgen\""s;
    s.CfgBrightness = "2"s;
    s.CfgGamma = "3"s;
    s.CfgVMaxFPS = "101"s;
    s.CfgMSens = "2.5"s;
    s.CfgMSensratio = "1.0"s;
    s.CfgConsoleRGB = "255 155 50"s;
    s.CfgHudDTN = "10"s;
    s.CfgHudChattime = "0.01"s;
    s.CfgHudKaufhis = "2"s;
    s.CfgNetghight = "80"s;
    s.CfgNetgwidth = "200"s;
    return s;
}

void BM_WriteConfigFullRecord(benchmark::State& state)
{
    const Settings record = fullyFilledRecord();
    std::size_t bytes = 0;
    for (auto _ : state) {
        quorvix::ByteBufferOutput out;
        quorvix::WriteConfig(record, out);
        bytes = out.bytes().size();
        benchmark::DoNotOptimize(out.bytes().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WriteConfigFullRecord);

} // namespace
