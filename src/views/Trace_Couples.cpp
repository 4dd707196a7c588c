// The body plan in its framings: stern to stem, stern to master section, master section to
// stem, oblique stack, and the single section typed in the hull-form window.
#include <algorithm>

#include "model/Equilibre.h"
#include "model/Garde_Station.h"
#include "views/Dessins.h"
#include "views/Trace_Commun.h"

namespace gabarit {

using namespace vues;

namespace {

// What every body plan needs of the record, refused before the hull is floated or the picture
// cleared: the hull's stations on the hull, a heel the record holds a waterline for, and a
// vertical step that ends the walk down each section.
void Verifie_Couples(const Etat_Projet &e) {
    Verifie_Stations_Coque(e);
    const double gite = e.P(ANGLE_GITE);
    if (Indice_Gite(gite) < 0)
        throw Erreur_Gabarit("L'angle de gîte (" + Numero(ANGLE_GITE) + ") vaut " +
                             Valeur_Message(gite) +
                             "° : les couples se dessinent à 0, 5, 10, 15, 20, 25 ou 30° de "
                             "gîte. Choisir l'un de ces angles.");
    Verifie_Pas_Projet(e, PAS_VERTICAL, "Le pas vertical", 0, NB_PAS_HAUTEUR_MAX);
}

// Half the number of longitudinal steps: each half of the hull gets that many sections.
double Demi_Nombre(const Etat_Projet &e) {
    Verifie_Couples(e);
    Verifie_Pas_Projet(e, PAS_HORIZONTAL, "Le pas horizontal", e.L(), NB_PAS_LONGUEUR_MAX);
    return (e.L() / e.P(PAS_HORIZONTAL)) / 2;
}

// The step over one side of the widest station. With that station at the transom or at the
// bow the side has no length: its one section, at the station, is drawn.
double Pas_Cote(double etendue, double n, const std::string &quoi) {
    if (etendue == 0)
        return 1;
    const double pas = etendue / n;
    Verifie_Pas(pas, etendue, quoi, NB_PAS_LONGUEUR_MAX);
    return pas;
}

struct Barre {
    double minimum, maximum;
};

// Sections at debut, debut + pas, ... while the station does not pass fin (repeated
// addition, so the last one lands on fin or just short of it).
void Marche(Etat_Projet &e, Interface_Shell &s, Canvas &c, double debut, double fin, double pas,
            Barre barre) {
    for (double x = debut; x <= fin; x += pas) {
        const double valeur = static_cast<float>(x);
        s.Progression(barre.minimum, barre.maximum,
                      std::clamp(valeur, barre.minimum, barre.maximum));
        e.X_Couple = x;
        Trace_Couple(e, s, c);
    }
}

// What every walk does before its sections: float the hull at the user's heel, then start
// from a clear picture at that heel, square-on. The heel is taken before the search, which
// lets window events run: a heel button pressed meanwhile cannot make the sections drawn
// differ from the heel just floated.
void Debut_Marche(Etat_Projet &e, Interface_Shell &s, Canvas &c, const char *mode) {
    const double gite = e.P(ANGLE_GITE);
    Calcul_Equilibre(e, s);
    e.Mode_Couple = mode;
    s.Texte_Statut(1, "Calcul en Cours");
    e.Gite_Couple = gite;
    e.Angle_Vue = 0;
    c.Efface();
}

void Lignes(Etat_Projet &e, Interface_Shell &s, Canvas &c, double debut, double fin) {
    e.X_Debut_Lignes = debut;
    e.X_Fin_Lignes = fin;
    Trace_Lignes(e, s, c);
}

} // namespace

void Trace_Couples_TB_ET(Etat_Projet &e, Interface_Shell &s, Canvas &c) {
    const double n = Demi_Nombre(e);
    const double l = e.L(), x_large = e.P(LONGUEUR_AR);
    const double pas_ar = Pas_Cote(x_large, n, "Pas des couples arrière");
    const double pas_av = Pas_Cote(l - x_large, n, "Pas des couples avant");
    Garde_Station garde(e);

    Debut_Marche(e, s, c, "Demi");
    s.Progression(0, l, 0);
    Marche(e, s, c, 0, x_large, pas_ar, {0, l});
    Marche(e, s, c, x_large, l, pas_av, {0, l});
    Trace_Tableau_AR(e, s, c);
    Lignes(e, s, c, e.P(REPORT_TA), l);
    s.Texte_Statut(1, "Pret");
}

void Trace_Couples_TB_MC(Etat_Projet &e, Interface_Shell &s, Canvas &c) {
    const double n = Demi_Nombre(e);
    const double x_large = e.P(LONGUEUR_AR);
    const double pas = Pas_Cote(x_large, n, "Pas des couples arrière");
    Garde_Station garde(e);

    Debut_Marche(e, s, c, "Complet");
    Marche(e, s, c, 0, x_large, pas, {0, x_large});
    Trace_Tableau_AR(e, s, c);
    Lignes(e, s, c, e.P(REPORT_TA), x_large);
    s.Texte_Statut(1, "Pret");
}

void Trace_Couples_MC_ET(Etat_Projet &e, Interface_Shell &s, Canvas &c) {
    const double n = Demi_Nombre(e);
    const double l = e.L(), x_large = e.P(LONGUEUR_AR);
    const double pas = Pas_Cote(l - x_large, n, "Pas des couples avant");
    Garde_Station garde(e);

    Debut_Marche(e, s, c, "Complet");
    Marche(e, s, c, x_large, l, pas, {x_large, l});
    Lignes(e, s, c, x_large, l);
    s.Texte_Statut(1, "Pret");
}

void Trace_Couples_3D(Etat_Projet &e, Interface_Shell &s, Canvas &c) {
    Demi_Nombre(e);
    const double l = e.L();
    Garde_Station garde(e);

    Debut_Marche(e, s, c, "Complet");
    Marche(e, s, c, 0, l, e.P(PAS_HORIZONTAL), {0, l});
    Trace_Tableau_AR(e, s, c);
    Lignes(e, s, c, 0, l);
    s.Texte_Statut(1, "Pret");
}

void Trace_Couple_X(Etat_Projet &e, Interface_Shell &s, Canvas &c, double x) {
    Verifie_Couples(e);
    c.Efface();
    e.Gite_Couple = e.P(ANGLE_GITE);
    e.Angle_Vue = 0;
    e.X_Couple = x;
    s.Texte_Statut(1, "Calcul en Cours");
    e.Mode_Couple = "Complet";
    if (x == 0 && e.P(REPORT_TA) != 0)
        Trace_Tableau_AR(e, s, c);
    Trace_Couple(e, s, c);
    s.Texte_Statut(1, "Pret");
}

void Trace_Couple_X(Etat_Projet &e, Interface_Shell &s, Canvas &c) {
    Trace_Couple_X(e, s, c, e.X_Couple);
}

} // namespace gabarit
