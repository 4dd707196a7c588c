#include "views/fenetres/Redessine.h"

#include "shell/fenetres/Contexte.h"

namespace gabarit {

void Redessine_Profil(Contexte&) {}
void Redessine_Coupe(Contexte&) {}
void Redessine_Deplacement(Contexte&) {}
void Redessine_Voilure(Contexte&) {}
void Redessine_Tout(Contexte& ctx) {
    Redessine_Voilure(ctx);
    Redessine_Profil(ctx);
    Redessine_Deplacement(ctx);
    Redessine_Coupe(ctx);
}
void Cache_Fenetres(Contexte& ctx) {
    for (Fenetre_Fille* w : ctx.Fenetres())
        w->Cache();
}

} // namespace gabarit
