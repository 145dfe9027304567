#include "ui/WindowFit.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>

namespace quorvix {
namespace {

// A window that has never been shown knows nothing of the frame the window
// manager will put around it; this leaves room for a title bar and borders.
constexpr QMargins kAssumedFrame(6, 32, 6, 6);

// How long a window manager may take to place and frame a new window.
constexpr int kFramingMs = 250;

// `frame` moved as little as needed to lie on `area`.
QPoint within(QRect frame, const QRect& area)
{
    frame.moveLeft(qMax(area.left(), qMin(frame.left(), area.right() + 1 - frame.width())));
    frame.moveTop(qMax(area.top(), qMin(frame.top(), area.bottom() + 1 - frame.height())));
    return frame.topLeft();
}

class ScrollingBody final : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

    // QScrollArea caps its wish at a few dozen lines; the window decides
    // how much of the content fits, not the scroll area.
    QSize sizeHint() const override
    {
        const int frame = 2 * frameWidth();
        return widget()->sizeHint() + QSize(frame, frame);
    }
};

QMargins frameOf(const QWidget* window)
{
    if (window->windowFlags() & Qt::FramelessWindowHint)
        return {};
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    const QMargins measured(inner.left() - outer.left(), inner.top() - outer.top(),
                            outer.right() - inner.right(), outer.bottom() - inner.bottom());
    return measured.isNull() ? kAssumedFrame : measured;
}

} // namespace

QScrollArea* makeScrollingBody(QWidget* body, QWidget* parent)
{
    auto* area = new ScrollingBody(parent);
    area->setObjectName(body->objectName() + QStringLiteral("Rollbereich"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    // The controls inside take the focus; the area itself is no tab stop.
    area->setFocusPolicy(Qt::NoFocus);
    // The window's own background, so captions inside keep the window's
    // text colours rather than those of a text field.
    body->setBackgroundRole(QPalette::Window);
    area->setWidget(body);
    return area;
}

QSize wantedSize(QWidget* window)
{
    // Layouts keep what they measured before the controls were added, and
    // the window's layout keeps the wish a scroll area had back then.
    for (QLayout* layout : window->findChildren<QLayout*>())
        layout->invalidate();
    for (QScrollArea* area : window->findChildren<QScrollArea*>())
        area->updateGeometry();
    return window->sizeHint();
}

void fitOnScreen(QWidget* window, QSize wanted, const QWidget* over)
{
    QScreen* screen = over ? over->screen() : window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen) {
        window->resize(wanted);
        return;
    }
    if (window->screen() != screen)
        window->setScreen(screen);
    const QRect area = screen->availableGeometry();
    const QMargins frame = frameOf(window);
    const QSize size = wanted.boundedTo(area.size().shrunkBy(frame));
    window->resize(size);

    QRect placed(QPoint(), window->size().grownBy(frame));
    // A window not shown yet has no place of its own to centre over.
    placed.moveCenter(over && over->isVisible() ? over->frameGeometry().center() : area.center());
    window->move(within(placed, area));
    // Some window managers place a new window by rules of their own, and
    // its real frame is known only once it is on screen: checked again then.
    QTimer::singleShot(kFramingMs, window, [window, area] {
        const QPoint onArea = within(window->frameGeometry(), area);
        if (onArea != window->frameGeometry().topLeft())
            window->move(onArea);
    });
}

} // namespace quorvix
