#include "views/fenetres/AVoile.h"

namespace gabarit {

AVoile::AVoile(Contexte& ctx) : Fenetre_Fille(ctx, QStringLiteral("AVoile"), QStringLiteral("Voilure")) {}

} // namespace gabarit
