#include "oldconfig/ConfigFile.h"

#include "common/TempDir.h"
#include "oldconfig/EntryMeter.h"
#include "oldconfig/FileLineOutput.h"

#include <gtest/gtest.h>

namespace quorvix {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

constexpr fs::perms kAllWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

const std::string kOldConfig =
    "// old config\r\n"
    "bind \"w\" \"+forward\"\r\n"
    "rate \"25000\"\r\n"
    "\tbind \"MOUSE1\" \"+attack\" \r\n"
    "unbindall\n"
    "Bind \"x\" \"y\"\r"
    "name \"M\xFC" "ller\"";

// Stands in for the config writer: a few fixed lines, one with an umlaut
// that must come out as one Windows-1252 byte.
void writeThreeLines(LineOutput& out)
{
    out.writeLine("// generated");
    out.writeLine("echo \"Q-DSL f\xC3\xBCr dich\"");
    out.writeLine("cl_resend \"2\" ");
}
const std::string kThreeLinesBytes = "// generated\r\necho \"Q-DSL f\xFCr dich\"\r\ncl_resend \"2\" \r\n";

bool hasWriteBits(const fs::path& file)
{
    return (fs::status(file).permissions() & kAllWrite) != fs::perms::none;
}

void expectContains(const std::string& text, const std::string& part)
{
    EXPECT_NE(text.find(part), std::string::npos) << "\"" << text << "\" lacks \"" << part << "\"";
}

// ---- whether a config can be replaced ---------------------------------

TEST(ConfigFileChecks, whyNotWritableNamesEachObstacle)
{
    TempDir dir;
    writeBytes(dir / "config.cfg", kOldConfig);
    writeBytes(dir / "locked.cfg", kOldConfig);
    fs::permissions(dir / "locked.cfg", kAllWrite, fs::perm_options::remove);
    fs::create_directory(dir / "folder.cfg");
    writeBytes(dir / "plainfile", "x");

    struct Case { const char* name; fs::path target; const char* words; };
    const Case cases[] = {
        {"existing writable file", dir / "config.cfg", nullptr},
        {"new file in existing folder", dir / "new.cfg", nullptr},
        {"folder missing", dir / "gone" / "config.cfg", "existiert nicht"},
        {"folder is a file", dir / "plainfile" / "config.cfg", "ist kein Ordner"},
        {"target is a folder", dir / "folder.cfg", "ist ein Ordner"},
        // Root could write it anyway; what counts is the mark itself.
        {"read-only mark", dir / "locked.cfg", "schreibgesch\xC3\xBCtzt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string why = whyNotWritable(c.target);
        if (c.words)
            expectContains(why, c.words);
        else
            EXPECT_EQ(why, "");
    }
}

TEST(ConfigFileChecks, folderWithoutWritePermissionIsReported)
{
    if (testing::runningAsRoot())
        GTEST_SKIP() << "root may write into any folder";
    TempDir dir;
    fs::create_directory(dir / "closed");
    fs::permissions(dir / "closed", kAllWrite, fs::perm_options::remove);
    expectContains(whyNotWritable(dir / "closed" / "config.cfg"), "darf nicht geschrieben werden");
}

TEST(ConfigFileChecks, readOnlyMarkClearsAllWriteBitsAndClearingGivesTheOwnerBack)
{
    TempDir dir;
    const auto file = dir / "config.cfg";
    writeBytes(file, "x");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_write
                              | fs::perms::others_read | fs::perms::others_write,
                    fs::perm_options::replace);
    EXPECT_FALSE(isMarkedReadOnly(file));

    markReadOnly(file);
    EXPECT_TRUE(isMarkedReadOnly(file));
    EXPECT_FALSE(hasWriteBits(file));
    EXPECT_NE(fs::status(file).permissions() & fs::perms::owner_read, fs::perms::none);
    expectContains(whyNotWritable(file), "schreibgesch");

    clearReadOnly(file);
    EXPECT_FALSE(isMarkedReadOnly(file));
    EXPECT_NE(fs::status(file).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_EQ(whyNotWritable(file), "");

    EXPECT_FALSE(isMarkedReadOnly(dir / "missing.cfg"));
    EXPECT_THROW(markReadOnly(dir / "missing.cfg"), FileError);
    EXPECT_THROW(clearReadOnly(dir / "missing.cfg"), FileError);
}

// ---- writing to a file -------------------------------------------------

TEST(FileOutput, fullDiskIsAnErrorNotASilentlyShortFile)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full on this system";
    // A short config stays in memory until the close; a long one fails
    // while it is written. Both must come out as an error.
    for (const int lines : {1, 100000}) {
        SCOPED_TRACE(lines);
        try {
            FileLineOutput out("/dev/full", FileLineOutput::Open::Overwrite);
            for (int i = 0; i < lines; ++i)
                out.writeLine("bind \"w\" \"+forward\"");
            out.close();
            ADD_FAILURE() << "writing to a full disk passed";
        } catch (const FileError& e) {
            expectContains(e.what(), "voll");
        }
    }
}

TEST(FileOutput, createNewRefusesAnExistingFileAndWritesEncodedLines)
{
    TempDir dir;
    writeBytes(dir / "taken", "keep me");
    EXPECT_THROW(FileLineOutput(dir / "taken", FileLineOutput::Open::CreateNew), FileError);
    EXPECT_EQ(readBytes(dir / "taken"), "keep me");

    FileLineOutput out(dir / "fresh", FileLineOutput::Open::CreateNew);
    writeThreeLines(out);
    out.writeRaw("bind a\r\nbind b");
    out.close();
    EXPECT_EQ(readBytes(dir / "fresh"), kThreeLinesBytes + "bind a\r\nbind b");
}

// ---- atomic replacement ------------------------------------------------

TEST(AtomicReplace, replacesContentAndLeavesNoTemporaryFile)
{
    TempDir dir;
    const auto file = dir / "config.cfg";
    writeBytes(file, std::string(100000, 'o'));
    replaceFileAtomically(file, [](LineOutput& out) { out.writeRaw("short"); });
    EXPECT_EQ(readBytes(file), "short");
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"config.cfg"}));
}

