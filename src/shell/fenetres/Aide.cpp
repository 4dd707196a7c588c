#include "shell/fenetres/Aide.h"

namespace gabarit {

Aide::Aide(Contexte& ctx) : Fenetre_Fille(ctx, QStringLiteral("Aide"), QStringLiteral("Aide")) {}
void Aide::Montre_Sujet(int) {}
} // namespace gabarit
