#include "oldconfig/LoadedConfig.h"

#include "common/TempDir.h"

#include <gtest/gtest.h>

namespace quorvix {
namespace {

// A run may only replace the file its working list was read from; a new
// config only where it was chosen as new.
TEST(LoadedConfig, aRunStartsOnlyOnTheFileItsListBelongsTo)
{
    testing::TempDir dir;
    testing::writeBytes(dir / "config.cfg", "bind a\r\n");
    const LoadedConfig old = loadConfig(dir / "config.cfg"), fresh = loadConfig(dir / "new.cfg");
    const auto refused = [&](const char* name) {
        return "Die Config \u201E" + (dir / name).string() + "\u201C ist nicht geladen. Lade sie zuerst mit "
               "\u201E\u00D6ffnen\u201C im Men\u00FC \u201EDatei\u201C; es wurde nichts geschrieben und kein Backup erstellt.";
    };
    const std::tuple<const char*, const LoadedConfig*, const char*, std::string> cases[] = {
        {"the loaded file", &old, "config.cfg", ""},
        {"the chosen new file", &fresh, "new.cfg", ""},
        {"another new file", &old, "other.cfg", refused("other.cfg")},
        {"another new file after a new one", &fresh, "other.cfg", refused("other.cfg")},
        {"an existing file after a new one", &fresh, "config.cfg", refused("config.cfg")},
    };
    for (const auto& [name, loaded, chosen, message] : cases)
        EXPECT_EQ(whyRunRefused(*loaded, dir / chosen), message) << name;
}

} // namespace
} // namespace quorvix
