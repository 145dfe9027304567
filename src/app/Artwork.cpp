#include "app/Artwork.h"

#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QPixmap>

// The resources live in the static GUI library; the program and every test
// that links it must register them before the first look-up, and the
// registration has to be named outside any namespace.
static void registerArtwork()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(quorvix);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace quorvix {

QPixmap logoPixmap(qreal devicePixelRatio)
{
    registerArtwork();
    if (devicePixelRatio <= 1.0)
        return QPixmap(QStringLiteral(":/quorvix/logo.jpg"));

    const QImage drawing(QStringLiteral(":/quorvix/logo@2x.jpg"));
    const QSize devicePixels(qRound(kLogoWidth * devicePixelRatio),
                             qRound(kLogoHeight * devicePixelRatio));
    QPixmap pixmap = QPixmap::fromImage(
        drawing.size() == devicePixels
            ? drawing
            : drawing.scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon applicationIcon()
{
    registerArtwork();
    return QIcon(QStringLiteral(":/quorvix/quorvix.png"));
}

LogoLabel::LogoLabel(const QString& objectName, QWidget* parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    setFixedSize(kLogoWidth, kLogoHeight);
    setAccessibleName(QStringLiteral("Quorvix Logo"));
    fitToScreen();
}

bool LogoLabel::event(QEvent* event)
{
    // Show covers the first placement; the screen change covers a window
    // dragged to a monitor with another scale.
    if (event->type() == QEvent::Show || event->type() == QEvent::ScreenChangeInternal)
        fitToScreen();
    return QLabel::event(event);
}

void LogoLabel::fitToScreen()
{
    const qreal ratio = devicePixelRatioF();
    if (!pixmap().isNull() && qFuzzyCompare(pixmap().devicePixelRatio(), ratio))
        return;
    setPixmap(logoPixmap(ratio));
}

} // namespace quorvix
