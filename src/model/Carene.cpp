#include "model/Carene.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "model/Geometrie_Couple.h"

namespace gabarit {

namespace {

// What the table needs of one section: depth, half-breadth, shape law, upright freeboard.
struct Section {
    double D, B, a, b, F;
};

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
        Calcul_Couple(e);
        const double D = e.Hauteur_Couple;
        if (D < 0)
            throw Erreur_Gabarit("Hauteur de couple négative à X = " + Nombre_Message(X) +
                                 " mm : la table de carène ne peut pas être calculée");
        if (D >= HAUTEUR_MAX_TABLE)
            throw Erreur_Gabarit("Couple trop haut pour la table à X = " + Nombre_Message(X) +
                                 " mm : hauteur " + Nombre_Message(D) + " mm (moins de 300 mm)");
        sections[nb] = {D, e.Demi_Largeur_Couple, e.Exp_Forme_A, e.Exp_Forme_B, e.Franc_Bord};
    }
    e.X_Couple = X; // past the last station, as the walk leaves it
    return nb;
}

// One value per sample of a section, every millimetre from the sheer down.
using Echantillons = std::array<double, Table_Carene::NB_PROFONDEURS>;

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

} // namespace

void Verifie_Carene_Table(Etat_Projet &e) {
    const double x = e.X_Couple, gite = e.Gite_Couple;
    Section sections[Table_Carene::NB_STATIONS];
    try {
        Sections_Table(e, sections);
    } catch (...) {
        e.X_Couple = x;
        e.Gite_Couple = gite;
        throw;
    }
    e.X_Couple = x;
    e.Gite_Couple = gite;
}

void Calcul_Tab(Etat_Projet &e) {
    Section sections[Table_Carene::NB_STATIONS];
    const int nb = Sections_Table(e, sections);
    const double L = e.L();

    Table_Carene &t = e.Tab_Carene;
    t.Vide();
    try {
        // Shape pass: samples every millimetre from the sheer (d = 0) down, then the area
        // below each depth summed upward from the keel in 1-mm strips, both sides.
        Echantillons dix_milliemes;
        for (int i = 0; i < nb; ++i) {
            const Section &s = sections[i];
            const int n = Demi_Largeurs(s, dix_milliemes);
            for (int k = 0; k < n; ++k) {
                const double z = s.D - k;
                const int d = static_cast<int>(Arrondi(s.D - z));
                t(i, d, 0) = static_cast<float>(s.D - z);
                t(i, d, 1) = static_cast<float>(dix_milliemes[static_cast<std::size_t>(k)] / 10000);
            }
            const int quille = static_cast<int>(Int(s.D)) + 1;
            t(i, quille, 0) = static_cast<float>(s.D);
            t(i, quille, 1) = 0;
            // The sum runs in a register: reading back the row just stored would wait on
            // the store at every row.
            float aire = t(i, quille, 2);
            for (int d = quille - 1; d >= 0; --d) {
                aire = 2 * t(i, d, 1) + aire;
                t(i, d, 2) = aire;
            }
        }

        // Girth pass: one side's wetted girth from the keel up to the upright waterline in
        // force. The walk stops at the sheer row: there is no sample above it.
        double S = 0;
        for (int i = 0; i < nb; ++i) {
            const Section &s = sections[i];
            const bool entier = s.D == Int(s.D);
            const int debut = static_cast<int>(entier ? s.D : Int(s.D) + 1);
            const double fin_ligne = entier ? Fix(s.F) : Fix(s.F + 1);
            const int fin = fin_ligne < 1 ? 1 : fin_ligne > debut ? debut + 1 : int(fin_ligne);
            double G = 0;
            for (int c = debut; c >= fin; --c) {
                const double dz = static_cast<double>(t(i, c, 0)) - t(i, c - 1, 0);
                const double dy = static_cast<double>(t(i, c, 1)) - t(i, c - 1, 1);
                G += std::sqrt(dz * dz + dy * dy);
                t(i, c - 1, 3) = static_cast<float>(G);
            }
            S += G;
        }

        // Twice the mean one-side girth times the length, in thousands of mm2.
        e.P(200) = Fix(Divise(2 * S, L / 10 + 1) * L) / 1000;
    } catch (...) {
        // No half-built table survives a failed sample.
        t.Vide();
        throw;
    }
}

} // namespace gabarit
