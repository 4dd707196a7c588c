#pragma once
// Full-size prints of the NACA sections of keel and rudder, and of the bulb seen from above
// and from the side: the chord line (or the bulb's axis) across the sheet, the leading edge
// (or the nose) at the left edge of the printable area.
#include "interfaces/Interface_Shell.h"
#include "interfaces/Surface_Impression.h"
#include "model/Etat_Projet.h"

namespace gabarit {

// profil: the row chosen in the window's list (-1 = none); superieur: the upper (root)
// section rather than the lower (tip) one. A profile that is not a row of the table is
// refused with a message before anything is asked or printed. Then the confirmation, then
// one job. True when the sheet went out.
bool Imprime_Profil_Derive(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s,
                           bool superieur, int profil);
bool Imprime_Profil_Safran(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s,
                           bool superieur, int profil);
// The top view prints the row chosen in the bulb window's list.
bool Imprime_Bulbe_Dessus(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s,
                          int profil);
// The side view prints the upper half with NACA_BULBE_HAUT and the lower with
// NACA_BULBE_BAS.
bool Imprime_Bulbe_Cote(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s);

} // namespace gabarit
