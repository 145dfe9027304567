#include "ui/UserDialogs.h"

#include <QDesktopServices>
#include <QFileDialog>

namespace quorvix {

void UserDialogs::inform(QWidget* parent, const QString& text, const QString& title)
{
    message(parent, title, text, QMessageBox::Ok, QMessageBox::NoIcon);
}

void UserDialogs::fail(QWidget* parent, const QString& text, const QString& title)
{
    message(parent, title, text, QMessageBox::Ok, QMessageBox::Critical);
}

bool UserDialogs::askYesNo(QWidget* parent, const QString& text, const QString& title)
{
    return message(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                   QMessageBox::NoIcon)
           == QMessageBox::Yes;
}

QMessageBox::StandardButton QtUserDialogs::message(QWidget* parent, const QString& title,
                                                   const QString& text,
                                                   QMessageBox::StandardButtons buttons,
                                                   QMessageBox::Icon icon)
{
    QMessageBox box(icon, title, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

std::optional<QString> QtUserDialogs::openFileName(QWidget* parent, const QString& title,
                                                   const QString& filter,
                                                   const QString& presetPath)
{
    const QString chosen = QFileDialog::getOpenFileName(parent, title, presetPath, filter);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

std::optional<QString> QtUserDialogs::saveFileName(QWidget* parent, const QString& title,
                                                   const QString& filter,
                                                   const QString& presetPath)
{
    // The question naming the target comes from the program itself.
    const QString chosen = QFileDialog::getSaveFileName(parent, title, presetPath, filter, nullptr,
                                                        QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

bool QtUserDialogs::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace quorvix
