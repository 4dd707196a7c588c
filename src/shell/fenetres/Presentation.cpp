#include "shell/fenetres/Presentation.h"

namespace gabarit {

Presentation::Presentation(Contexte& ctx) : Fenetre_Fille(ctx, QStringLiteral("Presentation"), QStringLiteral("A propos de Gabarit")) {}

} // namespace gabarit
