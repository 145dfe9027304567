#include "ui/ClickLineEdit.h"

#include <QMouseEvent>

namespace quorvix {

ClickLineEdit::ClickLineEdit(QWidget* parent)
    : QLineEdit(parent)
{
}

void ClickLineEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        clear();
        emit clicked();
    }
    QLineEdit::mousePressEvent(event);
}

} // namespace quorvix
