#include "app/MainWindow.h"

namespace quorvix {

MainWindow::MainWindow(UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("Form1"));
}

void MainWindow::Form_Load()
{
}

} // namespace quorvix
