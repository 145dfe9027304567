#include "app/Artwork.h"
#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "wizard/pages/Wizard.h"
#include "support/FileBytes.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QImageReader>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

using namespace quorvix;
using namespace quorvix::test;

namespace {

const QString kLoadMessage = QStringLiteral("Lade deine alte Counterstrike-Config");
const QString kRegistrationFailed = QStringLiteral("dll-Registrierfehler!Tip:Windows neustarten");

template <typename T>
QList<T*> windowsNamed(const char* name)
{
    QList<T*> found;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name))
            found << qobject_cast<T*>(window);
    return found;
}

QTimer* tmrSTART(QWidget* splash) { return splash->findChild<QTimer*>(QStringLiteral("tmrSTART")); }

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { qDeleteAll(windowsNamed<MainWindow>("Form1")); qDeleteAll(windowsNamed<SplashWindow>("start")); }

    // The logo is our JPEG, drawn anew at twice the size for dense screens, not blown up.
    void iconAndLogoAreOursAndTheLogoSharpOnDenseScreens()
    {
        QCOMPARE(applicationIcon().pixmap(QSize(256, 256)).size(), QSize(256, 256));
        for (const auto& [ratio, drawing] : {std::pair{1.0, "logo.jpg"}, {2.0, "logo@2x.jpg"}}) {
            QImageReader reader(QStringLiteral(QUORVIX_TEST_DATA "/../../resources/") + drawing);
            QCOMPARE(reader.format(), QByteArray("jpeg"));
            QCOMPARE(logoPixmap(ratio).toImage().convertToFormat(QImage::Format_RGB32),
                     reader.read().convertToFormat(QImage::Format_RGB32));
        }
        for (qreal ratio : {1.0, 1.5, 2.0, 3.0})
            QVERIFY(logoPixmap(ratio).deviceIndependentSize().toSize() == QSize(400, 300)
                    && logoPixmap(ratio).size() == QSize(qRound(400 * ratio), qRound(300 * ratio)));
    }

    void tickLoadsTheMainWindowOnceBeforeShowingIt()
    {
        QTemporaryDir folder;
        const QString config = folder.filePath(QStringLiteral("config.cfg"));
        writeBytes(config, "name \"Player\"\r\ncl_updaterate \"101\"\r\n");
        ScriptedDialogs dialogs;
        dialogs.chosenFiles.push_back(config);
        QPointer<SplashWindow> splash = new SplashWindow(dialogs);
        QSignalSpy shown(splash.data(), &SplashWindow::mainWindowShown);
        QVERIFY2(tmrSTART(splash)->isActive() && tmrSTART(splash)->interval() == 1000,
                 "it ticks from the start, each second");
        QString seen;
        dialogs.whileMessageOpen = [&](const QString&) {
            const auto windows = windowsNamed<MainWindow>("Form1");
            seen = QStringLiteral("Form1 hidden %1, splash up %2, timer off %3")
                       .arg(windows.size() == 1 && !windows.front()->isVisible()).arg(splash && splash->isVisible())
                       .arg(splash && !tmrSTART(splash)->isActive());
            // The user reads the box and tries to close the splash: a ticking timer would load again now, and a closed
            // splash would be gone under the running tick.
            splash->close();
            seen += QStringLiteral(", still up %1").arg(splash && splash->isVisible());
            QTest::qWait(100);
        };
        splash->show();
        tmrSTART(splash)->setInterval(5);
        QTRY_COMPARE(shown.count(), 1);
        QTest::qWait(50);
        QCOMPARE(seen, QStringLiteral("Form1 hidden 1, splash up 1, timer off 1, still up 1"));
        QCOMPARE(dialogs.texts(), QStringList{kLoadMessage});
        auto* form1 = shown.front().front().value<MainWindow*>();
        QVERIFY(windowsNamed<MainWindow>("Form1") == QList<MainWindow*>{form1} && form1->isVisible());
        QCOMPARE(form1->findChild<QTextEdit*>(QStringLiteral("RTB"))->toPlainText(),
                 QStringLiteral("name = \"Player\"\ncl_updaterate = \"101\"\n"));
        QTRY_VERIFY2(splash.isNull(), "the splash is closed and gone");
    }

    // Registration failing ends with 1; no window left open keeps the program alive.
    void runEndsWithTheRightExitCode()
    {
        for (const char* leftOpen : {"registration fails", "nothing", "mnuInfo", "page"}) {
            const bool registrationWorks = *leftOpen != 'r';
            ScriptedDialogs dialogs;
            StartupSteps steps;
            if (!registrationWorks)
                steps.registration = [] { return false; };
            steps.makeMainWindow = [&](UserDialogs& d) {
                MainWindow* form1 = createMainWindow(d);
                QTimer::singleShot(100, form1, [form1, leftOpen] { // what the user does once it is up
                    if (auto* item = form1->findChild<QAction*>(leftOpen))
                        item->trigger();
                    if (leftOpen == std::string_view("page"))
                        form1->wizard().showPage(1);
                    QTimer::singleShot(100, form1, &QWidget::close);
                });
                return form1;
            };
            QTimer::singleShot(0, [] {
                for (SplashWindow* splash : windowsNamed<SplashWindow>("start"))
                    tmrSTART(splash)->setInterval(1);
            });
            QObject watchdog; // a hanging run fails instead of hanging the test
            QTimer::singleShot(15000, &watchdog, [] { QCoreApplication::exit(99); });
            QCOMPARE(runQuorvix(dialogs, steps), registrationWorks ? 0 : 1);
            QCOMPARE(dialogs.texts(), QStringList{registrationWorks ? kLoadMessage : kRegistrationFailed});
            QVERIFY(registrationWorks || (dialogs.messages.front().title == QStringLiteral("Quorvix v0.3b")
                                          && dialogs.messages.front().icon == QMessageBox::Critical));
            QVERIFY(windowsNamed<MainWindow>("Form1").isEmpty() && windowsNamed<SplashWindow>("start").isEmpty());
        }
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
