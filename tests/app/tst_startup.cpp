#include "app/Artwork.h"
#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <functional>

using namespace quorvix;
using namespace quorvix::test;

namespace {

const QString kLoadMessage = QStringLiteral("Lade deine alte Counterstrike-Config");

// Scripted dialogs that also let a test look around while a message box
// would be open, the way the user's time in a modal box passes.
class WatchedDialogs final : public UserDialogs {
public:
    QMessageBox::StandardButton message(QWidget* parent, const QString& title,
                                        const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::Icon icon) override
    {
        if (whileMessageOpen)
            whileMessageOpen(text);
        return script.message(parent, title, text, buttons, icon);
    }
    std::optional<QString> openFileName(QWidget* parent, const QString& title,
                                        const QString& filter, const QString& preset) override
    {
        return script.openFileName(parent, title, filter, preset);
    }
    bool openUrl(const QUrl& url) override { return script.openUrl(url); }

    ScriptedDialogs script;
    std::function<void(const QString&)> whileMessageOpen;
};

QList<MainWindow*> mainWindows()
{
    QList<MainWindow*> found;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("Form1"))
            found << qobject_cast<MainWindow*>(window);
    return found;
}

SplashWindow* findSplash()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("start"))
            return qobject_cast<SplashWindow*>(window);
    return nullptr;
}

QTimer* tmrSTART(QWidget* splash)
{
    return splash->findChild<QTimer*>(QStringLiteral("tmrSTART"));
}

// Steps that count how often the main window is made; the window itself is
// the real one.
struct CountedSteps {
    int made = 0;
    bool registrationWorks = true;

    StartupSteps steps()
    {
        StartupSteps s;
        s.registration = [this] { return registrationWorks; };
        s.makeMainWindow = [this](UserDialogs& dialogs) {
            ++made;
            return createMainWindow(dialogs);
        };
        return s;
    }
};