TEST(AtomicReplace, keepsTheOldFilesPermissionsPlusOwnerWrite)
{
    TempDir dir;
    const auto file = dir / "config.cfg";
    writeBytes(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read, fs::perm_options::replace);
    replaceFileAtomically(file, [](LineOutput& out) { out.writeRaw("new"); });
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(AtomicReplace, symbolicLinkStaysALinkAndItsFileIsReplaced)
{
    TempDir dir;
    fs::create_directory(dir / "game");
    writeBytes(dir / "game" / "config.cfg", "old");
    fs::create_symlink(dir / "game" / "config.cfg", dir / "link.cfg");
    replaceFileAtomically(dir / "link.cfg", [](LineOutput& out) { out.writeRaw("new"); });
    EXPECT_TRUE(fs::is_symlink(dir / "link.cfg"));
    EXPECT_EQ(readBytes(dir / "game" / "config.cfg"), "new");
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"game", "link.cfg"}));
}

// ---- making the config -------------------------------------------------

TEST(MakeConfig, writesGeneratedLinesThenBindLinesAndMarksTheFileReadOnly)
{
    TempDir dir;
    const auto file = dir / "config.cfg";
    writeBytes(file, kOldConfig);

    const MadeConfig made = makeConfigFile(file, writeThreeLines, readLines(file));

    const std::string expected = kThreeLinesBytes
                               + "bind \"w\" \"+forward\"\r\n"
                                 "\tbind \"MOUSE1\" \"+attack\" \r\n"
                                 "unbindall";
    EXPECT_EQ(readBytes(file), expected);
    const RawLines expectedLines = {"// generated", "echo \"Q-DSL f\xFCr dich\"", "cl_resend \"2\" ",
                                    "bind \"w\" \"+forward\"", "\tbind \"MOUSE1\" \"+attack\" ",
                                    "unbindall"};
    EXPECT_EQ(made.lines, expectedLines);
    EXPECT_TRUE(isMarkedReadOnly(file));
    EXPECT_FALSE(hasWriteBits(file));
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"config.cfg"}));
}

