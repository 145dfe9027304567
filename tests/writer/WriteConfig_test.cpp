// Whole configs compared byte for byte with files in tests/data/writer; answers.txt names the answers behind each and,
// for single answers on a fresh record, exactly the lines they take out and put in, so two choices or typed values
// swapped anywhere show up.

#include "writer/WriteConfig.h"

#include "common/Cp1252.h"
#include "common/SettingsFields.h"
#include "common/TextLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>

namespace quorvix {
namespace {

using testing::kAllFlags;
using testing::kAllTexts;

std::string golden(const std::string& name)
{
    return readFileBytes(std::filesystem::path(QUORVIX_TEST_DATA "/writer") / name);
}

std::string configBytes(const Settings& s) { ByteBufferOutput out; WriteConfig(s, out); return out.bytes(); }

// Answers as the file names them: "CfgLAN=[1] CfgMSens=[2,5]", "*" for every flag.
Settings answered(const std::string& answers)
{
    Settings s;
    const std::regex answer(R"((\*|\w+)=\[(.*?)\](?= |$))");
    for (std::sregex_iterator it(answers.begin(), answers.end(), answer), end; it != end; ++it) {
        const std::string name = (*it)[1], value = (*it)[2];
        const auto flag = std::ranges::find(kAllFlags, name, &testing::NamedFlag::name);
        const auto text = std::ranges::find(kAllTexts, name, &testing::NamedText::name);
        for (const auto& f : kAllFlags)
            if (name == "*" || &f == flag)
                s.*f.field = static_cast<Settings::Flag>(std::stoi(value));
        if (text != std::end(kAllTexts))
            s.*text->field = value;
        EXPECT_TRUE(name == "*" || flag != std::end(kAllFlags) || text != std::end(kAllTexts))
            << "no such field " << name;
    }
    return s;
}

// The block between the longest common start and end: "-" fresh config lines, "+" new ones.
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

// Each record of answers.txt: "=> file answers", the whole config for those answers, or "== answers" and under it the
// lines they change.
TEST(WriteConfig, answersGiveTheKeptFilesAndChangeExactlyTheirOwnLines)
{
    std::map<std::string, std::string> records;
    std::string* body = nullptr;
    for (const RawLine& line : splitLines(golden("answers.txt"))) {
        if (line.starts_with("=> ") || line.starts_with("== "))
            body = &records[line];
        else if (body && (line.starts_with("-") || line.starts_with("+")))
            *body += line + "\n";
    }
    ASSERT_GT(records.size(), std::size(kAllFlags));
    for (const auto& [head, lines] : records) {
        if (head.starts_with("=> "))
            EXPECT_EQ(configBytes(answered(head)), golden(head.substr(3, head.find(' ', 3) - 3))) << head;
        else
            EXPECT_EQ(changes(answered(head)), lines) << head;
    }
    // A flag no record lists changes nothing.
    for (const auto& f : kAllFlags)
        if (!records.contains("== " + std::string(f.name) + "=[1]")) {
            EXPECT_EQ(changes(answered(std::string(f.name) + "=[1]")), "") << f.name;
        }
}

} // namespace
} // namespace quorvix
