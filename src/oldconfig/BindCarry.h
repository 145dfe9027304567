#pragma once

#include "common/TextLines.h"

#include <string_view>

namespace quorvix {

// Whether the line's bytes contain lower-case "bind" anywhere (an unbind
// or a comment counts; "Bind" alone does not).
bool isBindLine(std::string_view line);

// The lines whose bytes contain lower-case "bind", in their order.
RawLines bindLines(const RawLines& lines);

// Writes the bind lines of `lines` as writeOldLines(out, bindLines(lines))
// would, without copying them first: CR LF after each but the last.
void writeBindLines(LineOutput& out, const RawLines& lines);

} // namespace quorvix
