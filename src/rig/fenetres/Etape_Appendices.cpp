#include "rig/fenetres/Etape_Appendices.h"

#include "fenetres/Contexte.h"
#include "shell/fenetres/Rafraichit_Menus.h"
#include "stability/Centrage.h"
#include "views/fenetres/Redessine.h"

namespace gabarit {

void Apres_Dimensionnement(Contexte &ctx) {
    // The keel and rudder figures follow the chords in the centring's derivation.
    Calcul_Centrage(ctx.etat, ctx.shell);
    Rafraichit_Menus(ctx);
    Redessine_Deplacement(ctx);
}

} // namespace gabarit
