#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "interfaces/Canvas.h"
#include "interfaces/Shell_Enregistreur.h"
#include "model/Fichier_Projet.h"
#include "model/Geometrie_Couple.h"
#include "rig/Bulbe.h"
#include "rig/Profils_Naca.h"
#include "rig/Table_Naca.h"
#include "support/Coques_Essai.h"
#include "support/Naca_Essai.h"
#include "support/Traits_Essai.h"
#include "views/Dessins.h"

using namespace gabarit;
using namespace gabarit::test;

namespace {

Etat_Projet Bulbe() {
    Etat_Projet e;
    Bulbe_Cone(e);
    return e;
}

// The cone's radius 2 u mm at the stations, and the volume it encloses with pi = 3.14116.
constexpr double LR = 2;
double Rayon(const Etat_Projet &e, int k) {
    const double t = e.Stations_Naca[k];
    return LR * (t <= 50 ? t / 4 : (100 - t) / 4);
}
// Two cones of radius 25 mm and length 100 mm.
constexpr double VOLUME_CONE = 2 * PI_QUILLE * 25 * 25 * 100 / 3;

// What the trapezoids add on a slice of length h where the radius runs linearly from a to b:
// pi h (a^2 + b^2) / 2 against pi h (a^2 + ab + b^2) / 3, so pi h (b - a)^2 / 6.
double Exces_Trapezes(const Etat_Projet &e) {
    double exces = 0;
    for (int k = 0; k < 25; ++k) {
        const double h = (e.Stations_Naca[k + 1] - e.Stations_Naca[k]) * LR;
        exces += PI_QUILLE * h * std::pow(Rayon(e, k + 1) - Rayon(e, k), 2) / 6;
    }
    return exces;
}

} // namespace

TEST(Bulbe, VolumeParLaRegleDuProgramme) {
    Etat_Projet e = Bulbe();
    const double v = Volume_Bulbe(e);
    // The rule's trapezoids hold the cone plus their excess, and each slice is multiplied
    // once more by the 2 mm per per cent: 2 x (130881.67 + 601.82) mm.
    const double regle = LR * (VOLUME_CONE + Exces_Trapezes(e));
    EXPECT_NEAR(regle, 262966.97, 0.01);
    EXPECT_NEAR(v, regle, regle * 1e-6); // summed in single precision

    // The mass for the lead reference and for another metal reference.
    EXPECT_EQ(Masse_Bulbe(static_cast<float>(v), REFERENCE_PLOMB), 5448); // 5448.67
    EXPECT_EQ(Masse_Bulbe(static_cast<float>(v), 11.35), 298);            // 298.47
    // A metal of no or negative mass is refused, as letters are.
    EXPECT_THROW(Masse_Bulbe(static_cast<float>(v), 0), Refus_Profil);
    EXPECT_THROW(Masse_Bulbe(static_cast<float>(v), -5), Refus_Profil);

    // Without length there is neither volume nor mass.
    e.P(165) = 0;
    EXPECT_EQ(Volume_Bulbe(e), 0.f);
    EXPECT_EQ(Masse_Bulbe(Volume_Bulbe(e), REFERENCE_PLOMB), 0);
}

TEST(Bulbe, ChaqueProfilCompteDansLeVolume) {
    // The same mean radius from other shares of the three profiles gives the same volume;
    // one profile changed gives another.
    Etat_Projet e = Bulbe();
    const float v = Volume_Bulbe(e);
    std::swap(e.P(159), e.P(161));
    EXPECT_NEAR(Volume_Bulbe(e), v, v * 1e-6);
    e.P(160) = 8;
    // Radius (u/2 + u/2 + 3u/2) / 3 = 5u/6: the volume scales by 25/36.
    EXPECT_NEAR(Volume_Bulbe(e), v * 25 / 36, v * 1e-6);
    e.P(161) = 40;
    EXPECT_THROW(Volume_Bulbe(e), Refus_Profil);
}

TEST(Bulbe, VueDeDessus) {
    Etat_Projet e = Bulbe();
    Canvas_Enregistreur c(346, 121);
    const Affichage_Bulbe_Dessus a = Trace_Bulbe_Dessus(e, 9, c);
    EXPECT_EQ(a.diametre, 75); // 2 x 18.75 % of 200 mm
    EXPECT_EQ(a.position, 49);
    EXPECT_DOUBLE_EQ(e.P(22), 3.36);
    ASSERT_EQ(c.traits.size(), 50u);
    // At mid-length: 18.75 % either side of the axis, 3.36 units per per cent.
    Compare(c.traits[30],
            {5 + 50 * 3.36, 56 + 18.75 * 3.36, 5 + 55 * 3.36, 56 + 16.875 * 3.36, NOIR});
    Compare(c.traits[31],
            {5 + 50 * 3.36, 56 - 18.75 * 3.36, 5 + 55 * 3.36, 56 - 16.875 * 3.36, NOIR});

    // No selection, or a row outside the table: refused before the picture is touched.
    e.P(22) = 1;
    EXPECT_THROW(Trace_Bulbe_Dessus(e, -1, c), Refus_Profil);
    EXPECT_THROW(Trace_Bulbe_Dessus(e, 40, c), Refus_Profil);
    EXPECT_EQ(c.effacements, 1);
    EXPECT_EQ(e.P(22), 1);
}

