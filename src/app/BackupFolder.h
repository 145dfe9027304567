#pragma once

#include "oldconfig/Backup.h"

#include <QString>

class QDateTime;
class QLocale;

namespace quorvix {

// Where "configBACKUP.cfg" goes: `programFolder` when a backup can be
// written there; otherwise `userFolder`, created when it does not exist yet.
// Empty when neither can take it.
QString chooseBackupFolder(const QString& programFolder, const QString& userFolder);

// The same for the running program: the folder of the executable, else the
// user's data folder for Quorvix.
QString defaultBackupFolder();

// The backup's date and time in the locale's short formats. A two-digit
// year is widened to four and seconds are added where the short time
// format has none: a backup is told apart by the second it was made.
BackupStamp backupStamp(const QLocale& locale, const QDateTime& when);

} // namespace quorvix
