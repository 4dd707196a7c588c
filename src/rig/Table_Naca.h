#pragma once
// The NACA profile table nacaa.ini: 40 profiles of 29 numbers.
#include <string>

#include "model/Etat_Projet.h"

namespace gabarit {

// Reads "nacaa.ini" of the program folder into Table_Naca; fills Stations_Naca always.
// A missing, short or damaged file (a word that is not a number, an ordinate no profile can
// have) leaves Table_Naca as it was and throws Erreur_Gabarit naming it and the line.
void Lit_Table_Naca(Etat_Projet &e);
// Puts the 26 chord stations of the ordinates (% of chord from the nose) in Stations_Naca.
void Pose_Stations_Naca(Etat_Projet &e);

// A choice the foil and bulb windows refuse, with the French reason the user is shown.
class Refus_Profil : public Erreur_Gabarit {
public:
    using Erreur_Gabarit::Erreur_Gabarit;
};

// Whether a table has been read: some profile has a thickness. Before the first successful
// read (or after a refused one at start-up) the table is all zeros, and no figure drawn from it
// means anything.
bool Table_Naca_Lue(const Etat_Projet &e);

// Number of profiles of the table: the record and the lists name rows 0 to 39.
inline constexpr int NB_PROFILS_NACA = 40;
// Columns of a profile's row: 0 to 25 its half-thicknesses at the chord stations, then its
// largest half-thickness and where along the chord it lies, both in per cent of the chord.
inline constexpr int COL_EPAISSEUR_NACA = 26;
inline constexpr int COL_POSITION_NACA = 27;

// A profile number of the record or of a list as a row of the table: the whole number
// nearest (half to even), refused unless 0 to 39 (Refus_Profil).
int Profil_Naca(double valeur);

} // namespace gabarit
