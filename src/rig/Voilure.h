#pragma once
// The sail plan's shared rules: how the mainsail is sampled and its area reckoned (the same
// rule for the free and the CLASS plan), the jib's area, and the centre of effort found by
// two sweeps of 10 mm strips, with the free plan's power-law leech.
#include <functional>
#include <vector>

#include "model/Etat_Projet.h"

namespace gabarit {

// One mainsail sample: height above the tack and width aft of the mast, in mm.
struct Echantillon_GV {
    double h, w;
};

// The nine samples of a mainsail, from the head down to the foot, and their sums.
struct Echantillons_GV {
    std::vector<Echantillon_GV> points;
    double somme = 0;    // widths, the running sum truncated to whole mm after each addition
    double moment = 0;   // sum of h x w
    double hauteurs = 0; // sum of h
    double largeurs = 0; // sum of w
};

// Samples a mainsail of luff lm at the heights lm, lm - lm/8, ... down to 0 (the step added
// again and again, as the drawings do); a luff typed upside down (head below the tack) runs
// upward from lm to 0. A zero luff is refused.
Echantillons_GV Echantillonne_GV(double lm, const std::function<double(double)> &largeur);

// The mainsail area SURFACE_GV in mm2: the truncated sum of the nine widths divided by 11 (not 9),
// times the luff. Not the exact integral: this is what every stored project holds.
double Surface_GV(const Echantillons_GV &s, double lm);
// The jib area SURFACE_FOC in mm2: half its luff times its foot, rounded down.
double Surface_Foc(const Etat_Projet &e);

// Free leech law: width aft of the mast at h above the tack, F (1 - (h/lm)^n) written as
// F - F h^n / lm^n.
double Largeur_GV_Libre(double f, double lm, double n, double h);

struct Centre_Velique {
    double x; // station, mm from the stern (CENTRE_VELIQUE_X)
    double z; // height above the waterline, mm (CENTRE_VELIQUE_Z)
};

// The largest sail dimension, mm, the sweeps take: beyond a kilometre a value is a typing
// slip, and the walks of 10 mm strips and 1 mm steps would run for ever.
inline constexpr double DIMENSION_MAXIMUM_VOILURE = 1e6;

// Refuses (Erreur_Gabarit) a sail plan whose figures cannot be worked out, with a message
// naming the records to change and their values: a mast or sail dimension beyond any model's
// size, the mast off the hull, a mainsail or jib luff or foot of zero or less, and the leech
// law: for the free plan an exponent of zero or less, for the CLASS plan a roach law without a
// finite width (OPTION_CLASS decides, or plan_class for a drawing of either plan).
void Verifie_Voilure(const Etat_Projet &e);
void Verifie_Voilure(const Etat_Projet &e, bool plan_class);

// What a drawing of the free plan or the CLASS plan needs: Verifie_Voilure for that plan and
// the head line's return to the deck on the hull. Refused before anything is drawn.
void Verifie_Trace_Voilure(const Etat_Projet &e, bool plan_class);

// The centre of effort of the mainsail whose width at h above the tack (0 to the luff) is
// largeur(h) and whose leech at h lies avancee(h) forward of the clew, with the jib of the
// record; pont_mat is the deck at the mast relative to the waterline (negative above it).
// Heights are swept up the mast, stations along the boom and the jib foot, 10 mm strips
// sampled at their lower and aft edges. The leech's reach is a function of its own because
// each plan writes it its own way, and a leech lying exactly on a strip's edge falls on the
// side that way of writing gives. The caller has checked the plan (Verifie_Voilure).
Centre_Velique Centre_Effort(const Etat_Projet &e, double pont_mat,
                             const std::function<double(double)> &largeur,
                             const std::function<double(double)> &avancee);

// The mainsail's width at h above the tack as the free plan (F (1 - (h/H')^n)) or the CLASS
// plan (its roach law) samples it for its area, centroid and drawing.
std::function<double(double)> Largeur_GV_Plan(const Etat_Projet &e, bool plan_class);

// The sail plan's figures, as a file keeps them.
struct Figures_Voilure {
    double surface_gv;      // SURFACE_GV, mm2: the nine widths' rule (Surface_GV)
    double centre_gv_x;     // CENTRE_GV_X: the mainsail's centroid station, mm from the stern
    double centre_gv_z;     // CENTRE_GV_Z: its height above the waterline, mm
    double surface_foc;     // SURFACE_FOC, mm2
    double surface_voilure; // SURFACE_VOILURE: both sails
    Centre_Velique centre;  // CENTRE_VELIQUE_X, CENTRE_VELIQUE_Z
};
// The figures of the plan the record uses (OPTION_CLASS), each to the thousandth a file
// keeps: areas and the mainsail's centroid from its nine samples, the centre of effort from
// the two sweeps, heights from the deck at the mast on the upright waterline, whatever heel a
// section view left. Refuses what Verifie_Voilure refuses. The section the program was working
// on (X_Couple, Gite_Couple and the section's figures) is left as it was found: the figures
// are worked out behind every command, whatever window shows a section.
Figures_Voilure Mesure_Voilure(Etat_Projet &e);
// Mesure_Voilure stored: SURFACE_GV, CENTRE_GV_X, CENTRE_GV_Z, SURFACE_FOC, SURFACE_VOILURE,
// CENTRE_VELIQUE_X and CENTRE_VELIQUE_Z, all or none.
void Calcul_Figures_Voilure(Etat_Projet &e);

} // namespace gabarit
