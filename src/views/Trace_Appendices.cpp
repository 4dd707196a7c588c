// Keel fin, rudder and ballast bulb in the side view, hung from the hull bottom and raked by
// their own angles; the bulb drawing also stores the bulb's station and depths.
#include <cmath>

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
} // namespace

// Keel fin: every chord lies 30 % ahead of the axis and 70 % behind it; the root ends sit on
// the hull bottom, truncated to whole millimetres.
void Trace_Derive(Etat_Projet &e, Interface_Shell &, Canvas &c) {
    const double a = Radians(e.P(115));
    const double p110 = e.P(110), envergure = e.P(113);
    const double s = envergure * std::sin(a);
    const double t0 = Fond(e, p110);
    const double xt = p110 - s;
    const double zt = (envergure + t0) * std::cos(a);
    const double xf = Fix(p110 + 0.3 * e.P(111));
    const double xr = Fix(p110 - 0.7 * e.P(111));
    const double xtf = Fix(p110 + 0.3 * e.P(112)) - s;
    const double xtr = Fix(p110 - 0.7 * e.P(112)) - s;
    const double tf = Fond(e, xf);
    const double ttf = Fond(e, xtf);
    const double tr = Fond(e, xr);
    const double ttr = Fond(e, xtr);

    Trait(c, e, p110, t0, xt, zt, JAUNE);
    Trait(c, e, xf, tf, xtf, (envergure + ttf) * std::cos(a), BLEU);
    Trait(c, e, xr, tr, xtr, (envergure + ttr) * std::cos(a), BLEU);
}

// Rudder: the same 30/70 split about the stock, chords not truncated, the tip at the depth
// of the stock's tip, and a tip chord line.
void Trace_Safran(Etat_Projet &e, Interface_Shell &, Canvas &c) {
    const double a = Radians(e.P(141));
    const double p136 = e.P(136), envergure = e.P(139);
    const double s = envergure * std::sin(a);
    const double t0 = Fond(e, p136);
    const double xt = p136 - s;
    const double zt = (envergure + t0) * std::cos(a);
    const double bout_ar = p136 - 0.7 * e.P(138) - s;
    const double bout_av = p136 + 0.3 * e.P(138) - s;
    const double xr = p136 - 0.7 * e.P(137);
    const double xf = p136 + 0.3 * e.P(137);
    const double tr = Fond(e, xr);
    const double tf = Fond(e, xf);

    Trait(c, e, p136, t0, xt, zt, JAUNE);
    Trait(c, e, bout_ar, zt, bout_av, zt, BLEU);
    Trait(c, e, xr, tr * std::cos(a), bout_ar, zt, BLEU);
    Trait(c, e, xf, tf * std::cos(a), bout_av, zt, BLEU);
}

// Bulb under the keel tip, its upper and lower halves from two NACA profiles; stores its
// mid-length station P(180), axis depth P(181) and lowest depth P(182).
void Trace_Bulbe(Etat_Projet &e, Interface_Shell &s, Canvas &c) {
    // Profiles are checked and every value computed before anything is stored.
    const int haut = Profil_Naca(e.P(159));
    const int bas = Profil_Naca(e.P(161));
    const float lr = static_cast<float>(e.P(165) / 100); // mm per per cent of the bulb length
    const double a = Radians(e.P(115));
    const double t0 = Fond(e, e.P(110));
    const double zt = (e.P(113) + t0) * std::cos(a);
    const double xt = e.P(110) - e.P(113) * std::sin(a);
    // The top of the bulb touches the keel tip.
    const double za =
        Stockable(zt + static_cast<double>(e.Table_Naca[haut][26] * lr), "profondeur du bulbe");
    const double x_bulbe = Stockable((50 - e.P(162)) / 100 * e.P(165) + xt, "position du bulbe");
    const double z_bas =
        Stockable(za + static_cast<double>(e.Table_Naca[bas][26] * lr), "profondeur du bulbe");
    // Station of chord point k: the nose forward, the keel tip P(162) % of the length from
    // the tail.
    const double queue = xt + (1 - e.P(162) / 100) * e.P(165);
    auto xk = [&](int k) { return queue - static_cast<double>(e.Stations_Naca[k] * lr); };
    auto epaisseur = [&](int profil, int k) {
        return static_cast<double>(e.Table_Naca[profil][k] * lr);
    };

    e.P(181) = za;
    e.P(180) = x_bulbe;
    e.P(182) = z_bas;
    // The bulb window's side view no longer matches the record: it is drawn again when that
    // window is next activated.
    s.Efface_Bulbe_Cote();

    for (int k = 0; k <= 24; ++k) {
        Trait(c, e, xk(k), za + epaisseur(bas, k), xk(k + 1), za + epaisseur(bas, k + 1), BLEU);
        Trait(c, e, xk(k), za - epaisseur(haut, k), xk(k + 1), za - epaisseur(haut, k + 1), BLEU);
    }
}

} // namespace gabarit
