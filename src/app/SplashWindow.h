#pragma once

#include "app/Registration.h"

#include <QWidget>

#include <functional>

class QTimer;

namespace quorvix {

class LogoLabel;
class MainWindow;
class UserDialogs;

// Makes the main window, not yet loaded or shown. Ownership passes to the
// caller of the start-up (see runQuorvix).
using MainWindowFactory = std::function<MainWindow*(UserDialogs&)>;

// The real main window.
MainWindow* createMainWindow(UserDialogs& dialogs);

// The two steps of the start-up that tests replace.
struct StartupSteps {
    RegistrationStep registration = registerTextView;
    MainWindowFactory makeMainWindow = createMainWindow;
};

// The splash window "start": the logo, no caption, centred. One second
// after it is made its timer registers the text view component, loads and
// shows the main window and closes the splash. Deletes itself when closed.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(UserDialogs& dialogs, StartupSteps steps = {},
                          QWidget* parent = nullptr);

    // 1 once the registration succeeded, 0 before and after a failure.
    qint16 registrationFlag() const { return m_registrationFlag; }

signals:
    // The tick made, loaded and showed the main window.
    void mainWindowShown(quorvix::MainWindow* form1);
    // The registration failed and its message was shown; no main window.
    void startFailed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void setupWindow();
    void setupLogo();
    void setupTimer();

    void tmrSTART_Timer();
    void showMainWindow();
    void endStart();

    UserDialogs& m_dialogs;
    StartupSteps m_steps;
    qint16 m_registrationFlag = 0;
    bool m_inTick = false;
    LogoLabel* m_logo = nullptr;
    QTimer* m_timer = nullptr;
};

// Exit code of a run whose start-up failed.
inline constexpr int kExitStartFailed = 1;

// The whole run of the program in a running QApplication: splash, main
// window, event loop. Returns the event loop's exit code, or
// kExitStartFailed when the registration failed.
int runQuorvix(UserDialogs& dialogs, StartupSteps steps = {});

} // namespace quorvix
