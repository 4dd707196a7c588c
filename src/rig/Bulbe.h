#pragma once
// The ballast bulb of the bulb window: a streamlined body shaped by three NACA profiles of
// the table (one for the top view, one for each half of the side view) over its length
// LONGUEUR_BULBE. Every ordinate and station of the table is a percentage of that length.
#include <optional>

#include "interfaces/Canvas.h"
#include "model/Etat_Projet.h"

namespace gabarit {

// The metal reference the window starts with (the atomic mass of lead): the program's own
// calibration of the mass, with the computations' pi of model/Numeros.h.
inline constexpr double REFERENCE_PLOMB = 207.2;

// The bulb height the side view shows: the largest half-thicknesses of its upper
// (NACA_BULBE_HAUT) and lower (NACA_BULBE_BAS) profiles times LONGUEUR_BULBE / 100, in single
// precision and to the seven digits its label writes. Empty while no NACA table has been read:
// a table of zeros would give a height of 0. Refuses a profile outside the table
// (Refus_Profil) and a height beyond single precision.
std::optional<double> Hauteur_Bulbe(const Etat_Projet &e);
// The derivation stores it in HAUTEUR_BULBE (which the righting moment and the draft read)
// whenever the bulb length or a side-view profile changes; without a table it is left.

// Depth of the bulb's axis below the upright waterline, mm, as the side view hangs the bulb:
// the hull bottom at the keel station POSITION_DERIVE on the heel-0 waterline, the keel
// LONGUEUR_DERIVE raked by ANGLE_DERIVE below it, the top of the bulb (NACA_BULBE_HAUT over
// LONGUEUR_BULBE, single precision) touching its tip. The vertical centre of gravity hangs the
// bulb's weight there. Worked from the boat's own values, whatever was drawn last; the section
// figures of the state are left as they were. Refuses a top profile outside the table
// (Refus_Profil), a keel station behind the stern or ahead of the bow (Verifie_Axe_Derive), a
// hull section that cannot be worked out, a depth no file can hold.
double Profondeur_Axe_Bulbe(Etat_Projet &e);

// Figures of the views; empty while no NACA table has been read.
struct Affichage_Bulbe_Dessus {
    std::optional<double> diametre; // largest width, mm, single precision as shown
    std::optional<double> position; // of the widest point, % of the length from the nose
};
// Top view of profile `profil` (the row chosen in the window's list; -1 when none), in per
// cent of the length both ways; stores the picture's scale in ECHELLE_VUE. A missing or unknown
// profile is refused (Refus_Profil) before the picture is touched.
Affichage_Bulbe_Dessus Trace_Bulbe_Dessus(Etat_Projet &e, int profil, Canvas &c);

struct Affichage_Bulbe_Cote {
    std::optional<double> hauteur;       // Hauteur_Bulbe
    std::optional<double> position_haut; // thickest point of the upper profile, %
    std::optional<double> position_bas;  // of the lower profile
};
// Side view: upper half from profile NACA_BULBE_HAUT, lower half from NACA_BULBE_BAS. Stores
// the scale in ECHELLE_VUE; the height it shows is the one the derivation stores.
Affichage_Bulbe_Cote Trace_Bulbe_Cote(Etat_Projet &e, Canvas &c);

// The bulb as 25 slices of circular section, the radius at a station the mean of the three
// profiles' half-thicknesses there, summed by trapezoids in single precision. Each slice's
// length is multiplied once more by the mm per per cent LONGUEUR_BULBE / 100: the mass below is
// calibrated on that figure, not on the true volume.
float Volume_Bulbe(const Etat_Projet &e);
// The window's mass figure for a metal reference: floor(reference x volume / 10000). A
// reference of 0 or less is refused (Refus_Profil).
double Masse_Bulbe(float volume, double reference);

} // namespace gabarit
