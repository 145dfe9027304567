#pragma once

#include <QLabel>

class QIcon;
class QPixmap;

namespace quorvix {

// The logo's size in device-independent pixels, on every screen.
inline constexpr int kLogoWidth = 400;
inline constexpr int kLogoHeight = 300;

// The logo for a screen with `devicePixelRatio` device pixels per logical
// pixel: 400 x 300 logical pixels, made of as many device pixels as the
// screen has. Denser screens get it from the 800 x 600 drawing, so text and
// crosshair stay sharp instead of being blown up from the small JPEG.
QPixmap logoPixmap(qreal devicePixelRatio);

// The program's icon for its windows.
QIcon applicationIcon();

// A picture box showing the logo at its fixed size; it picks the logo again
// when its window moves to a screen of another pixel density.
class LogoLabel : public QLabel {
    Q_OBJECT
public:
    explicit LogoLabel(const QString& objectName, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;

private:
    void fitToScreen();
};

} // namespace quorvix
