#pragma once
// Keel and rudder: their areas as trapezoids, aspect ratios, the areas the sail area calls
// for, and the centre of lateral resistance; the appendages window's limits and figures.
#include <array>
#include <optional>

#include "model/Etat_Projet.h"
#include "model/Numeros.h"
#include "rig/Saisie_Voile.h"

namespace gabarit {

struct Resultats_Appendices {
    double surface_derive;     // SURFACE_DERIVE, mm2
    double allongement_derive; // ALLONGEMENT_DERIVE: twice the span squared over the area,
                               // 2 decimals
    double ratio_derive;       // RATIO_DERIVE, dm2 called for by the sail area
    double surface_safran;     // SURFACE_SAFRAN, mm2
    double allongement_safran; // ALLONGEMENT_SAFRAN
    double ratio_safran;       // RATIO_SAFRAN, dm2
    // CENTRE_ANTI_DERIVE, station from the stern; empty when keel and rudder have no area
    // between them.
    std::optional<double> centre_anti_derive;
};

// The figures of the keel and rudder of the record, computed without storing anything. An
// area of 0 has an aspect ratio of 0.
Resultats_Appendices Mesure_Appendices(const Etat_Projet &e);

// Calcul_Appendices: computes every result, then stores them all and ZERO_APPENDICES = 0. The
// centre of lateral resistance keeps its value when keel and rudder have no area at all.
void Calcul_Appendices(Etat_Projet &e);

// The value labels of the appendages window.
struct Chiffres_Appendice {
    double safran_surface;                  // Label2(0): SURFACE_SAFRAN in dm2, not rounded
    double safran_theorique;                // Label2(1)
    double safran_allongement;              // Label2(2)
    double derive_surface;                  // Label3(0): SURFACE_DERIVE in dm2, cut to 2 decimals
    double derive_theorique;                // Label3(1)
    double derive_allongement;              // Label3(2)
    std::optional<double> decalage_centres; // Label1(21) and Label1(23), with "%"
    double naca_dessus;                     // Label5
};
Chiffres_Appendice Calcule_Chiffres_Appendice(const Etat_Projet &e);

// Spin controls of the appendages window, by index (0 to 8, 10 and 13).
inline constexpr int NB_CHAMPS_APPENDICE = 14;
// Record value of each spin control; 0 for the indexes that have none (9, 11, 12).
inline constexpr std::array<int, NB_CHAMPS_APPENDICE> ELEMENT_APPENDICE = {
    POSITION_SAFRAN,
    CORDE_SAFRAN_HAUT,
    CORDE_SAFRAN_BAS,
    LONGUEUR_SAFRAN,
    ANGLE_SAFRAN,
    POSITION_DERIVE,
    CORDE_DERIVE_HAUT,
    LONGUEUR_DERIVE,
    POSITION_BULBE,
    0,
    LONGUEUR_BULBE,
    0,
    0,
    CORDE_DERIVE_BAS,
};
// The reader's order.
inline constexpr std::array<int, 11> ORDRE_APPENDICE = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 13};
// Limits from the hull length L: rudder chords 0 to 300, keel chords and spans 0 to L / 2.
std::array<Bornes, NB_CHAMPS_APPENDICE> Bornes_Appendice(const Etat_Projet &e);

} // namespace gabarit
