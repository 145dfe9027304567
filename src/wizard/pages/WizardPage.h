#pragma once

#include "wizard/Settings.h"

#include <QString>
#include <QWidget>

#include <initializer_list>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace quorvix {

class ClickLineEdit;
class UserDialogs;
class Wizard;

// What every page shares: its window caption, the step panel, "Weiter" and
// "Zurück", the load reset, Back, the rejected-Next routine and the
// text-box click rule. A page adds its controls to contentLayout() and
// implements next().
class WizardPage : public QWidget {
    Q_OBJECT
public:
    WizardPage(int pageNumber, Settings& settings, Wizard& wizard, UserDialogs& dialogs,
               QWidget* parent = nullptr);

    int pageNumber() const { return m_pageNumber; }
    // The page's click counter (pages 3, 7 and 8 use it).
    Settings::Flag clickCount() const { return m_clickCount; }

    // The load reset: the page's load set and its click counter become 0.
    // The wizard calls it each time it creates the page window.
    virtual void loadReset();

    // Gives the focus to the page's first control rather than to "Weiter",
    // which the base makes first; the wizard calls it once the page is built.
    void focusFirstControl();

protected:
    // The page's Next; the base routes the "Weiter" click here.
    virtual void next() = 0;
    // The page's Back: clears the previous page's load set, reloads this
    // page hidden and shows the previous one.
    virtual void back();
    // Return or Enter anywhere on the page presses "Weiter", as in a dialog.
    void keyPressEvent(QKeyEvent* event) override;

    QVBoxLayout* contentLayout() const { return m_content; }
    Settings& settings() const { return m_settings; }
    Wizard& wizard() const { return m_wizard; }
    UserDialogs& dialogs() const { return m_dialogs; }

    // A text box under the click rule; a click empties it and, when
    // `countsClicks` is set, raises this page's click counter.
    ClickLineEdit* makeClickBox(const QString& objectName, bool countsClicks = false);
    // Such a box alone in a frame of its own, the frame added to `into`.
    ClickLineEdit* makeFramedClickBox(QVBoxLayout* into, const char* frameName,
                                      const char* frameCaption, const char* boxName,
                                      const char* tooltip, bool countsClicks);
    // Raises the page's click counter by one (saturating at 32767).
    void countClick();

    // The shared check of typed texts: true when all boxes may be written
    // to the config; otherwise shows the problem and re-shows the page.
    bool typedTextsAcceptable(std::initializer_list<const QLineEdit*> boxes);

    // A rejected Next: the message (OK, no icon), then hide and show again.
    void reject(const QString& text, const QString& title);
    void reject(const QString& text);
    // A successful Next: the Done flag becomes 1, the page is hidden and
    // the next page shown.
    void acceptAndMoveOn();

private:
    void setupWindow();
    void setupStepPanel(QWidget* panel);
    void setupButtons();

    const int m_pageNumber;
    Settings& m_settings;
    Wizard& m_wizard;
    UserDialogs& m_dialogs;
    Settings::Flag m_clickCount = 0;
    QVBoxLayout* m_content = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_back = nullptr;
};

} // namespace quorvix
