#include "model/fenetres/Asst_0.h"

namespace gabarit {

Asst_0::Asst_0(Contexte& ctx) : Fenetre_Fille(ctx, QStringLiteral("Asst_0"), QStringLiteral("Assistant de Réalisation")) {}

} // namespace gabarit
