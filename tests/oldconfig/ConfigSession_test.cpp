#include "oldconfig/ConfigSession.h"

#include "common/TempDir.h"
#include "oldconfig/BackupHistory.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quorvix {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;
using testing::readBytes;
using testing::writeBytes;

const std::string kOld = "name \"Ann\"\r\nbind \"w\" \"+forward\"\r\nsensitivity \"3\"\r\nbind \"e\" \"+use\"";
const std::string kGame = "unbindall\r\nbind \"w\" \"+forward\"\r\nbind \"q\" \"lastinv\"\r\nvolume \"0.4\"\r\n";
constexpr fs::perms kPlayers = fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read;
constexpr fs::perms kMarked = fs::perms::owner_read | fs::perms::others_read;

// One step of the rows' run language; false when it went otherwise.
bool step(ConfigSession& s, const TempDir& dir, const std::string& word, std::int64_t now)
{
    using P = ConfigSession::Press;
    const auto history = dir / "verlauf";
    const auto at = word.find(':');
    const auto file = dir / (at == std::string::npos ? "config.cfg" : word.substr(at + 1));
    const std::string op = word.substr(0, at);
    return op == "load" || op == "held" ? s.load(file) == (op == "load")
        : op == "start" ? (s.reloadAfterMake(), s.whyNoRun(s.loaded().path).empty() && s.startRun())
        : op == "nostart" ? !s.startRun()
        : op == "refused" ? !s.whyNoRun(file).empty()
        : op == "pages" ? (s.settings().Spielername = "Ann", s.settings().CfgLAN = s.settings().WizardDone = 1)
        : op == "last" ? (s.settings().LastStep = kPageCount)
        : op == "first" ? s.pressMake() == P::WizardFirst
        : op == "once" ? s.pressMake() == P::OnlyOnce
        : op == "make" ? s.pressMake() == P::Make && (s.make(s.planMake(), history, now), true)
        : op == "game" ? (clearReadOnly(dir / "config.cfg"), writeBytes(dir / "config.cfg", kGame), true)
        : op == "undo" ? (s.undo(history, now), true)
        : op == "noundo" ? !testing::failureOf([&] { s.undo(history, now); }).empty()
        : op == "restore" && [&] { // the oldest entry back over the file, which is then loaded
              BackupHistory kept(history);
              restoreEntry(kept.entries().back(), file, kept, now);
              s.endRun();
              return s.load(file);
          }();
}

// Plays the steps; returns the first that went otherwise, "" when none did.
std::string play(ConfigSession& s, const TempDir& dir, const std::string& steps)
{
    std::istringstream words(steps);
    std::int64_t now = 1700000000;
    for (std::string word; words >> word; ++now)
        if (!step(s, dir, word, now))
            return word;
    return "";
}

// What a program run of its own writes from `old` with the same answers.
std::string madeFrom(const std::string& old)
{
    TempDir dir;
    writeBytes(dir / "config.cfg", old);
    ConfigSession fresh;
    EXPECT_EQ(play(fresh, dir, "load start pages make"), "");
    return readBytes(dir / "config.cfg");
}

// The rules of a run, each row a story on a player's config.cfg (and other.cfg beside it).
TEST(ConfigSession, runRules)
{
    const std::string madeOld = madeFrom(kOld), madeGame = madeFrom(kGame);
    struct Row { // the file afterwards (none: not there), its permissions, entries in the history, the run
        const char *name, *steps;
        std::optional<std::string> file;
        fs::perms perms;
        std::size_t kept;
        ConfigSession::Run run;
    };
    using R = ConfigSession::Run;
    const Row rows[] = {
        {"load, run, make", "load start pages make", madeOld, kMarked, 1, R::Made},
        {"second make refused", "load start pages make once", madeOld, kMarked, 1, R::Made},
        {"new run after a make: binds not doubled", "load start pages make start pages make", madeOld, kMarked, 2,
         R::Made},
        {"new run after a make starts with no answers", "load start pages make start first", madeOld, kPlayers, 1,
         R::Open},
        {"the game rewrote it before the new run", "load start pages make game start pages make", madeGame, kMarked,
         2, R::Made},
        {"changed on disk during the run", "load start pages game make", madeGame, kMarked, 1, R::Made},
        {"undo, once", "load start pages make undo noundo", kOld, kPlayers, 2, R::None},
        {"undo ends the new run on the file", "load start pages make start undo", kOld, kPlayers, 2, R::None},
        {"undo after a second make", "load start pages make game start pages make undo", kGame, kPlayers, 3, R::None},
        {"restore over the mark", "load start pages make restore", kOld, kPlayers, 2, R::None},
        {"the run's own file is not read again", "load start game held pages make", madeGame, kMarked, 1, R::Made},
        {"abandoned by loading another file", "load start pages load:other.cfg first", kOld, kPlayers, 0, R::None},
        {"another file not loaded", "load refused:other.cfg", kOld, kPlayers, 0, R::None},
        {"another file with the same bytes not loaded", "load refused:copy.cfg", kOld, kPlayers, 0, R::None},
        {"a finished run holds the file", "load start last nostart", kOld, kPlayers, 0, R::Open},
        {"a new file: nothing kept, undo removes it", "load:new.cfg start pages make undo", std::nullopt, {}, 1,
         R::None},
        {"after a new file, neither another new one nor an existing one is loaded",
         "load:new.cfg refused:other.cfg refused:config.cfg", std::nullopt, {}, 0, R::None},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        writeBytes(dir / "config.cfg", kOld);
        fs::permissions(dir / "config.cfg", kPlayers, fs::perm_options::replace);
        writeBytes(dir / "other.cfg", "bind \"o\" \"x\"");
        writeBytes(dir / "copy.cfg", kOld);
        ConfigSession session;
        ASSERT_EQ(play(session, dir, row.steps), "");
        const fs::path file = dir / (std::string(row.steps).starts_with("load:new.cfg") ? "new.cfg" : "config.cfg");
        EXPECT_EQ(fs::exists(file), row.file.has_value());
        if (row.file) {
            EXPECT_EQ(readBytes(file), *row.file);
#ifdef _WIN32
            // Of these bits Windows keeps only the read-only attribute.
            EXPECT_EQ(isMarkedReadOnly(file), row.perms == kMarked);
#else
            EXPECT_EQ(fs::status(file).permissions(), row.perms);
#endif
        }
        EXPECT_EQ(BackupHistory(dir / "verlauf").entries().size(), row.kept);
        EXPECT_EQ(session.run(), row.run);
        EXPECT_EQ(readBytes(dir / "other.cfg"), "bind \"o\" \"x\"");
    }
}

} // namespace
} // namespace quorvix
