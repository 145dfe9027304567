#pragma once

#include <QMainWindow>

namespace quorvix {

class UserDialogs;

// The main window "Form1".
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(UserDialogs& dialogs, QWidget* parent = nullptr);

    // The load step: message, open-file dialog, old config into the views.
    void Form_Load();

private:
    UserDialogs& m_dialogs;
};

} // namespace quorvix
