#include "stability/Redressement.h"

#include <array>
#include <cmath>

#include "model/Garde_Station.h"
#include "model/Geometrie_Couple.h"
#include "model/Numeros.h"
#include "model/Voyants.h"

namespace gabarit {

namespace {

constexpr std::uint32_t NOIR = RGB(0, 0, 0);
constexpr std::uint32_t BLEU = RGB(0, 0, 255);
constexpr std::uint32_t VERT = RGB(0, 255, 0);
constexpr std::uint32_t MAGENTA = RGB(255, 0, 255);
constexpr std::uint32_t CYAN = RGB(0, 255, 255);

// The section is turned with the drawings' pi; the keel and bulb with the program's other one.
constexpr double PI_SECTION = 3.141593;

// Segments of the bulb's circle.
constexpr int COTES_CERCLE = 48;

// A section point (x across, z up, mm about the waterline centre) on the picture.
struct Repere {
    const Etat_Projet &e;
    double X(double x) const { return e.P(ORIGINE_X) + x * e.P(ECHELLE_VUE); }
    double Y(double z) const { return e.P(ORIGINE_Y) - z * e.P(ECHELLE_VUE); }
    void Trait(Canvas &c, double x1, double z1, double x2, double z2, std::uint32_t coul) const {
        c.Segment(X(x1), Y(z1), X(x2), Y(z2), coul);
    }
    // A short vertical mark at x on the waterline.
    void Marque(Canvas &c, double x, std::uint32_t coul) const {
        c.Segment(X(x), e.P(ORIGINE_Y) + 4, X(x), e.P(ORIGINE_Y) - 4, coul);
    }
};

void Cercle(Canvas &c, double cx, double cy, double r, std::uint32_t coul) {
    for (int i = 0; i < COTES_CERCLE; ++i) {
        const double a1 = 2 * M_PI * i / COTES_CERCLE, a2 = 2 * M_PI * (i + 1) / COTES_CERCLE;
        c.Segment(cx + r * std::cos(a1), cy + r * std::sin(a1), cx + r * std::cos(a2),
                  cy + r * std::sin(a2), coul);
    }
}

struct Point {
    double x = 0, z = 0;
};

// Immersed areas of the heeled section on either side of the vertical through the waterline
// centre, and where each side first meets the water.
struct Carene_Section {
    double A1 = 0, A2 = 0; // high side (right), low side (left), mm2
    double W1 = 0, W2 = 0; // first immersed high end and low end, x in mm
};

// Walks the strips of the section (Calcul_Couple already done) from the sheer down to the
// keel and draws its outline.
Carene_Section Parcourt_Section(Etat_Projet &e, Canvas &c, const Repere &r, double gite) {
    const double pas = e.P(PAS_VERTICAL);
    const double D = e.Hauteur_Couple, B = e.Demi_Largeur_Couple, T = e.Tirant_Eau_Couple;
    const double a = e.Exp_Forme_A, b = e.Exp_Forme_B;
    // A step of zero or less never reaches the keel, nor one lost against the depth.
    if (!(pas > 0))
        throw Erreur_Gabarit("Pas vertical nul ou négatif");
    if (!(std::fabs(D) / pas < 1e6))
        throw Erreur_Gabarit("Pas vertical trop petit");

    const double h = gite * PI_SECTION / 180;
    const double cos_h = std::cos(h), sin_h = std::sin(h);
    const bool droit = gite == 0;

    double somme1 = 0, somme2 = 0;
    int n1 = 0, n2 = 0;
    double L1 = 0, L2 = 0;
    bool vu1 = false, vu2 = false;
    Carene_Section s;
    Point haut_prec, bas_prec;
    bool premier = true;

    for (double J = D; J >= 0; J += -pas) {
        const double y = Demi_Largeur_Niveau(J, D, B, a, b);
        const double w = J - T;
        // Turned so that the left half goes down.
        const Point haut{y * cos_h - w * sin_h, y * sin_h + w * cos_h};
        const Point bas{-y * cos_h - w * sin_h, -y * sin_h + w * cos_h};

        if (premier) {
            r.Trait(c, haut.x, haut.z, bas.x, bas.z, BLEU); // the deck
        } else {
            r.Trait(c, haut.x, haut.z, haut_prec.x, haut_prec.z, BLEU);
            r.Trait(c, bas.x, bas.z, bas_prec.x, bas_prec.z, BLEU);
        }

        if (bas.z < 0) {
            if (droit) {
                L2 = std::fabs(bas.x);
                L1 = std::fabs(haut.x);
                ++n1;
                ++n2;
            } else {
                // Immersed length of the strip, held in single precision.
                const float immerge = static_cast<float>(
                    haut.z > 0 ? std::fabs(bas.z) / sin_h : std::fabs(haut.z - bas.z) / sin_h);
                // Low side: up to the centre vertical, or up to the water if that comes first.
                const double t = std::sqrt((bas.x / cos_h) * (bas.x / cos_h) - bas.x * bas.x);
                L2 = std::fabs(bas.z) > t ? std::fabs(bas.x / cos_h) : std::fabs(bas.z / sin_h);
                ++n2;
                if (static_cast<float>(L2) < immerge) {
                    L1 = immerge - L2;
                    ++n1;
                }
            }
        }
        if (bas.z < 0 && !vu2) {
            s.W2 = bas.x;
            vu2 = true;
        }
        if (haut.z < 0 && !vu1) {
            s.W1 = haut.x;
            vu1 = true;
        }
        haut_prec = haut;
        bas_prec = bas;
        premier = false;
        somme2 += L2;
        somme1 += L1;
    }

    if (!premier) {
        // Back up both sides to the keel.
        const Point quille{T * sin_h, -T * cos_h};
        r.Trait(c, quille.x, quille.z, bas_prec.x, bas_prec.z, BLEU);
        r.Trait(c, quille.x, quille.z, haut_prec.x, haut_prec.z, BLEU);
    }
    s.A2 = n2 == 0 ? 0 : somme2 / n2 * (n2 - 1) * pas;
    s.A1 = n1 == 0 ? 0 : somme1 / n1 * (n1 - 1) * pas;
    return s;
}

// Lateral centre of gravity of the eight weights: the six items, the hull, and the bulb at
// its lateral offset y_bulbe.
double Centre_Gravite_Lateral(const Etat_Projet &e, double y_bulbe) {
    double poids = 0, moment = 0;
    auto ajoute = [&](double p, double y) {
        poids += p;
        moment += p * y;
    };
    for (int i = 0; i < NB_ITEMS; ++i)
        ajoute(e.P(Poids_Item(i)), e.P(Y_Item(i)));
    ajoute(e.P(POIDS_CARENE), e.P(Y_CARENE));
    ajoute(e.P(POIDS_BULBE), y_bulbe);
    return moment == 0 ? 0 : Divise(moment, poids);
}

void Verifie_Station_Derive(const Etat_Projet &e) {
    if (!Station_Derive_Valide(e))
        throw Derive_Hors_Coque();
}

// What one heel's moment leaves besides the moment itself.
struct Figures_Moment {
    double z_bulbe, y_bulbe, y_centre;
};

// The moment goes under its heel, the nearest of 0, 5, ..., 30 (7 degrees under 5), with the
// bulb and centre it was worked from, only for a heel of 0 to 30 whose floating position is
// current: a moment worked on freeboards that are out of date (or were put back after a
// failed search) is no result of this hull, and neither are its figures.
void Stocke_Moment(Etat_Projet &e, double gite, double moment, const Figures_Moment &f) {
    if (!(gite >= 0 && gite <= 5.0 * (NB_GITES - 1)))
        return;
    const int k = static_cast<int>(Arrondi(gite / 5));
    if (e.P(Etat_Gite(k)) == 1)
        return;
    e.P(Z_BULBE) = f.z_bulbe;
    e.P(Y_BULBE) = f.y_bulbe;
    e.P(CENTRE_GRAVITE_Y) = f.y_centre;
    e.P(Moment_Redressement(k)) = moment;
    ++e.Calculs_Moment[static_cast<std::size_t>(k)];
    // The sail area the hull can carry follows the moment at 30 degrees wherever it is stored.
    if (k == NB_GITES - 1)
        e.P(SURFACE_THEORIQUE) = Surface_Theorique(moment);
}

} // namespace

bool Station_Derive_Valide(const Etat_Projet &e) {
    // Past the bow there is no hull either: the same refusal as at the bow itself.
    const double x = e.P(POSITION_DERIVE);
    return !(x < e.P(REPORT_TA) || x >= e.L());
}

void Echelle_Stabilite(Etat_Projet &e, const Canvas &picture) {
    e.P(ORIGINE_Y) = picture.Hauteur() / 4;
    e.P(ORIGINE_X) = picture.Largeur() / 2;
    const double derive = e.P(LONGUEUR_DERIVE), demi_largeur = e.P(DEMI_LARGEUR_MAX);
    if (derive != 0)
        e.P(ECHELLE_VUE) = Divise(20, derive);
    if (2 * demi_largeur > derive)
        e.P(ECHELLE_VUE) = Divise(15, demi_largeur);
}

std::optional<double> Calcul_Redressement(Etat_Projet &e, Affichage_Stabilite &affichage) {
    Verifie_Station_Derive(e);
    Canvas &c = affichage.Picture2();
    Echelle_Stabilite(e, c);
    Garde_Station garde(e);

    const double gite = e.P(ANGLE_GITE);
    e.X_Couple = e.P(POSITION_DERIVE);
    e.Mode_Couple = "Complet";
    c.Efface();
    e.Gite_Couple = gite;
    e.Angle_Vue = 0;
    const Repere r{e};
    c.Segment(0, e.P(ORIGINE_Y), 6200, e.P(ORIGINE_Y), VERT);

    Calcul_Couple(e);
    e.Cos_Angle_Vue = 1;
    e.Decalage_Vue = 0;
    const Carene_Section s = Parcourt_Section(e, c, r, gite);
    // No water at the keel station: no centre of buoyancy, so no moment for this heel.
    if (s.A1 + s.A2 == 0) {
        affichage.Montre_Moment(std::nullopt);
        return std::nullopt;
    }
    const double Yb = Fini(((s.W2 / 2) * s.A2 + (s.W1 / 2) * s.A1) / (s.A2 + s.A1), "position latérale du centre de carène");
    r.Marque(c, Yb, MAGENTA);

    Calcul_Couple(e);
    const double T = e.Tirant_Eau_Couple;
    const double cant = e.P(ANGLE_BASCULE);
    const double h = gite * PI_QUILLE / 180, hc = (gite + cant) * PI_QUILLE / 180;
    const double echelle = e.P(ECHELLE_VUE), oy = e.P(ORIGINE_Y), ox = e.P(ORIGINE_X);
    // Keel from its root on the heeled hull to its canted tip, as (across, down).
    const double pied = e.P(LONGUEUR_DERIVE) + T;
    c.Segment(ox + T * std::sin(h) * echelle, oy + T * std::cos(h) * echelle,
              ox + pied * std::sin(hc) * echelle, oy + pied * std::cos(hc) * echelle, BLEU);

    // The bulb hangs at the tip, its centre half its height further down the keel line.
    const double rayon = pied + e.P(HAUTEUR_BULBE) / 2;
    // Every result is checked against what the project file can hold before any is stored.
    const double z_bulbe = Stockable(rayon * std::cos(hc), "profondeur du bulbe");
    const double y_bulbe = Stockable(rayon * std::sin(hc), "position latérale du bulbe");
    const double Yg =
        Stockable(Centre_Gravite_Lateral(e, y_bulbe), "position latérale du centre de gravité");
    const double moment =
        Stockable(Fix(e.P(POIDS_TOTAL) * (std::fabs(Yb) + Yg)), "valeur du moment de redressement");
    Cercle(c, ox + y_bulbe * echelle, oy + z_bulbe * echelle, e.P(HAUTEUR_BULBE) / 2 * echelle,
           NOIR);
    r.Marque(c, Yg, CYAN);

    affichage.Montre_Moment(moment);
    Stocke_Moment(e, gite, moment, {z_bulbe, y_bulbe, Yg});
    return moment;
}

std::optional<double> Actualise_Stabilite(Etat_Projet &e, Interface_Shell &shell,
                                          Affichage_Stabilite &affichage) {
    shell.Texte_Statut(1, "Pret");
    Echelle_Stabilite(e, affichage.Picture2());
    return Calcul_Redressement(e, affichage);
}

double Surface_Theorique(double moment_30) { return Int(moment_30 / 6200 * 10) / 10; }

void Verifie_Flottaisons_Calculees(const Etat_Projet &e) {
    for (int k = 0; k < NB_GITES; ++k)
        if (e.P(Etat_Gite(k)) == 0)
            return;
    throw Erreur_Gabarit(MESSAGE_FLOTTAISONS_PERIMEES);
}

double Calcul_Gite_0_30_Muet(Etat_Projet &e, Interface_Shell &shell,
                             Affichage_Stabilite &affichage) {
    // Every heel whose moment this run does not compute goes under a red light.
    Garde_Gites garde(e, shell);
    Verifie_Station_Derive(e);
    std::optional<double> moment_30;
    for (int k = 0; k < NB_GITES; ++k) {
        e.P(ANGLE_GITE) = 5.0 * k;
        const std::optional<double> m = Calcul_Redressement(e, affichage);
        garde.fait[static_cast<std::size_t>(k)] = m.has_value();
        if (k == NB_GITES - 1)
            moment_30 = m;
        shell.Laisse_Evenements();
    }
    // The picture and the moment end on the upright state.
    e.P(ANGLE_GITE) = 0;
    Calcul_Redressement(e, affichage);
    e.P(MARQUE_SERIE) = 0;
    // The sail area follows the moment at 30 degrees: stored only beside a stored moment.
    if (moment_30) {
        const double A = Surface_Theorique(*moment_30);
        affichage.Montre_Surface_Theorique(A);
        if (e.P(Etat_Gite(NB_GITES - 1)) != 1)
            e.P(SURFACE_THEORIQUE) = A;
    }
    affichage.Rafraichit_Comparaison();
    return e.P(SURFACE_THEORIQUE);
}

double Calcul_Gite_0_30(Etat_Projet &e, Interface_Shell &shell, Affichage_Stabilite &affichage) {
    try {
        return Calcul_Gite_0_30_Muet(e, shell, affichage);
    } catch (const Derive_Hors_Coque &) {
        throw; // the windows tell it in their own words
    } catch (const Erreur_Gabarit &x) {
        // A series that stops part way says why, once, whichever window started it.
        if (x.Signalee())
            throw Calcul_Partiel(x.what(), true);
        shell.Message(x.what(), MB_EXCLAMATION, "Attention");
        throw Calcul_Partiel(x.what(), true);
    }
}

} // namespace gabarit
