#include "stability/fenetres/Menu_Deplacement.h"

namespace gabarit {

Menu_Deplacement::Menu_Deplacement(Contexte& ctx) : Fenetre_Fille(ctx, QStringLiteral("Menu_Deplacement"), QStringLiteral("Deplacement")) {}
void Menu_Deplacement::Affiche_Deplacement() {}
} // namespace gabarit
