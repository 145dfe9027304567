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

} // namespace
} // namespace quorvix
