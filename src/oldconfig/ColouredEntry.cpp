#include "oldconfig/ColouredEntry.h"

#include <algorithm>

namespace quorvix {
namespace {

// Blanks are trimmed first and tabs dropped afterwards, so a tab shields
// the blanks behind it: "\t name" keeps one leading blank, " \tname" none.
std::string tidy(std::string_view piece)
{
    const auto first = piece.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    piece = piece.substr(first, piece.find_last_not_of(' ') - first + 1);
    std::string out(piece);
    out.erase(std::remove(out.begin(), out.end(), '\t'), out.end());
    return out;
}

} // namespace

std::optional<ColouredEntry> colouredEntry(std::string_view line)
{
    const auto q1 = line.find('"');
    if (q1 == std::string_view::npos)
        return std::nullopt;
    const auto q2 = line.find('"', q1 + 1);
    if (q2 == std::string_view::npos)
        return std::nullopt;
    return ColouredEntry{tidy(line.substr(0, q1)), tidy(line.substr(q1 + 1, q2 - q1 - 1))};
}

} // namespace quorvix
