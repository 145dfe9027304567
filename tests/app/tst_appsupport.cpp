#include "app/BackupFolder.h"
#include "app/FilePaths.h"
#include "app/GermanTranslation.h"
#include "oldconfig/ConfigFile.h"
#include "support/FileBytes.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

using namespace quorvix;
using namespace quorvix::test;

class AppSupportTest : public QObject {
    Q_OBJECT
private slots:
    void backupFolderChoice_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("programFileReadOnly");
        QTest::addColumn<QString>("expected");
        QTest::newRow("program folder writable") << "prog" << false << "prog";
        QTest::newRow("program folder missing") << "gone" << false << "user/Quorvix";
        QTest::newRow("backup there is read-only") << "prog" << true << "user/Quorvix";
        QTest::newRow("no program folder known") << "" << false << "user/Quorvix";
    }
    void backupFolderChoice()
    {
        QFETCH(QString, program);
        QFETCH(bool, programFileReadOnly);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("prog"));
        const QString programFolder = program.isEmpty() ? QString() : dir.filePath(program);
        if (programFileReadOnly) {
            const QString file = dir.filePath(QStringLiteral("prog/configBACKUP.cfg"));
            writeBytes(file, "old");
            markReadOnly(toFsPath(file));
        }
        const QString user = dir.filePath(QStringLiteral("user/Quorvix"));
        QCOMPARE(chooseBackupFolder(programFolder, user), dir.filePath(expected));
        // The user folder is made only when it is needed.
        QCOMPARE(QDir(user).exists(), expected.startsWith(QLatin1String("user")));
    }

    void noFolderAtAll()
    {
        QTemporaryDir dir;
        writeBytes(dir.filePath(QStringLiteral("file")), "x");
        // A "folder" below a plain file can be neither found nor made.
        const QString impossible = dir.filePath(QStringLiteral("file/sub"));
        QVERIFY(chooseBackupFolder(dir.filePath(QStringLiteral("gone")), impossible).isEmpty());
    }

    void sameFileSeesThroughOtherSpellings()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("a.cfg"));
        writeBytes(file, "x");
        writeBytes(dir.filePath(QStringLiteral("b.cfg")), "x");
        QVERIFY(sameFile(file, dir.path() + QStringLiteral("/./a.cfg")));
        QVERIFY(QFile::link(file, dir.filePath(QStringLiteral("link.cfg"))));
        QVERIFY(sameFile(file, dir.filePath(QStringLiteral("link.cfg"))));
        QVERIFY(!sameFile(file, dir.filePath(QStringLiteral("b.cfg"))));
        QVERIFY(!sameFile(file, dir.filePath(QStringLiteral("missing.cfg"))));
        QVERIFY(!sameFile(file, QString()));
    }

    void standardButtonsSpeakGerman()
    {
        QVERIFY(installGermanTranslation(*QCoreApplication::instance()));
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("t"), QStringLiteral("x"),
                        QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Ja"));
        QCOMPARE(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Nein"));
    }
};

QTEST_MAIN(AppSupportTest)
#include "tst_appsupport.moc"
