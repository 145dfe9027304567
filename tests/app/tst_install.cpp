#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

// Installs the build this test belongs to into a fresh prefix, the way a
// user or a package would, and checks what the desktop will find there.
// The program itself must have been built first (scripts/test.sh builds
// everything before running the tests).
class InstallTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_prefix.isValid());
        QDir dir(QCoreApplication::applicationDirPath());
        while (!dir.exists(QStringLiteral("CMakeCache.txt")))
            QVERIFY2(dir.cdUp(), "the test runs inside a CMake build folder");
        m_build = dir.path();

        const QString cmake = cachedValue(QStringLiteral("CMAKE_COMMAND"));
        QVERIFY2(!cmake.isEmpty(), "CMakeCache.txt names the cmake program");
        const auto [code, output] =
            run(cmake, {"--install", m_build, "--prefix", m_prefix.path()});
        QVERIFY2(code == 0, qPrintable(output));
    }

    void filesLandWhereTheDesktopLooks_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("kind");
        QTest::newRow("program") << "bin/quorvix" << "program";
        QTest::newRow("menu entry") << "share/applications/quorvix.desktop" << "desktop";
        QTest::newRow("icon") << "share/icons/hicolor/256x256/apps/quorvix.png" << "png256";
        QTest::newRow("scalable icon") << "share/icons/hicolor/scalable/apps/quorvix.svg" << "svg";
    }

    void filesLandWhereTheDesktopLooks()
    {
        QFETCH(QString, path);
        QFETCH(QString, kind);
        const QString installed = m_prefix.filePath(path);
        QVERIFY2(QFileInfo::exists(installed), qPrintable(installed));

        if (kind == QLatin1String("program")) {
            QVERIFY(QFileInfo(installed).isExecutable());
            QCOMPARE(bytes(installed), bytes(m_build + QStringLiteral("/src/quorvix")));
        } else if (kind == QLatin1String("png256")) {
            QImageReader reader(installed);
            QCOMPARE(reader.format(), QByteArray("png"));
            QCOMPARE(reader.size(), QSize(256, 256));
            QVERIFY(reader.read().hasAlphaChannel());
        } else if (kind == QLatin1String("svg")) {
            QFile file(installed);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&file);
            QVERIFY(xml.readNextStartElement());
            QCOMPARE(xml.name(), QStringLiteral("svg"));
            QCOMPARE(xml.attributes().value(QStringLiteral("viewBox")), QStringLiteral("0 0 256 256"));
            while (!xml.atEnd())
                xml.readNext();
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        } else {
            QVERIFY(QFileInfo(installed).size() > 0);
        }
    }

    void menuEntryPassesTheValidator()
    {
        const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        QVERIFY2(!validator.isEmpty(), "desktop-file-validate (desktop-file-utils) is installed");
        const auto [code, output] =
            run(validator, {m_prefix.filePath(QStringLiteral("share/applications/quorvix.desktop"))});
        QCOMPARE(code, 0);
        // Not even hints.
        QCOMPARE(output.trimmed(), QString());
    }

    void menuEntryStartsTheInstalledProgramWithItsIcon()
    {
        QSettings entry(m_prefix.filePath(QStringLiteral("share/applications/quorvix.desktop")),
                        QSettings::IniFormat);
        entry.beginGroup(QStringLiteral("Desktop Entry"));
        QCOMPARE(entry.value(QStringLiteral("Type")).toString(), QStringLiteral("Application"));
        QCOMPARE(entry.value(QStringLiteral("Name")).toString(), QStringLiteral("Quorvix"));

        const QString program = entry.value(QStringLiteral("Exec")).toString().section(QLatin1Char(' '), 0, 0);
        QVERIFY2(QFileInfo(m_prefix.filePath(QStringLiteral("bin/") + program)).isExecutable(),
                 qPrintable(program));

        const QString icon = entry.value(QStringLiteral("Icon")).toString();
        QVERIFY(!icon.contains(QLatin1Char('/')));
        for (const char* size : {"256x256", "scalable"}) {
            const QString suffix = qstrcmp(size, "scalable") == 0 ? QStringLiteral(".svg")
                                                                 : QStringLiteral(".png");
            QVERIFY2(QFileInfo::exists(m_prefix.filePath(
                         QStringLiteral("share/icons/hicolor/%1/apps/").arg(QLatin1String(size))
                         + icon + suffix)),
                     size);
        }
    }

private:
    struct Result {
        int code;
        QString output;
    };

    static Result run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return {-1, program + QStringLiteral(" did not finish")};
        return {process.exitCode(), QString::fromLocal8Bit(process.readAll())};
    }

    QString cachedValue(const QString& key) const
    {
        QFile cache(m_build + QStringLiteral("/CMakeCache.txt"));
        if (!cache.open(QIODevice::ReadOnly | QIODevice::Text))
            return {};
        while (!cache.atEnd()) {
            const QString line = QString::fromUtf8(cache.readLine()).trimmed();
            if (line.startsWith(key + QLatin1Char(':')))
                return line.section(QLatin1Char('='), 1);
        }
        return {};
    }

    static QByteArray bytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_prefix;
    QString m_build;
};

QTEST_MAIN(InstallTest)
#include "tst_install.moc"
