#pragma once
// The program speaks French whatever the user's language: Qt's own texts (file dialogs, the
// standard buttons, the context menus of text boxes) follow.
class QTranslator;

namespace gabarit {

// Installs Qt's French translation on the running application. Returns it (owned by the
// application), or nullptr when the machine has no French translation of Qt: the dialogs then
// keep Qt's English texts.
QTranslator *Installe_Traduction_Qt();

} // namespace gabarit
