#pragma once

class QWidget;

namespace quorvix {

struct Settings;
class UserDialogs;
class Wizard;
class WizardPage;

// Builds the window of page 1..11 (not yet load-reset, not shown).
WizardPage* createWizardPage(int page, Settings& settings, Wizard& wizard,
                             UserDialogs& dialogs, QWidget* parent);

} // namespace quorvix
