#pragma once

#include <QSize>

class QScrollArea;
class QWidget;

namespace quorvix {

// Puts `body` into a frameless scroll area that asks for all the room the
// body wants, so a window sizes itself to its content as long as the
// screen has the room and scrolls only when it has not.
QScrollArea* makeScrollingBody(QWidget* body, QWidget* parent);

// The size `window` asks for with all of its content in view.
QSize wantedSize(QWidget* window);

// Gives `window` the size `wanted`, shrunk where the available area of the
// screen is smaller, and centres it over `over` (the screen when null or
// hidden), moved as little as needed to keep its frame wholly on that area.
void fitOnScreen(QWidget* window, QSize wanted, const QWidget* over = nullptr);

} // namespace quorvix
