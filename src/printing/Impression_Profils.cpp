#include "printing/Impression_Profils.h"

#include <cmath>

#include "model/Carene.h"
#include "model/Garde_Station.h"
#include "model/Geometrie_Couple.h"
#include "model/Numeros.h"
#include "printing/Page_Impression.h"

namespace gabarit {

namespace {

// What a profile sheet keeps of each station.
struct Station {
    double x, quille, livet; // station, keel depth, sheer level (mm below the waterline)
};

Station Mesure(Etat_Projet &e, double x) {
    e.X_Couple = x;
    Calcul_Couple(e);
    return {x, e.Tirant_Eau_Couple, e.Cote_Livet};
}

// The waterline across the sheet, with the first station 10 twips from the left edge.
void Origine_Profil(Etat_Projet &e, Surface_Impression &s) {
    e.P(ORIGINE_X) = MARGE_PAGE;
    e.P(ORIGINE_Y) = ORIGINE_Y_PAGE;
    Ligne_Reference(e, s);
}

// Page point of station x (mm, from the sheet's first station x0) at v mm below the
// waterline.
struct Repere {
    double ox, oy, eh, ev, x0;
    double X(double x) const { return ox + (x - x0) * eh; }
    double Y(double v) const { return oy + v * ev; }
};

Repere Repere_Page(const Etat_Projet &e, double x0) {
    return {e.P(ORIGINE_X), e.P(ORIGINE_Y), e.Echelle_Imp_H, e.Echelle_Imp_V, x0};
}

void Segment(Surface_Impression &s, const Repere &r, double x1, double v1, double x2, double v2) {
    Trait_Page(s, r.X(x1), r.Y(v1), r.X(x2), r.Y(v2));
}

// "Echelle :" and the reduction, to the hundredth below.
std::string Texte_Echelle(Surface_Impression &s, double L) {
    return "Echelle :" + s.Nombre(std::floor(L / LONGUEUR_FEUILLE * 100) / 100);
}

} // namespace

void Imprime_Profile_Arriere(Etat_Projet &e, Surface_Impression &s) {
    Verifie_Echelles(e);
    Garde_Station garde(e);
    Entete(e, s, {"Profile arriére    Couple 0 à 260"});
    Origine_Profil(e, s);
    const Repere r = Repere_Page(e, 0);
    Station p{};
    for (int i = 0; i <= LONGUEUR_FEUILLE; ++i) {
        const Station c = Mesure(e, i);
        if (i > 0) {
            Segment(s, r, p.x, p.quille, c.x, c.quille);
            Segment(s, r, p.x, p.livet, c.x, c.livet);
        }
        p = c;
    }
}

void Imprime_Profile_Avant(Etat_Projet &e, Surface_Impression &s) {
    Verifie_Echelles(e);
    Garde_Station garde(e);
    const double L = e.L(), x0 = L - LONGUEUR_FEUILLE, etrave = e.P(LONGUEUR_ETRAVE);
    Entete(e, s, {"Profile Avant   Couple : " + s.Nombre(x0) + "  à  " + s.Nombre(L)});
    Origine_Profil(e, s);
    const Repere r = Repere_Page(e, x0);
    Station p{};
    for (int i = 0; i <= LONGUEUR_FEUILLE; ++i) {
        // Counted by index, the last station is the bow itself.
        const Station c = Mesure(e, i == LONGUEUR_FEUILLE ? L : x0 + i);
        if (i > 0) {
            // The keel stops at the foot of the stem, which is drawn straight below.
            if (c.x <= L - etrave)
                Segment(s, r, p.x, p.quille, c.x, c.quille);
            Segment(s, r, p.x, p.livet, c.x, c.livet);
        }
        p = c;
    }
    const Station pied = Mesure(e, L - etrave);
    const Station proue = Mesure(e, L);
    Segment(s, r, pied.x, pied.quille, proue.x, proue.livet);
}

namespace {
// The walk of the reduced prints: every whole millimetre from the stern to the bow.
template <class F>
void Parcours_Reduit(Etat_Projet &e, Surface_Impression &s, const char *titre, F &&segments) {
    Verifie_Echelles(e);
    Verifie_Longueur_Table(e);
    Garde_Station garde(e);
    const double L = e.L();
    Entete(e, s, {std::string(titre) + s.Nombre(L), Texte_Echelle(s, L)});
    Origine_Profil(e, s);
    const Repere r = Repere_Page(e, 0);
    const int n = static_cast<int>(std::floor(L));
    double b_prec = 0;
    Station p{};
    for (int i = 0; i <= n; ++i) {
        const Station c = Mesure(e, i);
        const double b = e.Demi_Largeur_Pont;
        if (i > 0)
            segments(r, p, b_prec, c, b);
        p = c;
        b_prec = b;
    }
}
} // namespace

void Imprime_Livet_Echelle(Etat_Projet &e, Surface_Impression &s) {
    Parcours_Reduit(e, s, "Livet    Couple 0 à ",
                    [&](const Repere &r, const Station &p, double bp, const Station &c, double b) {
                        // The deck outline, both sides of the centre line.
                        Segment(s, r, p.x, -bp, c.x, -b);
                        Segment(s, r, p.x, bp, c.x, b);
                    });
}

void Imprime_Profile_Echelle(Etat_Projet &e, Surface_Impression &s) {
    Parcours_Reduit(e, s, "Profile    Couple 0 à ",
                    [&](const Repere &r, const Station &p, double, const Station &c, double) {
                        Segment(s, r, p.x, p.quille, c.x, c.quille);
                        Segment(s, r, p.x, p.livet, c.x, c.livet);
                    });
}

namespace {
template <class F>
bool Confirme_Et_Imprime(Interface_Shell &shell, Surface_Impression &s, const char *texte,
                         F &&impression) {
    if (!Confirme(shell, texte))
        return false;
    return Travail_Impression(shell, s, impression);
}
} // namespace

bool Confirme_Profile_Arriere(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s) {
    return Confirme_Et_Imprime(shell, s, "Impression profile Arrière...  ",
                               [&] { Imprime_Profile_Arriere(e, s); });
}

bool Confirme_Profile_Avant(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s) {
    return Confirme_Et_Imprime(shell, s, "Impression profile Avant...  ",
                               [&] { Imprime_Profile_Avant(e, s); });
}

bool Confirme_Livet_Echelle(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s) {
    return Confirme_Et_Imprime(shell, s, "Impression Livet a Echelle X...  ",
                               [&] { Imprime_Livet_Echelle(e, s); });
}

bool Confirme_Profile_Echelle(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s) {
    return Confirme_Et_Imprime(shell, s, "Impression profile a Echelle X...  ",
                               [&] { Imprime_Profile_Echelle(e, s); });
}

} // namespace gabarit
