#include "rig/fenetres/Etape_Appendices.h"

#include "fenetres/Contexte.h"
#include "rig/Appendices.h"
#include "shell/fenetres/Rafraichit_Menus.h"
#include "stability/Centrage.h"
#include "views/fenetres/Redessine.h"

namespace gabarit {

void Apres_Dimensionnement(Contexte &ctx) {
    Calcul_Appendices(ctx.etat);
    Calcul_Centrage(ctx.etat, ctx.shell);
    Rafraichit_Menus(ctx);
    Redessine_Deplacement(ctx);
}

} // namespace gabarit
