#pragma once

#include "ui/UserDialogs.h"

#include <QList>
#include <QStringList>

#include <deque>
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
    bool openUrl(const QUrl& url) override;

    // Answers for Yes/No questions, used in order; without one, Yes.
    std::deque<QMessageBox::StandardButton> answers;
    // Results of the open-file dialog, used in order; nothing = cancel.
    std::deque<std::optional<QString>> chosenFiles;
    // Whether the desktop can open addresses.
    bool desktopOpens = true;

    QList<RecordedMessage> messages;
    struct FileDialogCall { QString title; QString filter; QString preset; };
    QList<FileDialogCall> fileDialogs;
    QList<QUrl> openedUrls;

    // Texts of all messages so far, for compact assertions.
    QStringList texts() const;
    void clear();
};

} // namespace quorvix::test
