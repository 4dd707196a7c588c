#include "rig/Profils_Naca.h"

#include <charconv>
#include <cmath>

#include "model/Numeros.h"
#include "rig/Appendices.h"

namespace gabarit {

const Plan_Naca PLAN_DERIVE{NACA_DERIVE_HAUT, NACA_DERIVE_BAS, CORDE_DERIVE_HAUT, CORDE_DERIVE_BAS};
const Plan_Naca PLAN_SAFRAN{NACA_SAFRAN_HAUT, NACA_SAFRAN_BAS, CORDE_SAFRAN_HAUT, CORDE_SAFRAN_BAS};

namespace {
// The foil outlines are drawn in the picture's foreground colour.
constexpr std::uint32_t NOIR = RGB(0, 0, 0);
} // namespace

double Valeur_Simple(float v) {
    char t[32];
    const auto r = std::to_chars(t, t + sizeof t, v, std::chars_format::general, 7);
    double d = 0;
    std::from_chars(t, r.ptr, d);
    return d;
}

double Echelle_Section(const Canvas &c) { return (c.Largeur() - 2 * MARGE_PROFIL) / 100; }

void Trace_Contour_Naca(const Etat_Projet &e, int bas, int haut, double s, Canvas &c) {
    const float *nb = e.Table_Naca[bas];
    const float *nh = e.Table_Naca[haut];
    const float *st = e.Stations_Naca;
    for (int j = 0; j <= 24; ++j) {
        const double x1 = MARGE_PROFIL + st[j] * s, x2 = MARGE_PROFIL + st[j + 1] * s;
        c.Segment(x1, AXE_PROFIL + nb[j] * s, x2, AXE_PROFIL + nb[j + 1] * s, NOIR);
        c.Segment(x1, AXE_PROFIL - nh[j] * s, x2, AXE_PROFIL - nh[j + 1] * s, NOIR);
    }
}

double Epaisseur_Section(const Etat_Projet &e, int profil, double corde) {
    const double demi = e.Table_Naca[profil][COL_EPAISSEUR_NACA];
    return Fini(2 * Int(1000 * demi * corde / 100) / 1000, "épaisseur du profil");
}

Affichage_Section Trace_Profil(Etat_Projet &e, const Plan_Naca &plan, bool inferieur, Canvas &c) {
    // Both sections are checked first: the sizing boxes show both thicknesses.
    const int haut = Profil_Naca(e.P(plan.naca_haut));
    const int bas = Profil_Naca(e.P(plan.naca_bas));
    const int k = inferieur ? bas : haut;
    const double corde = static_cast<float>(e.P(inferieur ? plan.corde_bas : plan.corde_haut));

    Affichage_Section a;
    // A table of zeros (none read) would show a thickness of 0 at 0 %: no figures.
    if (Table_Naca_Lue(e)) {
        // A thickness beyond single precision is refused rather than shown as "inf".
        a.epaisseur = Fini(Valeur_Simple(static_cast<float>(Epaisseur_Section(e, k, corde))),
                           "épaisseur du profil");
        a.position = Valeur_Simple(e.Table_Naca[k][COL_POSITION_NACA]);
        a.epaisseur_haut = Epaisseur_Section(e, haut, e.P(plan.corde_haut));
        a.epaisseur_bas = Epaisseur_Section(e, bas, e.P(plan.corde_bas));
    }

    // In per cent of chord both ways: the outline shows the true thickness ratio whatever
    // the chord.
    const double s = Echelle_Section(c);
    e.P(ECHELLE_VUE) = s;
    c.Efface();
    Trace_Contour_Naca(e, k, k, s, c);
    return a;
}

namespace {
// The longest chord the appendages window lets the user set for record numero_corde: half
// the hull length for the keel, 300 mm for the rudder. A sizing stays within it.
double Corde_Maximum(const Etat_Projet &e, int numero_corde) {
    const auto bornes = Bornes_Appendice(e);
    for (std::size_t i = 0; i < ELEMENT_APPENDICE.size(); ++i)
        if (ELEMENT_APPENDICE[i] == numero_corde)
            return bornes[i].max;
    return 1e12;
}

// The chord at which one section reaches thickness t: the current thickness scaled, the
// ratio in single precision, the chord rounded down.
double Corde_Pour(const Etat_Projet &e, int numero_profil, int numero_corde, double t,
                  const char *section) {
    const int k = Profil_Naca(e.P(numero_profil));
    const double c = e.P(numero_corde);
    const double demi = e.Table_Naca[k][COL_EPAISSEUR_NACA];
    const std::string quoi = std::string(" du profil ") + section;
    if (!(t > 0))
        throw Refus_Profil("L'épaisseur" + quoi + " doit être supérieure à 0.");
    if (!(c > 0))
        throw Refus_Profil("La largeur" + quoi +
                           " est nulle ou négative : réglez-la dans le Menu Appendice.");
    if (!(demi > 0))
        throw Refus_Profil("Le profil NACA n° " + std::to_string(k) +
                           " n'a pas d'épaisseur : choisissez-en un autre.");
    const double actuelle = 2 * demi / (100 / c);
    const float r = static_cast<float>(t / actuelle);
    const double corde = Int(static_cast<double>(r) * c);
    const double maximum = Corde_Maximum(e, numero_corde);
    if (!std::isfinite(corde) || corde > maximum)
        throw Refus_Profil("L'épaisseur" + quoi +
                           " demandée est trop grande : la largeur ne "
                           "peut dépasser " +
                           std::to_string(static_cast<long long>(maximum)) + " mm.");
    return corde;
}
} // namespace

Cordes Cordes_Pour_Epaisseurs(const Etat_Projet &e, const Plan_Naca &plan, double epaisseur_haut,
                              double epaisseur_bas) {
    return {Corde_Pour(e, plan.naca_haut, plan.corde_haut, epaisseur_haut, "supérieur"),
            Corde_Pour(e, plan.naca_bas, plan.corde_bas, epaisseur_bas, "inférieur")};
}

void Dimensionne(Etat_Projet &e, const Plan_Naca &plan, double epaisseur_haut,
                 double epaisseur_bas) {
    const Cordes c = Cordes_Pour_Epaisseurs(e, plan, epaisseur_haut, epaisseur_bas);
    e.P(plan.corde_haut) = c.haut;
    e.P(plan.corde_bas) = c.bas;
}

} // namespace gabarit
