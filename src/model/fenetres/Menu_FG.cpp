#include "model/fenetres/Menu_FG.h"

namespace gabarit {

Menu_FG::Menu_FG(Contexte& ctx) : Fenetre_Fille(ctx, QStringLiteral("Menu_FG"), QStringLiteral("Forme de la Carene")) {}
void Menu_FG::Aff_Valeurs_FG() {}
void Menu_FG::Efface_Selection() {}
} // namespace gabarit
