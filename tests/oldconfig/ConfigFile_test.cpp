#include "oldconfig/ConfigFile.h"

#include "common/TempDir.h"
#include "oldconfig/BindCarry.h"
#include "oldconfig/EntryMeter.h"
#include "oldconfig/FileLineOutput.h"
#include "oldconfig/LoadedConfig.h"

#include <gtest/gtest.h>

#include <chrono>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quorvix {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using testing::failureOf;
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

// Every obstacle reading, checking or writing a config can meet, in one folder: the German message names it exactly,
// and a failure leaves every file byte for byte as it was, no temporary file, no read-only mark.
TEST(ConfigFile, obstaclesAreNamedAndAFailedMakeChangesNothing)
{
    TempDir dir;
    const auto at = [&](const char* name) { return (dir / name).string(); };
    writeBytes(dir / "config.cfg", kOldConfig);
    writeBytes(dir / "locked.cfg", kOldConfig);
    fs::permissions(dir / "locked.cfg", kAllWrite, fs::perm_options::remove);
    fs::create_directory(dir / "folder.cfg");
    writeBytes(dir / "folder.cfg" / "inside.txt", "keep");
    fs::create_directory(dir / "closed");
    fs::permissions(dir / "closed", kAllWrite, fs::perm_options::remove);
#ifndef _WIN32   // Windows has no devices in folders, and links need rights a player lacks
    fs::create_symlink("/dev/null", dir / "null.cfg");
#endif
    const Contents before = dir.contents();

    std::vector<std::pair<std::string, std::string>> why = {
        {"config.cfg", ""}, {"new.cfg", ""},
        {"gone/config.cfg", "Der Ordner \u201E" + at("gone") + "\u201C existiert nicht."},
        {"config.cfg/x.cfg", "\u201E" + at("config.cfg") + "\u201C ist kein Ordner."},
        {"folder.cfg", "\u201E" + at("folder.cfg") + "\u201C ist ein Ordner und keine Config-Datei."},
        // Root could write it anyway; what counts is the mark itself.
        {"locked.cfg", "Die Config \u201E" + at("locked.cfg") + "\u201C ist schreibgesch\u00fctzt."},
    };
#ifndef _WIN32   // Windows ignores a folder's read-only attribute; closing a folder takes an access list
    if (!testing::runningAsRoot())
        why.emplace_back("closed/x.cfg",
                         "In den Ordner \u201E" + at("closed") + "\u201C darf nicht geschrieben werden.");
#endif
    for (const auto& [target, message] : why)
        EXPECT_EQ(whyNotWritable(dir / target), message) << target;

    const auto make = [root = dir.path()](const char* target, std::function<void(LineOutput&)> generate) {
        return [=] { makeConfigFile(root / target, generate, readLines(root / "config.cfg")); };
    };
    const auto replace = [root = dir.path()](std::function<void(const fs::path&)> last) {
        return [=] { replaceFileAtomically(root / "config.cfg", writeThreeLines, last); };
    };
#ifndef _WIN32   // no device that is always full
    // A short file fails at the close, a long one while written: both are errors, not short files.
    const auto fillFullDisk = [](int lines) {
        return [=] {
            FileLineOutput out("/dev/full", FileLineOutput::Open::Overwrite);
            for (int i = 0; i < lines; ++i)
                out.writeLine("bind \"w\" \"+forward\"");
            out.close();
        };
    };
    const std::string fullDisk = "Die Datei \u201E/dev/full\u201C konnte nicht vollst\u00e4ndig geschrieben werden "
                                 "(ist der Datentr\u00e4ger voll?).";
#endif
    const std::tuple<const char*, std::function<void()>, std::string> cases[] = {
        {"writer fails half way", make("config.cfg", [](LineOutput& out) {
             for (int i = 0; i < 50000; ++i)
                 out.writeLine("echo " + std::to_string(i));
             throw FileError("Schreiben abgebrochen");
         }), "Schreiben abgebrochen"},
        {"writer fails with another error", make("config.cfg", [](LineOutput& out) {
             writeThreeLines(out);
             throw std::runtime_error("generator gave up");
         }), "Die Datei \u201E" + at("config.cfg") + "\u201C konnte nicht geschrieben werden."},
        {"typed text the code page cannot hold", make("config.cfg", [](LineOutput& out) {
             writeThreeLines(out);
             out.writeLine("name \"\U0001F600\"");
         }), "Das Zeichen \u201E\U0001F600\u201C kann nicht in die Config geschrieben werden."},
        {"missing folder", make("gone/config.cfg", writeThreeLines),
         "Der Ordner \u201E" + at("gone") + "\u201C existiert nicht."},
        {"target is a folder", make("folder.cfg", writeThreeLines),
         "\u201E" + at("folder.cfg") + "\u201C ist ein Ordner und keine Datei."},
        {"creating a file that exists", [&] { FileLineOutput(dir / "config.cfg", FileLineOutput::Open::CreateNew); },
         "Die Datei \u201E" + at("config.cfg") + "\u201C kann nicht angelegt werden."},
        {"last step before the replace fails", replace([](const fs::path& written) {
             markReadOnly(written);
             throw FileError("Zur\u00fccklesen fehlgeschlagen");
         }), "Zur\u00fccklesen fehlgeschlagen"},
        {"the replace itself fails", replace([](const fs::path& written) { fs::remove(written); }),
         "Die Datei \u201E" + at("config.cfg") + "\u201C kann nicht ersetzt werden."},
        {"reading a missing file", [&] { readLines(dir / "gone.cfg"); },
         "Die Datei kann nicht gelesen werden: " + at("gone.cfg")},
        {"reading a folder", [&] { readLines(dir / "folder.cfg"); }, "Die Datei ist ein Ordner: " + at("folder.cfg")},
        {"marking a missing file", [&] { markReadOnly(dir / "gone.cfg"); },
         "Die Datei \u201E" + at("gone.cfg") + "\u201C kann nicht schreibgesch\u00fctzt werden."},
        {"unmarking a missing file", [&] { clearReadOnly(dir / "gone.cfg"); },
         "Der Schreibschutz von \u201E" + at("gone.cfg") + "\u201C kann nicht aufgehoben werden."},
#ifndef _WIN32
        {"target is no plain file", make("null.cfg", writeThreeLines),
         "\u201E/dev/null\u201C ist keine normale Datei und wird nicht ersetzt."},
        {"full disk found at the close", fillFullDisk(1), fullDisk},
        {"full disk found while writing", fillFullDisk(100000), fullDisk},
#endif
    };
    for (const auto& [name, act, message] : cases) {
        EXPECT_EQ(failureOf(act), message) << name;
        EXPECT_EQ(dir.contents(), before) << name;
    }

    // A killed make's temporary files go; a fresh one may be another program's at work and stays, as does anything of
    // another pattern. A replace through a link keeps link, owner and permissions.
    Contents after = before;
    for (const char* name : {".config.cfg.0123456789ab.tmp", ".x.cfg.fedcba987654.tmp", ".y.cfg.0123.tmp"}) {
        writeBytes(dir / name, "left");
        fs::last_write_time(dir / name, fs::file_time_type::clock::now() - std::chrono::hours(1));
    }
    writeBytes(dir / ".z.cfg.00000000000a.tmp", "fresh");
    markReadOnly(dir / ".x.cfg.fedcba987654.tmp");   // killed between marking and the rename
    after[".y.cfg.0123.tmp"] = "left";
    after[".z.cfg.00000000000a.tmp"] = "fresh";
    after["config.cfg"] = "new";
#ifdef _WIN32
    replaceFileAtomically(dir / "config.cfg", [](LineOutput& out) { out.writeRaw("new"); });
#else
    ASSERT_TRUE(!testing::runningAsRoot() || ::chown((dir / "config.cfg").c_str(), 4321, 4322) == 0);
    fs::permissions(dir / "config.cfg", fs::perms::owner_read | fs::perms::group_read, fs::perm_options::replace);
    fs::create_symlink(dir / "config.cfg", dir / "link.cfg");
    replaceFileAtomically(dir / "link.cfg", [](LineOutput& out) { out.writeRaw("new"); });
    after["link.cfg"] = "new";
    EXPECT_TRUE(fs::is_symlink(dir / "link.cfg"));
    struct stat st {};
    ASSERT_EQ(::stat((dir / "config.cfg").c_str(), &st), 0);
    EXPECT_EQ(std::pair(st.st_uid, st.st_gid),
              testing::runningAsRoot() ? std::pair(uid_t{4321}, gid_t{4322}) : std::pair(::getuid(), ::getgid()));
    EXPECT_EQ(st.st_mode & 0777, 0640u);
#endif
    EXPECT_EQ(dir.contents(), after);
}

