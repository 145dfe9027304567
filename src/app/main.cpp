#include "app/Artwork.h"
#include "app/GermanTranslation.h"
#include "app/SplashWindow.h"
#include "ui/UserDialogs.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The names give the per-user data folder (backup fallback) its place.
    QApplication::setOrganizationName(QStringLiteral("Quorvix"));
    QApplication::setApplicationName(QStringLiteral("Quorvix"));
    QApplication::setApplicationVersion(QStringLiteral("0.3b"));
    // Lets Wayland compositors and task bars match windows to quorvix.desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvix"));
    QApplication::setWindowIcon(quorvix::applicationIcon());
    quorvix::installGermanTranslation(app);

    quorvix::QtUserDialogs dialogs;
    return quorvix::runQuorvix(dialogs);
}
