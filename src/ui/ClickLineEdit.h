#pragma once

#include <QLineEdit>

namespace quorvix {

// A wizard text box: a mouse click into it empties it and is reported, so
// pages can count clicks. Keyboard focus, typing and setText() do neither.
// The emptied text cannot be brought back with undo.
class ClickLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit ClickLineEdit(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace quorvix