TEST(Bulbe, VueDeCoteEtHauteurMontree) {
    Etat_Projet e = Bulbe();
    e.P(166) = 3;
    Canvas_Enregistreur c(353, 121); // 5295 twips: 3.43 units per per cent
    const Affichage_Bulbe_Cote a = Trace_Bulbe_Cote(e, c);
    EXPECT_EQ(a.hauteur, 50); // (6.25 + 18.75) % of 200 mm
    EXPECT_EQ(e.P(166), 3);   // shown, not stored: the record's is the derivation's
    EXPECT_EQ(a.position_haut, 48);
    EXPECT_EQ(a.position_bas, 49);
    EXPECT_DOUBLE_EQ(e.P(22), 3.43);
    // Lower half from profile 9 below the axis, upper half from profile 8 above it.
    Compare(c.traits[30],
            {5 + 50 * 3.43, 56 + 18.75 * 3.43, 5 + 55 * 3.43, 56 + 16.875 * 3.43, NOIR});
    Compare(c.traits[31],
            {5 + 50 * 3.43, 56 - 6.25 * 3.43, 5 + 55 * 3.43, 56 - 5.625 * 3.43, NOIR});

    // (6.0017 + 4.5013) x 1.83 = 19.22049: the single-precision product is 19.2204914, the
    // label shows seven digits.
    e.Table_Naca[8][26] = 6.0017f;
    e.Table_Naca[9][26] = 4.5013f;
    e.P(165) = 183;
    EXPECT_EQ(Trace_Bulbe_Cote(e, c).hauteur, 19.22049);

    // The same profile in the three lists: width and height agree.
    e.P(159) = e.P(161) = 7;
    EXPECT_EQ(Trace_Bulbe_Cote(e, c).hauteur, Trace_Bulbe_Dessus(e, 7, c).diametre);

    e.P(161) = 39.6; // 40 once rounded
    EXPECT_THROW(Trace_Bulbe_Cote(e, c), Refus_Profil);
}

TEST(Bulbe, LaVueDesAppendicesEffaceLaVueDeCote) {
    Etat_Projet e = Coque_V();
    Bulbe_Cone(e);
    e.P(22) = 1, e.P(110) = 100, e.P(113) = 300;
    Shell_Enregistreur s;
    Canvas_Enregistreur c(300, 400);
    Trace_Bulbe(e, s, c);
    EXPECT_EQ(s.effacements_bulbe_cote, 1);
    Trace_Bulbe(e, s, c);
    EXPECT_EQ(s.effacements_bulbe_cote, 2);
}

// The height the derivation stores whenever the bulb length or a side-view profile changes, by
// the side view's rule: (upper + lower largest half-thickness) % of the length, single precision,
// seven digits. No table read: nothing to compute, the record keeps its height.
TEST(Bulbe, HauteurCalculeeSansLaVueDeCote) {
    struct Cas {
        const char *quoi;
        double longueur, haut, bas; // mm, and the rows' largest half-thicknesses in %
        bool table;
        double hauteur; // stored; 3 is what the record held
    };
    for (Cas k : {Cas{"cone", 200, 6.25f, 18.75f, true, 50},
                  Cas{"sept chiffres", 183, 6.0017f, 4.5013f, true, 19.22},
                  Cas{"bulbe nul", 0, 6.25f, 18.75f, true, 0},
                  Cas{"sans table", 200, 6.25f, 18.75f, false, 3}}) {
        SCOPED_TRACE(k.quoi);
        Etat_Projet e;
        if (k.table) {
            Bulbe_Cone(e);
            e.Table_Naca[8][26] = static_cast<float>(k.haut);
            e.Table_Naca[9][26] = static_cast<float>(k.bas);
        } else {
            e.P(159) = 8, e.P(161) = 9;
        }
        e.P(165) = k.longueur;
        const std::optional<double> h = Hauteur_Bulbe(e);
        EXPECT_EQ(h ? Valeur_Fichier(*h) : 3, k.hauteur);
    }
    // A profile outside the table is refused.
    Etat_Projet e = Bulbe();
    e.P(159) = 40;
    EXPECT_THROW(Hauteur_Bulbe(e), Refus_Profil);
}

// The bulb hangs under the upright waterline from the raked keel, the hull under water raked
// with it; the section being worked on (station 123 heeled at 25 degrees, 40 mm of hull under
// water there) is given back, by a refusal too.
TEST(Bulbe, ProfondeurDeLAxeSousLaFlottaisonDroite) {
    Etat_Projet e = Caisson_Bulbe();
    for (const double angle : {0.0, 10.0}) {
        SCOPED_TRACE(angle);
        e.P(115) = angle;
        e.X_Couple = 123, e.Gite_Couple = 25;
        Calcul_Couple(e);
        EXPECT_NEAR(Profondeur_Axe_Bulbe(e), (250 + 70) * std::cos(angle * 3.14116 / 180) + 10,
                    1e-9);
        EXPECT_EQ(e.X_Couple, 123);
        EXPECT_EQ(e.Gite_Couple, 25);
        EXPECT_EQ(e.Tirant_Eau_Couple, 40);
    }
    // No hull to hang the keel from behind the stern (an inclined transom's law would ask a
    // fractional power of a negative number) or ahead of the bow: told as the side view tells it.
    e.P(35) = 25;
    for (auto [x, message] :
         {std::pair{-10.0, "La dérive dépasse en arrière de la coque : son axe (n° 110) tombe à 10 "
                           "mm en arrière du tableau arrière. Avancer la dérive (n° 110)."},
          {1012.5, "La dérive dépasse en avant de la coque : son axe (n° 110) tombe à 12.5 mm en "
                   "avant de l'étrave. Reculer la dérive (n° 110)."}}) {
        e.P(110) = x;
        try {
            Profondeur_Axe_Bulbe(e);
            ADD_FAILURE() << x;
        } catch (const Erreur_Gabarit &err) {
            EXPECT_STREQ(err.what(), message);
        }
        EXPECT_EQ(e.X_Couple, 123);
        EXPECT_EQ(e.Gite_Couple, 25);
    }
}
