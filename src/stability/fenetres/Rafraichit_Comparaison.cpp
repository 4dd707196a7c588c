#include "stability/fenetres/Rafraichit_Comparaison.h"

#include "fenetres/Contexte.h"
#include "stability/fenetres/Menu_Compar.h"

namespace gabarit {

void Rafraichit_Comparaison(Contexte &ctx) {
    if (Menu_Compar *w = ctx.Existante<Menu_Compar>(); w && w->Visible())
        w->Comparer();
}

} // namespace gabarit
