#include "model/Carene.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "model/Geometrie_Couple.h"
#include "model/Numeros.h"
#include "model/Voyants.h"

namespace gabarit {

namespace {

// What the table needs of one section: station, depth, half-breadth, shape law, upright
// freeboard.
struct Section {
    double X, D, B, a, b, F;
};

} // namespace

namespace {

// A section of the table's walk refused at its station X. non_fini: the reason is a value that
// is not finite, whose record the walk then looks for (Nomme_Causes).
class Refus_Station : public Erreur_Gabarit {
public:
    Refus_Station(const std::string &message, double x, const Erreur_Gabarit &raison)
        : Erreur_Gabarit(message), X(x),
          non_fini(dynamic_cast<const Erreur_Non_Finie *>(&raison) != nullptr) {}
    double X;
    bool non_fini;
};

// The refusal of the section at X, naming the station and the values its shape comes from,
// so the user can find the record that made it.
[[noreturn]] void Refuse_Section(const Section &s, const Erreur_Gabarit &err) {
    throw Refus_Station("Couple incalculable à X = " + Valeur_Message(s.X) + " mm (hauteur " +
                            Valeur_Message(s.D) + " mm, demi-largeur " + Valeur_Message(s.B) +
                            " mm, forme a = " + Valeur_Message(s.a) +
                            ", b = " + Valeur_Message(s.b) + ") : " + err.what(),
                        s.X, err);
}

} // namespace

void Init_Tab(Etat_Projet &e) { e.Tab_Carene.Vide(); }

void Verifie_Longueur_Table(const Etat_Projet &e) {
    const double L = e.L();
    if (!std::isfinite(L) || L <= 0)
        throw Erreur_Gabarit("Longueur de carène nulle ou négative : L = " + Nombre_Message(L) +
                             " mm");
    if (L > LONGUEUR_MAX_TABLE)
        throw Erreur_Gabarit("Carène trop longue pour la table : L = " + Nombre_Message(L) +
                             " mm (2000 mm au plus)");
}

namespace {

// Every section at the table's stations, computed once upright and checked: the shape pass
// only uses D, B, a and b (independent of the heel), the girth pass the upright freeboard.
// Returns the number of stations; leaves Gite_Couple at 0 and X_Couple one step past the
// last station.
int Sections_Table(Etat_Projet &e, Section (&sections)[Table_Carene::NB_STATIONS]) {
    Verifie_Longueur_Table(e);
    const double L = e.L();
    int nb = 0;
    double X = 0;
    e.Gite_Couple = 0;
    for (; X <= L; X += 10, ++nb) {
        e.X_Couple = X;
        try {
            Calcul_Couple(e);
        } catch (const Erreur_Gabarit &err) {
            throw Refus_Station(
                "Couple incalculable à X = " + Nombre_Message(X) + " mm : " + err.what(), X, err);
        }
        const double D = e.Hauteur_Couple;
        if (D < 0)
            throw Erreur_Gabarit("Hauteur de couple négative à X = " + Nombre_Message(X) +
                                 " mm : la table de carène ne peut pas être calculée");
        if (D >= HAUTEUR_MAX_TABLE)
            throw Erreur_Gabarit("Couple trop haut pour la table à X = " + Nombre_Message(X) +
                                 " mm : hauteur " + Valeur_Message(D) + " mm (moins de 300 mm)");
        sections[nb] = {X, D, e.Demi_Largeur_Couple, e.Exp_Forme_A, e.Exp_Forme_B, e.Franc_Bord};
    }
    e.X_Couple = X; // past the last station, as the walk leaves it
    return nb;
}

// One value per row of a section, every millimetre from the sheer down.
using Echantillons = std::array<double, Table_Carene::NB_PROFONDEURS>;
using Lignes = std::array<float, Table_Carene::NB_PROFONDEURS>;

// One section's four table columns, rows 0 to n - 1 (the keel row last).
struct Colonnes_Section {
    Lignes profondeur, demi_largeur, aire, perimetre;
    int n = 0;
};

// The half-breadths of a section every millimetre from the sheer down (k = 0, 1, ... while
// k <= D), in whole ten-thousandths of a millimetre; returns their number. The section was
// checked less than 300 mm deep: at most 300 samples. The shape law's bases and exponents
// are worked out first, so that the powers, most of the table's time, run back to back.
int Demi_Largeurs(const Section &s, Echantillons &dix_milliemes) {
    Echantillons bases, exposants;
    std::size_t n = 0;
    for (int k = 0; s.D - k >= 0; ++k, ++n) {
        const double z = s.D - k; // height above the keel
        const double r = s.D == 0 ? z : z / s.D;
        bases[n] = r;
        exposants[n] = s.a + s.b * r;
    }
    for (std::size_t k = 0; k < n; ++k) {
        const double y = s.B * Puissance(bases[k], exposants[k]);
        dix_milliemes[k] = Int(Fini(y * 10000, "demi-largeur"));
    }
    return static_cast<int>(n);
}

// One side's wetted girth of a section D deep, from the keel up to the upright freeboard F
// at its station: the chords between the samples (depth, half-breadth) read through
// lit(row, 0 or 1), each partial girth handed to ecrit(row, girth). The walk stops at the
// sheer row: there is no sample above it. Returns the whole girth.
template <class Lit, class Ecrit>
double Marche_Perimetre(double D, double F, Lit lit, Ecrit ecrit) {
    const bool entier = D == Int(D);
    const int debut = static_cast<int>(entier ? D : Int(D) + 1);
    const double fin_ligne = entier ? Fix(F) : Fix(F + 1);
    const int fin = fin_ligne < 1 ? 1 : fin_ligne > debut ? debut + 1 : int(fin_ligne);
    double G = 0;
    for (int k = debut; k >= fin; --k) {
        const double dz = lit(k, 0) - lit(k - 1, 0);
        const double dy = lit(k, 1) - lit(k - 1, 1);
        G += std::sqrt(dz * dz + dy * dy);
        if (!(G <= std::numeric_limits<float>::max()))
            throw Erreur_Gabarit("Calcul impossible : périmètre trop grand pour la table");
        ecrit(k - 1, static_cast<float>(G));
    }
    return G;
}

// A section's columns: depth and half-breadth every millimetre from the sheer down, the area
// below each depth summed upward from the keel in 1-mm strips, both sides, and one side's
// wetted girth from the keel up to the upright waterline in force. Returns that girth.
// The table keeps single precision: a half-breadth or an area beyond it is refused.
double Colonnes(const Section &s, Colonnes_Section &c) {
    Echantillons dix_milliemes;
    const int n = Demi_Largeurs(s, dix_milliemes);
    for (int k = 0; k < n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const double y = dix_milliemes[i] / 10000;
        if (!(std::abs(y) <= std::numeric_limits<float>::max()))
            throw Erreur_Gabarit("Calcul impossible : demi-largeur trop grande pour la table");
        const double z = s.D - k; // height above the keel
        c.profondeur[i] = static_cast<float>(s.D - z);
        c.demi_largeur[i] = static_cast<float>(y);
    }
    const auto quille = static_cast<std::size_t>(Int(s.D)) + 1;
    c.profondeur[quille] = static_cast<float>(s.D);
    c.demi_largeur[quille] = 0;
    c.n = static_cast<int>(quille) + 1;
    float aire = 0;
    for (std::size_t d = quille + 1; d-- > 0;) {
        aire = 2 * c.demi_largeur[d] + aire;
        c.aire[d] = aire;
        c.perimetre[d] = 0;
    }
    if (!std::isfinite(aire))
        throw Erreur_Gabarit("Calcul impossible : aire de couple trop grande pour la table");

    return Marche_Perimetre(
        s.D, s.F,
        [&c](int d, int k) {
            const auto i = static_cast<std::size_t>(d);
            return static_cast<double>(k == 0 ? c.profondeur[i] : c.demi_largeur[i]);
        },
        [&c](int d, float G) { c.perimetre[static_cast<std::size_t>(d)] = G; });
}

// The table's passes over every section, into t when given (t empty), else only checked:
// what the check accepts is exactly what the table takes. Returns the upright wetted surface
// Surface_Mouillee_Gite(0): twice the mean one-side girth times the length, in thousands of mm2.
double Passes_Table(const Section *sections, int nb, double L, Table_Carene *t) {
    Colonnes_Section c;
    double S = 0;
    // The hull's volume read by the flotation sums these areas in single precision.
    float volume = 0;
    for (int i = 0; i < nb; ++i) {
        const Section &s = sections[i];
        try {
            S += Colonnes(s, c);
        } catch (const Erreur_Gabarit &err) {
            Refuse_Section(s, err);
        }
        volume += c.aire[0];
        if (t)
            for (int d = 0; d < c.n; ++d) {
                const auto k = static_cast<std::size_t>(d);
                (*t)(i, d, 0) = c.profondeur[k];
                (*t)(i, d, 1) = c.demi_largeur[k];
                (*t)(i, d, 2) = c.aire[k];
                (*t)(i, d, 3) = c.perimetre[k];
            }
    }
    if (!std::isfinite(volume))
        throw Erreur_Gabarit("Carène trop grande pour la table : volume de "
                             "carène non fini");
    return Fix(Divise(2 * S, L / 10 + 1) * L) / 1000;
}

// The largest magnitude record n of the hull's form takes on a hull the table holds, as the
// walk measures it: a length, breadth, height or station within the longest hull; an exponent
// or shape coefficient under which a power of such a length stays finite.
double Echelle_Forme(int n) {
    static const double exposant =
        std::floor(std::log(std::numeric_limits<double>::max()) / std::log(LONGUEUR_MAX_TABLE));
    for (int mm : {LONGUEUR_AV, LONGUEUR_AR, DEMI_LARGEUR_MAX, HAUTEUR_MAX, LONGUEUR_AV_HAUT,
                   POSITION_COUPLE_HAUT, DEMI_LARGEUR_TA, HAUTEUR_TA, HAUTEUR_ETRAVE, REPORT_TA,
                   LONGUEUR_ETRAVE})
        if (n == mm)
            return LONGUEUR_MAX_TABLE;
    return exposant;
}

// True when the table's section at X meets a value that is not finite: the walk's own steps,
// the section and then its columns, at that station alone.
bool Station_Non_Finie(Etat_Projet &e, double X) {
    e.X_Couple = X;
    e.Gite_Couple = 0;
    try {
        Calcul_Couple(e);
        const double D = e.Hauteur_Couple;
        if (!(D >= 0 && D < HAUTEUR_MAX_TABLE))
            return false;
        Colonnes_Section c;
        Colonnes({X, D, e.Demi_Largeur_Couple, e.Exp_Forme_A, e.Exp_Forme_B, e.Franc_Bord}, c);
    } catch (const Erreur_Non_Finie &) {
        return true;
    } catch (const Erreur_Gabarit &) {
    }
    return false;
}

// The records of the hull's form whose runaway value makes the section at X meet a value that
// is not finite: each one out of scale (Echelle_Forme) that, brought back within it, lets the
// station through; when none does alone, all of them together. Named with their values as a
// file holds them, " (valeur 1e+303 du n° 5)"; "" when there is none to name. The record is
// left as it was.
std::string Valeurs_En_Cause(Etat_Projet &e, double X) {
    const Record garde = e.Tab_Param;
    std::vector<int> hors;
    for (int n : Numeros_Forme_Carene())
        if (!(std::fabs(e.P(n)) <= Echelle_Forme(n)))
            hors.push_back(n);
    const auto ramene = [&e](int n) {
        e.P(n) = std::fmax(-Echelle_Forme(n), std::fmin(e.P(n), Echelle_Forme(n)));
    };
    std::vector<int> causes;
    for (int n : hors) {
        ramene(n);
        if (!Station_Non_Finie(e, X))
            causes.push_back(n);
        e.Tab_Param = garde;
    }
    if (causes.empty() && hors.size() > 1) {
        for (int n : hors)
            ramene(n);
        if (!Station_Non_Finie(e, X))
            causes = hors;
        e.Tab_Param = garde;
    }
    if (causes.empty())
        return "";
    std::string texte = causes.size() > 1 ? " (valeurs " : " (valeur ";
    for (std::size_t i = 0; i < causes.size(); ++i)
        texte += (i == 0                   ? ""
                  : i + 1 == causes.size() ? " et "
                                           : ", ") +
                 Valeur_Message(garde[static_cast<std::size_t>(causes[i])]) + " du n° " +
                 std::to_string(causes[i]);
    return texte + ")";
}

// Runs one of the table's walks over e; a section refused on a value that is not finite is
// refused again naming the records that led there, when they can be found.
template <class Marche> void Nomme_Causes(Etat_Projet &e, Marche marche) {
    try {
        marche();
    } catch (const Refus_Station &r) {
        if (!r.non_fini)
            throw;
        const std::string causes = Valeurs_En_Cause(e, r.X);
        if (causes.empty())
            throw;
        throw Erreur_Gabarit(r.what() + causes);
    }
}

} // namespace

void Verifie_Carene_Table(Etat_Projet &e) {
    const double x = e.X_Couple, gite = e.Gite_Couple;
    const auto remet = [&] {
        e.X_Couple = x;
        e.Gite_Couple = gite;
    };
    Section sections[Table_Carene::NB_STATIONS];
    try {
        Nomme_Causes(e, [&] {
            const int nb = Sections_Table(e, sections);
            Passes_Table(sections, nb, e.L(), nullptr);
        });
    } catch (...) {
        remet();
        throw;
    }
    remet();
}

namespace {
std::vector<double> Forme_Carene(const Etat_Projet &e) {
    std::vector<double> forme;
    forme.reserve(Numeros_Forme_Carene().size());
    for (int n : Numeros_Forme_Carene())
        forme.push_back(e.P(n));
    return forme;
}
} // namespace

bool Table_Du_Bateau(const Etat_Projet &e) {
    return !e.Tab_Carene.Forme().empty() && e.Tab_Carene.Forme() == Forme_Carene(e);
}

void Calcul_Tab(Etat_Projet &e) {
    Section sections[Table_Carene::NB_STATIONS];
    Nomme_Causes(e, [&] {
        const int nb = Sections_Table(e, sections);
        Table_Carene &t = e.Tab_Carene;
        t.Vide();
        try {
            const double surface = Passes_Table(sections, nb, e.L(), &t);
            // A result, kept only beside the upright light that stands for this waterline.
            if (e.P(Etat_Gite(0)) != 1)
                e.P(Surface_Mouillee_Gite(0)) = surface;
            double profondeurs[Table_Carene::NB_STATIONS];
            for (int i = 0; i < nb; ++i)
                profondeurs[i] = sections[i].D;
            t.Fixe_Sections(e.L(), nb, profondeurs);
            t.Fixe_Forme(Forme_Carene(e));
        } catch (...) {
            // No half-built table survives a failed sample.
            t.Vide();
            throw;
        }
    });
}

double Perimetres_Flottaison(Etat_Projet &e) {
    Table_Carene &t = e.Tab_Carene;
    const int nb = t.Nb_Sections();
    const double L = t.Longueur();
    if (nb == 0 || !(L > 0))
        return e.P(Surface_Mouillee_Gite(0));
    // The freeboard at each station as the section geometry draws the upright waterline.
    const double arriere = e.P(Franc_Bord_AR(0));
    const double pente = Divise(e.P(Franc_Bord_AV(0)) - arriere, L);
    const auto lit = [&t](int i) {
        return [&t, i](int d, int k) { return static_cast<double>(std::as_const(t)(i, d, k)); };
    };
    // The whole walk first, so a girth the table cannot hold changes nothing.
    double S = 0;
    for (int i = 0; i < nb; ++i)
        S += Marche_Perimetre(t.Profondeur_Section(i), pente * (10.0 * i) + arriere, lit(i),
                              [](int, float) {});
    const double surface = Fix(Divise(2 * S, L / 10 + 1) * L) / 1000;
    for (int i = 0; i < nb; ++i) {
        const double D = t.Profondeur_Section(i);
        for (int d = 0; d <= Int(D) + 1; ++d)
            t(i, d, 3) = 0;
        Marche_Perimetre(D, pente * (10.0 * i) + arriere, lit(i),
                         [&t, i](int d, float G) { t(i, d, 3) = G; });
    }
    e.P(Surface_Mouillee_Gite(0)) = surface;
    return surface;
}

bool Calcul_Tab_Ou_Retablit(Etat_Projet &e, const Record &sauve, Interface_Shell &shell) {
    try {
        Calcul_Tab(e);
        return true;
    } catch (const Erreur_Gabarit &x) {
        // The hull stays as it was.
        e.Tab_Param = sauve;
        try {
            Calcul_Tab(e);
        } catch (const Erreur_Gabarit &) {
        }
        shell.Message(std::string("Cette forme de carène ne peut pas être calculée (") + x.what() +
                          "). Rien n'est changé.",
                      MB_EXCLAMATION, "Attention");
        return false;
    }
}

} // namespace gabarit
