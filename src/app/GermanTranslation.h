#pragma once

class QCoreApplication;

namespace quorvix {

// Installs Qt's own German texts (qtbase_de) so that standard buttons read
// "Ja", "Nein", "Abbrechen" and the file dialog speaks German. Returns false
// when the translation is not installed on this system; the program then
// still works, with Qt's English button texts.
bool installGermanTranslation(QCoreApplication& app);

} // namespace quorvix
