#include "app/GameFolder.h"

#include "app/FilePaths.h"
#include "oldconfig/SteamLibraries.h"

#include <QDir>
#include <QFile>
#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace quorvix {
namespace {

// On Windows Steam may live anywhere; it records its folder for the user.
std::vector<std::filesystem::path> steamFoldersFromSystem()
{
    std::vector<std::filesystem::path> folders;
#ifdef Q_OS_WIN
    const QSettings steam(QStringLiteral("HKEY_CURRENT_USER\\Software\\Valve\\Steam"),
                          QSettings::NativeFormat);
    const QString path = steam.value(QStringLiteral("SteamPath")).toString();
    if (!path.isEmpty())
        folders.push_back(toFsPath(QDir::fromNativeSeparators(path)));
#endif
    return folders;
}

} // namespace

QString gameConfigFolder()
{
    const auto found = findGameConfigFolder(toFsPath(QDir::homePath()), steamFoldersFromSystem());
    if (!found)
        return {};
#ifdef _WIN32
    return QDir::fromNativeSeparators(QString::fromStdWString(found->wstring()));
#else
    return QFile::decodeName(QByteArray::fromStdString(found->string()));
#endif
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
