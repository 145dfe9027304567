#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvix {

// One entry of Valve's KeyValues text format: a key with either a value or
// a block of further entries in braces.
struct KeyValues {
    std::string key;
    std::string value;
    std::vector<KeyValues> children;
    bool isBlock = false;
};

// The top-level entries of a KeyValues text; nothing when it is broken (an
// open quote or brace, a key without value, a stray closing brace).
std::optional<std::vector<KeyValues>> parseKeyValues(std::string_view text);

// The library folders a Steam "libraryfolders.vdf" lists, in its order:
// each numbered entry's "path", or in the older layout its value. Empty
// when the text is broken.
std::vector<std::filesystem::path> libraryFolders(std::string_view vdfText);

// The game's config folder (steamapps/common/Half-Life/cstrike) in the
// first Steam library that has it. Steam is looked for below `home` where
// it installs itself on Linux (also as Flatpak), then in `extraRoots` (on
// Windows, Steam's folder from the registry); each Steam folder counts as a
// library of its own, followed by those its libraryfolders.vdf lists.
std::optional<std::filesystem::path> findGameConfigFolder(
    const std::filesystem::path& home, const std::vector<std::filesystem::path>& extraRoots);

} // namespace quorvix
