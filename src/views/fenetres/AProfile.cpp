#include "views/fenetres/AProfile.h"

namespace gabarit {

AProfile::AProfile(Contexte& ctx) : Fenetre_Fille(ctx, QStringLiteral("AProfile"), QStringLiteral("Forme Carene")) {}

} // namespace gabarit
