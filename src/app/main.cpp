#include "app/Artwork.h"
#include "app/GermanTranslation.h"
#include "app/SplashWindow.h"
#include "ui/UserDialogs.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The application name places the per-user data folder (the backup's
    // fallback) at ~/.local/share/Quorvix; an organisation name of the same
    // word would only nest it a second time.
    QApplication::setApplicationName(QStringLiteral("Quorvix"));
    QApplication::setApplicationVersion(QStringLiteral("0.3b"));
    // Lets Wayland compositors and task bars match windows to quorvix.desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvix"));
    QApplication::setWindowIcon(quorvix::applicationIcon());
    quorvix::installGermanTranslation(app);

    quorvix::QtUserDialogs dialogs;
    return quorvix::runQuorvix(dialogs);
}
