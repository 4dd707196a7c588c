#include "rig/fenetres/Comp_Safran.h"

#include "printing/fenetres/Impressions_Appendices.h"
#include "rig/Profils_Naca.h"

namespace gabarit {

namespace {
// The rudder's caption beside the thickest point is spelt its own way.
const Jumeau_Profil SAFRAN{"Comp_Safran", "Complément Safran", "Longeur Avant :", PLAN_SAFRAN,
                           &Imprime_Profil_Safran};
} // namespace

Comp_Safran::Comp_Safran(Contexte &ctx) : Fenetre_Profil_Naca(ctx, SAFRAN) {}

} // namespace gabarit
