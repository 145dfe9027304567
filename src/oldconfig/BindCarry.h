#pragma once

#include "common/TextLines.h"

namespace quorvix {

// The lines whose bytes contain lower-case "bind", in their order.
RawLines bindLines(const RawLines& lines);

} // namespace quorvix
