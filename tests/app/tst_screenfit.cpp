#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "support/FileBytes.h"
#include "support/ScriptedDialogs.h"
#include "wizard/pages/Wizard.h"
#include "wizard/pages/WizardPage.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace quorvix;

// Every window on two small screens: a 1024 x 600 netbook and a 1366 x 768
// screen at twice the scale, 683 x 384 in logical pixels.
class ScreenFitTest : public QObject {
    Q_OBJECT
private slots:
    void everyWindowFits_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("window");
        for (int screen : {0, 1})
            for (const char* window : {"Form1", "Info", "start", "frmRestore", "frmVorschau", "1", "2",
                                       "3", "4", "5", "6", "7", "8", "9", "10", "11"})
                QTest::addRow("%s on %s", window, screen ? "683x384" : "1024x600") << screen << window;
    }
    void everyWindowFits()
    {
        QFETCH(int, screen);
        QFETCH(QString, window);
        QScreen* on = QGuiApplication::screens().value(screen);
        QCOMPARE(on->availableGeometry().size(), screen ? QSize(683, 384) : QSize(1024, 600));
        test::ScriptedDialogs dialogs;
        MainWindow form1(dialogs);
        SplashWindow splash(dialogs);
        splash.findChild<QTimer*>()->stop();
        QWidget* shown = window == QLatin1String("start") ? static_cast<QWidget*>(&splash) : &form1;
        shown->move(on->geometry().topLeft());
        shown->show();
        QTemporaryDir backups;
        form1.setBackupFolder(backups.path());
        if (window == QLatin1String("Info") || window == QLatin1String("frmRestore")) {
            form1.findChild<QAction*>(window == QLatin1String("Info") ? "mnuInfo" : "mnuRestore")->trigger();
        } else if (window == QLatin1String("frmVorschau")) {
            form1.Form_Load(); // dialog cancelled: the preset name, a new config
            form1.settings().WizardDone = 1;
            form1.mnuVorschau_Click();
        } else if (window.toInt() > 0) {
            form1.wizard().showPage(window.toInt());
        }
        if (QWidget* asked
            = window.toInt() > 0 ? form1.wizard().page(window.toInt()) : form1.findChild<QWidget*>(window))
            shown = asked; // Form1 and the splash are no child windows
        // Placed half off the screen, as a window manager may do, the window is put back on it.
        const QRect area = on->availableGeometry();
        shown->move(area.bottomRight() - QPoint(40, 40));
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QTRY_VERIFY(area.contains(shown->frameGeometry()));
        for (const QPushButton* button : shown->findChildren<QPushButton*>())
            QVERIFY(button->isVisible()
                    && shown->rect().contains(QRect(button->mapTo(shown, QPoint()), button->size())));
    }

    // The real dialogs on both screens: a message box centred on the screen while its window is not
    // shown yet (at the first load), then over that window; the file dialogs wholly on the screen.
    void dialogsFitAndCentre()
    {
        for (QScreen* on : QGuiApplication::screens()) {
            QWidget form1;
            form1.move(on->availableGeometry().topLeft());
            QList<QRect> frames;
            QTimer peek;
            connect(&peek, &QTimer::timeout, [&frames] {
                if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                    frames << dialog->frameGeometry();
                    dialog->reject();
                }
            });
            peek.start(0);
            QtUserDialogs real;
            real.inform(&form1, QStringLiteral("Lade deine alte Counterstrike-Config"));
            form1.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form1));
            real.inform(&form1, QStringLiteral("Drücke zuerst auf Neue Config!"));
            real.openFileName(&form1, {}, QStringLiteral("*.cfg"), {});
            real.saveFileName(&form1, {}, QStringLiteral("*.cfg"), {});
            const QPoint centres[] = {on->availableGeometry().center(), form1.frameGeometry().center()};
            for (qsizetype i = 0; i < 4; ++i)
                QVERIFY(on->availableGeometry().contains(frames.value(i, QRect(-1, -1, 1, 1)))
                        && (i > 1 || (frames[i].center() - centres[i]).manhattanLength() < 20));
        }
    }
};

int main(int argc, char* argv[])
{
    // The second screen's doubled dots per inch give it a scale of 2. The file is named relative to the
    // working folder: the platform's arguments are split at colons, a drive letter's among them.
    const QString screens = QStringLiteral("screens-%1.json").arg(QCoreApplication::applicationPid());
    if (!test::writeBytes(screens, R"({"screens": [{"name": "netbook", "width": 1024, "height": 600},
            {"name": "scaled", "x": 1024, "width": 1366, "height": 768, "logicalDpi": 192}]})"))
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens));
    QApplication app(argc, argv);
    ScreenFitTest test;
    const int failed = QTest::qExec(&test, argc, argv);
    QFile::remove(screens);
    return failed;
}

#include "tst_screenfit.moc"
