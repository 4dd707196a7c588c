#pragma once
// Keel and rudder foil sections: each of the two fins has an upper (root) and a lower (tip)
// section, a NACA profile of the table stretched to the section's chord. The keel and the
// rudder differ only by the record numbers of their twin table below.
#include <optional>

#include "interfaces/Canvas.h"
#include "model/Erreur.h"
#include "model/Etat_Projet.h"
#include "rig/Table_Naca.h"

namespace gabarit {

// Record numbers of one fin.
struct Plan_Naca {
    int naca_haut;  // profile number of the upper section
    int naca_bas;   // profile number of the lower section
    int corde_haut; // upper (root) chord, mm
    int corde_bas;  // lower (tip) chord, mm
};
extern const Plan_Naca PLAN_DERIVE;
extern const Plan_Naca PLAN_SAFRAN;

// A single-precision value written with at most seven significant digits, as labels show it,
// read back as a double: what a label shows and what is stored from a label.
double Valeur_Simple(float v);

// The section's full thickness in mm, to the thousandth rounded down and then doubled, so
// always an even number of thousandths: 2 x Int(1000 x N(profil, 26) x corde / 100) / 1000.
double Epaisseur_Section(const Etat_Projet &e, int profil, double corde);

// What the section drawing shows beside its outline; empty while no NACA table has been read.
struct Affichage_Section {
    std::optional<double> epaisseur;      // of the chosen section, single precision as shown (mm)
    std::optional<double> position;       // of its thickest point, % of chord from the leading edge
    std::optional<double> epaisseur_haut; // of the upper section (mm), the sizing box's text
    std::optional<double> epaisseur_bas;  // of the lower section
};

// Draws the chosen section (the lower one when inferieur) in per cent of chord, the same
// scale both ways, the leading edge 5 units from the left border and the chord line 56
// units below the top; stores that scale in ECHELLE_VUE. A profile number outside the table is
// refused (Refus_Profil) before anything is cleared or stored.
Affichage_Section Trace_Profil(Etat_Projet &e, const Plan_Naca &plan, bool inferieur, Canvas &c);
inline Affichage_Section Trace_Profil_Derive(Etat_Projet &e, bool inferieur, Canvas &c) {
    return Trace_Profil(e, PLAN_DERIVE, inferieur, c);
}
inline Affichage_Section Trace_Profil_Safran(Etat_Projet &e, bool inferieur, Canvas &c) {
    return Trace_Profil(e, PLAN_SAFRAN, inferieur, c);
}

// The chords at which the two sections reach the wanted thicknesses (mm), each rounded down
// to a whole millimetre, so the thickness reached is at most the wanted one.
struct Cordes {
    double haut, bas;
};
// Refuses (Refus_Profil) a thickness of 0 or less, a chord of 0 or less, a profile outside
// the table or one without thickness, and a chord longer than the appendages window allows
// (half the hull length for the keel, 300 mm for the rudder); stores nothing.
Cordes Cordes_Pour_Epaisseurs(const Etat_Projet &e, const Plan_Naca &plan, double epaisseur_haut,
                              double epaisseur_bas);
// Both chords resized together, or neither.
void Dimensionne(Etat_Projet &e, const Plan_Naca &plan, double epaisseur_haut,
                 double epaisseur_bas);
inline void Dimensionne_Derive(Etat_Projet &e, double haut, double bas) {
    Dimensionne(e, PLAN_DERIVE, haut, bas);
}
inline void Dimensionne_Safran(Etat_Projet &e, double haut, double bas) {
    Dimensionne(e, PLAN_SAFRAN, haut, bas);
}

// Shared by the foil and bulb pictures: a picture whose width less a 5-unit margin on each
// side spans 100 % of the chord (or of the bulb length); units per per cent.
double Echelle_Section(const Canvas &c);
// Axis of those pictures, units below the top.
inline constexpr double AXE_PROFIL = 56;
inline constexpr double MARGE_PROFIL = 5;
// The 25 segments of each half of an outline at s units per per cent, in the foreground
// colour: for each station, profile `bas` below the axis, then profile `haut` above it.
void Trace_Contour_Naca(const Etat_Projet &e, int bas, int haut, double s, Canvas &c);

} // namespace gabarit
