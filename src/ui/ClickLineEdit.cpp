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
        // Emptied for good: setText() also drops the undo history, where
        // clear() would let Ctrl+Z bring the old text back.
        setText(QString());
        emit clicked();
    }
    QLineEdit::mousePressEvent(event);
}

} // namespace quorvix
