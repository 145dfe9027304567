#include "writer/WriteConfig.h"

#include "wizard/Settings.h"
#include "writer/WriterTestSupport.h"

#include <gtest/gtest.h>

namespace quorvix {
namespace {

using namespace writertest;

const Lines kBannerEchoes = {
    R"(echo "Counterstrike Quorvix powered by #Tandrel")",
    R"(echo "Version...0.3b")",
    R"(echo "Coder.....Drelvik")",
    R"(echo "visit.....#Quorvix)",
    R"(echo "visit.....www.quorvix.example )",
    R"(echo "visit.....www.tandrel.example)",
};
const Lines kNetHeader = {"//", "//           ---->Netsettings<----", "//", ""};
const Lines kDownloadOn = {R"(echo "Net settings: allowdownload On")", R"(cl_allowdownload  "1")"};
const Lines kDownloadOff = {R"(echo "Net settings: allowdownload Off")", R"(cl_allowdownload  "0")"};
const Lines kLanBlock = {
    R"(echo "LAN  settings ... done")", R"(rate "20000")", R"(cl_rate  "9999")",
    R"(cl_cmdrate "400.05")", R"(cl_updaterate "100.05")", R"(cl_cmdbackup "2")",
    R"(cl_resend "6")", R"(cl_dlmax "128")", R"(cl_latency " 0")"};
const Lines kDslBlock = {
    R"(echo "DSL 768/128 kbit/s settings ... done")", R"(rate "12000")", R"(cl_rate "9999")",
    R"(cl_cmdrate "80")", R"(cl_updaterate "35")", R"(cl_cmdbackup "60")",
    R"(cl_resend "2")", R"(c_dlmax "768")", R"(cl_latency "-50")"};
const Lines kFastPathBlock = {
    R"(echo "ADSL FastPath (T-Online,Arcor) settings ... done")", R"(rate "12000")",
    R"(cl_rate "9999")", R"(cl_cmdrate "40")", R"(cl_updaterate "30")",
    R"(cl_cmdbackup "2")", R"(cl_resend "2" )", R"(cl_dlmax "768")", R"(cl_latency "-20")"};
const Lines kIsdnBlock = {
    R"(echo "ISDN settings ... done")", R"(rate "6500")", R"(cl_rate "6500")",
    R"(cl_cmdrate "50")", R"(cl_updaterate "33")", R"(cl_cmdbackup "20")",
    R"(cl_resend "3")", R"(c_dlmax "64")", R"(cl_latency "-30")"};
const Lines kModemBlock = {
    R"(echo "Modem 56kbit/s settings ... done")", R"(rate "4000")", R"(cl_rate "2000")",
    R"(cl_cmdrate "32")", R"(cl_updaterate "25")", R"(cl_cmdbackup "8")",
    R"(cl_resend "3")", R"(c_dlmax "56")", R"(cl_latency "-200")"};

