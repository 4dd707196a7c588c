// The hull seen from the side (profile) and from above (plan view with its waterlines).
#include <vector>

#include "model/Geometrie_Couple.h"
#include "views/Dessins.h"
#include "views/Trace_Commun.h"

namespace gabarit {

using namespace vues;

// Side profile: waterline, transom, sheer, keel line, stem and the red line from the sheer at
// the widest station to the keel at the deepest. Sets the scale P(ECHELLE_VUE) that the sail and
// appendage drawings of the same redraw use.
void Trace_Profile(Etat_Projet &e, Interface_Shell &, Canvas &c) {
    Verifie_Stations_Coque(e);
    // The sail view's scale comes from the mast height.
    if (c.Legende() == "Voilure" && !(e.P(HAUTEUR_MAT) > 0))
        throw Erreur_Gabarit("La hauteur du mât (" + Numero(HAUTEUR_MAT) + ") vaut " +
                             Valeur_Message(e.P(HAUTEUR_MAT)) +
                             " mm : la vue de voilure ne peut pas être mise à l'échelle. "
                             "Donner au mât une hauteur supérieure à 0.");
    const double sw = c.Largeur(), sh = c.Hauteur();
    const double l = e.L();
    e.Gite_Couple = 0; // the profile is always upright
    e.P(ECHELLE_VUE) = Divise(sw - 2 * e.P(ORIGINE_X), l);
    if (c.Legende() == "Voilure") {
        // In the sail view the mast must fit in eight tenths of the height.
        const float plafond = static_cast<float>(Divise(sh / 10 * 8, e.P(HAUTEUR_MAT)));
        if (static_cast<float>(e.P(ECHELLE_VUE)) > plafond)
            e.P(ECHELLE_VUE) = plafond;
    }

    c.Segment(0, e.P(ORIGINE_Y), sw, e.P(ORIGINE_Y), NOIR);

    // Transom: from the top of the transom plane at P(REPORT_TA) down to the keel at the stern.
    const double report_ta = e.P(REPORT_TA);
    Section(e, report_ta);
    const double livet_ta = e.Cote_Livet;
    Section(e, 0);
    Trait(c, e, report_ta, livet_ta, 0, e.Tirant_Eau_Couple, BLEU);

    Section(e, l);
    const double livet_etrave = e.Cote_Livet;
    Trait(c, e, report_ta, livet_ta, l, livet_etrave, BLEU);

    // Keel line in 100 steps to the foot of the stem, then closed on the foot itself so that
    // rounding of the repeated additions never leaves it short. A stem as long as the hull
    // leaves no keel to draw.
    const double pied = l - e.P(LONGUEUR_ETRAVE);
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

    Section(e, e.P(LONGUEUR_AR));
    const float livet_maitre = static_cast<float>(e.Cote_Livet);
    Section(e, e.P(POSITION_COUPLE_HAUT));
    const float creux = static_cast<float>(e.Tirant_Eau_Couple);
    Trait(c, e, e.P(LONGUEUR_AR), livet_maitre, e.P(POSITION_COUPLE_HAUT), creux, ROUGE);
}

namespace {
// Plan view: half-breadth b drawn below the centre line on one side, above on the other.
void Bords_Pont(Canvas &c, const Etat_Projet &e, double x_prec, double b_prec, double x, double b) {
    c.Segment(Vx(e, x_prec), e.P(ORIGINE_Y) + e.P(ECHELLE_VUE) * b_prec, Vx(e, x),
              e.P(ORIGINE_Y) + e.P(ECHELLE_VUE) * b, BLEU);
    c.Segment(Vx(e, x), e.P(ORIGINE_Y) - e.P(ECHELLE_VUE) * b, Vx(e, x_prec),
              e.P(ORIGINE_Y) - e.P(ECHELLE_VUE) * b_prec, BLEU);
}
} // namespace

// Plan view under the profile, in the profile view: deck outline on both sides, transom,
// waterlines, centre line and three station ticks. Sets its own origin and scale.
void Trace_Vue_Dessus(Etat_Projet &e, Interface_Shell &s, Canvas &c) {
    const double sw = c.Largeur(), sh = c.Hauteur();
    const double l = e.L();
    Verifie_Stations_Coque(e);
    e.P(ORIGINE_Y) = 2 * (sh / 3);
    e.P(ORIGINE_X) = sw / 20;
    e.P(ECHELLE_VUE) = Divise(sw - 2 * e.P(ORIGINE_X), l);

    const double report_ta = e.P(REPORT_TA);
    Section(e, report_ta);
    c.Segment(Vx(e, report_ta), e.P(ORIGINE_Y) + e.P(ECHELLE_VUE) * e.Demi_Largeur_Pont,
              Vx(e, report_ta), e.P(ORIGINE_Y) - e.P(ECHELLE_VUE) * e.Demi_Largeur_Pont, BLEU);
    double x_prec = report_ta, b_prec = e.Demi_Largeur_Pont;

    // Deck edge from the transom to the bow; the 0.1 mm margin keeps the bow station despite
    // the rounding of the repeated additions.
    const double pas = l / 100;
    Verifie_Pas(pas, l + 0.1, "Pas du pont", NB_PAS_LONGUEUR_MAX);
    for (double x = 0; x <= l + 0.1; x += pas) {
        Section(e, x);
        if (x == 0 || x <= report_ta)
            continue;
        Bords_Pont(c, e, x_prec, b_prec, x, e.Demi_Largeur_Pont);
        x_prec = x;
        b_prec = e.Demi_Largeur_Pont;
    }

    // Where the inclined transom cuts the deck, between the stern and P(REPORT_TA).
    if (report_ta != 0) {
        const double pas_ta = report_ta / 10;
        if (pas_ta > 0) {
            for (double x = 0; x <= report_ta; x += pas_ta) {
                Section(e, x);
                if (x != 0)
                    Bords_Pont(c, e, x_prec, b_prec, x, e.Demi_Largeur_Pont);
                x_prec = x;
                b_prec = e.Demi_Largeur_Pont;
            }
        }
    }

    Trace_Ligne_Flotte(e, s, c);

    const double y0 = e.P(ORIGINE_Y), x0 = e.P(ORIGINE_X), ech = e.P(ECHELLE_VUE);
    c.Segment(x0, y0, x0 + ech * l, y0, BLEU);
    // Ticks at the quarters and the middle, in picture units: the middle one twice as long.
    c.Segment(x0 + ech * l / 4, y0 - 1, x0 + ech * l / 4, y0 + 1, ROUGE);
    c.Segment(x0 + ech * l / 2, y0 - 2, x0 + ech * l / 2, y0 + 2, ROUGE);
    c.Segment(x0 + ech * l / 4 * 3, y0 - 1, x0 + ech * l / 4 * 3, y0 + 1, ROUGE);
}

namespace {
// P(NB_PAS_HORIZONTAL) holds the 4 mm station step of the waterlines while they are drawn,
// and always gets its value back.
class Garde_Nb_Pas {
public:
    explicit Garde_Nb_Pas(Etat_Projet &e) : e_(e), garde_(e.P(NB_PAS_HORIZONTAL)) {}
    ~Garde_Nb_Pas() { e_.P(NB_PAS_HORIZONTAL) = garde_; }
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

// The half-breadth of the waterline z mm under the upright waterline at station x. A waterline
// far above the sheer (a runaway freeboard in a file) takes the section law beyond any finite
// value: the refusal names the upright freeboards it comes from.
double Demi_Largeur_Ligne(const Etat_Projet &e, const Station_Flotte &st, double x, double z) {
    try {
        return Demi_Largeur_Niveau(st.tirant - z, st.hauteur, st.demi_largeur, st.a, st.b);
    } catch (const Erreur_Non_Finie &err) {
        throw Erreur_Gabarit(
            "Ligne d'eau incalculable à X = " + Valeur_Message(x) + " mm, " + Valeur_Message(z) +
            " mm sous la flottaison droite (" + Numero(Franc_Bord_AR(0)) + " = " +
            Valeur_Message(e.P(Franc_Bord_AR(0))) + " à l'arrière, " + Numero(Franc_Bord_AV(0)) +
            " = " + Valeur_Message(e.P(Franc_Bord_AV(0))) + " à l'avant) : " + err.what());
    }
}
} // namespace

// Waterlines of the plan view, one side only: levels every fifth of the draught at the
// deepest station, down to 30 mm below the waterline.
void Trace_Ligne_Flotte(Etat_Projet &e, Interface_Shell &, Canvas &c) {
    Garde_Nb_Pas garde(e);
    e.P(NB_PAS_HORIZONTAL) = 4;
    e.Gite_Couple = 0;
    e.Angle_Vue = 0;
    e.Cos_Angle_Vue = 1;
    e.Decalage_Vue = 0;

    Section(e, e.P(POSITION_COUPLE_HAUT));
    const double pas_z = e.Tirant_Eau_Couple / 5;
    const double l = e.L();
    const double pas_x = e.P(NB_PAS_HORIZONTAL);
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
                const double y = Demi_Largeur_Ligne(e, st, x, z);
                if (a_point)
                    c.Segment(Vx(e, x_prec), e.P(ORIGINE_Y) - e.P(ECHELLE_VUE) * y_prec, Vx(e, x),
                              e.P(ORIGINE_Y) - e.P(ECHELLE_VUE) * y, NOIR);
                x_prec = x;
                y_prec = y;
                a_point = true;
            }
            atteint = a_point;
        }
    }

    c.Segment(e.P(ORIGINE_X), e.P(ORIGINE_Y), e.P(ORIGINE_X) + e.P(ECHELLE_VUE) * l, e.P(ORIGINE_Y),
              NOIR);
}

} // namespace gabarit
