#include "app/BackupFolder.h"

#include "app/FilePaths.h"
#include "oldconfig/Backup.h"
#include "oldconfig/ConfigFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace quorvix {
namespace {

bool canTakeBackup(const QString& folder)
{
    if (folder.isEmpty())
        return false;
    const QString file = QDir(folder).filePath(QString::fromLatin1(kBackupFileName));
    return whyNotWritable(toFsPath(file)).empty();
}

} // namespace

QString chooseBackupFolder(const QString& programFolder, const QString& userFolder)
{
    if (canTakeBackup(programFolder))
        return programFolder;
    if (!userFolder.isEmpty() && QDir().mkpath(userFolder) && canTakeBackup(userFolder))
        return userFolder;
    return {};
}

QString defaultBackupFolder()
{
    return chooseBackupFolder(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

} // namespace quorvix
