#pragma once
// Keel and rudder: their areas as trapezoids, aspect ratios, the areas the sail area calls
// for, and the centre of lateral resistance; the appendages window's limits and figures.
#include <array>
#include <optional>

#include "model/Etat_Projet.h"
#include "rig/Saisie_Voile.h"

namespace gabarit {

struct Resultats_Appendices {
    double surface_derive;     // P(122), mm2
    double allongement_derive; // P(123): twice the span squared over the area, 2 decimals
    double ratio_derive;       // P(125), dm2 called for by the sail area
    double surface_safran;     // P(148), mm2
    double allongement_safran; // P(149)
    double ratio_safran;       // P(151), dm2
    // P(126), station from the stern; empty when keel and rudder have no area between them.
    std::optional<double> centre_anti_derive;
};

// The figures of the keel and rudder of the record, computed without storing anything. An
// area of 0 has an aspect ratio of 0.
Resultats_Appendices Mesure_Appendices(const Etat_Projet &e);

// Calcul_Appendices: computes every result, then stores them all and P(109) = 0. The centre
// of lateral resistance keeps its value when keel and rudder have no area at all.
void Calcul_Appendices(Etat_Projet &e);

// The value labels of the appendages window.
struct Chiffres_Appendice {
    double safran_surface;                  // Label2(0): P(148) in dm2, not rounded
    double safran_theorique;                // Label2(1)
    double safran_allongement;              // Label2(2)
    double derive_surface;                  // Label3(0): P(122) in dm2 cut down to two decimals
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
    136, 137, 138, 139, 141, 110, 111, 113, 162, 0, 165, 0, 0, 112};
// The reader's order.
inline constexpr std::array<int, 11> ORDRE_APPENDICE = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 13};
// Limits from the hull length L: rudder chords 0 to 300, keel chords and spans 0 to L / 2.
std::array<Bornes, NB_CHAMPS_APPENDICE> Bornes_Appendice(const Etat_Projet &e);

} // namespace gabarit
