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

// Stands in for every message box and dialog: answers come from queues the test fills, and everything shown is
// recorded.
class ScriptedDialogs final : public UserDialogs {
public:
    // Answers for Yes/No questions, used in order; without one, Yes.
    std::deque<QMessageBox::StandardButton> answers;
    // Results of the file dialogs, used in order; nothing = cancel.
    std::deque<std::optional<QString>> chosenFiles;
    // Whether the desktop can open addresses.
    bool desktopOpens = true;
    // Runs while a message box is up, with its text: the user's time in a modal box, during which events keep flowing.
    std::function<void(const QString&)> whileMessageOpen;

    QList<RecordedMessage> messages;
    struct FileDialogCall { QString title; QString filter; QString preset; };
    QList<FileDialogCall> fileDialogs;
    QList<QUrl> openedUrls;

    QMessageBox::StandardButton message(QWidget*, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons, QMessageBox::Icon icon) override
    {
        messages.append({title, text, buttons, icon});
        if (whileMessageOpen)
            whileMessageOpen(text);
        return buttons.testFlag(QMessageBox::Yes) ? next(answers).value_or(QMessageBox::Yes) : QMessageBox::Ok;
    }
    std::optional<QString> openFileName(QWidget*, const QString& title, const QString& filter,
                                        const QString& presetPath) override
    {
        fileDialogs.append({title, filter, presetPath});
        return next(chosenFiles).value_or(std::nullopt);
    }
    std::optional<QString> saveFileName(QWidget* w, const QString& t, const QString& f, const QString& p) override
    {
        return openFileName(w, t, f, p);
    }
    bool openUrl(const QUrl& url) override { openedUrls.append(url); return desktopOpens; }

    // Texts of all messages so far, for compact assertions; with `usualTitle`, another title goes before
    // its text in brackets.
    QStringList texts(const QString& usualTitle = {}) const
    {
        QStringList result;
        for (const auto& m : messages)
            result << (usualTitle.isEmpty() || m.title == usualTitle ? m.text
                                                                     : QStringLiteral("[%1] %2").arg(m.title, m.text));
        return result;
    }

private:
    template <typename T>
    static std::optional<T> next(std::deque<T>& queue)
    {
        if (queue.empty())
            return std::nullopt;
        T front = std::move(queue.front());
        queue.pop_front();
        return front;
    }
};

} // namespace quorvix::test
