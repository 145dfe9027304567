#include "support/ScriptedDialogs.h"

namespace quorvix::test {

QMessageBox::StandardButton ScriptedDialogs::message(QWidget*, const QString& title,
                                                     const QString& text,
                                                     QMessageBox::StandardButtons buttons,
                                                     QMessageBox::Icon icon)
{
    messages.append({title, text, buttons, icon});
    if (whileMessageOpen)
        whileMessageOpen(text);
    if (buttons.testFlag(QMessageBox::Yes)) {
        if (answers.empty())
            return QMessageBox::Yes;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return QMessageBox::Ok;
}

std::optional<QString> ScriptedDialogs::openFileName(QWidget*, const QString& title,
                                                     const QString& filter,
                                                     const QString& presetPath)
{
    fileDialogs.append({title, filter, presetPath});
    if (chosenFiles.empty())
        return std::nullopt;
    const std::optional<QString> chosen = std::move(chosenFiles.front());
    chosenFiles.pop_front();
    return chosen;
}

std::optional<QString> ScriptedDialogs::saveFileName(QWidget* parent, const QString& title,
                                                     const QString& filter,
                                                     const QString& presetPath)
{
    return openFileName(parent, title, filter, presetPath);
}

bool ScriptedDialogs::openUrl(const QUrl& url)
{
    openedUrls.append(url);
    return desktopOpens;
}

QStringList ScriptedDialogs::texts() const
{
    QStringList result;
    for (const auto& m : messages)
        result << m.text;
    return result;
}

} // namespace quorvix::test
