#include "ui/UserDialogs.h"

#include "ui/WindowFit.h"

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

namespace {

// Qt puts a box where its parent's middle would be even while that window
// is not shown yet; this one is centred over the window it belongs to, or
// the screen, once it knows its size.
class CentredMessageBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event); // sizes the box to its text
        fitOnScreen(this, size(), parentWidget() ? parentWidget()->window() : nullptr);
    }
};

// Qt's own dialog speaks German with the program's translation, takes a
// name that does not exist yet and, like every window here, fits the screen.
std::optional<QString> runFileDialog(QWidget* parent, const QString& title, const QString& filter,
                                     const QString& presetPath, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setObjectName(mode == QFileDialog::AcceptOpen ? QStringLiteral("CDConfig") : QStringLiteral("CDZiel"));
    dialog.setAcceptMode(mode);
    // The question naming the target comes from the program itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setViewMode(QFileDialog::Detail);
    // Size, type and date get the width their texts need; the name the rest.
    if (auto* files = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        files->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        files->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    const QFileInfo preset(presetPath);
    if (preset.dir().exists())
        dialog.setDirectory(preset.absolutePath());
    dialog.selectFile(preset.fileName());
    fitOnScreen(&dialog, QSize(820, 520), parent ? parent->window() : nullptr);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

QMessageBox::StandardButton QtUserDialogs::message(QWidget* parent, const QString& title,
                                                   const QString& text,
                                                   QMessageBox::StandardButtons buttons,
                                                   QMessageBox::Icon icon)
{
    CentredMessageBox box(icon, title, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

std::optional<QString> QtUserDialogs::openFileName(QWidget* parent, const QString& title,
                                                   const QString& filter,
                                                   const QString& presetPath)
{
    return runFileDialog(parent, title, filter, presetPath, QFileDialog::AcceptOpen);
}

std::optional<QString> QtUserDialogs::saveFileName(QWidget* parent, const QString& title,
                                                   const QString& filter,
                                                   const QString& presetPath)
{
    return runFileDialog(parent, title, filter, presetPath, QFileDialog::AcceptSave);
}

bool QtUserDialogs::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace quorvix
