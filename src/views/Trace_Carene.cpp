// The hull seen from the side (profile) and from above (plan view with its waterlines).
#include <vector>

#include "views/Dessins.h"
#include "views/Trace_Commun.h"

namespace gabarit {

using namespace vues;

// Side profile: waterline, transom, sheer, keel line, stem and the red line from the sheer at
// the widest station to the keel at the deepest. Sets the scale P(22) that the sail and
// appendage drawings of the same redraw use.
void Trace_Profile(Etat_Projet &e, Interface_Shell &, Canvas &c) {
    const double sw = c.Largeur(), sh = c.Hauteur();
    const double l = e.L();
    e.Gite_Couple = 0; // the profile is always upright
    e.P(22) = Divise(sw - 2 * e.P(41), l);
    if (c.Legende() == "Voilure") {
        // In the sail view the mast must fit in eight tenths of the height.
        const float plafond = static_cast<float>(Divise(sh / 10 * 8, e.P(82)));
        if (static_cast<float>(e.P(22)) > plafond)
            e.P(22) = plafond;
    }

    c.Segment(0, e.P(40), sw, e.P(40), NOIR);

    // Transom: from the top of the transom plane at P(35) down to the keel at the stern.
    const double p35 = e.P(35);
    Section(e, p35);
    const double livet_ta = e.Cote_Livet;
    Section(e, 0);
    Trait(c, e, p35, livet_ta, 0, e.Tirant_Eau_Couple, BLEU);

    Section(e, l);
    const double livet_etrave = e.Cote_Livet;
    Trait(c, e, p35, livet_ta, l, livet_etrave, BLEU);

    // Keel line in 100 steps to the foot of the stem, then closed on the foot itself so that
    // rounding of the repeated additions never leaves it short. A stem as long as the hull
    // leaves no keel to draw.
    const double pied = l - e.P(36);
    const double pas = pied / 100;
    bool precedent = false;
    double x_prec = 0, t_prec = 0;
    if (pas > 0) {
        for (double x = 0; x <= pied; x += pas) {
            Section(e, x);
            if (x != 0)
                Trait(c, e, x_prec, t_prec, x, e.Tirant_Eau_Couple, BLEU);
            x_prec = x;
            t_prec = e.Tirant_Eau_Couple;
            precedent = true;
        }
    }
    Section(e, pied);
    const double t_pied = e.Tirant_Eau_Couple;
    if (precedent)
        Trait(c, e, x_prec, t_prec, pied, t_pied, BLEU);

    Trait(c, e, pied, t_pied, l, livet_etrave, BLEU);

    Section(e, e.P(2));
    const float livet_maitre = static_cast<float>(e.Cote_Livet);
    Section(e, e.P(10));
    const float creux = static_cast<float>(e.Tirant_Eau_Couple);
    Trait(c, e, e.P(2), livet_maitre, e.P(10), creux, ROUGE);
}

namespace {
// Plan view: half-breadth b drawn below the centre line on one side, above on the other.
void Bords_Pont(Canvas &c, const Etat_Projet &e, double x_prec, double b_prec, double x, double b) {
    c.Segment(Vx(e, x_prec), e.P(40) + e.P(22) * b_prec, Vx(e, x), e.P(40) + e.P(22) * b, BLEU);
    c.Segment(Vx(e, x), e.P(40) - e.P(22) * b, Vx(e, x_prec), e.P(40) - e.P(22) * b_prec, BLEU);
}
} // namespace

// Plan view under the profile, in the profile view: deck outline on both sides, transom,
// waterlines, centre line and three station ticks. Sets its own origin and scale.
void Trace_Vue_Dessus(Etat_Projet &e, Interface_Shell &s, Canvas &c) {
    const double sw = c.Largeur(), sh = c.Hauteur();
    const double l = e.L();
    Verifie_Longueur(e);
    e.P(40) = 2 * (sh / 3);
    e.P(41) = sw / 20;
    e.P(22) = Divise(sw - 2 * e.P(41), l);

    const double p35 = e.P(35);
    Section(e, p35);
    c.Segment(Vx(e, p35), e.P(40) + e.P(22) * e.Demi_Largeur_Pont, Vx(e, p35),
              e.P(40) - e.P(22) * e.Demi_Largeur_Pont, BLEU);
    double x_prec = p35, b_prec = e.Demi_Largeur_Pont;

    // Deck edge from the transom to the bow; the 0.1 mm margin keeps the bow station despite
    // the rounding of the repeated additions.
    const double pas = l / 100;
    Verifie_Pas(pas, l + 0.1, "Pas du pont", NB_PAS_LONGUEUR_MAX);
    for (double x = 0; x <= l + 0.1; x += pas) {
        Section(e, x);
        if (x == 0 || x <= p35)
            continue;
        Bords_Pont(c, e, x_prec, b_prec, x, e.Demi_Largeur_Pont);
        x_prec = x;
        b_prec = e.Demi_Largeur_Pont;
    }

    // Where the inclined transom cuts the deck, between the stern and P(35).
    if (p35 != 0) {
        const double pas_ta = p35 / 10;
        if (pas_ta > 0) {
            for (double x = 0; x <= p35; x += pas_ta) {
                Section(e, x);
                if (x != 0)
                    Bords_Pont(c, e, x_prec, b_prec, x, e.Demi_Largeur_Pont);
                x_prec = x;
                b_prec = e.Demi_Largeur_Pont;
            }
        }
    }

    Trace_Ligne_Flotte(e, s, c);

    const double y0 = e.P(40), x0 = e.P(41), ech = e.P(22);
    c.Segment(x0, y0, x0 + ech * l, y0, BLEU);
    // Ticks at the quarters and the middle, in picture units: the middle one twice as long.
    c.Segment(x0 + ech * l / 4, y0 - 1, x0 + ech * l / 4, y0 + 1, ROUGE);
    c.Segment(x0 + ech * l / 2, y0 - 2, x0 + ech * l / 2, y0 + 2, ROUGE);
    c.Segment(x0 + ech * l / 4 * 3, y0 - 1, x0 + ech * l / 4 * 3, y0 + 1, ROUGE);
}

namespace {
// P(231) holds the 4 mm station step of the waterlines while they are drawn, and always
// gets its value back.
class Garde_Nb_Pas {
public:
    explicit Garde_Nb_Pas(Etat_Projet &e) : e_(e), garde_(e.P(231)) {}
    ~Garde_Nb_Pas() { e_.P(231) = garde_; }
    Garde_Nb_Pas(const Garde_Nb_Pas &) = delete;
    Garde_Nb_Pas &operator=(const Garde_Nb_Pas &) = delete;

private:
    Etat_Projet &e_;
    double garde_;
};

// What a waterline needs of a station's section.
struct Station_Flotte {
    double tirant, hauteur, demi_largeur, a, b;
};
} // namespace

// Waterlines of the plan view, one side only: levels every fifth of the draught at the
// deepest station, down to 30 mm below the waterline.
void Trace_Ligne_Flotte(Etat_Projet &e, Interface_Shell &, Canvas &c) {
    Garde_Nb_Pas garde(e);
    e.P(231) = 4;
    e.Gite_Couple = 0;
    e.Angle_Vue = 0;
    e.Cos_Angle_Vue = 1;
    e.Decalage_Vue = 0;

    Section(e, e.P(10));
    const double pas_z = e.Tirant_Eau_Couple / 5;
    const double l = e.L();
    const double pas_x = e.P(231);
    Verifie_Pas(pas_x, l, "Pas des lignes d'eau", NB_PAS_LONGUEUR_MAX);
    // A negative draught gives no row (the levels would run away from 30 mm); a zero draught
    // no row either, since no level lies above a keel at the waterline. A level that no
    // station reaches ends the walk: the deeper ones cannot reach any either (a draught of
    // 0.001 mm would otherwise walk 150000 empty levels down to 30 mm).
    if (pas_z > 0) {
        // Every level walks the same stations: the first walk computes them, the next ones
        // read them back (the state is left at the last station either way).
        std::vector<Station_Flotte> stations;
        int niveaux = 0;
        bool atteint = true;
        for (double z = 0; z <= 30 && atteint; z += pas_z) {
            if (++niveaux > NB_PAS_HAUTEUR_MAX)
                throw Erreur_Gabarit("Pas des lignes d'eau trop petit : tracé impossible");
            bool a_point = false;
            double x_prec = 0, y_prec = 0;
            std::size_t i = 0;
            for (double x = 0; x <= l; x += pas_x, ++i) {
                if (i == stations.size()) {
                    Section(e, x);
                    stations.push_back({e.Tirant_Eau_Couple, e.Hauteur_Couple,
                                        e.Demi_Largeur_Couple, e.Exp_Forme_A, e.Exp_Forme_B});
                }
                const Station_Flotte &st = stations[i];
                if (!(z < st.tirant))
                    continue;
                const double h = st.tirant - z;
                const double r = st.hauteur == 0 ? h : h / st.hauteur;
                const double y = st.demi_largeur * Puissance(r, st.a + st.b * r);
                if (a_point)
                    c.Segment(Vx(e, x_prec), e.P(40) - e.P(22) * y_prec, Vx(e, x),
                              e.P(40) - e.P(22) * y, NOIR);
                x_prec = x;
                y_prec = y;
                a_point = true;
            }
            atteint = a_point;
        }
    }

    c.Segment(e.P(41), e.P(40), e.P(41) + e.P(22) * l, e.P(40), NOIR);
}

} // namespace gabarit
