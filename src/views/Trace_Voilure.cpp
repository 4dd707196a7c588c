// The free sail plan: mast, jib, mainsail with its power-law leech, head line and centre of
// effort, with the sail areas and mainsail centroid it computes and stores.
#include <vector>

#include "views/Dessins.h"
#include "views/Trace_Commun.h"

namespace gabarit {

using namespace vues;

namespace {
struct Echantillon {
    double h, w; // height above the tack, width from the mast aft (mm)
};
} // namespace

void Trace_Voilure(Etat_Projet &e, Interface_Shell &, Canvas &c) {
    // Everything is computed before anything is drawn or stored: a failure leaves the stored
    // areas, the centroid and the list as they were.
    const double lm = e.P(84) - e.P(86); // luff
    const double f = e.P(85), n = e.P(87);
    if (lm == 0)
        throw Erreur_Gabarit("Guindant de grand-voile nul : plan de voilure impossible");

    const double p83 = e.P(83);
    Section(e, p83);
    const double d = e.Cote_Livet; // deck at the mast, negative above the waterline
    // Nine samples from the head down to the tack; a luff typed upside down (head below the
    // tack) gives a positive step and the samples run up to the tack instead.
    const double pas = -lm / 8;
    std::vector<Echantillon> ech;
    double somme = 0, aire = 0, hauteurs = 0, largeurs = 0;
    std::vector<std::string> liste;
    for (double h = lm; pas < 0 ? h >= 0 : h <= 0; h += pas) {
        const double w = f * (1 - Puissance(Divise(h, lm), n));
        ech.push_back({h, w});
        somme = Fix(somme + w); // the old sum truncated at each step
        aire += h * w;
        hauteurs += h;
        largeurs += w;
        liste.push_back(Texte_General(h) + "\t" + Texte_General(Fix(w * 10) / 10));
    }
    // Absurd sail values must not leave an infinity in the record, where no file could
    // hold it.
    const double surface_foc = Stockable(Int((e.P(96) - e.P(98)) * e.P(97) / 2), "surface du foc");
    const double surface_gv =
        Stockable(Fix(lm * (somme / 11)), "surface de grand-voile"); // nine widths, over 11
    const double centre_x = Stockable(p83 - Divise(aire, hauteurs), "centre de grand-voile");
    const double centre_z =
        Stockable((e.P(86) - d) + Divise(aire, largeurs), "centre de grand-voile");
    const double surface_totale = Stockable(surface_gv + surface_foc, "surface de voilure");

    const double p94 = e.P(94);
    Section(e, p94);
    const double livet_retour = e.Cote_Livet;

    // Mast and a waterline stub of 800 screen mm.
    Trait(c, e, p83, d, p83, d - e.P(82), NOIR);
    c.Segment(0, e.P(40), 800, e.P(40), NOIR);
    // Jib: foot forward from the mast, then the leech back to the head on the mast.
    const double amure_foc = d - e.P(98);
    Trait(c, e, p83, amure_foc, p83 + e.P(97), amure_foc, NOIR);
    Trait(c, e, p83 + e.P(97), amure_foc, p83, d - e.P(96), NOIR);
    // Mainsail: the leech from sample to sample, and each width line from the mast aft.
    const double amure_gv = d - e.P(86);
    bool premier = true;
    double x_prec = 0, z_prec = 0;
    for (const Echantillon &s : ech) {
        const double x = p83 - s.w, z = amure_gv - s.h;
        if (!premier)
            Trait(c, e, x_prec, z_prec, x, z, NOIR);
        Trait(c, e, p83, z, x, z, NOIR);
        x_prec = x;
        z_prec = z;
        premier = false;
    }
    // Head line at the masthead reaching P(93) aft, and its return to the deck at P(94).
    const double tete = d - e.P(82);
    Trait(c, e, p83 - e.P(93), tete, p83, tete, ROUGE);
    Trait(c, e, p94, livet_retour, p83 - e.P(93), tete, ROUGE);
    // Centre of effort as last stored, arms of 20 mm on the model.
    const double xv = e.P(103), zv = -e.P(104);
    Trait(c, e, xv - 20, zv, xv + 20, zv, ROUGE);
    Trait(c, e, xv, zv - 20, xv, zv + 20, ROUGE);

    e.Hauteur_Pont_Mat = d;
    e.P(99) = surface_foc;
    e.P(89) = surface_gv;
    e.P(90) = centre_x;
    e.P(91) = centre_z;
    e.P(102) = surface_totale;
    e.Liste_Voile = std::move(liste);
}

} // namespace gabarit
