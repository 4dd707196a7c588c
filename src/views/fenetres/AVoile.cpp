#include "views/fenetres/AVoile.h"

#include "fenetres/Contexte.h"
#include "model/Numeros.h"
#include "rig/fenetres/Voilure_Vue.h"
#include "views/fenetres/Redessine.h"

namespace gabarit {

AVoile::AVoile(Contexte &ctx)
    : Fenetre_Vue(ctx, QStringLiteral("AVoile"), QStringLiteral("Voilure")) {}

void AVoile::Redessine() { Redessine_Voilure(ctx()); }

void AVoile::Redessine_Sur_Evenement() {
    // Not in the middle of another view's drawing: the sail view is redrawn whole after it.
    if (Dessin_En_Cours(ctx())) {
        Differe_Redessin();
        return;
    }
    // The hull and appendages are drawn only while the view is open in normal state, and so
    // is the CLASS plan; the free plan is drawn whatever the state, so its areas are always
    // recomputed.
    Actualise_Voilure(ctx());
    if (ctx().etat.P(OPTION_CLASS) == 1)
        Trace_Voile_Class(ctx());
    else
        Trace_Voilure(ctx());
}

} // namespace gabarit
