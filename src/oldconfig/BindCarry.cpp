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
    for (const RawLine& line : lines) {
        if (!isBindLine(line))
            continue;
        out.writeRaw(line);
        out.writeRaw("\r\n");
    }
}

} // namespace quorvix
