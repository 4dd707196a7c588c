#include "views/fenetres/ACoup.h"

namespace gabarit {

ACoup::ACoup(Contexte& ctx) : Fenetre_Fille(ctx, QStringLiteral("ACoup"), QStringLiteral("Couples")) {}

} // namespace gabarit
