#pragma once

#include <QEvent>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class QAbstractButton;
class QLineEdit;

namespace quorvix {
struct Settings;
class Wizard;
class WizardPage;
}

namespace quorvix::test {

// Drives wizard pages the way a user does: real mouse clicks into boxes, keyboard entry, button clicks.

// Types into a box after `clicks` mouse clicks into it (each empties it and counts); with none, reaches it by keyboard
// only, which neither empties nor counts.
void fillBox(QLineEdit* box, const QString& text, int clicks = 1);
// A mouse click on a button, check box or option button.
void click(QAbstractButton* button);
// Clicks the page's "Weiter" / "Zurück" button.
void pressNext(WizardPage* page);
void pressBack(WizardPage* page);
// Lets deferred deletes of closed pages happen.
void settle();

// Gives the page answers that its checks accept, through its controls and the way a user would (clicks into boxes,
// typing, ticking). Controls a page does not have are skipped, so this works on pages at any stage.
void answerValidly(WizardPage* page, const QString& playerName);
// From page 1, which must be visible, through page 11's Next: hands each page to `onPage`, answers it validly (without
// a name, for a second pass, leaves it as it came back) and presses "Weiter". Returns the number of the page that did
// not move on, or 0 when the wizard handed back to the main window.
int runWizardToEnd(Wizard& wizard, const std::optional<QString>& playerName,
                   const std::function<void(WizardPage*)>& onPage = {});

// Plays a scenario on the wizard, step by step, in the step language of tests/data/wizard/scenarios.txt. Returns "" or
// the first check that failed, with its step.
QString play(Wizard& wizard, Settings& settings, const QString& script);

// Counts the events of one type that reach `watched` while it is installed as an event filter.
struct EventCounter : QObject {
    explicit EventCounter(QEvent::Type counted) : type(counted) {}
    QEvent::Type type;
    QObject* watched = nullptr;
    int count = 0;
    bool eventFilter(QObject* o, QEvent* e) override { count += o == watched && e->type() == type; return false; }
};

// A control that must exist; a missing one ends the test program loudly instead of crashing somewhere later.
template <typename T>
T* need(QWidget* parent, const char* name)
{
    T* found = parent ? parent->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!found)
        qFatal("missing control %s", name);
    return found;
}

} // namespace quorvix::test
