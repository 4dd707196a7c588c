#pragma once
// Prismatic coefficient of the immersed hull at the heel P(26): immersed volume over the
// prism of the largest immersed section and the hull length.
#include <functional>

#include "interfaces/Canvas.h"
#include "interfaces/Interface_Shell.h"
#include "model/Etat_Projet.h"
#include "model/Memoire_Niveaux.h"

namespace gabarit {

// Integrates the section at X_Couple, heel Gite_Couple, into Surface_Immergee(_1, _2).
using Integrateur_Couple = std::function<void(Etat_Projet &)>;

// The walk with its curve: picture (may be null) is the stability window's area curve,
// precision its "Precision" box (ticked: L/40 step, else L/80). Stores the coefficient
// under the heel (P(193) to P(199) for 0 to 30 degrees) and in P(39), and returns it.
// P(35), P(37) and P(231) are put back on every path out, failure included.
double Calcul_Coef_Pris(Etat_Projet &e, Interface_Shell &shell, Canvas *picture, bool precision,
                        const Integrateur_Couple &integre);
// memoire: the half-breadths kept for the walks that come back to the same sections (the heel
// series walks them at every heel); none: computed every time.
double Calcul_Coef_Pris(Etat_Projet &e, Interface_Shell &shell, Canvas *picture, bool precision,
                        Memoire_Niveaux *memoire = nullptr);

// Without a picture, "Precision" unticked.
void Calcul_Coef_Pris(Etat_Projet &e, Interface_Shell &shell);

} // namespace gabarit
