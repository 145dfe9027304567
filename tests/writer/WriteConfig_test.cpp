// Whole generated configs compared byte for byte with files kept in
// tests/data/writer. Those files were typed line by line from the config
// format, never produced by the writer, so a drift in any literal, in the
// order of sections or in the code page shows up here; the other tests vary
// the record around them.

#include "writer/WriteConfig.h"

#include "common/Cp1252.h"
#include "common/SettingsFields.h"
#include "common/TextLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace quorvix {
namespace {

using testing::kAllFlags;

std::string golden(const std::string& name)
{
    return readFileBytes(std::filesystem::path(QUORVIX_TEST_DATA) / "writer" / name);
}

std::string configBytes(const Settings& s)
{
    ByteBufferOutput out;
    WriteConfig(s, out);
    return out.bytes();
}

RawLines configLines(const Settings& s)
{
    return splitLines(decodeCp1252(configBytes(s)));
}

// The first differing line says far more than a byte offset.
void expectSameConfig(const std::string& actual, const std::string& expected)
{
    const auto a = splitLines(actual), e = splitLines(expected);
    const auto [ai, ei] = std::mismatch(a.begin(), a.end(), e.begin(), e.end());
    if (ai != a.end() || ei != e.end())
        ADD_FAILURE() << "line " << (ai - a.begin()) + 1 << ": got [" << (ai != a.end() ? *ai : "<end>")
                      << "] expected [" << (ei != e.end() ? *ei : "<end>") << "]";
    EXPECT_EQ(actual, expected);
}

Settings withEveryFlag(Settings s, Settings::Flag value)
{
    for (const auto& f : kAllFlags)
        s.*f.field = value;
    return s;
}

// A run through every page with everyday answers, one line per page: a
// name, ADSL FastPath with downloads, middle video quality with default
// brightness, A3D sound, a green console, mode-3 net graph on the right,
// blood on.
Settings typicalRun()
{
    Settings s;
    s.SpielernameDone = 1; s.Spielername = " \"[Q]Kalle\"";
    s.ConnectionDone = s.CfgADSLfp = s.CfgDownL = 1;
    s.VideoDone = s.CfgVidMittel = s.CfgVMMX = s.CfgVPrecache = 1; s.CfgBrightness = "1"; s.CfgGamma = "2.5";
    s.CfgVMaxFPS = "100";
    s.SoundDone = s.CfgSoundHLV = s.CfgSoundHighQ = 1;
    s.mausDone = 1; s.CfgMSens = "3.2"; s.CfgMSensratio = "1.2";
    s.ConsoleDone = s.CfgCGS = s.CfgCGruen = s.ColorCount = 1;
    s.HudDone = s.CfgHudcenterid = s.CfgHudFS = 1; s.CfgHudDTN = "6"; s.CfgHudChattime = "5"; s.CfgHudKaufhis = "0";
    s.NetgraphDone = s.CfgNgraph3 = s.CfgNgraphP3 = 1; s.CfgNetgwidth = "200";
    s.ViolenceDone = s.CfgViolenceBlutan = 1;
    s.SetinfoDone = s.CfgMapbrief = s.CfgVGUI = 1;
    s.WizardDone = 1; s.LastStep = 11; s.BackupAnswer = "7";
    return s;
}

// Every flag set and every text filled with a value that gets written, the
// name with an umlaut.
Settings everyFlagSet()
{
    Settings s = withEveryFlag({}, 1);
    s.Spielername = " \"J\u00fcrgen\"";
    s.CfgBrightness = "2"; s.CfgGamma = "3"; s.CfgVMaxFPS = "101";
    s.CfgMSens = "2.5"; s.CfgMSensratio = "1.0"; s.CfgConsoleRGB = "255 155 50";
    s.CfgHudDTN = "10"; s.CfgHudChattime = "0.01"; s.CfgHudKaufhis = "2";
    s.CfgNetghight = "80"; s.CfgNetgwidth = "200";
    return s;
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(WriteConfig, matchesTheHandWrittenFilesByteForByte)
{
    // fresh: no banner, no headers, every two-way choice Off, the voice
    // header anyway. every flag: all ten connection blocks, both quality
    // sets best first, four colour lines, the Q-DSL umlaut as byte 0xFC.
    const std::pair<const char*, Settings> cases[] = {
        {"fresh_record.cfg", Settings{}}, {"typical_run.cfg", typicalRun()}, {"every_flag_set.cfg", everyFlagSet()}};
    for (const auto& [file, record] : cases) {
        SCOPED_TRACE(file);
        expectSameConfig(configBytes(record), golden(file));
    }
}

TEST(WriteConfig, flagsBelowOneAreNotChosenAndAboveOneOnlyMissTheTwoExactTests)
{
    expectSameConfig(configBytes(withEveryFlag({}, -1)), golden("fresh_record.cfg"));
    expectSameConfig(configBytes(withEveryFlag(everyFlagSet(), 7)),
                     replaced(replaced(golden("every_flag_set.cfg"),
                                       "echo \"Net settings: allowdownload On\"\r\ncl_allowdownload  \"1\"",
                                       "echo \"Net settings: allowdownload Off\"\r\ncl_allowdownload  \"0\""),
                              "echo \"3DSound settings: EAX On\"\r\ns_eax \"1\"",
                              "echo \"3DSound settings: A3D On\"\r\ns_a3d \"1\""));
}

// Each flag alone: the first line (empty and "//" lines aside) where the
// config parts from a fresh record's names what that flag chose, so two
// flags swapped anywhere show up. Flags the writer does not read change nothing.
TEST(WriteConfig, eachFlagAloneFirstChangesItsOwnLine)
{
    const std::map<std::string, std::string> firstChange = {
        {"SpielernameDone", R"(echo "Counterstrike Quorvix powered by #Tandrel")"},
        {"ConnectionDone", "//           ---->Netsettings<----"},
        {"CfgLAN", R"(echo "LAN  settings ... done")"},
        {"CfgStandleitung", R"(echo "Standleitung  settings ... done")"},
        {"CfgDSL", R"(echo "DSL 768/128 kbit/s settings ... done")"},
        {"CfgADSLfp", R"(echo "ADSL FastPath (T-Online,Arcor) settings ... done")"},
        {"CfgADSLCableAOL", R"(echo "ADSL/Cable (128-640Kbit/s) bzw. AOL-DSL ... done")"},
        {"CfgQDSL", "echo \"SDSL \u00fcber 256Kbit/s Q-DSL settings ... done\""},
        {"CfgSDSL256", R"(echo "SDSL bis 256Kbit/s settings ... done")"},
        {"CfgDualISDN", R"(echo "DUAL-ISDN settings ... done")"},
        {"CfgISDN", R"(echo "ISDN settings ... done")"},
        {"CfgModem", R"(echo "Modem 56kbit/s settings ... done")"},
        {"CfgDownL", R"(echo "Net settings: allowdownload On")"},
        {"VideoDone", "//               ---->Video settings<----"},
        {"CfgVidBest", R"(echo "Video settings: Best Videoqualy")"},
        {"CfgVidMittel", R"(echo "Video settings: Middle Videoqualy")"},
        {"CfgVZtrick", R"(echo "Other settings: Ztrick On")"},
        {"CfgVBUP", R"(echo "Other settings: Bopup On")"},
        {"CfgVMMX", R"(echo "Other settings: MMX-Support On")"},
        {"CfgVPrecache", R"(echo "Other settings: Precaching On")"},
        {"SoundDone", "//           ---->Sound settings<----"},
        {"CfgSoundHighQ", R"(echo "Sound settings: High Quality Sound On")"},
        {"CfgSoundSoundprob", R"(echo "Sound settings: Debug Sound On")"},
        {"CfgSoundHLV", R"(echo "Voice settings: Half Life Voice On")"},
        {"CfgEAX", R"(echo "3DSound settings: EAX On")"},
        {"mausDone", "//               ---->Mouse settings<----"},
        {"CfgMausFilter", R"(echo "Mouse settings: Mousefilter On")"},
        {"ConsoleDone", "//               ---->Console settings<----"},
        {"CfgCGS", R"(echo "Console settings: Console Speed: Fast")"},
        {"CfgCdev", R"(echo "Console settings: Console Developer: On")"},
        {"CfgCWeiss", R"(echo "Console settings: Console Color: White")"},
        {"CfgCBlau", R"(echo "Console settings: Console Color: Blue")"},
        {"CfgCRot", R"(echo "Console settings: Console Color: Red")"},
        {"CfgCGruen", R"(echo "Console settings: Console Color: Green")"},
        {"HudDone", "//               ---->Hud settings<----"},
        {"CfgHudcenterid", R"(echo "Hud settings: Spielername mittig")"},
        {"CfgHudFS", R"(echo "Hud settings: Fastswitch On")"},
        {"CfgHudtakeshot", R"(echo "Hud settings: Takeshot On")"},
        {"NetgraphDone", "//               ---->Netgraph settings<----"},
        {"CfgNgraphAus", R"(echo "Netgraph settings: Netgraph Off")"},
        {"CfgNgraph1", R"(net_graph "1")"},
        {"CfgNgraph2", R"(net_graph "2")"},
        {"CfgNgraph3", R"(net_graph "3")"},
        {"CfgNgraphP1", R"(net_graphpos "3")"},
        {"CfgNgraphP2", R"(net_graphpos "2")"},
        {"CfgNgraphP3", R"(net_graphpos "1")"},
        {"ViolenceDone", "//           ---->Violence settings<----"},
        {"CfgViolenceBlutan", R"(echo "Violence settings ... done")"},
        {"SetinfoDone", "//               ---->Setinfo settings<----"},
        {"CfgHelpM", R"(echo "Setinfo settings: Help Messages On")"},
        {"CfgMapbrief", R"(echo "Setinfo settings: Mapbriefing On")"},
        {"Cfgfrendm", R"(echo "Setinfo settings: Frend Message On")"},
        {"CfgVGUI", R"(echo "Setinfo settings: VGUI On")"},
        {"CfgLeftHand", R"(echo "Setinfo settings: Lefthand Weapon")"},
        {"CfgdynChr", R"(echo "Setinfo settings: Dynamic Crosshair On")"},
        {"CfgAutoWS", R"(echo "Setinfo settings: Auto Weapon switch On")"},
    };
    const RawLines fresh = configLines(Settings{});
    for (const auto& f : kAllFlags) {
        SCOPED_TRACE(f.name);
        Settings s;
        s.*f.field = 1;
        const RawLines lines = configLines(s);
        const auto expected = firstChange.find(f.name);
        if (expected == firstChange.end()) {
            EXPECT_EQ(lines, fresh);
            continue;
        }
        auto changed = std::mismatch(lines.begin(), lines.end(), fresh.begin(), fresh.end()).first;
        changed = std::find_if(changed, lines.end(), [](const std::string& l) { return l != "" && l != "//"; });
        ASSERT_NE(changed, lines.end());
        EXPECT_EQ(*changed, expected->second);
    }
}

TEST(WriteConfig, typedValuesAreWrittenOnlyWhenTheySortAfterZero)
{
    // What a number box and the colour box write for a typed text; null
    // leaves the line out. A number the game would misread is written as
    // meant; anything that is not one plain number stays as typed.
    struct Typed { const char* typed; const char* asNumber; const char* asText; };
    const Typed texts[] = {
        {"3", "3", "3"}, {"0.5", "0.5", "0.5"}, {"00", "00", "00"}, {"a", "a", "a"},
        {"\u00fc1", "\u00fc1", "\u00fc1"}, {"2,5", "2.5", "2,5"}, {"0,5", "0.5", "0,5"},
        {"+100", "100", nullptr}, {"1,2,3", "1,2,3", "1,2,3"}, {"5,", "5.", "5,"},
        {"", nullptr, nullptr}, {"0", nullptr, nullptr}, {".5", nullptr, nullptr},
        {" 2", nullptr, nullptr}, {"-1", nullptr, nullptr}, {"+0", nullptr, nullptr},
        {",5", nullptr, nullptr}, {"+-5", nullptr, nullptr}, {"+", nullptr, nullptr}};
    // The net graph's size falls back to its default line instead.
    struct Field { std::string Settings::* field; std::string command; const char* fallback; bool number; };
    const Field fields[] = {
        {&Settings::CfgMSens, "sensitivity", nullptr, true},
        {&Settings::CfgMSensratio, "zoom_sensitivity_ratio", nullptr, true},
        {&Settings::CfgConsoleRGB, "con_color", nullptr, false},
        {&Settings::CfgHudDTN, "hud_deathnotice_time", nullptr, true},
        {&Settings::CfgHudChattime, "hud_saytext_time", nullptr, true},
        {&Settings::CfgHudKaufhis, "hud_drawhistory_time", nullptr, true},
        {&Settings::CfgNetghight, "net_graphhight", "net_graphheight \"64\"", true},
        {&Settings::CfgNetgwidth, "net_graphwidht", "net_graphwidht \"150\"", true},
    };
    for (const auto& field : fields) {
        for (const auto& t : texts) {
            SCOPED_TRACE(field.command + " [" + t.typed + "]");
            const char* written = field.number ? t.asNumber : t.asText;
            Settings s;
            s.*field.field = t.typed;
            const RawLines lines = configLines(s);
            // The fallback of the net graph width shares the typed line's name.
            const auto prefixed = std::count_if(lines.begin(), lines.end(), [&](const RawLine& line) {
                return line.starts_with(field.command + " \"") && !(field.fallback && line == field.fallback);
            });
            EXPECT_EQ(prefixed, written ? 1 : 0);
            if (written) {
                EXPECT_EQ(std::count(lines.begin(), lines.end(), field.command + " \"" + written + "\""), 1);
            }
            if (field.fallback) {
                EXPECT_EQ(std::count(lines.begin(), lines.end(), field.fallback), written ? 0 : 1);
            }
        }
    }
}

TEST(WriteConfig, linesThatHangOnSingleAnswers)
{
    struct Case { const char* name; std::function<void(Settings&)> setup; RawLines run; };
    const Case cases[] = {
        {"empty player name gives the bare word", [](Settings& s) { s.SpielernameDone = 1; },
         {R"(echo "visit.....www.tandrel.example)", "", "name", "", R"(echo "Net settings: allowdownload Off")"}},
        {"exactly 1 is the default brightness and gamma", [](Settings& s) { s.CfgBrightness = s.CfgGamma = "1"; },
         {R"(brightness "1")", R"(echo "Video settings: Brightness default")", R"(gamma "1")",
          R"(echo "Video settings: Gamma default")", R"(echo "Other settings: Bopup Off")"}},
        {"what merely looks like 1 is a value", [](Settings& s) { s.CfgBrightness = "1.0"; s.CfgGamma = " 1"; },
         {R"(brightness "1.0")", R"(gamma " 1")", R"(echo "Other settings: Bopup Off")"}},
        {"picture values as meant; +1 is the default",
         [](Settings& s) { s.CfgBrightness = "+1,5"; s.CfgGamma = "+1"; },
         {R"(brightness "1.5")", R"(gamma "1")", R"(echo "Video settings: Gamma default")"}},
        {"frame rate as meant", [](Settings& s) { s.CfgVMaxFPS = "+99,5"; },
         {R"(precache "0")", R"(fps_max "99.5")"}},
        {"frame rate that is no plain number as typed", [](Settings& s) { s.CfgVMaxFPS = "1,2,3"; },
         {R"(precache "0")", R"(fps_max "1,2,3")"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Settings s;
        c.setup(s);
        const RawLines lines = configLines(s);
        EXPECT_NE(std::search(lines.begin(), lines.end(), c.run.begin(), c.run.end()), lines.end());
    }
}

// Takes `okLines` lines like a real file, then fails the way a full disk would.
class FailingOutput final : public LineOutput {
public:
    explicit FailingOutput(std::size_t okLines) : m_okLines(okLines) {}
    void writeLine(std::string_view utf8) override
    {
        if (m_okLines-- == 0)
            throw FileError("Der Datentr\u00e4ger ist voll.");
        written.writeLine(utf8);
    }
    void writeRaw(std::string_view bytes) override { written.writeRaw(bytes); }

    ByteBufferOutput written;

private:
    std::size_t m_okLines;
};

TEST(WriteConfig, failingOutputStopsTheWriterThereAndReachesTheCaller)
{
    const RawLines lines = splitLines(golden("every_flag_set.cfg"));
    for (const std::size_t ok : {std::size_t{0}, std::size_t{8}, std::size_t{150}, lines.size() - 1, lines.size()}) {
        SCOPED_TRACE(ok);
        FailingOutput out(ok);
        if (ok < lines.size())
            EXPECT_THROW(WriteConfig(everyFlagSet(), out), FileError);
        else
            EXPECT_NO_THROW(WriteConfig(everyFlagSet(), out));
        std::string expected;
        for (std::size_t i = 0; i < ok; ++i)
            expected += lines[i] + "\r\n";
        EXPECT_EQ(out.written.bytes(), expected);
    }
}

} // namespace
} // namespace quorvix
