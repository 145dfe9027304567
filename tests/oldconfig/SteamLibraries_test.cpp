#include "oldconfig/SteamLibraries.h"

#include "common/TempDir.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace quorvix {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

TEST(SteamLibraries, libraryListReadsBothLayoutsAndRefusesBrokenText)
{
    std::string nested; // 31 blocks deep
    for (int depth = 0; depth < 31; ++depth)
        nested = "k {" + nested + "}";
    struct Case { const char* name; std::string vdf; std::vector<fs::path> folders; };
    const Case cases[] = {
        {"current layout, other keys and nested blocks skipped",
         "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"/home/a/.local/share/Steam\"\n"
         "\t\t\"apps\" { \"10\" \"123\" }\n\t}\n\t\"contentstatsid\" \"-4\"\n"
         "\t\"1\" { \"label\" \"\" \"PATH\" \"/mnt/sp iele\" }\n}\n",
         {"/home/a/.local/share/Steam", "/mnt/sp iele"}},
        {"older layout with doubled backslashes and an escaped quote",
         R"("LibraryFolders" { "TimeNextStatsReport" "1" "1" "D:\\Games\\Steam" "2" "E:\\a\"b" })",
         {"D:\\Games\\Steam", "E:\\a\"b"}},
        {"comments and unquoted words", "// Steam\nlibraryfolders { 1 /x // here\n 2 \"/y\" }", {"/x", "/y"}},
        {"another root block", "\"config\" { \"1\" \"/x\" }", {}},
        {"open quote", "\"libraryfolders\" { \"1\" \"/x }", {}},
        {"open brace", "\"libraryfolders\" { \"1\" \"/x\"", {}},
        {"stray closing brace", "\"libraryfolders\" { \"1\" \"/x\" } }", {}},
        {"key without value", "\"libraryfolders\" { \"1\" }", {}},
        {"nesting past any real file", "libraryfolders { 1 /x k {" + nested + "} }", {}},
        {"nesting as deep as it may be", "libraryfolders { 1 /x " + nested + " }", {"/x"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(libraryFolders(c.vdf), c.folders) << c.name;
}

TEST(SteamLibraries, gameFolderIsFoundInTheFirstLibraryThatHasIt)
{
    const std::string native = ".local/share/Steam";
    const std::string flatpak = ".var/app/com.valvesoftware.Steam/.local/share/Steam";
    const std::string game = "steamapps/common/Half-Life/cstrike";
    // Folders below the fake home ("extra/" is a Steam folder found elsewhere), a file in one of them with its text
    // ("@" becomes the home path).
    struct Case { const char* name; std::vector<std::string> folders; std::pair<std::string, std::string> file;
                  std::string found; };
    const auto list = [](std::initializer_list<const char*> paths) {
        std::string vdf = "\"libraryfolders\"\n{\n";
        for (int n = 0; const char* path : paths)
            vdf += "\t\"" + std::to_string(n++) + "\" { \"path\" \"@/" + path + "\" }\n";
        return vdf + "}\n";
    };
    const Case cases[] = {
        {"no Steam", {"games/" + game}, {}, ""},
        {"Steam without the game", {native + "/steamapps/common/Other"}, {}, ""},
        {"Steam's own folder before Flatpak", {native + "/" + game, flatpak + "/" + game}, {}, native + "/" + game},
        {"second library has it", {native, "lib1/steamapps/common", "lib2/" + game},
         {native + "/steamapps/libraryfolders.vdf", list({"lib1", "lib2"})}, "lib2/" + game},
        {"~/.steam/steam first", {".steam/steam/" + game, native + "/" + game}, {}, ".steam/steam/" + game},
        {"Flatpak before Steam found elsewhere", {flatpak + "/" + game, "extra/" + game}, {}, flatpak + "/" + game},
        {"Flatpak library after a native Steam without it", {native, flatpak, "lib/" + game},
         {flatpak + "/steamapps/libraryfolders.vdf", list({"lib"})}, "lib/" + game},
        {"broken list", {native, "lib/" + game},
         {native + "/steamapps/libraryfolders.vdf", "\"libraryfolders\" { \"0\" { \"path\" \"@/lib\" }"}, ""},
        {"listed library gone", {native, "lib2/" + game},
         {native + "/steamapps/libraryfolders.vdf", list({"gone", "lib2"})}, "lib2/" + game},
        {"the game's name as a file", {native + "/steamapps/common/Half-Life"},
         {native + "/" + game, "not a folder"}, ""},
        {"Steam found elsewhere", {"extra/" + game}, {}, "extra/" + game},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir home;
        for (const auto& folder : c.folders)
            fs::create_directories(home / folder);
        if (auto [file, text] = c.file; !file.empty()) {
            for (auto pos = text.find('@'); pos != std::string::npos; pos = text.find('@'))
                text.replace(pos, 1, home.path().generic_string());
            fs::create_directories((home / file).parent_path());
            testing::writeBytes(home / file, text);
        }
        const auto found = findGameConfigFolder(home.path(), {home / "missing", home / "extra"});
        EXPECT_EQ(found.value_or(fs::path()), c.found.empty() ? fs::path() : home / c.found);
    }
}

} // namespace
} // namespace quorvix
