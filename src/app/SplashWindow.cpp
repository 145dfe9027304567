#include "app/SplashWindow.h"

#include "app/Artwork.h"
#include "app/MainWindow.h"
#include "ui/UserDialogs.h"
#include "ui/WindowFit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPointer>
#include <QTimer>

namespace quorvix {

namespace {
constexpr int kStartDelayMs = 1000;
}

MainWindow* createMainWindow(UserDialogs& dialogs)
{
    return new MainWindow(dialogs);
}

SplashWindow::SplashWindow(UserDialogs& dialogs, StartupSteps steps, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_dialogs(dialogs)
    , m_steps(std::move(steps))
{
    setupWindow();
    setupLogo();
    setupTimer();
}

void SplashWindow::setupWindow()
{
    setObjectName(QStringLiteral("start"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString());
    setAccessibleName(QStringLiteral("Quorvix wird gestartet"));
}

void SplashWindow::setupLogo()
{
    m_logo = new LogoLabel(QStringLiteral("imgLOGO"), this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_logo);
    setFixedSize(kLogoWidth, kLogoHeight);
}

void SplashWindow::setupTimer()
{
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("tmrSTART"));
    m_timer->setInterval(kStartDelayMs);
    connect(m_timer, &QTimer::timeout, this, &SplashWindow::tmrSTART_Timer);
    m_timer->start();
}

void SplashWindow::showEvent(QShowEvent* event)
{
    fitOnScreen(this, size());
    QWidget::showEvent(event);
}

void SplashWindow::closeEvent(QCloseEvent* event)
{
    // While the tick waits in the main window's load dialogs the splash is
    // still on its call stack; closing (and deleting) it then would pull
    // the window out from under the running tick.
    if (m_inTick) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void SplashWindow::tmrSTART_Timer()
{
    // Off before anything else: the load step below runs modal dialogs,
    // whose event loops would otherwise deliver a second tick.
    m_timer->stop();
    m_inTick = true;

    m_registrationFlag = m_steps.registration() ? 1 : 0;
    if (m_registrationFlag == 1) {
        showMainWindow();
    } else {
        m_dialogs.fail(this, kRegistrationError);
        emit startFailed();
    }
    endStart();
}

void SplashWindow::showMainWindow()
{
    MainWindow* form1 = m_steps.makeMainWindow(m_dialogs);
    form1->Form_Load();
    form1->show();
    emit mainWindowShown(form1);
}

void SplashWindow::endStart()
{
    m_inTick = false;
    hide();
    close();
}

int runQuorvix(UserDialogs& dialogs, StartupSteps steps)
{
    QPointer<SplashWindow> splash = new SplashWindow(dialogs, std::move(steps));
    QPointer<MainWindow> form1;
    bool failed = false;
    QObject::connect(splash, &SplashWindow::mainWindowShown,
                     [&form1](MainWindow* shown) { form1 = shown; });
    // Closing the splash as the last window would end the loop with 0; the
    // failure is remembered so the exit code tells the truth either way.
    QObject::connect(splash, &SplashWindow::startFailed, [&failed] {
        failed = true;
        QCoreApplication::exit(kExitStartFailed);
    });

    splash->show();
    const int code = QApplication::exec();

    delete splash;
    delete form1;
    return failed ? kExitStartFailed : code;
}

} // namespace quorvix
