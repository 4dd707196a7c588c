#include "printing/Impression_Couple.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/Garde_Station.h"
#include "model/Geometrie_Couple.h"
#include "model/Numeros.h"
#include "printing/Page_Impression.h"
#include "views/Trace_Commun.h"

namespace gabarit {

namespace {

// The print step is the job's own: the vertical step of the views and computations comes
// back however the job ends.
class Garde_Pas_Vertical {
public:
    Garde_Pas_Vertical(Etat_Projet &e, bool qualite_bonne) : e_(e), pas_(e.P(PAS_VERTICAL)) {
        e.P(PAS_VERTICAL) = qualite_bonne ? 0.1 : 1.0;
    }
    ~Garde_Pas_Vertical() { e_.P(PAS_VERTICAL) = pas_; }
    Garde_Pas_Vertical(const Garde_Pas_Vertical &) = delete;
    Garde_Pas_Vertical &operator=(const Garde_Pas_Vertical &) = delete;

private:
    Etat_Projet &e_;
    double pas_;
};

// The job's one yield to events, before anything the sheet reads is set: a view redrawn
// meanwhile (a window resized during a series) writes its own origin, station and heel into
// the same shared values. The station the caller chose is given back afterwards.
void Laisse_Evenements_Travail(Etat_Projet &e, Interface_Shell &shell) {
    const double station = e.X_Couple;
    shell.Texte_Statut(1, "Impression en Cours");
    shell.Laisse_Evenements();
    e.X_Couple = station;
}

// Upright, unturned, both halves: what every section and transom job starts from.
void Prepare_Travail(Etat_Projet &e) {
    e.Gite_Couple = 0;
    e.Angle_Vue = 0;
    e.Mode_Couple = "Complet";
}

// Half-breadth beyond the page: one half only, right of the sheet's middle.
void Regle_Largeur(Etat_Projet &e, double demi_largeur) {
    if (demi_largeur > DEMI_LARGEUR_PAGE) {
        e.Mode_Couple = "Demi";
        e.P(ORIGINE_X) = CENTRE_PAGE_DEMI;
    }
}

} // namespace

bool Lance_Impression_Couple(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s,
                             bool qualite_bonne) {
    Laisse_Evenements_Travail(e, shell);
    e.P(ORIGINE_Y) = ORIGINE_Y_PAGE;
    e.P(ORIGINE_X) = CENTRE_PAGE;
    Garde_Pas_Vertical pas(e, qualite_bonne);
    Prepare_Travail(e);
    return Travail_Impression(shell, s, [&] { Imprime_Couple(e, s); });
}

void Imprime_Couple(Etat_Projet &e, Surface_Impression &s) {
    Verifie_Echelles(e);
    const double eh = e.Echelle_Imp_H, ev = e.Echelle_Imp_V;
    const double x = e.X_Couple;
    Entete(e, s, {"Couple " + s.Nombre(x)});
    Ligne_Reference(e, s);

    Calcul_Couple(e);
    const double d = e.Hauteur_Couple, b = e.Demi_Largeur_Couple, f = e.Franc_Bord;
    const double t = e.Tirant_Eau_Couple, a = e.Exp_Forme_A, bb = e.Exp_Forme_B;
    Regle_Largeur(e, b);
    const bool demi = e.Mode_Couple == "Demi";
    const double ox = e.P(ORIGINE_X), oy = e.P(ORIGINE_Y);
    Trait_Page(s, ox, 0, ox, 11900);
    e.Cos_Angle_Vue = 1;
    e.Decalage_Vue = 0;

    // The top of the section: the sheer, or where the inclined transom plane cuts it.
    const double h0 = (x != 0 && x >= e.P(REPORT_TA)) ? d : t - e.Cote_Livet;
    const double pas = e.P(PAS_VERTICAL);
    vues::Verifie_Pas(pas, h0, "Pas vertical", NB_PAS_HAUTEUR_MAX);

    // Page point of a section point y across (right positive) and z above the waterline.
    auto px = [&](double y) { return ox + y * eh; };
    auto py = [&](double z) { return oy - z * ev; };

    // Heights counted by index down from the top, so a fractional step cannot drift.
    const long n = h0 >= 0 ? static_cast<long>(std::floor(h0 / pas + 1e-9)) : -1;
    double y_prec = 0, z_prec = 0;
    for (long i = 0; i <= n; ++i) {
        const double h = std::max(h0 - static_cast<double>(i) * pas, 0.0);
        const double y = Demi_Largeur_Niveau(h, d, b, a, bb);
        const double z = h - t;
        if (demi) {
            // One half, on the left of the centreline.
            if (i == 0)
                Trait_Page(s, px(-y), py(z), ox, py(z));
            else
                Trait_Page(s, px(-y), py(z), px(-y_prec), py(z_prec));
        } else if (i == 0) {
            Trait_Page(s, px(y), py(z), px(-y), py(z));
        } else {
            Trait_Page(s, px(y), py(z), px(y_prec), py(z_prec));
            Trait_Page(s, px(-y), py(z), px(-y_prec), py(z_prec));
        }
        y_prec = y;
        z_prec = z;
    }

    // Closing lines from the last points to the keel on the centreline.
    const double ky = oy + t * ev;
    if (n >= 0) {
        Trait_Page(s, ox, ky, px(-y_prec), py(z_prec));
        if (!demi)
            Trait_Page(s, ox, ky, px(y_prec), py(z_prec));
    }
    // The stem at the bow: from the sheer down to the keel.
    if (x == e.L())
        Trait_Page(s, ox, oy - f * ev, ox, ky);
}

bool Lance_Impression_Tableau(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s,
                              bool qualite_bonne) {
    Laisse_Evenements_Travail(e, shell);
    e.P(ORIGINE_X) = CENTRE_PAGE;
    Garde_Pas_Vertical pas(e, qualite_bonne);
    Prepare_Travail(e);
    return Travail_Impression(shell, s, [&] { Imprime_Tableau_Incline(e, s); });
}

void Imprime_Tableau_Incline(Etat_Projet &e, Surface_Impression &s) {
    Verifie_Echelles(e);
    const double eh = e.Echelle_Imp_H, ev = e.Echelle_Imp_V;
    const double report = e.P(REPORT_TA);
    if (!(report > 0) || !std::isfinite(report))
        throw Erreur_Gabarit("le tableau arrière incliné doit s'étendre sur une longueur "
                             "positive (valeur 35)");
    Garde_Station station(e);

    e.P(ORIGINE_Y) = ORIGINE_Y_TABLEAU;
    Entete(e, s, {"Tableau arrière incliné, Couple : 0 à  " + s.Nombre(report)});

    e.X_Couple = report;
    Calcul_Couple(e);
    Regle_Largeur(e, e.Demi_Largeur_Couple);
    const bool demi = e.Mode_Couple == "Demi";
    const double ox = e.P(ORIGINE_X), oy = e.P(ORIGINE_Y);
    Trait_Page(s, ox, 0, ox, 11900);

    // Length along the transom plane per millimetre of station, in single precision.
    const float c = static_cast<float>(e.Cote_Livet);
    e.X_Couple = 0;
    Calcul_Couple(e);
    const float t0 = static_cast<float>(e.Tirant_Eau_Couple);
    const float montee = c - t0;
    const float k = static_cast<float>(
        std::sqrt(report * report + static_cast<double>(montee) * montee) / report);
    e.Cos_Angle_Vue = 1;
    e.Decalage_Vue = 0;

    // 101 stations, counted by index: the last one is the transom's end itself.
    constexpr int NB_PAS = 100;
    double y_prec = 0, v_prec = 0;
    for (int i = 0; i <= NB_PAS; ++i) {
        const double x = i == NB_PAS ? report : i * (report / NB_PAS);
        e.X_Couple = x;
        Calcul_Couple(e);
        const double y = e.Demi_Largeur_Pont;
        const double v = oy - k * x * ev;
        if (i > 0) {
            if (!demi)
                Trait_Page(s, ox + y * eh, v, ox + y_prec * eh, v_prec);
            Trait_Page(s, ox - y * eh, v, ox - y_prec * eh, v_prec);
        }
        y_prec = y;
        v_prec = v;
    }
    // The top edge at the sheer.
    if (demi)
        Trait_Page(s, ox - y_prec * eh, v_prec, ox, v_prec);
    else
        Trait_Page(s, ox + y_prec * eh, v_prec, ox - y_prec * eh, v_prec);
}

} // namespace gabarit
