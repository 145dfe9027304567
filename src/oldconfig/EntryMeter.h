#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quorvix {

inline constexpr std::size_t kEntryThreshold = 200;

struct Rating {
    std::string text;   // UTF-8
    std::uint32_t rgb;  // 0xRRGGBB
};

// "<n> Einträge in der neuen Config"
std::string entryCountText(std::size_t entries);
// Red "*rofl*…" below 200 entries, blue "*Yeah* 1337 …" from 200 on.
Rating rateConfig(std::size_t entries);

} // namespace quorvix