// Sum of brightness steps between neighbouring pixels: how much fine detail
// a picture holds.
qint64 edgeEnergy(const QImage& picture)
{
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    qint64 energy = 0;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* line = grey.constScanLine(y);
        for (int x = 1; x < grey.width(); ++x)
            energy += qAbs(int(line[x]) - int(line[x - 1]));
    }
    return energy;
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        qDeleteAll(mainWindows());
        delete findSplash();
    }

    // --- The splash window ---------------------------------------------

    void splashShowsTheLogoCentredWithoutCaption()
    {
        ScriptedDialogs dialogs;
        CountedSteps counted;
        QPointer<SplashWindow> splash = new SplashWindow(dialogs, counted.steps());
        QTimer* timer = tmrSTART(splash);
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 1000);
        QVERIFY2(timer->isActive(), "the timer runs from the moment the window is made");

        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QCOMPARE(splash->objectName(), QStringLiteral("start"));
        QVERIFY(splash->windowTitle().isEmpty());
        QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(splash->size(), QSize(400, 300));
        QCOMPARE(splash->registrationFlag(), qint16(0));

        auto* logo = splash->findChild<QLabel*>(QStringLiteral("imgLOGO"));
        QVERIFY(logo);
        QVERIFY(!logo->pixmap().isNull());
        QCOMPARE(logo->pixmap().deviceIndependentSize().toSize(), QSize(400, 300));
        QCOMPARE(logo->geometry(), splash->rect());
        QVERIFY(!logo->accessibleName().isEmpty());

        const QPoint screenCentre = splash->screen()->availableGeometry().center();
        QVERIFY2((splash->frameGeometry().center() - screenCentre).manhattanLength() <= 2,
                 "the splash sits in the middle of the screen");
    }

    void committedLogoIsA400By300Jpeg()
    {
        const QString file = QStringLiteral(QUORVIX_TEST_DATA "/../../resources/logo.jpg");
        QImageReader reader(file);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.size(), QSize(400, 300));
        // The program carries exactly this picture.
        QCOMPARE(logoPixmap(1.0).toImage().convertToFormat(QImage::Format_RGB32),
                 reader.read().convertToFormat(QImage::Format_RGB32));
    }

    void logoFitsEveryPixelDensity_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("plain screen") << 1.0;
        QTest::newRow("125 %") << 1.25;
        QTest::newRow("150 %") << 1.5;
        QTest::newRow("175 %") << 1.75;
        QTest::newRow("200 %") << 2.0;
        QTest::newRow("300 %") << 3.0;
    }

    void logoFitsEveryPixelDensity()
    {
        QFETCH(qreal, ratio);
        const QPixmap logo = logoPixmap(ratio);
        QVERIFY(!logo.isNull());
        QCOMPARE(logo.devicePixelRatio(), ratio);
        QCOMPARE(logo.deviceIndependentSize().toSize(), QSize(400, 300));
        QCOMPARE(logo.size(), QSize(qRound(400 * ratio), qRound(300 * ratio)));
    }

    void denseScreensGetTheSharpDrawing()
    {
        // A logo merely blown up from the 400 x 300 picture would hold no
        // more detail than the small one does.
        const QImage sharp = logoPixmap(2.0).toImage();
        const QImage blownUp = logoPixmap(1.0).toImage().scaled(
            sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY2(edgeEnergy(sharp) > edgeEnergy(blownUp) * 5 / 4,
                 qPrintable(QStringLiteral("detail %1 vs %2")
                                .arg(edgeEnergy(sharp))
                                .arg(edgeEnergy(blownUp))));
    }

    // --- The tick -------------------------------------------------------

    void tickComesOneSecondAfterStart()
    {
        ScriptedDialogs dialogs;
        CountedSteps counted;
        QElapsedTimer clock;
        clock.start();
        auto* splash = new SplashWindow(dialogs, counted.steps());
        splash->show();
        QCoreApplication::processEvents();
        QVERIFY(mainWindows().isEmpty());

        QTRY_VERIFY_WITH_TIMEOUT(mainWindows().size() == 1, 5000);
        // Coarse timers may fire up to 5 % early.
        QVERIFY2(clock.elapsed() >= 950, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(counted.made, 1);
    }

    void tickLoadsTheMainWindowBeforeShowingIt()
    {
        QTemporaryDir folder;
        const QString config = folder.filePath(QStringLiteral("config.cfg"));
        {
            QFile file(config);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("name \"Player\"\r\ncl_updaterate \"101\"\r\nbind \"w\" \"+forward\"\r\n");
        }
        WatchedDialogs dialogs;
        dialogs.script.chosenFiles.push_back(config);
        CountedSteps counted;
        QPointer<SplashWindow> splash = new SplashWindow(dialogs, counted.steps());
        QSignalSpy shown(splash.data(), &SplashWindow::mainWindowShown);

        struct Seen {
            bool called = false;
            bool form1Hidden = false;
            bool splashVisible = false;
            bool timerStopped = false;
        } seen;
        dialogs.whileMessageOpen = [&](const QString& text) {
            if (text != kLoadMessage)
                return;
            const auto windows = mainWindows();
            seen.called = true;
            seen.form1Hidden = windows.size() == 1 && !windows.front()->isVisible();
            seen.splashVisible = splash && splash->isVisible();
            seen.timerStopped = splash && !tmrSTART(splash)->isActive();
        };

        splash->show();
        tmrSTART(splash)->setInterval(1);
        QTRY_COMPARE(shown.count(), 1);

        QVERIFY(seen.called);
        QVERIFY2(seen.form1Hidden, "the load step runs before the main window is shown");
        QVERIFY2(seen.splashVisible, "the splash stays up during the load step");
        QVERIFY2(seen.timerStopped, "the timer is off before the load step's dialogs");

        const auto windows = mainWindows();
        QCOMPARE(windows.size(), 1);
        MainWindow* form1 = windows.front();
        QCOMPARE(shown.front().front().value<MainWindow*>(), form1);
        QVERIFY(form1->isVisible());
        QCOMPARE(dialogs.script.texts(), QStringList{kLoadMessage});
        QCOMPARE(dialogs.script.fileDialogs.size(), 1);
        QCOMPARE(form1->chosenPath(), config);
        auto* rtb = form1->findChild<QTextEdit*>(QStringLiteral("RTB"));
        QVERIFY(rtb);
        QVERIFY(rtb->toPlainText().contains(QStringLiteral("cl_updaterate = \"101\"")));

        QTRY_VERIFY2(splash.isNull(), "the splash is closed and gone");
    }

    void noSecondTickWhileTheLoadDialogsAreOpen()
    {
        WatchedDialogs dialogs;
        CountedSteps counted;
        auto* splash = new SplashWindow(dialogs, counted.steps());
        int messagesSeen = 0;
        dialogs.whileMessageOpen = [&](const QString&) {
            ++messagesSeen;
            // The user reads the box for a while; events keep flowing.
            QTest::qWait(100);
        };
        splash->show();
        tmrSTART(splash)->setInterval(5);
        QTRY_COMPARE(mainWindows().size(), 1);
        QTest::qWait(50);

        QCOMPARE(counted.made, 1);
        QCOMPARE(messagesSeen, 1);
        QCOMPARE(mainWindows().size(), 1);
    }

    void failedRegistrationReportsAndEndsWithoutMainWindow()
    {
        ScriptedDialogs dialogs;
        CountedSteps counted;
        counted.registrationWorks = false;
        QPointer<SplashWindow> splash = new SplashWindow(dialogs, counted.steps());
        QSignalSpy failed(splash.data(), &SplashWindow::startFailed);
        QSignalSpy shown(splash.data(), &SplashWindow::mainWindowShown);
        splash->show();
        tmrSTART(splash)->setInterval(1);

        QTRY_COMPARE(failed.count(), 1);
        QCOMPARE(dialogs.messages.size(), 1);
        const RecordedMessage& box = dialogs.messages.front();
        QCOMPARE(box.text, QStringLiteral("dll-Registrierfehler!Tip:Windows neustarten"));
        QCOMPARE(box.title, QStringLiteral("Quorvix v0.3b"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

        QCOMPARE(counted.made, 0);
        QCOMPARE(shown.count(), 0);
        QVERIFY(mainWindows().isEmpty());
        QTRY_VERIFY2(splash.isNull(), "no window is left");
    }

    void defaultRegistrationSucceeds()
    {
        ScriptedDialogs dialogs;
        StartupSteps steps; // the program's own registration
        int made = 0;
        steps.makeMainWindow = [&made](UserDialogs& d) {
            ++made;
            return createMainWindow(d);
        };
        QPointer<SplashWindow> splash = new SplashWindow(dialogs, steps);
        qint16 flagWhenShown = -1;
        connect(splash.data(), &SplashWindow::mainWindowShown, this,
                [&] { flagWhenShown = splash->registrationFlag(); });
        splash->show();
        tmrSTART(splash)->setInterval(1);
        QTRY_COMPARE(made, 1);
        QCOMPARE(flagWhenShown, qint16(1));
        QVERIFY(!dialogs.texts().contains(QStringLiteral("dll-Registrierfehler!Tip:Windows neustarten")));
    }

    // --- The whole run ----------------------------------------------------

    void runEndsWithTheRightExitCode_data()
    {
        QTest::addColumn<bool>("registrationWorks");
        QTest::addColumn<bool>("openAboutWindow");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("mainWindowsMade");
        QTest::newRow("registration fails") << false << false << kExitStartFailed << 0;
        QTest::newRow("user closes the main window") << true << false << 0 << 1;
        // The about window must not keep a program without main window alive.
        QTest::newRow("about window still open") << true << true << 0 << 1;
    }

    void runEndsWithTheRightExitCode()
    {
        QFETCH(bool, registrationWorks);
        QFETCH(bool, openAboutWindow);
        QFETCH(int, exitCode);
        QFETCH(int, mainWindowsMade);

        ScriptedDialogs dialogs;
        CountedSteps counted;
        counted.registrationWorks = registrationWorks;
        StartupSteps steps = counted.steps();
        steps.makeMainWindow = [&](UserDialogs& d) {
            ++counted.made;
            MainWindow* form1 = createMainWindow(d);
            // What the user does once the window is up.
            QTimer::singleShot(100, form1, [form1, openAboutWindow] {
                if (openAboutWindow)
                    form1->findChild<QAction*>(QStringLiteral("mnuInfo"))->trigger();
                QTimer::singleShot(100, form1, &QWidget::close);
            });
            return form1;
        };
        QTimer::singleShot(0, [] {
            if (SplashWindow* splash = findSplash())
                tmrSTART(splash)->setInterval(1);
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        watchdog.start(15000);

        const int code = runQuorvix(dialogs, steps);
        watchdog.stop();

        QCOMPARE(code, exitCode);
        QCOMPARE(counted.made, mainWindowsMade);
        QCOMPARE(dialogs.texts().contains(QStringLiteral("dll-Registrierfehler!Tip:Windows neustarten")),
                 !registrationWorks);
        QVERIFY(mainWindows().isEmpty());
        QVERIFY(!findSplash());
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
