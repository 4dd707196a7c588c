// The sail plans: mast, jib, mainsail, head line and centre of effort. The figures (areas,
// centroids, centre of effort) are the derivation's: a drawing reads them and stores none. The
// free plan's mainsail has a power-law leech, the CLASS plan's the roach law fitted through
// its battens.
#include <functional>
#include <vector>

#include "model/Numeros.h"
#include "rig/Voilure.h"
#include "views/Dessins.h"
#include "views/Trace_Commun.h"

namespace gabarit {

using namespace vues;

namespace {

// Draws the plan whose mainsail width at h above the tack is largeur(h), listing the widths
// truncated to 1/precision mm. Everything is computed before anything is drawn: a failure
// leaves the list as it was. Returns the mainsail samples.
Echantillons_GV Trace_Plan(Etat_Projet &e, Canvas &c, const std::function<double(double)> &largeur,
                           double precision) {
    const double lm = e.P(HAUTEUR_GV) - e.P(ENTRE_PONT_GV); // luff
    const double mat = e.P(POSITION_MAT);
    // The plan stands upright on the upright waterline, whatever heel a section view left, as
    // its figures do.
    struct Gite_Gardee {
        Etat_Projet &e;
        const double gite = e.Gite_Couple;
        ~Gite_Gardee() { e.Gite_Couple = gite; }
    } garde{e};
    e.Gite_Couple = 0;
    Section(e, mat);
    const double d = e.Cote_Livet; // deck at the mast, negative above the waterline
    // Nine samples from the head down to the tack.
    Echantillons_GV gv = Echantillonne_GV(lm, largeur);
    std::vector<Etat_Projet::Ligne_Voile> liste;
    for (const Echantillon_GV &p : gv.points)
        liste.push_back({p.h, Fix(p.w * precision) / precision});
    const double retour = e.P(RETOUR_BASTA);
    Section(e, retour);
    const double livet_retour = e.Cote_Livet;

    // Mast and a waterline stub of 800 screen mm.
    Trait(c, e, mat, d, mat, d - e.P(HAUTEUR_MAT), NOIR);
    c.Segment(0, e.P(ORIGINE_Y), 800, e.P(ORIGINE_Y), NOIR);
    // Jib: foot forward from the mast, then the leech back to the head on the mast.
    const double amure_foc = d - e.P(ENTRE_PONT_FOC);
    Trait(c, e, mat, amure_foc, mat + e.P(LARGEUR_FOC), amure_foc, NOIR);
    Trait(c, e, mat + e.P(LARGEUR_FOC), amure_foc, mat, d - e.P(HAUTEUR_FOC), NOIR);
    // Mainsail: the leech from sample to sample, and each width line from the mast aft.
    const double amure_gv = d - e.P(ENTRE_PONT_GV);
    bool premier = true;
    double x_prec = 0, z_prec = 0;
    for (const Echantillon_GV &s : gv.points) {
        const double x = mat - s.w, z = amure_gv - s.h;
        if (!premier)
            Trait(c, e, x_prec, z_prec, x, z, NOIR);
        Trait(c, e, mat, z, x, z, NOIR);
        x_prec = x;
        z_prec = z;
        premier = false;
    }
    // Head line at the masthead reaching POSITION_BASTA aft, and its return to the deck at
    // RETOUR_BASTA.
    const double tete = d - e.P(HAUTEUR_MAT);
    Trait(c, e, mat - e.P(POSITION_BASTA), tete, mat, tete, ROUGE);
    Trait(c, e, retour, livet_retour, mat - e.P(POSITION_BASTA), tete, ROUGE);
    // Centre of effort as the derivation worked it out, arms of 20 mm on the model.
    const double xv = e.P(CENTRE_VELIQUE_X), zv = -e.P(CENTRE_VELIQUE_Z);
    Trait(c, e, xv - 20, zv, xv + 20, zv, ROUGE);
    Trait(c, e, xv, zv - 20, xv, zv + 20, ROUGE);

    e.Hauteur_Pont_Mat = d;
    e.Liste_Voile = std::move(liste);
    return gv;
}

} // namespace

void Trace_Voilure(Etat_Projet &e, Interface_Shell &, Canvas &c) {
    Verifie_Trace_Voilure(e, false);
    Trace_Plan(e, c, Largeur_GV_Plan(e, false), 10);
}

void Trace_Roof(Etat_Projet &e, Interface_Shell &, Canvas &c) {
    // The batten heights are quarters of the luff, and the law needs u from 1 down to 0.
    Verifie_Trace_Voilure(e, true);
    const Echantillons_GV gv = Trace_Plan(e, c, Largeur_GV_Plan(e, true), 100);
    // The third, fifth and seventh samples lie at 3/4, 2/4 and 1/4 of the luff.
    for (std::size_t i = 0; i < 3; ++i)
        e.Lattes_Class[i] = Fix(gv.points.at(2 + 2 * i).w * 100) / 100;
}

void Trace_Voile_Projet(Etat_Projet &e, Interface_Shell &s, Canvas &c) {
    if (e.P(OPTION_CLASS) == 1)
        Trace_Roof(e, s, c);
    else
        Trace_Voilure(e, s, c);
}

} // namespace gabarit
