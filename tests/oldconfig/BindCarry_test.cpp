#include "oldconfig/BindCarry.h"

#include <gtest/gtest.h>

namespace quorvix {
namespace {

TEST(BindCarry, keepsExactlyTheLinesHoldingLowerCaseBindInOrder)
{
    struct Case { const char* name; RawLines old; RawLines kept; };
    const Case cases[] = {
        {"empty list", {}, {}},
        {"no bind line at all", {"rate 25000", "name \"x\"", ""}, {}},
        {"plain binds", {"bind \"w\" \"+forward\"", "bind \"s\" \"+back\""},
         {"bind \"w\" \"+forward\"", "bind \"s\" \"+back\""}},
        {"inside a longer word", {"unbindall", "unbind \"x\"", "rebinding"}, {"unbindall", "unbind \"x\"", "rebinding"}},
        {"only in a comment", {"// my binds follow", "//bind"}, {"// my binds follow", "//bind"}},
        {"upper and mixed case dropped", {"Bind \"a\" \"b\"", "BIND x", "bInd", "BinD"}, {}},
        {"split word dropped", {"bin d", "b ind", "bi\tnd"}, {}},
        {"blanks and tabs around kept", {"  bind a  ", "\tbind b\t", " \t bind c"},
         {"  bind a  ", "\tbind b\t", " \t bind c"}},
        {"others between disappear, order kept",
         {"bind 1", "fps_max 100", "x", "bind 2", "", "sensitivity 3", "bind 3"},
         {"bind 1", "bind 2", "bind 3"}},
        {"last line only", {"a", "b", "c", "bind z"}, {"bind z"}},
        {"first line only", {"bind z", "a", "b"}, {"bind z"}},
        {"consecutive non-binds at the start", {"a", "b", "bind x", "c", "d", "bind y"}, {"bind x", "bind y"}},
        {"bytes after bind untouched", {"bind \"\xFC\" \"say \x81\x9D\""}, {"bind \"\xFC\" \"say \x81\x9D\""}},
        {"nul before bind", {std::string("a\0bind", 6)}, {std::string("a\0bind", 6)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(bindLines(c.old), c.kept);
        // Streaming them out must give the same bytes as the kept list
        // written as old lines: CR LF between, none after the last.
        ByteBufferOutput streamed;
        writeBindLines(streamed, c.old);
        ByteBufferOutput listed;
        writeOldLines(listed, c.kept);
        EXPECT_EQ(streamed.bytes(), listed.bytes());
    }
}

TEST(BindCarry, keepsLinesPastThirtyTwoThousandSevenHundredSixtySeven)
{
    RawLines old;
    for (int i = 0; i < 40000; ++i)
        old.push_back(i % 2 == 0 ? "bind k" + std::to_string(i) : "rate " + std::to_string(i));
    const RawLines kept = bindLines(old);
    ASSERT_EQ(kept.size(), 20000u);
    EXPECT_EQ(kept.front(), "bind k0");
    EXPECT_EQ(kept[16384], "bind k32768");
    EXPECT_EQ(kept.back(), "bind k39998");
}

} // namespace
} // namespace quorvix
