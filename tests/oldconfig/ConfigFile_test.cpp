#include "oldconfig/ConfigFile.h"

#include "common/TempDir.h"
#include "oldconfig/EntryMeter.h"
#include "oldconfig/FileLineOutput.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvix {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;
using Contents = std::map<std::string, std::string>;

constexpr fs::perms kAllWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

const std::string kOldConfig = "// old config\r\nbind \"w\" \"+forward\"\r\nrate \"25000\"\r\n"
                               "\tbind \"MOUSE1\" \"+attack\" \r\nunbindall\nBind \"x\" \"y\"\rname \"M\xFCller\"";
const std::string kOldBinds = "bind \"w\" \"+forward\"\r\n\tbind \"MOUSE1\" \"+attack\" \r\nunbindall\r\n";

// Stands in for the config writer; the umlaut must reach the file as one byte.
void writeThreeLines(LineOutput& out)
{
    out.writeLine("// generated");
    out.writeLine("echo \"Q-DSL f\xC3\xBCr dich\"");
    out.writeLine("cl_resend \"2\" ");
}
const std::string kThreeLines = "// generated\r\necho \"Q-DSL f\xFCr dich\"\r\ncl_resend \"2\" \r\n";

void expectFileError(const std::function<void()>& act, const std::string& words)
{
    try {
        act();
        ADD_FAILURE() << "no FileError";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find(words), std::string::npos) << e.what();
    }
}

TEST(ConfigFileChecks, whyNotWritableNamesEachObstacle)
{
    TempDir dir;
    writeBytes(dir / "config.cfg", kOldConfig);
    writeBytes(dir / "locked.cfg", kOldConfig);
    fs::permissions(dir / "locked.cfg", kAllWrite, fs::perm_options::remove);
    fs::create_directory(dir / "folder.cfg");
    fs::create_directory(dir / "closed");
    fs::permissions(dir / "closed", kAllWrite, fs::perm_options::remove);

    std::vector<std::pair<fs::path, std::string>> cases = {
        {dir / "config.cfg", ""},
        {dir / "new.cfg", ""},
        {dir / "gone" / "config.cfg", "existiert nicht"},
        {dir / "config.cfg" / "x.cfg", "ist kein Ordner"},
        {dir / "folder.cfg", "ist ein Ordner"},
        // Root could write it anyway; what counts is the mark itself.
        {dir / "locked.cfg", "schreibgesch\xC3\xBCtzt"},
    };
    if (!testing::runningAsRoot())
        cases.emplace_back(dir / "closed" / "config.cfg", "darf nicht geschrieben werden");
    for (const auto& [target, words] : cases) {
        SCOPED_TRACE(target.string());
        const std::string why = whyNotWritable(target);
        if (words.empty())
            EXPECT_EQ(why, "");
        else
            EXPECT_NE(why.find(words), std::string::npos) << why;
    }
}

TEST(ConfigFileChecks, readOnlyMarkClearsAllWriteBitsAndClearingGivesTheOwnerBack)
{
    TempDir dir;
    const auto file = dir / "config.cfg";
    writeBytes(file, "x");
    fs::permissions(file, fs::perms::owner_read | kAllWrite, fs::perm_options::replace);
    EXPECT_FALSE(isMarkedReadOnly(file));
    markReadOnly(file);
    EXPECT_TRUE(isMarkedReadOnly(file));
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read);
    clearReadOnly(file);
    EXPECT_FALSE(isMarkedReadOnly(file));
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_THROW(markReadOnly(dir / "missing.cfg"), FileError);
}

TEST(FileOutput, fullDiskIsAnErrorNotASilentlyShortFile)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full on this system";
    // A short config stays in memory until the close, a long one fails
    // while it is written; both must come out as an error.
    for (const int lines : {1, 100000}) {
        SCOPED_TRACE(lines);
        expectFileError([&] {
            FileLineOutput out("/dev/full", FileLineOutput::Open::Overwrite);
            for (int i = 0; i < lines; ++i)
                out.writeLine("bind \"w\" \"+forward\"");
            out.close();
        }, "voll");
    }
}

