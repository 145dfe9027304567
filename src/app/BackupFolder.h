#pragma once

#include <QString>

namespace quorvix {

// Where "configBACKUP.cfg" goes: `programFolder` when a backup can be
// written there; otherwise `userFolder`, created when it does not exist yet.
// Empty when neither can take it.
QString chooseBackupFolder(const QString& programFolder, const QString& userFolder);

// The same for the running program: the folder of the executable, else the
// user's data folder for Quorvix.
QString defaultBackupFolder();

} // namespace quorvix
