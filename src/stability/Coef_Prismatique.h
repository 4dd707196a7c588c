#pragma once
// Prismatic coefficient of the immersed hull at the heel P(26): immersed volume over the
// prism of the largest immersed section and the hull length.
#include <functional>

#include "model/Etat_Projet.h"
#include "interfaces/Interface_Shell.h"
#include "interfaces/Canvas.h"

namespace gabarit {

// Integrates the section at X_Couple, heel Gite_Couple, into Surface_Immergee(_1, _2).
using Integrateur_Couple = std::function<void(Etat_Projet &)>;

// The walk with its curve: picture (may be null) is the stability window's area curve,
// precision its "Precision" box (ticked: L/40 step, else L/80). Stores the coefficient
// under the heel (P(193) to P(199) for 0 to 30 degrees) and in P(39), and returns it.
// P(35), P(37) and P(231) are put back on every path out, failure included.
double Calcul_Coef_Pris(Etat_Projet &e, Interface_Shell &shell, Canvas *picture, bool precision,
                        const Integrateur_Couple &integre);
double Calcul_Coef_Pris(Etat_Projet &e, Interface_Shell &shell, Canvas *picture, bool precision);

// Without a picture, "Precision" unticked.
void Calcul_Coef_Pris(Etat_Projet &e, Interface_Shell &shell);

} // namespace gabarit
