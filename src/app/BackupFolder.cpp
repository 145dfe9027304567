#include "app/BackupFolder.h"

#include "app/FilePaths.h"
#include "oldconfig/Backup.h"
#include "oldconfig/ConfigFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QRegularExpression>
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

QString widenedDateFormat(QString format)
{
    static const QRegularExpression shortYear(QStringLiteral("(?<!y)yy(?!y)"));
    return format.replace(shortYear, QStringLiteral("yyyy"));
}

// "HH:mm" becomes "HH:mm:ss", "h:mm AP" becomes "h:mm:ss AP": the seconds
// follow the minutes with the separator that stands before the minutes.
QString timeFormatWithSeconds(QString format)
{
    if (format.contains(QLatin1Char('s')))
        return format;
    static const QRegularExpression minutes(QStringLiteral("(\\W?)(mm?)"));
    const auto match = minutes.match(format);
    if (!match.hasMatch())
        return format + QStringLiteral(":ss");
    const QString separator = match.captured(1).isEmpty() ? QStringLiteral(":") : match.captured(1);
    format.insert(match.capturedEnd(), separator + QStringLiteral("ss"));
    return format;
}

} // namespace

BackupStamp backupStamp(const QLocale& locale, const QDateTime& when)
{
    return {locale.toString(when, widenedDateFormat(locale.dateFormat(QLocale::ShortFormat))).toStdString(),
            locale.toString(when, timeFormatWithSeconds(locale.timeFormat(QLocale::ShortFormat))).toStdString()};
}

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
