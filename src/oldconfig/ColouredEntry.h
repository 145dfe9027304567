#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvix {

// The two pieces of an old-config line shown in the coloured view: the
// text before the first double quote and the text between the first two,
// each with leading and trailing blanks removed and then every tab removed.
// Nothing for a line with fewer than two double quotes.
struct ColouredEntry {
    std::string name;
    std::string value;
};
std::optional<ColouredEntry> colouredEntry(std::string_view line);

} // namespace quorvix
