#include "oldconfig/BindCarry.h"

namespace quorvix {

bool isBindLine(std::string_view line)
{
    using namespace std::string_view_literals;
    return line.find("bind"sv) != std::string_view::npos;
}

RawLines bindLines(const RawLines& lines)
{
    RawLines kept;
    for (const RawLine& line : lines) {
        if (isBindLine(line))
            kept.push_back(line);
    }
    return kept;
}

void writeBindLines(LineOutput& out, const RawLines& lines)
{
    bool first = true;
    for (const RawLine& line : lines) {
        if (!isBindLine(line))
            continue;
        if (!first)
            out.writeRaw("\r\n");
        out.writeRaw(line);
        first = false;
    }
}

} // namespace quorvix
