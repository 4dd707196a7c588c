#include "rig/fenetres/Comp_Derive.h"

#include "printing/fenetres/Impressions_Appendices.h"
#include "rig/Profils_Naca.h"

namespace gabarit {

namespace {
const Jumeau_Profil DERIVE{"Comp_Derive", "Clompléments Dérive", "Longueur Avant :", PLAN_DERIVE,
                           &Imprime_Profil_Derive};
} // namespace

Comp_Derive::Comp_Derive(Contexte &ctx) : Fenetre_Profil_Naca(ctx, DERIVE) {}

} // namespace gabarit
