#pragma once

#include <QString>

class QCheckBox;
class QGroupBox;
class QRadioButton;
class QWidget;

namespace quorvix {

// Small builders for the controls of the wizard pages, so that every
// control gets its object name, caption, tooltip and accessible name the
// same way. Texts are UTF-8 and used exactly as given.

QGroupBox* makeFrame(QWidget* parent, const char* name, const char* caption);
QRadioButton* makeOption(QWidget* parent, const char* name, const char* caption,
                         const char* tooltip = nullptr);
QCheckBox* makeCheck(QWidget* parent, const char* name, const char* caption,
                     const char* tooltip = nullptr);

} // namespace quorvix
