#include "support/FileBytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace quorvix::test;

namespace {

// Exit code and merged output of a program run to its end.
QPair<int, QString> run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, program + QStringLiteral(" did not finish")};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAll())};
}

} // namespace

// Installs this build into a fresh prefix, as a user or a package would, and checks what the desktop finds there. The
// program must have been built first (the README's test command does).
class InstallTest : public QObject {
    Q_OBJECT
private slots:
    void installedFilesServeTheDesktop()
    {
#ifdef Q_OS_WIN
        QSKIP("The menu entry and the icon theme belong to Linux desktops; Windows gets an installer.");
#endif
        QTemporaryDir prefix;
        QDir build(QCoreApplication::applicationDirPath());
        while (!build.exists(QStringLiteral("CMakeCache.txt")))
            QVERIFY2(build.cdUp(), "the test runs inside a CMake build folder");
        const QString cache = QString::fromUtf8(readBytes(build.filePath(QStringLiteral("CMakeCache.txt"))));
        const QString cmake
            = cache.section(QStringLiteral("CMAKE_COMMAND:INTERNAL="), 1).section(QLatin1Char('\n'), 0, 0);
        const auto [code, output] = run(cmake, {"--install", build.path(), "--prefix", prefix.path()});
        QVERIFY2(code == 0, qPrintable(output));
        QCOMPARE(readBytes(prefix.filePath(QStringLiteral("bin/quorvix"))),
                 readBytes(build.filePath(QStringLiteral("src/quorvix"))));

        // The menu entry passes the validator silently and names the program and an icon it has.
        const QString entryFile = prefix.filePath(QStringLiteral("share/applications/quorvix.desktop"));
        const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        QVERIFY2(!validator.isEmpty(), "desktop-file-validate (desktop-file-utils) is installed");
        QCOMPARE(run(validator, {entryFile}), (QPair<int, QString>{0, QString()}));
        QSettings entry(entryFile, QSettings::IniFormat);
        entry.beginGroup(QStringLiteral("Desktop Entry"));
        const QString program = entry.value(QStringLiteral("Exec")).toString().section(QLatin1Char(' '), 0, 0);
        QVERIFY2(QFileInfo(prefix.filePath(QStringLiteral("bin/") + program)).isExecutable(), qPrintable(program));
        const QString icon = prefix.filePath(QStringLiteral("share/icons/hicolor/%1/apps/")
                                             + entry.value(QStringLiteral("Icon")).toString());
        QImageReader png(icon.arg(QStringLiteral("256x256")) + QStringLiteral(".png"));
        QVERIFY(png.size() == QSize(256, 256) && png.read().hasAlphaChannel());
        const QByteArray svg = readBytes(icon.arg(QStringLiteral("scalable")) + QStringLiteral(".svg"));
        QVERIFY(svg.contains("<svg") && svg.contains("viewBox=\"0 0 256 256\""));
    }
};

QTEST_MAIN(InstallTest)
#include "tst_install.moc"
