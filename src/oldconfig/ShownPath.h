#pragma once

#include "oldconfig/PlatformFiles.h"

#include <filesystem>
#include <string>

namespace quorvix {

// A path as UTF-8 in German quotes, for messages shown to the user.
inline std::string shownPath(const std::filesystem::path& path)
{
    return "\u201E" + platform::utf8Of(path) + "\u201C";
}

} // namespace quorvix
