#include "views/fenetres/AVoile.h"

#include "shell/fenetres/Contexte.h"
#include "views/Dessins.h"
#include "views/fenetres/Redessine.h"

namespace gabarit {

AVoile::AVoile(Contexte &ctx)
    : Fenetre_Vue(ctx, QStringLiteral("AVoile"), QStringLiteral("Voilure")) {}

void AVoile::Redessine() { Redessine_Voilure(ctx()); }

void AVoile::Redessine_Sur_Evenement() {
    // The hull and appendages are drawn only while the view is open in normal state...
    Actualise_Vue_Voilure(ctx());
    // ...but the sail plan is drawn whatever the state, so its areas are always recomputed.
    // The class-rule plan (P(279) = 1) comes with the rig windows; until then the free
    // plan is drawn for both.
    Trace_Voilure(ctx().etat, ctx().shell, *Picture1);
}

} // namespace gabarit
