#pragma once

#include <QWidget>

namespace quorvix {

class UserDialogs;

// The about window "Info": logo, credits, disclaimer and two link labels.
// Not modal; it deletes itself when closed.
class InfoWindow : public QWidget {
    Q_OBJECT
public:
    explicit InfoWindow(UserDialogs& dialogs, QWidget* parent = nullptr);

private:
    UserDialogs& m_dialogs;
};

} // namespace quorvix
