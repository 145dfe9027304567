#include "oldconfig/ColouredEntry.h"

#include <gtest/gtest.h>

namespace quorvix {
namespace {

TEST(ColouredEntry, splitsNameAndFirstQuotedValue)
{
    struct Case { const char* name; std::string line; std::optional<ColouredEntry> entry; };
    const Case cases[] = {
        {"plain", "cl_updaterate \"100.05\"", ColouredEntry{"cl_updaterate", "100.05"}},
        {"no quotes", "unbindall", std::nullopt},
        {"empty line", "", std::nullopt},
        {"one quote", "echo \"unfinished", std::nullopt},
        {"value not quoted", "rate 25000", std::nullopt},
        {"three quotes show the first pair", "gl_zmax \"4096\" x\"", ColouredEntry{"gl_zmax", "4096"}},
        {"missing closing quote of a known line", "gl_zmax \"4096", std::nullopt},
        {"bind line with four quotes shows the key only", "bind \"w\" \"+forward\"", ColouredEntry{"bind", "w"}},
        {"tab then blank keeps one blank", "\t cl_bob \"0\"", ColouredEntry{" cl_bob", "0"}},
        {"blank then tab keeps none", " \tcl_bob \"0\"", ColouredEntry{"cl_bob", "0"}},
        {"tab inside the name goes", "cl_\tbob \"0\"", ColouredEntry{"cl_bob", "0"}},
        {"value trimmed of blanks then tabs", "x \"  \t1 2\t  \"", ColouredEntry{"x", "1 2"}},
        {"value blank behind tab stays", "x \"\t 1 \t\"", ColouredEntry{"x", " 1 "}},
        {"empty name and value", "\"\"", ColouredEntry{"", ""}},
        {"blanks only", "   \"   \"", ColouredEntry{"", ""}},
        {"case kept", "Name \"DrElViK\"", ColouredEntry{"Name", "DrElViK"}},
        {"trailing blank of a written line", "cl_resend \"2\" ", ColouredEntry{"cl_resend", "2"}},
        {"bytes kept as read", "name \"M\xFCller\x81\"", ColouredEntry{"name", "M\xFCller\x81"}},
        {"comment with quotes", "// say \"hi\" there", ColouredEntry{"// say", "hi"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto entry = colouredEntry(c.line);
        ASSERT_EQ(entry.has_value(), c.entry.has_value());
        if (entry) {
            EXPECT_EQ(entry->name, c.entry->name);
            EXPECT_EQ(entry->value, c.entry->value);
        }
    }
}

} // namespace
} // namespace quorvix
