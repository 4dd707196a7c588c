#include "views/fenetres/ACoup.h"

#include "shell/fenetres/Contexte.h"
#include "views/fenetres/Redessine.h"

namespace gabarit {

ACoup::ACoup(Contexte &ctx)
    : Fenetre_Vue(ctx, QStringLiteral("ACoup"), QStringLiteral("Couples")) {}

void ACoup::Redessine() { Redessine_Coupe(ctx()); }

void ACoup::Redessine_Sur_Evenement() {
    ctx().shell.Laisse_Evenements();
    Redessine_Coupe(ctx());
}

} // namespace gabarit
