#pragma once
// Message boxes with the program's styles: 16 stop, 48 exclamation, 52 Yes/No, OK with Cancel
// (+1) under a question (32) or an exclamation (48), and 51 save, discard or cancel.
#include <QString>
#include <functional>

class QWidget;

namespace gabarit {

// Shows a modal box; returns REPONSE_OK, REPONSE_ANNULER, REPONSE_OUI or REPONSE_NON
// (interfaces/Interface_Shell.h).
int Boite_Message(QWidget *parent, const QString &texte, int style, const QString &titre);

// Every window command holds one (the command runner makes it): a notice the command already
// showed (same text, style and title) is not shown again, so a failure met by several steps
// of one command, the flotation of a hull-form chain and then of its redraws, gives the user
// one box. Each command is its own scope, a command run inside another one (a handler while a
// computation lets events run) too: a notice is looked up in the innermost live command only,
// and forgotten when that command ends, so a later refusal is never shown to no one.
// Questions are always asked.
class Une_Boite_Par_Commande {
public:
    Une_Boite_Par_Commande();
    ~Une_Boite_Par_Commande();
    Une_Boite_Par_Commande(const Une_Boite_Par_Commande &) = delete;
    Une_Boite_Par_Commande &operator=(const Une_Boite_Par_Commande &) = delete;
};

// Tests replace the box with a function that records it and answers at once.
using Reponse_Message = std::function<int(const QString &texte, int style, const QString &titre)>;
void Remplace_Boite_Message(Reponse_Message f); // an empty function puts the real box back

} // namespace gabarit
