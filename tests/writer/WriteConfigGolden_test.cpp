// Whole generated configs compared byte for byte with files kept in
// tests/data/writer. Those files were typed line by line from the config
// format, never produced by the writer, so a drift in any literal, in the
// order of sections or in the code page shows up here.

#include "writer/WriteConfig.h"

#include "common/TextLines.h"
#include "wizard/Settings.h"
#include "writer/WriterTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace quorvix {
namespace {

using namespace writertest;

struct GoldenCase {
    const char* name;
    const char* file;
    std::function<Settings()> record;
};

const GoldenCase kGoldenCases[] = {
    // Nothing answered: no banner, no headers, every two-way choice Off and
    // the voice header anyway.
    {"freshRecord", "fresh_record.cfg", [] { return Settings{}; }},
    {"typicalRun", "typical_run.cfg", typicalRun},
    // All ten connection blocks, both quality sets, four colour lines and
    // the Q-DSL umlaut as byte 0xFC.
    {"everyFlagSet", "every_flag_set.cfg", everyFlagSet},
};

class GoldenConfig : public ::testing::TestWithParam<GoldenCase> {};

// The first differing line says far more than a byte offset.
void expectSameLines(const std::string& actual, const std::string& expected)
{
    const auto a = splitLines(actual);
    const auto e = splitLines(expected);
    for (std::size_t i = 0; i < std::min(a.size(), e.size()); ++i) {
        if (a[i] != e[i]) {
            ADD_FAILURE() << "line " << i + 1 << ": got [" << a[i] << "] expected [" << e[i] << "]";
            return;
        }
    }
    EXPECT_EQ(a.size(), e.size()) << "line counts differ";
}

TEST_P(GoldenConfig, matchesTheHandWrittenFileByteForByte)
{
    const auto& c = GetParam();
    const std::string expected = readGolden(c.file);
    ASSERT_FALSE(expected.empty()) << goldenPath(c.file);

    ByteBufferOutput out;
    WriteConfig(c.record(), out);

    expectSameLines(out.bytes(), expected);
    EXPECT_EQ(out.bytes(), expected);
}

TEST_P(GoldenConfig, endsWithTheAutoSwitchLineAndCrLf)
{
    ByteBufferOutput out;
    WriteConfig(GetParam().record(), out);
    const auto lines = splitLines(out.bytes());
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(lines.back() == R"(_cl_autowepswitch "0")" || lines.back() == R"(_cl_autowepswitch "1")")
        << lines.back();
    EXPECT_TRUE(out.bytes().ends_with("\"\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Files, GoldenConfig, ::testing::ValuesIn(kGoldenCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Only the Q-DSL echo line carries a character outside ASCII; it has to
// reach the file as the single Windows-1252 byte, not as UTF-8.
TEST(GoldenConfigEncoding, qdslUmlautIsOneCp1252Byte)
{
    Settings s;
    s.CfgQDSL = 1;
    ByteBufferOutput out;
    WriteConfig(s, out);
    const std::string& bytes = out.bytes();
    EXPECT_NE(bytes.find("echo \"SDSL \xFC" "ber 256Kbit/s Q-DSL settings ... done\"\r\n"),
              std::string::npos);
    EXPECT_EQ(bytes.find("\xC3\xBC"), std::string::npos);
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            EXPECT_EQ(static_cast<unsigned char>(c), 0xFC);
        }
    }
}

} // namespace
} // namespace quorvix
