#pragma once

#include "ui/UserDialogs.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

namespace quorvix::test {

// One message box as the program asked for it.
struct RecordedMessage {
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon;
};

// Stands in for every message box and dialog: answers come from queues the
// test fills, and everything shown is recorded.
class ScriptedDialogs final : public UserDialogs {
public:
    QMessageBox::StandardButton message(QWidget* parent, const QString& title,
                                        const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::Icon icon) override;
    std::optional<QString> openFileName(QWidget* parent, const QString& title,
                                        const QString& filter,
                                        const QString& presetPath) override;
    // Answered from `chosenFiles` too, and recorded in `fileDialogs`.
    std::optional<QString> saveFileName(QWidget* parent, const QString& title,
                                        const QString& filter,
                                        const QString& presetPath) override;
    bool openUrl(const QUrl& url) override;

    // Answers for Yes/No questions, used in order; without one, Yes.
    std::deque<QMessageBox::StandardButton> answers;
    // Results of the open-file dialog, used in order; nothing = cancel.
    std::deque<std::optional<QString>> chosenFiles;
    // Whether the desktop can open addresses.
    bool desktopOpens = true;
    // Runs while a message box is up, with its text: the user's time in a
    // modal box, during which events keep flowing.
    std::function<void(const QString&)> whileMessageOpen;

    QList<RecordedMessage> messages;
    struct FileDialogCall { QString title; QString filter; QString preset; };
    QList<FileDialogCall> fileDialogs;
    QList<QUrl> openedUrls;

    // Texts of all messages so far, for compact assertions.
    QStringList texts() const;
};

} // namespace quorvix::test