const SectionCase kBannerCases[] = {
    {"nameNotDoneWritesNothing", WriteBanner,
     [](Settings& s) { s.Spielername = " \"Kalle\""; }, {}},
    {"negativeDoneCountsAsNotDone", WriteBanner,
     [](Settings& s) { s.SpielernameDone = -1; s.Spielername = " \"Kalle\""; }, {}},
    {"storedNameFollowsTheWordDirectly", WriteBanner,
     [](Settings& s) { s.SpielernameDone = 1; s.Spielername = " \"Kalle\""; },
     join({kBannerEchoes, {"", R"(name "Kalle")", ""}})},
    {"emptyNameGivesTheBareWord", WriteBanner,
     [](Settings& s) { s.SpielernameDone = 1; },
     join({kBannerEchoes, {"", "name", ""}})},
    // Whatever the page stored goes out untouched, stray quotes included.
    {"nameIsNeitherTrimmedNorEscaped", WriteBanner,
     [](Settings& s) { s.SpielernameDone = 2; s.Spielername = " \"a\"b \" "; },
     join({kBannerEchoes, {"", R"(name "a"b " )", ""}})},
};

const SectionCase kNetCases[] = {
    {"freshRecordOnlyTheOffPair", WriteNetSection, nullptr, kDownloadOff},
    {"headerWithoutConnectionThenOnPair", WriteNetSection,
     [](Settings& s) { s.ConnectionDone = 1; s.CfgDownL = 1; },
     join({kNetHeader, kDownloadOn})},
    {"isdnWithoutPageDoneHasNoHeader", WriteNetSection,
     [](Settings& s) { s.CfgISDN = 1; },
     join({kIsdnBlock, kDownloadOff})},
    {"dslAloneIsBlockThree", WriteNetSection,
     [](Settings& s) { s.CfgDSL = 1; },
     join({kDslBlock, kDownloadOff})},
    {"lanAndModemBothWrittenInTableOrder", WriteNetSection,
     [](Settings& s) { s.CfgModem = 1; s.CfgLAN = 1; },
     join({kLanBlock, kModemBlock, kDownloadOff})},
    // The page lists FastPath before DSL; the file has it the other way.
    {"dslComesBeforeFastPath", WriteNetSection,
     [](Settings& s) { s.ConnectionDone = 1; s.CfgADSLfp = 1; s.CfgDSL = 1; s.CfgDownL = 1; },
     join({kNetHeader, kDslBlock, kFastPathBlock, kDownloadOn})},
    {"negativeConnectionFlagWritesNoBlock", WriteNetSection,
     [](Settings& s) { s.CfgLAN = -1; s.ConnectionDone = -1; },
     kDownloadOff},
    {"largeFlagValueCountsAsChosen", WriteNetSection,
     [](Settings& s) { s.CfgModem = 32767; },
     join({kModemBlock, kDownloadOff})},
    {"downloadTwoIsNotExactlyOne", WriteNetSection,
     [](Settings& s) { s.CfgDownL = 2; }, kDownloadOff},
    {"downloadMinusOneIsOff", WriteNetSection,
     [](Settings& s) { s.CfgDownL = -1; }, kDownloadOff},
};

class BannerCases : public ::testing::TestWithParam<SectionCase> {};
TEST_P(BannerCases, writesExactlyTheseLines) { expectSection(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Banner, BannerCases, ::testing::ValuesIn(kBannerCases), caseName);

class NetCases : public ::testing::TestWithParam<SectionCase> {};
TEST_P(NetCases, writesExactlyTheseLines) { expectSection(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Net, NetCases, ::testing::ValuesIn(kNetCases), caseName);

// Each connection flag alone: its own echo line first, eight commands after
// it, and nothing of any other block.
TEST(NetSection, everyConnectionFlagSelectsItsOwnEchoLine)
{
    struct Row { const char* name; Settings::Flag Settings::* field; const char* echo; const char* dlmax; };
    const Row rows[] = {
        {"LAN", &Settings::CfgLAN, R"(echo "LAN  settings ... done")", R"(cl_dlmax "128")"},
        {"Standleitung", &Settings::CfgStandleitung, R"(echo "Standleitung  settings ... done")", R"(cl_dlmax "512")"},
        {"DSL", &Settings::CfgDSL, R"(echo "DSL 768/128 kbit/s settings ... done")", R"(c_dlmax "768")"},
        {"ADSLfp", &Settings::CfgADSLfp, R"(echo "ADSL FastPath (T-Online,Arcor) settings ... done")", R"(cl_dlmax "768")"},
        {"ADSLCableAOL", &Settings::CfgADSLCableAOL, R"(echo "ADSL/Cable (128-640Kbit/s) bzw. AOL-DSL ... done")", R"(cl_dlmax "128")"},
        {"QDSL", &Settings::CfgQDSL, "echo \"SDSL \u00fcber 256Kbit/s Q-DSL settings ... done\"", R"(cl_dlmax "56")"},
        {"SDSL256", &Settings::CfgSDSL256, R"(echo "SDSL bis 256Kbit/s settings ... done")", R"(c_dlmax "128")"},
        {"DualISDN", &Settings::CfgDualISDN, R"(echo "DUAL-ISDN settings ... done")", R"(c_dlmax "128")"},
        {"ISDN", &Settings::CfgISDN, R"(echo "ISDN settings ... done")", R"(c_dlmax "64")"},
        {"Modem", &Settings::CfgModem, R"(echo "Modem 56kbit/s settings ... done")", R"(c_dlmax "56")"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Settings s;
        s.*row.field = 1;
        const auto lines = linesOf(WriteNetSection, s);
        ASSERT_EQ(lines.size(), 9u + 2u);
        EXPECT_EQ(lines[0], row.echo);
        EXPECT_TRUE(lines[1].starts_with("rate \""));
        EXPECT_EQ(lines[7], row.dlmax);
        EXPECT_TRUE(lines[8].starts_with("cl_latency \""));
        EXPECT_EQ(Lines(lines.end() - 2, lines.end()), kDownloadOff);
    }
}

} // namespace
} // namespace quorvix
