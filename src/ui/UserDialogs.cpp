#include "ui/UserDialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QTreeView>

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
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setObjectName(QStringLiteral("CDConfig"));
    // Qt's own dialog speaks German with the program's translation and takes
    // a name that does not exist yet, so that userconfig.cfg can be made.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.resize(820, 520);
    // Size, type and date get the width their texts need; the name the rest.
    if (auto* files = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        files->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        files->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    const QFileInfo preset(presetPath);
    if (preset.dir().exists())
        dialog.setDirectory(preset.absolutePath());
    dialog.selectFile(preset.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
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
