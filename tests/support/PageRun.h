#pragma once

#include "support/PageDriver.h"
#include "support/ScriptedDialogs.h"
#include "wizard/Settings.h"
#include "wizard/pages/Wizard.h"
#include "wizard/pages/WizardPage.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace quorvix::test {

// A fresh record, scripted dialogs and a wizard on them, for one test.
struct PageRun {
    Settings settings;
    ScriptedDialogs dialogs;
    Wizard wizard{settings, dialogs};

    // Shows (loading it first if needed) and returns page `n`.
    WizardPage* open(int n)
    {
        wizard.showPage(n);
        return wizard.page(n);
    }
    bool showing(int n) const { return wizard.page(n) && wizard.page(n)->isVisible(); }
};

// A control that must exist; a missing one ends the test program loudly
// instead of crashing somewhere later.
template <typename T>
T* need(QWidget* parent, const char* name)
{
    T* found = child<T>(parent, QString::fromLatin1(name));
    if (!found)
        qFatal("missing control %s", name);
    return found;
}

// Fills a box after `clicks` mouse clicks into it; with none, reaches it by
// keyboard only.
inline void fillBox(QLineEdit* box, const QString& text, int clicks)
{
    if (clicks == 0) {
        typeWithoutClick(box, text);
        return;
    }
    for (int c = 1; c < clicks; ++c)
        clickAndType(box, {});
    clickAndType(box, text);
}

} // namespace quorvix::test