// The generated lines, then the old bind lines, each with CR LF, marked read-only for everyone; clearing the mark gives
// only the owner write access back.
TEST(MakeConfig, generatedLinesThenBindLinesReadBackAndMarkedReadOnly)
{
    // Every byte but the line ends in binds among other lines, any line end; more lines than 16 bits count.
    std::string everyByte, everyByteBinds, many;
    for (int b = 0; b < 256; ++b) {
        const std::string line = "bind \"" + std::string(1, static_cast<char>(b)) + "\" \"say\"";
        everyByte += b == '\r' || b == '\n' ? "" : line + "\n\rjunk " + line.substr(5) + "\r\n";
        everyByteBinds += b == '\r' || b == '\n' ? "" : line + "\r\n";
    }
    for (int i = 0; i < 40000; ++i)
        many += "bind k" + std::to_string(i) + "\r\n";
    struct Case { const char* name; std::optional<std::string> old; std::string tail; };
    const Case cases[] = {
        {"no old file, nothing to carry", std::nullopt, ""},
        {"no lower-case bind: ends with the last line end", "rate 1\r\nBind x\nBIND x\nbInd\nbin d\nbi\tnd", ""},
        {"inside words and comments, after a NUL", "unbindall\nre\0binding\r//bind"s,
         "unbindall\r\nre\0binding\r\n//bind\r\n"s},
        {"one bind line, without line end in the old file", "\nbind", "bind\r\n"},
        {"several, each with CR LF", kOldConfig, kOldBinds},
        {"every byte value unchanged", everyByte, everyByteBinds},
        {"forty thousand lines", many, many},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const auto file = dir.path() / fs::path(u8"\u0141\u00F3d\u017A \u65E5\u672C.cfg");   // outside Windows' ANSI
        if (c.old) {
            writeBytes(file, *c.old);
            fs::permissions(file, fs::perms::owner_read | kAllWrite, fs::perm_options::replace);
        }
        const MadeConfig made = makeConfigFile(file, writeThreeLines, c.old ? readLines(file) : RawLines{});
        EXPECT_EQ(dir.contents(), (Contents{{"\u0141\u00F3d\u017A \u65E5\u672C.cfg", kThreeLines + c.tail}}));
        EXPECT_EQ(made.lines, splitLines(kThreeLines + c.tail));
        EXPECT_EQ(bindLines(splitLines(c.old.value_or(""))), splitLines(c.tail));
        EXPECT_TRUE(isMarkedReadOnly(file));
        EXPECT_EQ(fs::status(file).permissions() & kAllWrite, fs::perms::none);
        // The next make replaces the marked file (Windows refuses a rename over a read-only one) and marks it.
        EXPECT_EQ(makeConfigFile(file, writeThreeLines, made.lines).lines, made.lines);
        EXPECT_TRUE(isMarkedReadOnly(file));
        clearReadOnly(file);
        EXPECT_FALSE(isMarkedReadOnly(file));
        // Windows has one write flag for everyone.
        EXPECT_EQ(fs::status(file).permissions() & kAllWrite, testing::kWindows ? kAllWrite : fs::perms::owner_write);
    }
    EXPECT_EQ(entryCountText(40003), "40003 Eintr\xC3\xA4ge in der neuen Config");
}

} // namespace
} // namespace quorvix
