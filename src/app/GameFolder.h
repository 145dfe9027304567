#pragma once

#include <QString>

namespace quorvix {

// The folder where the game keeps its configs (…/Half-Life/cstrike) in the
// user's Steam libraries; empty when the game is not found.
QString gameConfigFolder();

} // namespace quorvix
