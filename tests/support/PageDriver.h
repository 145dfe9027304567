#pragma once

#include <QString>
#include <QWidget>

class QAbstractButton;
class QLineEdit;

namespace quorvix {
class WizardPage;
}

namespace quorvix::test {

// Drives wizard pages the way a user does: real mouse clicks into boxes,
// keyboard entry, button clicks.

// A mouse click into the box (this empties it and counts), then typing.
void clickAndType(QLineEdit* box, const QString& text);
// Moves the focus by keyboard means only and types: no click, no count.
void typeWithoutClick(QLineEdit* box, const QString& text);
// A mouse click on a button, check box or option button.
void click(QAbstractButton* button);
// Clicks the page's "Weiter" / "Zurück" button.
void pressNext(WizardPage* page);
void pressBack(WizardPage* page);
// Lets deferred deletes of closed pages happen.
void settle();

// A caption as the user sees it: a single "&" marks the access key and is
// shown as an underline only.
inline QString shown(QString caption)
{
    const QChar kept(0x01);
    return caption.replace(QStringLiteral("&&"), kept).remove(QLatin1Char('&')).replace(kept, QLatin1Char('&'));
}

// A child of `parent` by object name; a missing one is reported.
template <typename T>
T* child(QWidget* parent, const QString& name)
{
    T* found = parent ? parent->findChild<T*>(name) : nullptr;
    if (!found)
        qWarning("no child %s", qPrintable(name));
    return found;
}

} // namespace quorvix::test
