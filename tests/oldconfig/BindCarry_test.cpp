#include "oldconfig/BindCarry.h"

#include <gtest/gtest.h>

namespace quorvix {
namespace {

TEST(BindCarry, keepsExactlyTheLinesHoldingLowerCaseBindInOrder)
{
    struct Case { const char* name; RawLines old; RawLines kept; };
    const Case cases[] = {
        {"empty list", {}, {}},
        {"no bind line", {"rate 25000", "name \"x\"", ""}, {}},
        {"inside words and comments", {"unbindall", "rebinding", "//bind"}, {"unbindall", "rebinding", "//bind"}},
        {"other case or split word dropped", {"Bind \"a\" \"b\"", "BIND x", "bInd", "bin d", "bi\tnd"}, {}},
        {"others between disappear, order and blanks kept",
         {"\tbind 1 ", "fps_max 100", "", "  bind 2", "x", "bind 3"}, {"\tbind 1 ", "  bind 2", "bind 3"}},
        {"first and last line", {"bind z", "a", "b", "bind y"}, {"bind z", "bind y"}},
        {"bytes kept, nul before bind", {"bind \"\xFC\" \"say \x81\"", std::string("a\0bind", 6)},
         {"bind \"\xFC\" \"say \x81\"", std::string("a\0bind", 6)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(bindLines(c.old), c.kept);
        // Streaming them out gives the kept lines, each with CR LF, the
        // last one too.
        ByteBufferOutput streamed;
        writeBindLines(streamed, c.old);
        std::string listed;
        for (const RawLine& line : c.kept)
            listed += line + "\r\n";
        EXPECT_EQ(streamed.bytes(), listed);
    }
}

} // namespace
} // namespace quorvix
