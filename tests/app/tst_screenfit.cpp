#include "app/MainWindow.h"
#include "app/SplashWindow.h"
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
using namespace quorvix::test;

// Every window on two small screens: a 1024 x 600 netbook and a 1366 x 768
// screen at twice the scale, 683 x 384 in logical pixels.
class ScreenFitTest : public QObject {
    Q_OBJECT
private slots:
    void everyWindowFits_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QSize>("area");
        QTest::addColumn<QString>("window");
        QStringList windows{"Form1", "Info", "start"};
        for (int n = 1; n <= 11; ++n)
            windows << QString::number(n);
        for (const auto& [screen, area] : {std::pair(0, QSize(1024, 600)), std::pair(1, QSize(683, 384))})
            for (const QString& window : windows)
                QTest::addRow("%dx%d %s", area.width(), area.height(), qPrintable(window))
                    << screen << area << window;
    }
    void everyWindowFits()
    {
        QFETCH(int, screen);
        QFETCH(QSize, area);
        QFETCH(QString, window);
        QScreen* on = QGuiApplication::screens().value(screen);
        QVERIFY(on && on->availableGeometry().size() == area);
        ScriptedDialogs dialogs;
        MainWindow form1(dialogs);
        form1.move(on->geometry().topLeft());
        form1.show();
        SplashWindow splash(dialogs);
        QWidget* shown = &form1;
        if (window == QLatin1String("start")) {
            splash.findChild<QTimer*>()->stop();
            splash.move(on->geometry().topLeft());
            splash.show();
            shown = &splash;
        } else if (window == QLatin1String("Info")) {
            form1.findChild<QAction*>(QStringLiteral("mnuInfo"))->trigger();
            shown = form1.findChild<QWidget*>(QStringLiteral("Info"));
        } else if (window != QLatin1String("Form1")) {
            form1.wizard().showPage(window.toInt());
            shown = form1.wizard().page(window.toInt());
        }
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QVERIFY2(on->availableGeometry().contains(shown->frameGeometry()),
                 qPrintable(QStringLiteral("frame %1,%2 %3x%4")
                                .arg(shown->frameGeometry().x()).arg(shown->frameGeometry().y())
                                .arg(shown->frameGeometry().width()).arg(shown->frameGeometry().height())));
        for (const QPushButton* button : shown->findChildren<QPushButton*>())
            QVERIFY(button->isVisible()
                    && shown->rect().contains(QRect(button->mapTo(shown, QPoint()), button->size())));
    }
};

int main(int argc, char* argv[])
{
    QTemporaryDir folder;
    const QString screens = folder.filePath(QStringLiteral("screens.json"));
    QFile file(screens);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(R"({"screens": [
            {"name": "netbook", "x": 0, "y": 0, "width": 1024, "height": 600},
            {"name": "scaled", "x": 1024, "y": 0, "width": 1366, "height": 768, "logicalDpi": 192}]})")
               < 0)
        return 2;
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.toLocal8Bit());
    QApplication app(argc, argv);
    ScreenFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_screenfit.moc"