TEST(AtomicReplace, keepsOwnerPermissionsAndASymbolicLinkAndClearsStaleTempFiles)
{
    TempDir dir;
    fs::create_directory(dir / "game");
    writeBytes(dir / "game" / "config.cfg", std::string(100000, 'o'));
    // Temporary files of a killed make go; a fresh one may be another
    // program's at work and stays, as does anything of another pattern.
    for (const char* name : {".config.cfg.0123456789ab.tmp", ".x.cfg.fedcba987654.tmp", ".y.cfg.0123.tmp"}) {
        writeBytes(dir / "game" / name, "left");
        fs::last_write_time(dir / "game" / name, fs::file_time_type::clock::now() - std::chrono::hours(1));
    }
    writeBytes(dir / "game" / ".z.cfg.00000000000a.tmp", "fresh");
    if (testing::runningAsRoot()) {
        ASSERT_EQ(::chown((dir / "game" / "config.cfg").c_str(), 4321, 4322), 0);
    }
    fs::permissions(dir / "game" / "config.cfg", fs::perms::owner_read | fs::perms::group_read,
                    fs::perm_options::replace);
    fs::create_symlink(dir / "game" / "config.cfg", dir / "link.cfg");

    replaceFileAtomically(dir / "link.cfg", [](LineOutput& out) { out.writeRaw("new"); });

    EXPECT_TRUE(fs::is_symlink(dir / "link.cfg"));
    EXPECT_EQ(dir.contents(), (Contents{{"game", "<folder>"}, {"game/.y.cfg.0123.tmp", "left"},
                                        {"game/.z.cfg.00000000000a.tmp", "fresh"},
                                        {"game/config.cfg", "new"}, {"link.cfg", "new"}}));
    struct stat st {};
    ASSERT_EQ(::stat((dir / "game" / "config.cfg").c_str(), &st), 0);
    if (testing::runningAsRoot()) {
        EXPECT_EQ(std::pair(st.st_uid, st.st_gid), std::pair(uid_t{4321}, gid_t{4322}));
    }
    EXPECT_EQ(fs::status(dir / "game" / "config.cfg").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(MakeConfig, generatedLinesThenBindLinesReadBackAndMarkedReadOnly)
{
    struct Case { const char* name; const char* old; std::string tail; };
    const Case cases[] = {
        {"no old file, nothing to carry", nullptr, ""},
        {"no bind line: ends with the last line end", "rate 1\r\nBind x", ""},
        {"one bind line, without line end in the old file", "\nbind", "bind\r\n"},
        {"several, each with CR LF", kOldConfig.c_str(), kOldBinds},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const auto file = dir / "config.cfg";
        if (c.old)
            writeBytes(file, c.old);
        const MadeConfig made = makeConfigFile(file, writeThreeLines, c.old ? readLines(file) : RawLines{});
        EXPECT_EQ(dir.contents(), (Contents{{"config.cfg", kThreeLines + c.tail}}));
        EXPECT_EQ(made.lines, splitLines(kThreeLines + c.tail));
        EXPECT_TRUE(isMarkedReadOnly(file));
        EXPECT_EQ(fs::status(file).permissions() & kAllWrite, fs::perms::none);
    }
}

TEST(MakeConfig, everyByteValueInBindLinesComesOutUnchanged)
{
    TempDir dir;
    const auto file = dir / "config.cfg";
    // Every byte but the line ends themselves, in bind lines between other
    // lines, with LF-only, CR-only and CR LF endings in the old file.
    std::string oldBytes, expectedTail;
    const char* ends[] = {"\n", "\r", "\r\n"};
    for (int b = 0; b < 256; ++b) {
        if (b == '\r' || b == '\n')
            continue;
        const std::string byte(1, static_cast<char>(b));
        const std::string line = "bind \"" + byte + "\" \"say " + byte + "\"";
        oldBytes += line + ends[b % 3] + "junk " + byte + ends[(b + 1) % 3];
        expectedTail += line + "\r\n";
    }
    writeBytes(file, oldBytes);
    const MadeConfig made = makeConfigFile(file, writeThreeLines, readLines(file));
    EXPECT_EQ(readBytes(file), kThreeLines + expectedTail);
    EXPECT_EQ(made.lines.size(), 3u + 254u);
}

// No 16-bit cap: the later bind lines, the count and the rating all see
// the whole file.
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
    EXPECT_EQ(rateConfig(made.lines.size()).rgb, 0x0000FFu);
}

TEST(MakeConfigFailure, everythingStaysAsItWasAndNoTemporaryFileRemains)
{
    using Act = std::function<void(const fs::path& dir)>;
    const auto make = [](const char* target, std::function<void(LineOutput&)> generate) -> Act {
        return [=](const fs::path& dir) { makeConfigFile(dir / target, generate, readLines(dir / "config.cfg")); };
    };
    const std::tuple<const char*, Act, const char*> cases[] = {
        {"writer fails half way", make("config.cfg", [](LineOutput& out) {
             for (int i = 0; i < 50000; ++i)
                 out.writeLine("echo " + std::to_string(i));
             throw FileError("Schreiben abgebrochen");
         }), "Schreiben abgebrochen"},
        {"writer fails with another error", make("config.cfg", [](LineOutput& out) {
             writeThreeLines(out);
             throw std::runtime_error("generator gave up");
         }), "konnte nicht geschrieben werden"},
        {"typed text the code page cannot hold", make("config.cfg", [](LineOutput& out) {
             writeThreeLines(out);
             out.writeLine("name \"\xE2\x98\x83\"");
         }), "\xE2\x98\x83"},
        {"missing folder", make("gone/config.cfg", writeThreeLines), "existiert nicht"},
        {"target is a folder", make("folder.cfg", writeThreeLines), "ist ein Ordner"},
        {"last step before the replace fails", [](const fs::path& dir) {
             replaceFileAtomically(dir / "config.cfg", writeThreeLines, [](const fs::path& written) {
                 markReadOnly(written);
                 throw FileError("Zur\xC3\xBC" "cklesen fehlgeschlagen");
             });
         }, "cklesen fehlgeschlagen"},
    };
    for (const auto& [name, act, words] : cases) {
        SCOPED_TRACE(name);
        TempDir dir;
        writeBytes(dir / "config.cfg", kOldConfig);
        fs::create_directory(dir / "folder.cfg");
        writeBytes(dir / "folder.cfg" / "inside.txt", "keep");
        const Contents before = dir.contents();
        expectFileError([&] { act(dir.path()); }, words);
        EXPECT_EQ(dir.contents(), before);
        EXPECT_FALSE(isMarkedReadOnly(dir / "config.cfg"));
    }
}

} // namespace
} // namespace quorvix
