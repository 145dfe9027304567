#pragma once

#include <QString>

namespace quorvix {
class Wizard;
class WizardPage;
}

namespace quorvix::test {

// Gives the page answers that its checks accept, through its controls and
// the way a user would (clicks into boxes, typing, ticking). Controls a page
// does not have are skipped, so this works on pages at any stage.
void answerValidly(WizardPage* page, const QString& playerName);

// From page 1, which must be visible, through page 11's Next: answers each
// page validly and presses "Weiter". Returns the number of the page that
// did not move on, or 0 when the wizard handed back to the main window.
int runWizardToEnd(Wizard& wizard, const QString& playerName);

// The same for a second pass in one run: the pages come back as they were
// left, so only "Weiter" is pressed.
int passWizardAsLeft(Wizard& wizard);

} // namespace quorvix::test
