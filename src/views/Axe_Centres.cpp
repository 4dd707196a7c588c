// The centres ruler under the displacement view: the hull length with four ticks, and the
// centre of gravity, centre of effort, centre of lateral resistance and picked item on it.
#include "views/Dessins.h"
#include "views/Trace_Commun.h"

namespace gabarit {

using namespace vues;

void Trace_Axe_Centres(Etat_Projet &e, Interface_Shell &, Canvas &c) {
    const double sw = c.Largeur(), sh = c.Hauteur();
    const double l = e.L();
    // Same horizontal scale and origin as the profile above, so each mark stands under its
    // station; the ruler at nine tenths of the height.
    const double echelle = Divise(sw - 2 * (sw / 20), l);
    e.P(ORIGINE_Y) = sh / 10 * 9;
    e.P(ORIGINE_X) = sw / 20;
    e.P(ECHELLE_VUE) = echelle;

    const double y0 = e.P(ORIGINE_Y);
    auto x = [&](double v) { return Vx(e, v); };
    // Ruler and ticks, 2 units at the ends and the middle, 1 at the quarters (screen mm).
    c.Segment(x(0), y0, x(l), y0, NOIR);
    c.Segment(x(0), y0 - 2, x(0), y0, NOIR);
    c.Segment(x(l / 4), y0 - 1, x(l / 4), y0, NOIR);
    c.Segment(x(l / 2), y0 - 2, x(l / 2), y0, NOIR);
    c.Segment(x(3 * l / 4), y0 - 1, x(3 * l / 4), y0, NOIR);
    c.Segment(x(l), y0 - 2, x(l), y0, NOIR);
    // Centre of gravity: a blue arrow hanging from the ruler.
    const double xg = x(e.P(CENTRE_GRAVITE_X));
    c.Segment(xg, y0 + 4, xg, y0, BLEU);
    c.Segment(xg - 1, y0 + 2, xg, y0 + 4, BLEU);
    c.Segment(xg + 1, y0 + 2, xg, y0 + 4, BLEU);
    // Centre of effort: red, rising from the ruler.
    const double xv = x(e.P(CENTRE_VELIQUE_X));
    c.Segment(xv, y0 - 4, xv, y0, ROUGE);
    // Centre of lateral resistance: green, detached above the ruler.
    const double xd = x(e.P(CENTRE_ANTI_DERIVE));
    c.Segment(xd, y0 - 3, xd, y0 - 7, VERT_FONCE);
    // Item picked in the weights window (-1 = none): a grey V below the ruler.
    if (e.X_Item_Choisi >= 0) {
        const double xi = x(e.X_Item_Choisi);
        c.Segment(xi - 1, y0 + 4, xi, y0 + 8, GRIS);
        c.Segment(xi + 1, y0 + 4, xi, y0 + 8, GRIS);
    }
}

} // namespace gabarit
