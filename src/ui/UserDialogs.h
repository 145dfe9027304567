#pragma once

#include <QMessageBox>
#include <QString>
#include <QUrl>

#include <optional>

class QWidget;

namespace quorvix {

// Window titles of the message boxes.
inline const QString kTitle = QStringLiteral("Quorvix v0.3b");

// Every message box, the open-file dialog and the desktop's "open address"
// go through this, so tests can script the answers instead of blocking.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // Shows a modal message box and returns the button pressed.
    virtual QMessageBox::StandardButton message(QWidget* parent, const QString& title,
                                                const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::Icon icon) = 0;

    // The open-file dialog, started in the folder of `presetPath` with its
    // file name filled in. It also takes a name that does not exist yet.
    // Nothing when the user cancels.
    virtual std::optional<QString> openFileName(QWidget* parent, const QString& title,
                                                const QString& filter,
                                                const QString& presetPath) = 0;

    // The save-file dialog: a file that need not exist yet; nothing on cancel.
    virtual std::optional<QString> saveFileName(QWidget* parent, const QString& title,
                                                const QString& filter,
                                                const QString& presetPath) = 0;

    // Asks the desktop to open an address; false when nothing could.
    virtual bool openUrl(const QUrl& url) = 0;

    // An information box with one OK button and no icon.
    void inform(QWidget* parent, const QString& text, const QString& title = kTitle);
    // An error box with one OK button and the stop icon.
    void fail(QWidget* parent, const QString& text, const QString& title = kTitle);
    // A Yes/No question; true for Yes.
    bool askYesNo(QWidget* parent, const QString& text, const QString& title = kTitle);
};

// The real thing: QMessageBox, QFileDialog and QDesktopServices.
class QtUserDialogs final : public UserDialogs {
public:
    QMessageBox::StandardButton message(QWidget* parent, const QString& title,
                                        const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::Icon icon) override;
    std::optional<QString> openFileName(QWidget* parent, const QString& title,
                                        const QString& filter,
                                        const QString& presetPath) override;
    std::optional<QString> saveFileName(QWidget* parent, const QString& title,
                                        const QString& filter,
                                        const QString& presetPath) override;
    bool openUrl(const QUrl& url) override;
};

} // namespace quorvix
