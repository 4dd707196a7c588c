#include "shell/fenetres/AEnCours.h"

namespace gabarit {

AEnCours::AEnCours(Contexte& ctx) : Fenetre_Fille(ctx, QStringLiteral("AEnCours"), QStringLiteral("Calcul en Cours")) {}

} // namespace gabarit
