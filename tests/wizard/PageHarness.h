#pragma once

#include "support/PageDriver.h"
#include "support/ScriptedDialogs.h"
#include "wizard/pages/Wizard.h"
#include "wizard/pages/WizardPage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

namespace quorvix::test {

// What an earlier pass left in the text fields; a Next that must not store
// a text leaves this in place.
inline const std::string kEarlier = "earlier";

// One test's world: a fresh record, recorded messages and the wizard.
struct PageHarness {
    Settings settings;
    ScriptedDialogs dialogs;
    Wizard wizard{settings, dialogs};

    PageHarness()
    {
        for (std::string* text : {&settings.CfgBrightness, &settings.CfgGamma,
                                  &settings.CfgVMaxFPS, &settings.CfgMSens,
                                  &settings.CfgMSensratio, &settings.CfgConsoleRGB})
            *text = kEarlier;
    }
    WizardPage* open(int page)
    {
        wizard.showPage(page);
        return wizard.page(page);
    }
    // Loads a page and hides it again, as a Next on it would.
    WizardPage* passed(int page)
    {
        WizardPage* window = open(page);
        wizard.hidePage(page);
        return window;
    }
};

template <typename T>
T* in(QWidget* page, const QString& name)
{
    return page ? page->findChild<T*>(name) : nullptr;
}

// Presses Tab `steps` times from wherever the focus is, then names the
// check boxes and option buttons that are ticked or selected.
inline QStringList chosenAfterTabbing(WizardPage* page, int steps = 20)
{
    for (int i = 0; i < steps; ++i) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : page, Qt::Key_Tab);
    }
    QStringList chosen;
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
        if (button->isChecked())
            chosen << button->objectName();
    }
    return chosen;
}

// `clicks` mouse clicks into the box, the last followed by typing; with no
// click the text goes in by keyboard only.
inline void fillBox(QLineEdit* box, int clicks, const QString& text)
{
    for (int i = 1; i < clicks; ++i)
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    if (clicks > 0)
        clickAndType(box, text);
    else if (!text.isEmpty())
        typeWithoutClick(box, text);
}

// The widget's top edge in page coordinates, for checking the order of
// controls that sit in different frames.
inline int topOf(QWidget* page, const QString& name)
{
    QWidget* widget = in<QWidget>(page, name);
    return widget ? widget->mapTo(page, QPoint(0, 0)).y() : -1;
}

} // namespace quorvix::test
