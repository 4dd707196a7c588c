#include "views/fenetres/ADeplacement.h"

namespace gabarit {

ADeplacement::ADeplacement(Contexte& ctx) : Fenetre_Fille(ctx, QStringLiteral("ADeplacement"), QStringLiteral("Deplacement/Appendice")) {}

} // namespace gabarit
