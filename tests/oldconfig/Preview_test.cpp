#include "oldconfig/Preview.h"

#include "wizard/Settings.h"
#include "writer/WriteConfig.h"

#include <gtest/gtest.h>

namespace quorvix {
namespace {

// Binds, "unbind" and "Bind", comments, aliases, values the new config sets again and values it
// does not, and a last line without line end.
const std::string kPlayersConfig =
    "// mein config\r\nbind \"w\" \"+forward\"\r\nalias +jt \"+jump;+duck\"\r\n\tFPS_MAX \"72\"\r\n\r\n"
    "cl_crosshair_color \"50 250 50\"\r\nBind \"x\" \"slot1\"\r\n\"hud_fastswitch\" \"1\"\r\nunbindall\r\n"
    "exec spray.cfg\r\n  bind \"MOUSE1\" \"+attack\"";
constexpr LineMark C = LineMark::Carried, D = LineMark::Dropped;

TEST(Preview, marksEveryLineAndListsTheLostSettings)
{
    const RawLines old = splitLines(kPlayersConfig);
    const ConfigPreview preview = previewConfig([](LineOutput& out) { WriteConfig(Settings{}, out); }, old);
    EXPECT_EQ(splitLines(preview.bytes), preview.newLines);

    EXPECT_EQ(preview.oldMarks, (std::vector<LineMark>{D, C, D, D, D, D, D, D, C, D, C}));
    EXPECT_EQ(preview.carriedFrom, (std::vector<std::size_t>{1, 8, 10}));
    EXPECT_EQ(std::pair(preview.carried(), preview.dropped()), std::pair(std::size_t{3}, std::size_t{8}));
    ASSERT_EQ(preview.generated + 3, preview.newLines.size());
    std::vector<LineMark> marks(preview.generated, LineMark::New);
    marks.insert(marks.end(), 3, C);
    EXPECT_EQ(preview.newMarks, marks);
    EXPECT_EQ(RawLines(preview.newLines.end() - 3, preview.newLines.end()), (RawLines{old[1], old[8], old[10]}));
    // fps_max and hud_fastswitch are set again (any case, quoted or not); comments set nothing.
    EXPECT_EQ(preview.lost, (std::vector<std::size_t>{2, 5, 6, 9}));

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
