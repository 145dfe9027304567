#pragma once

#include "common/TextLines.h"
#include "wizard/Settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

namespace quorvix::writertest {

// Keeps each generated line as the writer passed it, so that a mismatch
// shows which line differs instead of a byte offset.
class RecordedLines final : public LineOutput {
public:
    void writeLine(std::string_view utf8) override { lines.emplace_back(utf8); }
    void writeRaw(std::string_view) override { ADD_FAILURE() << "the writer wrote raw bytes"; }

    std::vector<std::string> lines;
};

// Accepts `okLines` lines like a real file, then fails the way a full disk
// would.
class FailingOutput final : public LineOutput {
public:
    explicit FailingOutput(std::size_t okLines) : m_okLines(okLines) {}

    void writeLine(std::string_view utf8) override
    {
        if (m_written == m_okLines)
            throw FileError("Der Datenträger ist voll.");
        appendEncodedLine(m_bytes, utf8);
        ++m_written;
    }
    void writeRaw(std::string_view bytes) override { m_bytes += bytes; }

    const std::string& bytes() const { return m_bytes; }
    std::size_t written() const { return m_written; }

private:
    std::size_t m_okLines;
    std::size_t m_written = 0;
    std::string m_bytes;
};

using Lines = std::vector<std::string>;
using SectionWriter = void (*)(const Settings&, LineOutput&);

// One row of a section table: what to put into a fresh record, which writer
// to run and every line it must write, in order.
struct SectionCase {
    const char* name;
    SectionWriter writer;
    std::function<void(Settings&)> setup;
    Lines expected;
};

inline Lines linesOf(SectionWriter writer, const Settings& settings)
{
    RecordedLines out;
    writer(settings, out);
    return out.lines;
}

inline Lines join(std::initializer_list<Lines> parts)
{
    Lines all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

inline void expectSection(const SectionCase& c)
{
    Settings s;
    if (c.setup)
        c.setup(s);
    EXPECT_EQ(linesOf(c.writer, s), c.expected);
}

// Failure messages name the row instead of dumping its bytes.
inline void PrintTo(const SectionCase& c, std::ostream* os)
{
    *os << c.name;
}

inline std::string caseName(const ::testing::TestParamInfo<SectionCase>& info)
{
    return info.param.name;
}

inline std::filesystem::path goldenPath(const std::string& name)
{
    return std::filesystem::path(QUORVIX_TEST_DATA) / "writer" / name;
}

inline std::string readGolden(const std::string& name)
{
    return readFileBytes(goldenPath(name));
}

// A run through every page with everyday answers: a name, ADSL FastPath with
// downloads, middle video quality with default brightness, A3D sound, a
// green console, mode-3 net graph on the right, blood on.
inline Settings typicalRun()
{
    Settings s;
    s.SpielernameDone = s.ConnectionDone = s.VideoDone = s.SoundDone = s.mausDone = 1;
    s.ConsoleDone = s.HudDone = s.NetgraphDone = s.ViolenceDone = s.SetinfoDone = 1;
    s.Spielername = " \"[Q]Kalle\"";
    s.CfgADSLfp = s.CfgDownL = 1;
    s.CfgVidMittel = s.CfgVMMX = s.CfgVPrecache = 1;
    s.CfgBrightness = "1";
    s.CfgGamma = "2.5";
    s.CfgVMaxFPS = "100";
    s.CfgSoundHLV = s.CfgSoundHighQ = 1;
    s.CfgMSens = "3.2";
    s.CfgMSensratio = "1.2";
    s.CfgCGS = s.CfgCGruen = s.ColorCount = 1;
    s.CfgHudDTN = "6";
    s.CfgHudChattime = "5";
    s.CfgHudKaufhis = "0";
    s.CfgHudcenterid = s.CfgHudFS = 1;
    s.CfgNgraph3 = s.CfgNgraphP3 = 1;
    s.CfgNetgwidth = "200";
    s.CfgViolenceBlutan = s.CfgMapbrief = s.CfgVGUI = 1;
    s.WizardDone = 1;
    s.LastStep = 11;
    s.BackupAnswer = "7";
    return s;
}

// Every flag the writer reads set to 1 and every text filled with a value
// that gets written, the name with an umlaut.
inline Settings everyFlagSet()
{
    Settings s;
    s.SpielernameDone = s.ConnectionDone = s.VideoDone = s.SoundDone = s.mausDone = 1;
    s.ConsoleDone = s.HudDone = s.NetgraphDone = s.ViolenceDone = s.SetinfoDone = 1;
    s.CfgLAN = s.CfgStandleitung = s.CfgADSLfp = s.CfgDSL = s.CfgADSLCableAOL = 1;
    s.CfgQDSL = s.CfgSDSL256 = s.CfgDualISDN = s.CfgISDN = s.CfgModem = s.CfgDownL = 1;
    s.CfgVidBest = s.CfgVidMittel = s.CfgVMMX = s.CfgVPrecache = s.CfgVBUP = s.CfgVZtrick = 1;
    s.CfgEAX = s.CfgSoundHLV = s.CfgSoundSoundprob = s.CfgSoundHighQ = s.CfgMausFilter = 1;
    s.CfgCGS = s.CfgCdev = s.CfgCWeiss = s.CfgCBlau = s.CfgCRot = s.CfgCGruen = 1;
    s.CfgHudcenterid = s.CfgHudFS = s.CfgHudtakeshot = 1;
    s.CfgNgraphAus = s.CfgNgraph1 = s.CfgNgraph2 = s.CfgNgraph3 = 1;
    s.CfgNgraphP1 = s.CfgNgraphP2 = s.CfgNgraphP3 = s.CfgViolenceBlutan = 1;
    s.CfgHelpM = s.CfgMapbrief = s.Cfgfrendm = s.CfgVGUI = 1;
    s.CfgLeftHand = s.CfgdynChr = s.CfgAutoWS = 1;
    s.Spielername = " \"J\u00fcrgen\"";
    s.CfgBrightness = "2";
    s.CfgGamma = "3";
    s.CfgVMaxFPS = "101";
    s.CfgMSens = "2.5";
    s.CfgMSensratio = "1.0";
    s.CfgConsoleRGB = "255 155 50";
    s.CfgHudDTN = "10";
    s.CfgHudChattime = "0.01";
    s.CfgHudKaufhis = "2";
    s.CfgNetghight = "80";
    s.CfgNetgwidth = "200";
    return s;
}

} // namespace quorvix::writertest
