#include "oldconfig/Preview.h"

#include "wizard/Settings.h"
#include "writer/WriteConfig.h"

#include <gtest/gtest.h>

namespace quorvix {
namespace {

// Binds, "unbind" and "Bind", comments, an echo, aliases, values the new config sets again and values it does not, and
// a last line without line end.
const std::string kPlayersConfig =
    "// mein config\r\necho \"hallo\"\r\nbind \"w\" \"+forward\"\r\nalias +jt \"+jump;+duck\"\r\n"
    "\tFPS_MAX \"72\"\r\n\r\n"
    "cl_crosshair_color \"50 250 50\"\r\nBind \"x\" \"slot1\"\r\n\"hud_fastswitch\" \"1\"\r\nunbindall\r\n"
    "exec spray.cfg\r\n  bind \"MOUSE1\" \"+attack\"";
constexpr LineMark C = LineMark::Carried, D = LineMark::Dropped, U = LineMark::Unchanged, G = LineMark::Changed;

ConfigPreview preview(const Settings& settings, const RawLines& old)
{
    return previewConfig([&](LineOutput& out) { WriteConfig(settings, out); }, old);
}

TEST(Preview, marksEveryLineAndListsTheLostSettings)
{
    const RawLines old = splitLines(kPlayersConfig);
    const ConfigPreview preview = quorvix::preview(Settings{}, old);
    // fps_max and hud_fastswitch (any case, quoted or not) get other values, an empty line stays.
    EXPECT_EQ(preview.oldMarks, (std::vector<LineMark>{D, D, C, D, G, U, D, D, G, C, D, C}));
    EXPECT_EQ(RawLines(preview.newLines.end() - 3, preview.newLines.end()), (RawLines{old[2], old[9], old[11]}));
    using Counts = std::vector<std::size_t>;
    EXPECT_EQ((Counts{preview.count(U), preview.count(G), preview.count(LineMark::New), preview.count(C),
                      preview.count(D)}), (Counts{1, 2, preview.generated - 3, 3, 6}));
    // Comments and echoes set nothing; the rest is set by no generated line.
    EXPECT_EQ(preview.lost, (std::vector<std::size_t>{3, 6, 7, 10}));

    // Again over the file it made, with another frame-rate cap and a line the player added: each line pairs with its
    // own; only fps_max changes, the added line is dropped and lost, the binds carried.
    Settings again;
    again.CfgVMaxFPS = "100";
    RawLines made = splitLines(preview.bytes);
    made.insert(made.begin() + 3, "exec spray.cfg");
    const ConfigPreview rerun = quorvix::preview(again, made);
    for (std::size_t i = 0; i < rerun.newLines.size(); ++i)
        EXPECT_EQ(rerun.counterpart[i], i < 3 ? i : i + 1) << i;
    EXPECT_EQ((Counts{rerun.count(U), rerun.count(G), rerun.count(LineMark::New), rerun.count(C), rerun.count(D)}),
              (Counts{rerun.generated - 1, 1, 0, 3, 1}));
    EXPECT_EQ(rerun.lost, (std::vector<std::size_t>{3}));

    // A setting's name is the first word as the console reads it.
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"fps_max \"100\"", "fps_max"}, {" \t sensitivity 2", "sensitivity"}, {"\"name\" \"x y\"", "name"},
        {"developer;echo hi", "developer"}, {"echo\"hi\"", "echo"}, {"// fps_max 100", ""},
        {"  //", ""}, {" \t ", ""}, {"", ""}, {"/ single slash", "/"},
    };
    for (const auto& [line, name] : cases)
        EXPECT_EQ(settingName(line), name) << line;
}

} // namespace
} // namespace quorvix
