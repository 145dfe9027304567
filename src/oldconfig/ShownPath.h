#pragma once

#include <filesystem>
#include <string>

namespace quorvix {

// A path as UTF-8 in German quotes, for messages shown to the user.
inline std::string shownPath(const std::filesystem::path& path)
{
    const auto utf8 = path.u8string();
    return "\u201E" + std::string(utf8.begin(), utf8.end()) + "\u201C";
}

} // namespace quorvix
