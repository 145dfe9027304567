#include "app/GameFolder.h"

#include "app/FilePaths.h"
#include "oldconfig/SteamLibraries.h"

#include <QDir>
#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace quorvix {
namespace {

// On Windows Steam may live anywhere; it records its folder for the user
// (with forward slashes) and, through its installer, for the machine in the
// 32-bit part of the registry. Read here through QSettings rather than in the
// engine: the engine stays free of the registry and of advapi32, and gets
// these folders like any other place to look for Steam.
std::vector<std::filesystem::path> steamFoldersFromSystem()
{
    std::vector<std::filesystem::path> folders;
#ifdef Q_OS_WIN
    const std::pair<const char*, const char*> records[] = {
        {"HKEY_CURRENT_USER\\Software\\Valve\\Steam", "SteamPath"},
        {"HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Valve\\Steam", "InstallPath"},
    };
    for (const auto& [key, name] : records) {
        const QSettings steam(QString::fromLatin1(key), QSettings::NativeFormat);
        const QString path = steam.value(QString::fromLatin1(name)).toString();
        if (!path.isEmpty())
            folders.push_back(toFsPath(QDir::fromNativeSeparators(path)));
    }
#endif
    return folders;
}

} // namespace

QString gameConfigFolder()
{
    const auto found = findGameConfigFolder(toFsPath(QDir::homePath()), steamFoldersFromSystem());
    return found ? QDir::fromNativeSeparators(fromFsPath(*found)) : QString();
}

QString firstDialogPath(const QString& preset)
{
    const QString game = gameConfigFolder();
    const QDir folder = game.isEmpty() ? QDir::current() : QDir(game);
    const bool cstrike = folder.dirName().compare(QLatin1String("cstrike"), Qt::CaseInsensitive) == 0;
    if (!cstrike)
        return game.isEmpty() ? preset : folder.filePath(preset);
    return folder.filePath(QStringLiteral("userconfig.cfg"));
}

} // namespace quorvix
