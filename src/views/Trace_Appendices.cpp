// Keel fin, rudder and ballast bulb in the side view, hung from the hull bottom and raked by
// their own angles. They store nothing: the bulb's station is the derivation's.
#include <cmath>
#include <string>

#include "rig/Table_Naca.h"
#include "views/Dessins.h"
#include "views/Trace_Commun.h"

namespace gabarit {

using namespace vues;

namespace {
// Depth of the hull bottom below the waterline at station x.
double Fond(Etat_Projet &e, double x) {
    Section(e, x);
    return e.Tirant_Eau_Couple;
}

// A station where an appendage drawing asks the hull bottom, as the user is told of it.
struct Point_Appendice {
    double x;            // mm from the stern
    const char *sujet;   // what overhangs: "Le pied du safran"
    std::string point;   // which point, and the records it comes from
    std::string avancer; // what to change when it lies behind the stern
    std::string reculer; // ... ahead of the bow
};

// Behind the transom or ahead of the stem there is no hull to hang an appendage from: the
// section laws do not hold there (the inclined transom's cut would even ask a fractional power
// of a negative number). Refused before anything is drawn or stored, naming what to change.
void Verifie_Sous_Coque(const Etat_Projet &e, const Point_Appendice &p) {
    Verifie_Sur_Coque(e, p.x, p.sujet, p.point, p.avancer, p.reculer);
}

// A root or tip chord: 70 % of it behind the axis, 30 % ahead.
struct Corde_Appendice {
    const char *sujet;            // "Le pied du safran"
    const char *nom;              // "haute" or "basse"
    int position, corde;          // record numbers of the axis station and of the chord
    std::string recul;            // how the rake moves a tip chord aft ("" at the root)
    std::string avancer, reculer; // what to change, behind the stern / ahead of the bow
};
void Verifie_Corde(const Etat_Projet &e, const Corde_Appendice &c, double x_ar, double x_av) {
    for (const bool ar : {true, false})
        Verifie_Sous_Coque(e, {ar ? x_ar : x_av, c.sujet,
                               std::string(ar ? "le bord de fuite" : "le bord d'attaque") +
                                   " de sa corde " + c.nom + " (" + Numero(c.position) +
                                   (ar ? " moins 70 % du " : " plus 30 % du ") + Numero(c.corde) +
                                   c.recul + ")",
                               c.avancer, c.reculer});
}
} // namespace

void Verifie_Axe_Derive(const Etat_Projet &e) {
    Verifie_Longueur(e);
    const std::string derive = " la dérive (" + Numero(POSITION_DERIVE) + ")";
    Verifie_Sous_Coque(e, {e.P(POSITION_DERIVE), "La dérive",
                           "son axe (" + Numero(POSITION_DERIVE) + ")", "Avancer" + derive,
                           "Reculer" + derive});
}

// Keel fin: every chord lies 30 % ahead of the axis and 70 % behind it; the root ends sit on
// the hull bottom, truncated to whole millimetres.
void Trace_Derive(Etat_Projet &e, Interface_Shell &, Canvas &c) {
    const double a = Radians(e.P(ANGLE_DERIVE));
    const double x_derive = e.P(POSITION_DERIVE), envergure = e.P(LONGUEUR_DERIVE);
    const double s = envergure * std::sin(a);
    const double xf = Fix(x_derive + 0.3 * e.P(CORDE_DERIVE_HAUT));
    const double xr = Fix(x_derive - 0.7 * e.P(CORDE_DERIVE_HAUT));
    // The tip's ends take the hull depth at their own stations, moved aft by the rake.
    const double xtf = Fix(x_derive + 0.3 * e.P(CORDE_DERIVE_BAS)) - s;
    const double xtr = Fix(x_derive - 0.7 * e.P(CORDE_DERIVE_BAS)) - s;
    Verifie_Axe_Derive(e);
    const std::string derive = " la dérive (" + Numero(POSITION_DERIVE) + ")";
    const std::string haute = " ou réduire sa corde haute (" + Numero(CORDE_DERIVE_HAUT) + ")";
    const std::string basse = "réduire sa corde basse (" + Numero(CORDE_DERIVE_BAS) + ")";
    Verifie_Corde(e,
                  {"Le pied de la dérive", "haute", POSITION_DERIVE, CORDE_DERIVE_HAUT, "",
                   "Avancer" + derive + haute, "Reculer" + derive + haute},
                  xr, xf);
    Verifie_Corde(
        e,
        {"Le bout de la dérive", "basse", POSITION_DERIVE, CORDE_DERIVE_BAS,
         ", moins " + Numero(LONGUEUR_DERIVE) + " × sin " + Numero(ANGLE_DERIVE),
         "Avancer" + derive + ", " + basse + " ou son inclinaison (" + Numero(ANGLE_DERIVE) + ")",
         "Reculer" + derive + " ou " + basse},
        xtr, xtf);
    const double t0 = Fond(e, x_derive);
    const double xt = x_derive - s;
    const double zt = (envergure + t0) * std::cos(a);
    const double tf = Fond(e, xf);
    const double ttf = Fond(e, xtf);
    const double tr = Fond(e, xr);
    const double ttr = Fond(e, xtr);

    Trait(c, e, x_derive, t0, xt, zt, JAUNE);
    Trait(c, e, xf, tf, xtf, (envergure + ttf) * std::cos(a), BLEU);
    Trait(c, e, xr, tr, xtr, (envergure + ttr) * std::cos(a), BLEU);
}

// Rudder: the same 30/70 split about the stock, chords not truncated, the tip at the depth
// of the stock's tip, and a tip chord line.
void Trace_Safran(Etat_Projet &e, Interface_Shell &, Canvas &c) {
    const double a = Radians(e.P(ANGLE_SAFRAN));
    const double x_safran = e.P(POSITION_SAFRAN), envergure = e.P(LONGUEUR_SAFRAN);
    const double s = envergure * std::sin(a);
    const double xr = x_safran - 0.7 * e.P(CORDE_SAFRAN_HAUT);
    const double xf = x_safran + 0.3 * e.P(CORDE_SAFRAN_HAUT);
    // The rudder sits close to the transom: a long root chord soon reaches past it.
    Verifie_Longueur(e);
    const std::string safran = " le safran (" + Numero(POSITION_SAFRAN) + ")";
    const std::string haute = " ou réduire sa corde haute (" + Numero(CORDE_SAFRAN_HAUT) + ")";
    Verifie_Sous_Coque(e, {x_safran, "Le safran", "son axe (" + Numero(POSITION_SAFRAN) + ")",
                           "Avancer" + safran, "Reculer" + safran});
    Verifie_Corde(e,
                  {"Le pied du safran", "haute", POSITION_SAFRAN, CORDE_SAFRAN_HAUT, "",
                   "Avancer" + safran + haute, "Reculer" + safran + haute},
                  xr, xf);
    const double t0 = Fond(e, x_safran);
    const double xt = x_safran - s;
    const double zt = (envergure + t0) * std::cos(a);
    const double bout_ar = x_safran - 0.7 * e.P(CORDE_SAFRAN_BAS) - s;
    const double bout_av = x_safran + 0.3 * e.P(CORDE_SAFRAN_BAS) - s;
    const double tr = Fond(e, xr);
    const double tf = Fond(e, xf);

    Trait(c, e, x_safran, t0, xt, zt, JAUNE);
    Trait(c, e, bout_ar, zt, bout_av, zt, BLEU);
    Trait(c, e, xr, tr * std::cos(a), bout_ar, zt, BLEU);
    Trait(c, e, xf, tf * std::cos(a), bout_av, zt, BLEU);
}

// Bulb under the keel tip, its upper and lower halves from two NACA profiles.
void Trace_Bulbe(Etat_Projet &e, Interface_Shell &s, Canvas &c) {
    // Profiles are checked and every value computed before anything is drawn.
    const int haut = Profil_Naca(e.P(NACA_BULBE_HAUT));
    const int bas = Profil_Naca(e.P(NACA_BULBE_BAS));
    const float lr =
        static_cast<float>(e.P(LONGUEUR_BULBE) / 100); // mm per per cent of the bulb length
    const double a = Radians(e.P(ANGLE_DERIVE));
    Verifie_Axe_Derive(e);
    const double t0 = Fond(e, e.P(POSITION_DERIVE));
    const double zt = (e.P(LONGUEUR_DERIVE) + t0) * std::cos(a);
    const double xt = e.P(POSITION_DERIVE) - e.P(LONGUEUR_DERIVE) * std::sin(a);
    // The top of the bulb touches the keel tip.
    const double za =
        Stockable(zt + static_cast<double>(e.Table_Naca[haut][COL_EPAISSEUR_NACA] * lr),
                  "profondeur du bulbe");
    // Its bottom too must be a depth the picture can take.
    Stockable(za + static_cast<double>(e.Table_Naca[bas][COL_EPAISSEUR_NACA] * lr),
              "profondeur du bulbe");
    // Station of chord point k: the nose forward, the keel tip P(POSITION_BULBE) % of the length
    // from the tail.
    const double queue = xt + (1 - e.P(POSITION_BULBE) / 100) * e.P(LONGUEUR_BULBE);
    auto xk = [&](int k) { return queue - static_cast<double>(e.Stations_Naca[k] * lr); };
    auto epaisseur = [&](int profil, int k) {
        return static_cast<double>(e.Table_Naca[profil][k] * lr);
    };

    // The bulb window's side view is drawn again when that window is next activated.
    s.Efface_Bulbe_Cote();

    for (int k = 0; k <= 24; ++k) {
        Trait(c, e, xk(k), za + epaisseur(bas, k), xk(k + 1), za + epaisseur(bas, k + 1), BLEU);
        Trait(c, e, xk(k), za - epaisseur(haut, k), xk(k + 1), za - epaisseur(haut, k + 1), BLEU);
    }
}

} // namespace gabarit
