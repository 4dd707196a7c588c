#pragma once
// Message boxes with the program's styles: 16 stop, 48 exclamation, 52 Yes/No, and OK with
// Cancel (+1) under a question (32) or an exclamation (48).
#include <QString>
#include <functional>

class QWidget;

namespace gabarit {

// Shows a modal box; returns REPONSE_OK, REPONSE_ANNULER, REPONSE_OUI or REPONSE_NON
// (interfaces/Interface_Shell.h).
int Boite_Message(QWidget *parent, const QString &texte, int style, const QString &titre);

// While one is alive (the command runner holds one for every window command), a notice
// already shown (same text, style and title) is not shown again: a failure met by several
// steps of one command, the flotation of a hull-form chain and then of every open view's
// redraw, gives the user one box. Questions are always asked.
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
