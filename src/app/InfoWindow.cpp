#include "app/InfoWindow.h"

namespace quorvix {

InfoWindow::InfoWindow(UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("Info"));
    setAttribute(Qt::WA_DeleteOnClose);
}

} // namespace quorvix
