#pragma once
// The keel's foil-section window, opened by "Profils NACA" of the appendages window.
#include "rig/fenetres/Fenetre_Profil_Naca.h"

namespace gabarit {

class Comp_Derive : public Fenetre_Profil_Naca {
    Q_OBJECT
public:
    explicit Comp_Derive(Contexte &ctx);
};

} // namespace gabarit
