#pragma once
// Foil and bulb fixtures: a NACA table whose sections are worked out by hand, the same table
// as a file, and a keel and a rudder with distinct profiles and chords.
#include <sstream>
#include <string>

#include "model/Etat_Projet.h"
#include "model/Numeros.h"
#include "rig/Table_Naca.h"
#include "support/Coques_Essai.h"

namespace gabarit::test {

// The chord stations (their law is pinned by the table reader's tests) and a table whose
// rows 7, 8 and 9 are a double cone: half-thickness t / 4 % at t % of the length up to the
// middle, then back to 0 at the tail (12.5 % at most), times 1, 1/2 and 3/2, so the three
// together have the mean of row 7. Row p is thickest at 40 + p %; every other row is flat
// with a largest half-thickness of p / 2 %.
inline void Table_Cone(Etat_Projet &e) {
    Pose_Stations_Naca(e);
    for (int p = 0; p < NB_PROFILS_NACA; ++p) {
        const float facteur = p == 7 ? 1 : p == 8 ? 0.5f : p == 9 ? 1.5f : 0;
        for (int k = 0; k < 26; ++k) {
            const float t = e.Stations_Naca[k];
            e.Table_Naca[p][k] = facteur * (t <= 50 ? t / 4 : (100 - t) / 4);
        }
        e.Table_Naca[p][26] = facteur != 0 ? 12.5f * facteur : static_cast<float>(p) / 2;
        e.Table_Naca[p][27] = static_cast<float>(40 + p);
        e.Table_Naca[p][28] = 0;
    }
}

// A 200 mm bulb on that table: top view row 7, upper half row 8, lower half row 9, so the
// mean radius is row 7's; 2 mm per per cent.
inline void Bulbe_Cone(Etat_Projet &e) {
    Table_Cone(e);
    e.P(NACA_BULBE_DESSUS) = 7;
    e.P(NACA_BULBE_HAUT) = 8;
    e.P(NACA_BULBE_BAS) = 9;
    e.P(LONGUEUR_BULBE) = 200;
    // Its weight, so that the centre of gravity a bulb change moves can be worked out, a hull
    // 1000 mm long for it to hang from and sails for the derivation.
    e.P(POIDS_BULBE) = 2000;
    e.P(LONGUEUR_AR) = 1000;
    Greement_Simple(e, 1000);
}

// The table as nacaa.ini holds it: 29 numbers a profile, one profile a line.
inline std::string Texte_Table_Naca(const Etat_Projet &e) {
    std::ostringstream f;
    for (const auto &profil : e.Table_Naca) {
        for (int j = 0; j < 29; ++j)
            f << profil[j] << (j < 28 ? "," : "\r\n");
    }
    return f.str();
}

// Keel NACA 0012 (row 0) over NACA 0010 (row 4), chords 100 and 61; rudder NACA 0006 (row 1)
// over NACA 0015 (row 5), chords 80 and 50.
inline void Profils_Appendices(Etat_Projet &e) {
    e.P(NACA_DERIVE_HAUT) = 0, e.P(NACA_DERIVE_BAS) = 4;
    e.P(CORDE_DERIVE_HAUT) = 100, e.P(CORDE_DERIVE_BAS) = 61;
    e.P(NACA_SAFRAN_HAUT) = 1, e.P(NACA_SAFRAN_BAS) = 5;
    e.P(CORDE_SAFRAN_HAUT) = 80, e.P(CORDE_SAFRAN_BAS) = 50;
}

} // namespace gabarit::test
