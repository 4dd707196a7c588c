#include "shell/fenetres/Rafraichit_Menus.h"

#include "fenetres/Contexte.h"

namespace gabarit {

void Rafraichit_Menus(Contexte& ctx) {
    for (const char* nom : {"Menu_Appendice", "Menu_Deplacement", "Menu_FG", "Menu_Voile"})
        if (Fenetre_Fille* w = ctx.Par_Nom(QString::fromLatin1(nom)); w && w->Visible())
            w->Affiche_Valeurs();
}

} // namespace gabarit
