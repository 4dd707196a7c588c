#pragma once
// What the sail window edits and shows: its spin controls' limits, the reading of its
// controls into the record, the leech exponent's step buttons, and the figures of its labels
// and of the CLASS window's.
#include <array>
#include <optional>

#include "model/Etat_Projet.h"
#include "model/Numeros.h"

namespace gabarit {

// x cut toward zero, where x is a scaled figure that should come out whole: a hair under a
// whole number that binary arithmetic left (2.3 x 100 is 229.99999999999997) stays whole.
double Fix_Net(double x);

// Spin controls of the sail window, by their index (3, the exponent, has none).
inline constexpr int NB_CHAMPS_VOILE = 11;
// The record value of field i; field 3 is the exponent box, which the window reads as text.
inline constexpr std::array<int, NB_CHAMPS_VOILE> ELEMENT_VOILE = {
    HAUTEUR_GV,     LARGEUR_GV,  ENTRE_PONT_GV, EXP_CHUTE_GV, HAUTEUR_FOC,   LARGEUR_FOC,
    ENTRE_PONT_FOC, HAUTEUR_MAT, POSITION_MAT,  RETOUR_BASTA, POSITION_BASTA};

struct Bornes {
    int min = 0, max = 0;
};
// Limits of the spin controls from the record (mast height, hull length), each rounded half
// to even. Index 3 is unused.
std::array<Bornes, NB_CHAMPS_VOILE> Bornes_Voile(const Etat_Projet &e);

// The leech exponent the step buttons hold, and where "+" or "-" lands from value.
inline constexpr double EXPOSANT_MIN = 1, EXPOSANT_MAX = 12;
double Pas_Exposant(double valeur, double pas);

// The values read from the window: the spin controls' whole numbers by field index, and the
// exponent box's number (NaN when the box does not hold one).
struct Saisie_Voile {
    std::array<double, NB_CHAMPS_VOILE> valeurs{};
    bool plan_class = false; // the CLASS plan is chosen: the leech exponent is not its own
};
// Lire_Voile: copies the reading into the record; a mainsail or jib taller than the mast
// with its tack height is brought down to the mast height. The free plan's exponent must be a
// number above 0 (the CLASS plan keeps the record's where it is not), and the plan must be one
// whose figures can be worked out (Verifie_Voilure): otherwise Erreur_Gabarit with a French
// message naming the record, and nothing is stored.
void Lire_Voile(Etat_Projet &e, const Saisie_Voile &s);

// The figures of the sail windows; an empty one has a zero divisor and shows " - - -".
struct Chiffres_Voile {
    std::optional<double> mat_hauteur;         // Label5(1), % of the hull length
    std::optional<double> mat_position;        // Label5(3), %
    std::optional<double> gv_allongement;      // Label2(1), cut to hundredths
    std::optional<double> gv_surface;          // Label2(3), dm2
    std::optional<double> gv_part;             // Label2(5), %
    std::optional<double> foc_allongement;     // Label4(1), cut to hundredths
    std::optional<double> foc_surface;         // Label4(3), dm2
    std::optional<double> foc_part;            // Label4(5), %
    std::optional<double> surface_totale;      // Label6(1), dm2
    std::optional<double> surface_foc;         // Label6(3)
    std::optional<double> surface_gv;          // Label6(5)
    std::optional<double> voilure_deplacement; // Label6(7), dm2 per kg
    std::optional<double> voilure_mouillee;    // Label6(9)
    std::optional<double> centre_velique;      // Label6(11), mm
    // The CLASS window.
    double guindant_gv = 0;                 // Label2(2)
    double bordure_gv = 0;                  // Label2(8)
    std::optional<double> decalage_centres; // Label3(1), % of the hull length
    double diagonale_gv = 0;                // Label3(0)
    double diagonale_foc = 0;               // Label3(2)
};
Chiffres_Voile Calcule_Chiffres_Voile(const Etat_Projet &e);

// The centre of effort ahead of the centre of lateral resistance, in whole per cent of the
// hull length cut toward zero; empty for a hull of no length.
std::optional<double> Decalage_Centres(const Etat_Projet &e);

} // namespace gabarit
