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

// Plays one step of the run language below on `s`; returns what went wrong, "" when nothing did.
std::string step(ConfigSession& s, const TempDir& dir, const std::string& word, std::int64_t now)
{
    const auto history = dir / "verlauf";
    const auto at = word.find(':');
    const auto file = dir / (at == std::string::npos ? "config.cfg" : word.substr(at + 1));
    const std::string op = word.substr(0, at);
    if (op == "load" || op == "held")
        return s.load(file) == (op == "load") ? "" : "load";
    if (op == "start") {
        s.reloadAfterMake();
        return s.whyNoRun(s.loaded().path).empty() && s.startRun() ? "" : "start";
    }
    if (op == "nostart")
        return s.startRun() ? "started" : "";
    if (op == "refused")
        return s.whyNoRun(file).empty() ? "not refused" : "";
    if (op == "pages") { // the wizard's pages passed, as a player would
        s.settings().Spielername = "Ann";
        s.settings().CfgLAN = s.settings().WizardDone = 1;
        return "";
    }
    if (op == "last")
        return (s.settings().LastStep = kPageCount), "";
    if (op == "make" || op == "once" || op == "first") {
        const auto want = op == "make" ? ConfigSession::Press::Make
                        : op == "once" ? ConfigSession::Press::OnlyOnce : ConfigSession::Press::WizardFirst;
        if (s.pressMake() != want)
            return "press";
        if (op == "make")
            s.make(s.planMake(), history, now);
        return "";
    }
    if (op == "game")
        return writeBytes(dir / "config.cfg", kGame), "";
    if (op == "undo")
        return s.undo(history, now), "";
    if (op == "restore") { // the oldest entry of the file, back over it, then loaded
        BackupHistory kept(history);
        restoreEntry(kept.entries().back(), file, kept, now);
        s.endRun();
        return s.load(file) ? "" : "load";
    }
    return "unknown step " + word;
}

// What a program run of its own writes from `old` with the same answers.
std::string madeFrom(const std::optional<std::string>& old)
{
    TempDir dir;
    if (old)
        writeBytes(dir / "config.cfg", *old);
    ConfigSession fresh;
    for (const char* word : {"load", "start", "pages", "make"})
        EXPECT_EQ(step(fresh, dir, word, 1), "") << word;
    return readBytes(dir / "config.cfg");
}

// The rules of a run, each row a story on a player's config.cfg (and other.cfg beside it).
TEST(ConfigSession, runRules)
{
    const std::string madeOld = madeFrom(kOld), madeGame = madeFrom(kGame);
    struct Row {
        const char* name;
        const char* steps;
        std::optional<std::string> file;   // config.cfg afterwards; none: not there
        fs::perms perms;
        std::size_t kept;                  // entries in the history
        ConfigSession::Run run;
    };
    using R = ConfigSession::Run;
    const Row rows[] = {
        {"load, run, make", "load start pages make", madeOld, kMarked, 1, R::Made},
        {"make before the pages", "load start first", kOld, kPlayers, 0, R::Open},
        {"second make refused", "load start pages make once", madeOld, kMarked, 1, R::Made},
        {"new run after a make: binds not doubled", "load start pages make start pages make", madeOld, kMarked, 2,
         R::Made},
        {"new run after a make starts with no answers", "load start pages make start first", madeOld, kPlayers, 1,
         R::Open},
        {"the game rewrote it before the new run", "load start pages make game start pages make", madeGame, kMarked,
         2, R::Made},
        {"changed on disk during the run", "load start pages game make", madeGame, kMarked, 1, R::Made},
        {"undo", "load start pages make undo", kOld, kPlayers, 2, R::None},
        {"undo after a second make", "load start pages make game start pages make undo", kGame, kPlayers, 3, R::None},
        {"restore over the mark", "load start pages make restore", kOld, kPlayers, 2, R::None},
        {"the run's own file is not read again", "load start game held pages make", madeGame, kMarked, 1, R::Made},
        {"abandoned by loading another file", "load start pages load:other.cfg first", kOld, kPlayers, 0, R::None},
        {"another file not loaded", "load refused:other.cfg", kOld, kPlayers, 0, R::None},
        {"a finished run holds the file", "load start last nostart", kOld, kPlayers, 0, R::Open},
        {"Öffnen of the made file: a new make", "load start pages make load start pages make", madeOld, kMarked, 2,
         R::Made},
        {"a new file: nothing kept, undo removes it", "load:new.cfg start pages make undo", std::nullopt, {}, 1,
         R::None},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        writeBytes(dir / "config.cfg", kOld);
        fs::permissions(dir / "config.cfg", kPlayers, fs::perm_options::replace);
        writeBytes(dir / "other.cfg", "bind \"o\" \"x\"");
        ConfigSession session;
        std::istringstream words(row.steps);
        std::int64_t now = 1700000000;
        for (std::string word; words >> word; ++now)
            ASSERT_EQ(step(session, dir, word, now), "") << word;
        const fs::path file = dir / (std::string(row.steps).find("new.cfg") != std::string::npos ? "new.cfg" : "config.cfg");
        EXPECT_EQ(fs::exists(file), row.file.has_value());
        if (row.file) {
            EXPECT_EQ(readBytes(file), *row.file);
            EXPECT_EQ(fs::status(file).permissions(), row.perms);
        }
        EXPECT_EQ(BackupHistory(dir / "verlauf").entries().size(), row.kept);
        EXPECT_EQ(session.run(), row.run);
        EXPECT_EQ(readBytes(dir / "other.cfg"), "bind \"o\" \"x\"");
    }
    EXPECT_EQ(madeFrom(madeOld), madeOld);
}

} // namespace
} // namespace quorvix
