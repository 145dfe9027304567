#pragma once

#include <QString>

namespace quorvix {

// The folder where the game keeps its configs (…/Half-Life/cstrike) in the
// user's Steam libraries; empty when the game is not found.
QString gameConfigFolder();

// Where the first open-file dialog starts, with the file name it offers:
// the game's config folder when it is found, else the current folder. In
// a cstrike folder the name is userconfig.cfg, the file the game runs at
// every start and never rewrites; elsewhere it is `preset`, and without
// the game `preset` alone, a name in the current folder.
QString firstDialogPath(const QString& preset);

} // namespace quorvix
