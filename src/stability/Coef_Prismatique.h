#pragma once
// Prismatic coefficient of the immersed hull at the heel ANGLE_GITE: immersed volume over the
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
// under the heel (Coef_Prismatique_Gite(k) for 0 to 30 degrees) and in COEF_PRISMATIQUE when
// that heel's light is green (its floating position is this boat's), and returns it. REPORT_TA,
// PAS_VERTICAL and NB_PAS_HORIZONTAL are put back on every path out, failure included.
double Calcul_Coef_Pris(Etat_Projet &e, Interface_Shell &shell, Canvas *picture, bool precision,
                        const Integrateur_Couple &integre);
// memoire: the half-breadths kept for the walks that come back to the same sections (the heel
// series walks them at every heel); none: computed every time.
double Calcul_Coef_Pris(Etat_Projet &e, Interface_Shell &shell, Canvas *picture, bool precision,
                        Memoire_Niveaux *memoire = nullptr);

// Without a picture, "Precision" unticked.
void Calcul_Coef_Pris(Etat_Projet &e, Interface_Shell &shell);

} // namespace gabarit
