#include "rig/fenetres/Voilure_Vue.h"

#include "fenetres/Contexte.h"
#include "model/Numeros.h"
#include "rig/fenetres/Menu_Voile.h"
#include "rig/fenetres/Menu_VoileClass.h"
#include "views/Dessins.h"
#include "views/fenetres/AVoile.h"
#include "views/fenetres/Redessine.h"

namespace gabarit {

void Actualise_Voilure(Contexte &ctx) { Actualise_Vue_Voilure(ctx); }

void Trace_Voile_Class(Contexte &ctx) {
    AVoile *v = ctx.Existante<AVoile>();
    if (!v || !v->Visible() || v->Etat_Fenetre() != Fenetre_Fille::Etat::Normal)
        return;
    v->Active();
    // Trace_Roof stores nothing it has not drawn: a refusal leaves the areas, the list and
    // the batten boxes as they were.
    if (Essaie([&] { Trace_Roof(ctx.etat, ctx.shell, *v->Picture1); }))
        Montre_Trace_Voile(ctx);
}

void Trace_Voilure(Contexte &ctx) {
    if (AVoile *v = ctx.Existante<AVoile>()) {
        Trace_Voilure(ctx.etat, ctx.shell, *v->Picture1);
        Montre_Trace_Voile(ctx);
    }
}

void Montre_Trace_Voile(Contexte &ctx) {
    if (Menu_Voile *w = ctx.Existante<Menu_Voile>())
        w->Remplit_Liste();
    if (ctx.etat.P(OPTION_CLASS) == 1)
        if (Menu_VoileClass *c = ctx.Existante<Menu_VoileClass>())
            c->Montre_Lattes(ctx.etat.Lattes_Class);
}

} // namespace gabarit
