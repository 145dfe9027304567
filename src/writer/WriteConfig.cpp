#include "writer/WriteConfig.h"

#include "common/Addresses.h"
#include "writer/ConfigLines.h"

#include <string>

// Every line of the generated config is fixed text: double blanks, odd
// quotes, trailing blanks and misspelt variable names included belong to the
// format Quorvix writes. The literals of all section writers are kept byte
// for byte; do not tidy them.

namespace quorvix {
namespace {

using namespace writer;
using S = Settings;

constexpr std::string_view kBannerFixedLines[] = {
    R"(echo "Counterstrike Quorvix powered by #Tandrel")",
    R"(echo "Version...0.3b")",
    R"(echo "Coder.....Drelvik")",
    R"(echo "visit.....#Quorvix)",
};
constexpr std::string_view kVisitPrefix = R"(echo "visit.....)";

constexpr std::string_view kNetHeader[] = {
    "//",
    "//           ---->Netsettings<----",
    "//",
    "",
};

// One block per connection type, under the names the game registers;
// cl_latency is for older engines and ignored by today's game, harmless.
// In the order they are written. DSL comes
// before ADSL FastPath here although the page lists it after.
struct ConnectionBlock {
    FlagField field;
    std::string_view echo;
    std::array<std::string_view, 8> commands;   // rate ... latency
};

constexpr ConnectionBlock kConnectionBlocks[] = {
    {&S::CfgLAN, R"(echo "LAN  settings ... done")",
     {R"(rate "20000")", R"(cl_rate  "9999")", R"(cl_cmdrate "400.05")",
      R"(cl_updaterate "100.05")", R"(cl_cmdbackup "2")", R"(cl_resend "6")",
      R"(cl_dlmax "128")", R"(cl_latency " 0")"}},
    {&S::CfgStandleitung, R"(echo "Standleitung  settings ... done")",
     {R"(rate "12000")", R"(cl_rate "9999")", R"(cl_cmdrate "400")",
      R"(cl_updaterate "60")", R"(cl_cmdbackup "0")", R"(cl_resend "1.5")",
      R"(cl_dlmax "512")", R"(cl_latency "-20")"}},
    {&S::CfgDSL, R"(echo "DSL 768/128 kbit/s settings ... done")",
     {R"(rate "12000")", R"(cl_rate "9999")", R"(cl_cmdrate "80")",
      R"(cl_updaterate "35")", R"(cl_cmdbackup "60")", R"(cl_resend "2")",
      R"(cl_dlmax "768")", R"(cl_latency "-50")"}},
    {&S::CfgADSLfp, R"(echo "ADSL FastPath (T-Online,Arcor) settings ... done")",
     {R"(rate "12000")", R"(cl_rate "9999")", R"(cl_cmdrate "40")",
      R"(cl_updaterate "30")", R"(cl_cmdbackup "2")", R"(cl_resend "2" )",
      R"(cl_dlmax "768")", R"(cl_latency "-20")"}},
    {&S::CfgADSLCableAOL, R"(echo "ADSL/Cable (128-640Kbit/s) bzw. AOL-DSL ... done")",
     {R"(rate "9000")", R"(cl_rate "9999")", R"(cl_cmdrate "40")",
      R"(cl_updaterate "25")", R"(cl_cmdbackup "0")", R"(cl_resend "2")",
      R"(cl_dlmax "128")", R"(cl_latency "-50")"}},
    {&S::CfgQDSL, R"(echo "SDSL über 256Kbit/s Q-DSL settings ... done")",
     {R"(rate "12000")", R"(cl_rate "9999")", R"(cl_cmdrate "400")",
      R"(cl_updaterate "35")", R"(cl_cmdbackup "60")", R"(cl_resend "2")",
      R"(cl_dlmax "56")", R"(cl_latency "-40")"}},
    {&S::CfgSDSL256, R"(echo "SDSL bis 256Kbit/s settings ... done")",
     {R"(rate "9999")", R"(cl_rate "9999")", R"(cl_cmdrate "100")",
      R"(cl_updaterate "35")", R"(cl_cmdbackup "60")", R"(cl_resend "6")",
      R"(cl_dlmax "128")", R"(cl_latency "-40")"}},
    {&S::CfgDualISDN, R"(echo "DUAL-ISDN settings ... done")",
     {R"(rate "9000")", R"(cl_rate "9999")", R"(cl_cmdrate "50")",
      R"(cl_updaterate "33")", R"(cl_cmdbackup "60")", R"(cl_resend "1.5")",
      R"(cl_dlmax "128")", R"(cl_latency "-30")"}},
    {&S::CfgISDN, R"(echo "ISDN settings ... done")",
     {R"(rate "6500")", R"(cl_rate "6500")", R"(cl_cmdrate "50")",
      R"(cl_updaterate "33")", R"(cl_cmdbackup "20")", R"(cl_resend "3")",
      R"(cl_dlmax "64")", R"(cl_latency "-30")"}},
    {&S::CfgModem, R"(echo "Modem 56kbit/s settings ... done")",
     {R"(rate "4000")", R"(cl_rate "2000")", R"(cl_cmdrate "32")",
      R"(cl_updaterate "25")", R"(cl_cmdbackup "8")", R"(cl_resend "3")",
      R"(cl_dlmax "56")", R"(cl_latency "-200")"}},
};

// Only an exact 1 allows downloads; any other value, even a positive one,
// writes the Off pair.
constexpr TwoWayChoice kDownload = {
    &S::CfgDownL,
    {R"(echo "Net settings: allowdownload On")", R"(cl_allowdownload  "1")"},
    {R"(echo "Net settings: allowdownload Off")", R"(cl_allowdownload  "0")"},
};

void writeHostLine(LineOutput& out, std::string_view host, std::string_view tail)
{
    std::string line(kVisitPrefix);
    line.append(host).append(tail);
    out.writeLine(line);
}

} // namespace

void WriteConfig(const Settings& settings, LineOutput& out)
{
    WriteBanner(settings, out);
    WriteNetSection(settings, out);
    WriteVideoSection(settings, out);
    WriteSoundSection(settings, out);
    WriteVoiceSection(settings, out);
    WriteMouseSection(settings, out);
    WriteConsoleSection(settings, out);
    WriteHudSection(settings, out);
    WriteNetgraphSection(settings, out);
    WriteViolenceSection(settings, out);
    WriteSetinfoSection(settings, out);
}

void WriteBanner(const Settings& settings, LineOutput& out)
{
    if (!isChosen(settings.SpielernameDone))
        return;
    writeLines(out, kBannerFixedLines);
    // The product's line keeps its trailing blank, the partner's has none.
    writeHostLine(out, address::kProductHost, " ");
    writeHostLine(out, address::kPartnerHost, "");
    out.writeLine("");
    // The name page stores the leading blank and the quotes itself.
    out.writeLine("name" + settings.Spielername);
    out.writeLine("");
}

void WriteNetSection(const Settings& settings, LineOutput& out)
{
    if (isChosen(settings.ConnectionDone))
        writeLines(out, kNetHeader);
    for (const auto& block : kConnectionBlocks) {
        if (!isChosen(settings.*block.field))
            continue;
        out.writeLine(block.echo);
        writeLines(out, block.commands);
    }
    writeEither(out, equalsOne(settings.*kDownload.field), kDownload);
}

} // namespace quorvix
