#include "views/fenetres/AProfile.h"

#include "views/fenetres/Redessine.h"

namespace gabarit {

AProfile::AProfile(Contexte &ctx)
    : Fenetre_Vue(ctx, QStringLiteral("AProfile"), QStringLiteral("Forme Carene")) {}

void AProfile::Redessine() { Redessine_Profil(ctx()); }

} // namespace gabarit
