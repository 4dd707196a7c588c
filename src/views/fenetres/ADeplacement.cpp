#include "views/fenetres/ADeplacement.h"

#include "views/fenetres/Redessine.h"

namespace gabarit {

ADeplacement::ADeplacement(Contexte &ctx)
    : Fenetre_Vue(ctx, QStringLiteral("ADeplacement"), QStringLiteral("Deplacement/Appendice")) {}

void ADeplacement::Redessine() { Redessine_Deplacement(ctx()); }

} // namespace gabarit
