#include "oldconfig/BindCarry.h"

#include <string_view>

namespace quorvix {

RawLines bindLines(const RawLines& lines)
{
    using namespace std::string_view_literals;
    RawLines kept;
    for (const RawLine& line : lines) {
        if (std::string_view(line).find("bind"sv) != std::string_view::npos)
            kept.push_back(line);
    }
    return kept;
}

} // namespace quorvix
