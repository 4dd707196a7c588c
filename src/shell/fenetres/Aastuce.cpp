#include "shell/fenetres/Aastuce.h"

namespace gabarit {

Aastuce::Aastuce(Contexte& ctx) : Fenetre_Fille(ctx, QStringLiteral("Aastuce"), QStringLiteral("Astuce du jour")) {}

void Aastuce::Affiche_Astuce() {}
} // namespace gabarit
