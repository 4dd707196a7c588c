#include "shell/fenetres/Aastuce.h"

namespace gabarit {

Aastuce::Aastuce(Contexte& ctx) : Fenetre_Fille(ctx, QStringLiteral("Aastuce"), QStringLiteral("Astuce du jour")) {}

} // namespace gabarit
