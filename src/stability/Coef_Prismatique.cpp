#include "stability/Coef_Prismatique.h"

#include "model/Integration_Gite.h"
#include "model/Numeros.h"
#include "views/Trace_Commun.h"

namespace gabarit {

namespace {
constexpr std::uint32_t NOIR = RGB(0, 0, 0);
constexpr std::uint32_t ROUGE = RGB(255, 0, 0);

// Puts back the transom length and the two steps the walk borrows, whatever happens.
class Garde_Reglages {
public:
    Garde_Reglages(Etat_Projet &e, Interface_Shell &s)
        : e_(e), s_(s), report_ta_(e.P(REPORT_TA)), pas_vertical_(e.P(PAS_VERTICAL)),
          nb_pas_(e.P(NB_PAS_HORIZONTAL)) {}
    ~Garde_Reglages() {
        e_.P(NB_PAS_HORIZONTAL) = nb_pas_;
        e_.P(PAS_VERTICAL) = pas_vertical_;
        s_.Texte_Statut(1, "Pret");
        e_.P(REPORT_TA) = report_ta_;
    }
    Garde_Reglages(const Garde_Reglages &) = delete;
    Garde_Reglages &operator=(const Garde_Reglages &) = delete;

private:
    Etat_Projet &e_;
    Interface_Shell &s_;
    double report_ta_, pas_vertical_, nb_pas_;
};
} // namespace

double Calcul_Coef_Pris(Etat_Projet &e, Interface_Shell &shell, Canvas *picture, bool precision,
                        const Integrateur_Couple &integre) {
    const double L = e.L();
    if (!(L > 0))
        throw Erreur_Gabarit("Coefficient prismatique : longueur de coque nulle");
    // A deepest section off the hull is told as such, not as the walk's step it would break.
    vues::Verifie_Couple_Haut(e);

    // The heel is taken once: an event that changes ANGLE_GITE while the walk lets events run
    // cannot move the sections or the stored result to another heel.
    const double angle = e.P(ANGLE_GITE);
    Garde_Reglages garde(e, shell);
    // The walk works on a vertical transom.
    e.P(REPORT_TA) = 0;
    e.P(ORIGINE_Y) = picture ? picture->Hauteur() / 2 : 0;
    if (picture)
        picture->Efface();
    double n = 0, S = 0, Amax = 0;

    shell.Texte_Statut(1, "Calcul Coef Pris");
    shell.Progression(0, L, 0);
    shell.Laisse_Evenements();

    e.Gite_Couple = angle;
    e.Angle_Vue = 0;
    // 1-mm margin each side of the picture, which measures in millimetres.
    const double sx = picture ? (picture->Largeur() - 2) / L : 0;

    // Area scale: the first side of the deepest section is drawn 150 x sx high.
    e.X_Couple = e.P(POSITION_COUPLE_HAUT);
    integre(e);
    const double sy = Divise(e.Surface_Immergee_1, 150);
    if (sy == 0)
        throw Erreur_Gabarit("Coefficient prismatique : section la plus haute hors de l'eau");

    e.P(ORIGINE_X) = 1;
    // Ticking "Precision" gives the coarser step, as the window always did.
    const double h = precision ? L / 40 : L / 80;
    e.P(NB_PAS_HORIZONTAL) = h;
    e.P(PAS_VERTICAL) = 0.1;

    const double y0 = e.P(ORIGINE_Y), x0 = e.P(ORIGINE_X);
    if (picture)
        picture->Segment(x0, y0, x0 + sx * L, y0, NOIR);

    double x_prec = 0, cote1_prec = 0, cote2_prec = 0;
    double x = 0;
    for (; x <= L; x += h) {
        e.X_Couple = x;
        e.Gite_Couple = angle;
        integre(e);
        n += 1;
        S += e.Surface_Immergee;
        if (e.Surface_Immergee > Amax)
            Amax = e.Surface_Immergee;
        const double cote1 = e.Surface_Immergee_1 / sy;
        const double cote2 = e.Surface_Immergee_2 / sy;
        e.Surface_Immergee_1 = cote1;
        e.Surface_Immergee_2 = cote2;
        if (picture && n > 1) {
            const double xa = x0 + sx * x_prec, xb = x0 + sx * x;
            picture->Segment(xa, y0 + sx * cote1_prec, xb, y0 + sx * cote1, NOIR);
            picture->Segment(xa, y0 - sx * cote2_prec, xb, y0 - sx * cote2, NOIR);
            picture->Segment(xa, y0, xa, y0 + sx * cote1_prec, ROUGE);
        }
        x_prec = x;
        cote1_prec = cote1;
        cote2_prec = cote2;
        shell.Progression(0, L, x);
        shell.Laisse_Evenements();
    }
    e.X_Couple = x;

    // Mean station area times the walked length.
    const double V = Divise(S, n) * (n - 1) * h;
    const double r = Fix(Divise(1000 * V, Amax * L)) / 100;
    // Stored only beside a light that stands for this hull's floating position at that heel:
    // worked on freeboards out of date, it is no result of this boat.
    const int k = Indice_Gite(angle);
    if (k >= 0 && e.P(Etat_Gite(k)) != 1) {
        e.P(Coef_Prismatique_Gite(k)) = r;
        ++e.Calculs_Coef[static_cast<std::size_t>(k)];
        e.P(COEF_PRISMATIQUE) = r;
    }
    return r;
}

double Calcul_Coef_Pris(Etat_Projet &e, Interface_Shell &shell, Canvas *picture, bool precision,
                        Memoire_Niveaux *memoire) {
    // The chord rules take the walk's own heel, which Gite_Couple holds.
    return Calcul_Coef_Pris(e, shell, picture, precision, [memoire](Etat_Projet &et) {
        Integre_Couple_Gite(et, et.Gite_Couple, et.P(PAS_VERTICAL), true, memoire);
    });
}

void Calcul_Coef_Pris(Etat_Projet &e, Interface_Shell &shell) {
    Calcul_Coef_Pris(e, shell, nullptr, false);
}

} // namespace gabarit
