#pragma once

#include "common/TextLines.h"

#include <string_view>

namespace quorvix {

// Whether the line's bytes contain lower-case "bind" anywhere (an unbind
// or a comment counts; "Bind" alone does not).
bool isBindLine(std::string_view line);

// The lines whose bytes contain lower-case "bind", in their order.
RawLines bindLines(const RawLines& lines);

// Writes the bind lines of `lines`, each followed by CR LF, the last one
// too: a last line without line end is glued by one engine to the command
// queued after the file (the game's "exec userconfig.cfg").
void writeBindLines(LineOutput& out, const RawLines& lines);

} // namespace quorvix