TEST(MakeConfig, lineEndsOfTheResultForEachNumberOfBindLines)
{
    // Each row makes a config where none existed before.
    struct Case { const char* name; RawLines old; std::string tail; std::size_t entries; };
    const Case cases[] = {
        {"none: file ends with the last generated line end", {"rate 1", "Bind x"}, "", 3},
        {"one, without line end", {"bind a"}, "bind a", 4},
        {"three: two line ends and the last without", {"bind a", "x", "bind b", "y", "bind c"},
         "bind a\r\nbind b\r\nbind c", 6},
        {"empty old config", {}, "", 3},
        {"an empty-looking bind line still counts", {"bind", ""}, "bind", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const auto file = dir / "config.cfg";
        const MadeConfig made = makeConfigFile(file, writeThreeLines, c.old);
        EXPECT_EQ(readBytes(file), kThreeLinesBytes + c.tail);
        EXPECT_EQ(made.lines.size(), c.entries);
    }
}

TEST(MakeConfig, everyByteValueInBindLinesComesOutUnchanged)
{
    TempDir dir;
    const auto file = dir / "config.cfg";
    // Every byte except the line ends themselves, spread over bind lines,
    // with LF-only, CR-only and CR LF endings in the old file.
    std::string oldBytes;
    std::string expectedTail;
    const char* ends[] = {"\n", "\r", "\r\n"};
    for (int b = 0; b < 256; ++b) {
        if (b == '\r' || b == '\n')
            continue;
        const std::string line = "bind \"" + std::string(1, static_cast<char>(b)) + "\" \"say "
                               + std::string(1, static_cast<char>(b)) + "\"";
        oldBytes += line + ends[b % 3];
        oldBytes += "junk " + std::string(1, static_cast<char>(b)) + ends[(b + 1) % 3];
        if (!expectedTail.empty())
            expectedTail += "\r\n";
        expectedTail += line;
    }
    writeBytes(file, oldBytes);

    const MadeConfig made = makeConfigFile(file, writeThreeLines, readLines(file));

    EXPECT_EQ(readBytes(file), kThreeLinesBytes + expectedTail);
    EXPECT_EQ(made.lines.size(), 3u + 254u);
}

TEST(MakeConfig, fortyThousandLineOldConfigKeepsItsLaterBindLines)
{
    TempDir dir;
    const auto file = dir / "config.cfg";
    std::string oldBytes;
    for (int i = 0; i < 40000; ++i)
        oldBytes += "bind k" + std::to_string(i) + "\r\n";
    writeBytes(file, oldBytes);
    const MadeConfig made = makeConfigFile(file, writeThreeLines, readLines(file));
    ASSERT_EQ(made.lines.size(), 40003u);
    EXPECT_EQ(made.lines[3 + 32767], "bind k32767");
    EXPECT_EQ(made.lines.back(), "bind k39999");
    EXPECT_EQ(entryCountText(made.lines.size()), "40003 Eintr\xC3\xA4ge in der neuen Config");
}

TEST(MakeConfig, entryCountAndRatingFollowTheFileReadBack)
{
    struct Case { std::size_t generated; std::size_t binds; std::uint32_t rgb; };
    const Case cases[] = {{150, 49, 0xFF0000}, {150, 50, 0x0000FF}, {199, 0, 0xFF0000}, {200, 0, 0x0000FF}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.generated) + "+" + std::to_string(c.binds));
        TempDir dir;
        RawLines old;
        for (std::size_t i = 0; i < c.binds; ++i)
            old.insert(old.end(), {"bind x" + std::to_string(i), "rate 1"});
        const MadeConfig made = makeConfigFile(
            dir / "config.cfg",
            [&](LineOutput& out) {
                for (std::size_t i = 0; i < c.generated; ++i)
                    out.writeLine(i % 10 == 0 ? "" : "echo " + std::to_string(i));
            },
            old);
        EXPECT_EQ(made.lines.size(), c.generated + c.binds);
        EXPECT_EQ(rateConfig(made.lines.size()).rgb, c.rgb);
    }
}

// ---- failures leave the old config as it was ---------------------------

struct GeneratorFailure : std::runtime_error {
    GeneratorFailure() : std::runtime_error("generator gave up") {}
};

