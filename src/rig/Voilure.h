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

// Refuses (Erreur_Gabarit, with a French message) a sail plan whose centre of effort cannot
// be found: a mainsail luff or foot of zero or less, a jib luff or foot of zero or less, or a
// mast, sail or foot beyond any model's size.
void Verifie_Plan_Voilure(const Etat_Projet &e);

// What a sail plan drawing needs of the record, refused before anything is drawn or stored
// with a message naming the records to change: the mast and the head line's return to the deck
// on the hull, a mainsail luff of some length (above 0 for the CLASS plan, whose law runs
// from the head down), a foot above 0 (a mainsail without width has no centre) and, for the
// free plan, a leech exponent above 0.
void Verifie_Trace_Voilure(const Etat_Projet &e, bool plan_class);

// The centre of effort of the mainsail whose width at h above the tack (0 to the luff) is
// largeur(h) and whose leech at h lies avancee(h) forward of the clew, with the jib of the
// record; pont_mat is the deck at the mast relative to the waterline (negative above it).
// Heights are swept up the mast, stations along the boom and the jib foot, 10 mm strips
// sampled at their lower and aft edges. The leech's reach is a function of its own because
// each plan writes it its own way, and a leech lying exactly on a strip's edge falls on the
// side that way of writing gives.
Centre_Velique Centre_Effort(const Etat_Projet &e, double pont_mat,
                             const std::function<double(double)> &largeur,
                             const std::function<double(double)> &avancee);

// The free sail plan's centre of effort: computes both CENTRE_VELIQUE_X and CENTRE_VELIQUE_Z and
// only then stores them. Sets Hauteur_Pont_Mat from the section at the mast for the heel
// Gite_Couple and leaves X_Couple there. A refused plan stores nothing.
void Calcul_Voilure(Etat_Projet &e);

} // namespace gabarit
