#pragma once

class QWidget;

namespace quorvix {

// Gives `root` and every widget below it that has no accessible name yet
// one that a screen reader can speak: the visible caption where there is
// one (without the mnemonic marker), else the tooltip, else the object name.
void nameForScreenReaders(QWidget* root);

} // namespace quorvix
