// Whole generated configs compared byte for byte with files kept in
// tests/data/writer: every literal, the order of the sections and the code
// page show up there. single_answers.txt lists, for one answer at a time on
// a fresh record, exactly the lines it takes out of the fresh config and
// puts in, so two choices or two typed values swapped anywhere show up too.

#include "writer/WriteConfig.h"

#include "common/Cp1252.h"
#include "common/SettingsFields.h"
#include "common/TextLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

namespace quorvix {
namespace {

using testing::kAllFlags;
using testing::kAllTexts;

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

Settings withEveryFlag(Settings s, Settings::Flag value)
{
    for (const auto& f : kAllFlags)
        s.*f.field = value;
    return s;
}

// Answers as the file names them: "CfgLAN=[1] CfgMSens=[2,5]".
Settings answered(const std::string& answers)
{
    Settings s;
    const std::regex answer(R"((\w+)=\[([^\]]*)\])");
    for (std::sregex_iterator it(answers.begin(), answers.end(), answer), end; it != end; ++it) {
        const auto flag = std::ranges::find(kAllFlags, (*it)[1].str(), &testing::NamedFlag::name);
        const auto text = std::ranges::find(kAllTexts, (*it)[1].str(), &testing::NamedText::name);
        if (flag != std::end(kAllFlags))
            s.*flag->field = static_cast<Settings::Flag>(std::stoi((*it)[2]));
        else if (text != std::end(kAllTexts))
            s.*text->field = (*it)[2];
        else
            ADD_FAILURE() << "no such field " << (*it)[1];
    }
    return s;
}

// The block between the longest common start and end, "-" for the fresh
// config's lines, "+" for the new ones.
std::string changes(const Settings& s)
{
    const RawLines from = splitLines(decodeCp1252(configBytes(Settings{})));
    const RawLines to = splitLines(decodeCp1252(configBytes(s)));
    auto [f, t] = std::mismatch(from.begin(), from.end(), to.begin(), to.end());
    auto fe = from.end(), te = to.end();
    while (fe > f && te > t && fe[-1] == te[-1])
        --fe, --te;
    std::string block;
    for (; f != fe; ++f)
        block += "-" + *f + "\n";
    for (; t != te; ++t)
        block += "+" + *t + "\n";
    return block;
}

// A run through every page with everyday answers, one line per page.
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

// Every flag at `value` and every text filled with a value that gets
// written, the name with an umlaut.
Settings everyFlag(Settings::Flag value)
{
    Settings s = withEveryFlag({}, value);
    s.Spielername = " \"J\u00fcrgen\"";
    s.CfgBrightness = "2"; s.CfgGamma = "3"; s.CfgVMaxFPS = "101";
    s.CfgMSens = "2.5"; s.CfgMSensratio = "1.0"; s.CfgConsoleRGB = "255 155 50";
    s.CfgHudDTN = "10"; s.CfgHudChattime = "0.01"; s.CfgHudKaufhis = "2";
    s.CfgNetghight = "80"; s.CfgNetgwidth = "200";
    return s;
}

// Flags below 1 are not chosen; above 1 they miss only the two tests for
// exactly 1 (downloads, EAX).
TEST(WriteConfig, matchesTheKeptFilesByteForByte)
{
    const std::pair<const char*, Settings> cases[] = {
        {"fresh_record.cfg", Settings{}}, {"fresh_record.cfg", withEveryFlag({}, -1)},
        {"typical_run.cfg", typicalRun()}, {"every_flag_set.cfg", everyFlag(1)},
        {"every_flag_seven.cfg", everyFlag(7)}};
    for (const auto& [file, record] : cases) {
        SCOPED_TRACE(file);
        const RawLines made = splitLines(configBytes(record)), kept = splitLines(golden(file));
        const auto [m, k] = std::mismatch(made.begin(), made.end(), kept.begin(), kept.end());
        EXPECT_EQ(m == made.end() ? "<end>" : *m, k == kept.end() ? "<end>" : *k) << "line " << m - made.begin() + 1;
        EXPECT_EQ(configBytes(record), golden(file));
    }
}

TEST(WriteConfig, eachSingleAnswerChangesExactlyItsOwnLines)
{
    std::map<std::string, std::string> expected;
    std::string* block = nullptr;
    for (const RawLine& line : splitLines(golden("single_answers.txt"))) {
        if (line.starts_with("== "))
            block = &expected[line.substr(3)];
        else if (block && (line.starts_with("-") || line.starts_with("+")))
            *block += line + "\n";
    }
    ASSERT_GT(expected.size(), std::size(kAllFlags));
    for (const auto& [answers, lines] : expected)
        EXPECT_EQ(changes(answered(answers)), lines) << answers;
    // A flag the file does not list changes nothing.
    for (const auto& f : kAllFlags) {
        if (!expected.contains(std::string(f.name) + "=[1]")) {
            EXPECT_EQ(changes(answered(std::string(f.name) + "=[1]")), "") << f.name;
        }
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
    for (const std::size_t ok : {std::size_t{0}, std::size_t{150}, lines.size() - 1, lines.size()}) {
        SCOPED_TRACE(ok);
        FailingOutput out(ok);
        if (ok < lines.size())
            EXPECT_THROW(WriteConfig(everyFlag(1), out), FileError);
        else
            EXPECT_NO_THROW(WriteConfig(everyFlag(1), out));
        std::string expected;
        for (std::size_t i = 0; i < ok; ++i)
            expected += lines[i] + "\r\n";
        EXPECT_EQ(out.written.bytes(), expected);
    }
}

} // namespace
} // namespace quorvix