TEST(MakeConfigFailure, oldFileStaysByteIdenticalAndNoTemporaryFileRemains)
{
    struct Case {
        const char* name;
        std::function<void(LineOutput&)> generate;
        const char* words;
    };
    const Case cases[] = {
        {"writer fails half way with a file error",
         [](LineOutput& out) {
             for (int i = 0; i < 50000; ++i)
                 out.writeLine("echo " + std::to_string(i));
             throw FileError("Schreiben abgebrochen");
         },
         "Schreiben abgebrochen"},
        {"writer fails with another error",
         [](LineOutput& out) {
             writeThreeLines(out);
             throw GeneratorFailure();
         },
         "konnte nicht geschrieben werden"},
        {"a typed text the code page cannot hold",
         [](LineOutput& out) {
             writeThreeLines(out);
             out.writeLine("name \"\xE2\x98\x83\"");
         },
         "\xE2\x98\x83"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const auto file = dir / "config.cfg";
        writeBytes(file, kOldConfig);
        try {
            makeConfigFile(file, c.generate, readLines(file));
            ADD_FAILURE() << "no FileError";
        } catch (const FileError& e) {
            expectContains(e.what(), c.words);
        }
        EXPECT_EQ(readBytes(file), kOldConfig);
        EXPECT_FALSE(isMarkedReadOnly(file));
        EXPECT_EQ(dir.entries(), (std::set<std::string>{"config.cfg"}));
    }
}

TEST(MakeConfigFailure, missingFolderCreatesNothing)
{
    TempDir dir;
    try {
        makeConfigFile(dir / "gone" / "config.cfg", writeThreeLines, {"bind a"});
        ADD_FAILURE() << "no FileError";
    } catch (const FileError& e) {
        expectContains(e.what(), "existiert nicht");
    }
    EXPECT_TRUE(dir.entries().empty());
}

TEST(MakeConfigFailure, targetThatIsAFolderStaysAsItWas)
{
    TempDir dir;
    fs::create_directory(dir / "config.cfg");
    writeBytes(dir / "config.cfg" / "inside.txt", "keep");
    try {
        makeConfigFile(dir / "config.cfg", writeThreeLines, {"bind a"});
        ADD_FAILURE() << "no FileError";
    } catch (const FileError& e) {
        expectContains(e.what(), "ist ein Ordner");
    }
    EXPECT_EQ(readBytes(dir / "config.cfg" / "inside.txt"), "keep");
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"config.cfg"}));
}

TEST(MakeConfigFailure, failingLastStepBeforeReplacingKeepsTheOldFile)
{
    TempDir dir;
    const auto file = dir / "config.cfg";
    writeBytes(file, kOldConfig);
    EXPECT_THROW(replaceFileAtomically(
                     file, writeThreeLines,
                     [](const fs::path& written) {
                         markReadOnly(written);
                         throw FileError("Zur\xC3\xBC" "cklesen fehlgeschlagen");
                     }),
                 FileError);
    EXPECT_EQ(readBytes(file), kOldConfig);
    EXPECT_FALSE(isMarkedReadOnly(file));
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"config.cfg"}));
}

TEST(MakeConfigFailure, reloadClearsTheMarkAndASecondMakeSucceeds)
{
    TempDir dir;
    const auto file = dir / "config.cfg";
    writeBytes(file, kOldConfig);
    makeConfigFile(file, writeThreeLines, readLines(file));
    ASSERT_FALSE(whyNotWritable(file).empty());

    clearReadOnly(file);
    ASSERT_EQ(whyNotWritable(file), "");
    const MadeConfig again = makeConfigFile(file, [](LineOutput& out) { out.writeLine("// again"); },
                                            readLines(file));
    // The generated lines of the first make hold no "bind"; the carried
    // bind lines come through a second time unchanged.
    EXPECT_EQ(readBytes(file), "// again\r\nbind \"w\" \"+forward\"\r\n\tbind \"MOUSE1\" \"+attack\" \r\nunbindall");
    EXPECT_EQ(again.lines.size(), 4u);
    EXPECT_TRUE(isMarkedReadOnly(file));
}

} // namespace
} // namespace quorvix
