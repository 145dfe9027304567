#pragma once

#include <QLineEdit>

namespace quorvix {

// A wizard text box: a mouse click into it empties it and is reported, so
// pages can count clicks. Keyboard focus, typing and setText() do neither.
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
