#include "model/fenetres/Menu_VarList.h"

namespace gabarit {

Menu_VarList::Menu_VarList(Contexte& ctx) : Fenetre_Fille(ctx, QStringLiteral("Menu_VarList"), QStringLiteral("Liste des Valeurs")) {}
void Menu_VarList::Remplit_Liste() {}
} // namespace gabarit
