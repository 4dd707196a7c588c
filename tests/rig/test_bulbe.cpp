#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "interfaces/Canvas.h"
#include "interfaces/Shell_Enregistreur.h"
#include "rig/Bulbe.h"
#include "rig/Profils_Naca.h"
#include "rig/Table_Naca.h"
#include "support/Chemins_Test.h"
#include "support/Coques_Essai.h"
#include "support/Traits_Essai.h"
#include "views/Dessins.h"

using namespace gabarit;
using namespace gabarit::test;

namespace {

constexpr float STATIONS[26] = {0,  0.5, 0.75, 1.25, 2.5, 5,  7.5, 10, 15, 20, 25, 30, 35,
                                40, 45,  50,   55,   60,  65, 70,  75, 80, 85, 90, 95, 100};

// A double cone: half-thickness t / 4 % at t % of the length up to the middle, then back to
// 0 at the tail (12.5 % at most). The three profiles are that law times 1, 1/2 and 3/2, so
// their mean is the law itself; a 200 mm bulb makes 2 mm per per cent.
Etat_Projet Bulbe_Cone() {
    Etat_Projet e;
    for (int k = 0; k < 26; ++k) {
        e.Stations_Naca[k] = STATIONS[k];
        const float u = STATIONS[k] <= 50 ? STATIONS[k] / 4 : (100 - STATIONS[k]) / 4;
        e.Table_Naca[7][k] = u;
        e.Table_Naca[8][k] = u / 2;
        e.Table_Naca[9][k] = 3 * u / 2;
    }
    e.Table_Naca[7][26] = 12.5f, e.Table_Naca[7][27] = 50;
    e.Table_Naca[8][26] = 6.25f, e.Table_Naca[8][27] = 49;
    e.Table_Naca[9][26] = 18.75f, e.Table_Naca[9][27] = 51;
    e.P(160) = 7; // top view
    e.P(159) = 8; // upper half of the side view
    e.P(161) = 9; // lower half
    e.P(165) = 200;
    return e;
}

// The cone's radius 2 u mm at the stations, and the volume it encloses with pi = 3.14116.
constexpr double LR = 2;
double Rayon(int k) { return LR * (STATIONS[k] <= 50 ? STATIONS[k] / 4 : (100 - STATIONS[k]) / 4); }
// Two cones of radius 25 mm and length 100 mm.
constexpr double VOLUME_CONE = 2 * PI_BULBE * 25 * 25 * 100 / 3;

// What the trapezoids add on a slice of length h where the radius runs linearly from a to b:
// pi h (a^2 + b^2) / 2 against pi h (a^2 + ab + b^2) / 3, so pi h (b - a)^2 / 6.
double Exces_Trapezes() {
    double exces = 0;
    for (int k = 0; k < 25; ++k) {
        const double h = (STATIONS[k + 1] - STATIONS[k]) * LR;
        exces += PI_BULBE * h * std::pow(Rayon(k + 1) - Rayon(k), 2) / 6;
    }
    return exces;
}

} // namespace

TEST(Bulbe, VolumeParLaRegleDuProgramme) {
    Etat_Projet e = Bulbe_Cone();
    const double v = Volume_Bulbe(e);
    // The rule's trapezoids hold the cone plus their excess, and each slice is multiplied
    // once more by the 2 mm per per cent: 2 x (130881.67 + 601.82) mm.
    const double regle = LR * (VOLUME_CONE + Exces_Trapezes());
    EXPECT_NEAR(regle, 262966.97, 0.01);
    EXPECT_NEAR(v, regle, regle * 1e-6); // summed in single precision
    // The closed form bounds what the rule measures along the true length.
    EXPECT_GT(v / LR, VOLUME_CONE);
    EXPECT_LT(v / LR - VOLUME_CONE, 0.005 * VOLUME_CONE);

    // The mass for the lead reference and for another metal reference.
    EXPECT_EQ(Masse_Bulbe(static_cast<float>(v), REFERENCE_PLOMB), 5448); // 5448.67
    EXPECT_EQ(Masse_Bulbe(static_cast<float>(v), 11.35), 298);            // 298.47

    // Without length there is neither volume nor mass.
    e.P(165) = 0;
    EXPECT_EQ(Volume_Bulbe(e), 0.f);
    EXPECT_EQ(Masse_Bulbe(Volume_Bulbe(e), REFERENCE_PLOMB), 0);
}

TEST(Bulbe, ChaqueProfilCompteDansLeVolume) {
    // The same mean radius from other shares of the three profiles gives the same volume;
    // one profile changed gives another.
    Etat_Projet e = Bulbe_Cone();
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
    Etat_Projet e = Bulbe_Cone();
    Canvas_Enregistreur c(346, 121);
    const Affichage_Bulbe_Dessus a = Trace_Bulbe_Dessus(e, 9, c);
    EXPECT_EQ(a.diametre, 75); // 2 x 18.75 % of 200 mm
    EXPECT_EQ(a.position, 51);
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

TEST(Bulbe, VueDeCoteEtHauteurStockeeTelleQuAffichee) {
    Etat_Projet e = Bulbe_Cone();
    Canvas_Enregistreur c(353, 121); // 5295 twips: 3.43 units per per cent
    const Affichage_Bulbe_Cote a = Trace_Bulbe_Cote(e, c);
    EXPECT_EQ(a.hauteur, 50); // (6.25 + 18.75) % of 200 mm
    EXPECT_EQ(e.P(166), 50);
    EXPECT_EQ(a.position_haut, 49);
    EXPECT_EQ(a.position_bas, 51);
    EXPECT_DOUBLE_EQ(e.P(22), 3.43);
    // Lower half from profile 9 below the axis, upper half from profile 8 above it.
    Compare(c.traits[30],
            {5 + 50 * 3.43, 56 + 18.75 * 3.43, 5 + 55 * 3.43, 56 + 16.875 * 3.43, NOIR});
    Compare(c.traits[31],
            {5 + 50 * 3.43, 56 - 6.25 * 3.43, 5 + 55 * 3.43, 56 - 5.625 * 3.43, NOIR});

    // (6.0017 + 4.5013) x 1.83 = 19.22049: the single-precision product is 19.2204914, the
    // label shows seven digits and the record keeps what the label shows.
    e.Table_Naca[8][26] = 6.0017f;
    e.Table_Naca[9][26] = 4.5013f;
    e.P(165) = 183;
    EXPECT_EQ(Trace_Bulbe_Cote(e, c).hauteur, 19.22049);
    EXPECT_EQ(e.P(166), 19.22049);

    // The same profile in the three lists: width and height agree.
    e.P(159) = e.P(161) = 7;
    EXPECT_EQ(Trace_Bulbe_Cote(e, c).hauteur, Trace_Bulbe_Dessus(e, 7, c).diametre);

    e.P(161) = 39.6; // 40 once rounded
    e.P(166) = 3;
    EXPECT_THROW(Trace_Bulbe_Cote(e, c), Refus_Profil);
    EXPECT_EQ(e.P(166), 3);
}

TEST(Bulbe, LaVueDesAppendicesEffaceLaVueDeCote) {
    Etat_Projet e = Coque_V();
    const Etat_Projet cone = Bulbe_Cone();
    std::copy(&cone.Table_Naca[0][0], &cone.Table_Naca[0][0] + 40 * 29, &e.Table_Naca[0][0]);
    std::copy(cone.Stations_Naca, cone.Stations_Naca + 26, e.Stations_Naca);
    e.P(22) = 1, e.P(110) = 100, e.P(113) = 300, e.P(159) = 8, e.P(161) = 9, e.P(165) = 200;
    Shell_Enregistreur s;
    Canvas_Enregistreur c(300, 400);
    Trace_Bulbe(e, s, c);
    EXPECT_EQ(s.effacements_bulbe_cote, 1);
    Trace_Bulbe(e, s, c);
    EXPECT_EQ(s.effacements_bulbe_cote, 2);
    // A bulb profile outside the table is refused before that.
    e.P(159) = 40;
    EXPECT_THROW(Trace_Bulbe(e, s, c), Refus_Profil);
    EXPECT_EQ(s.effacements_bulbe_cote, 2);
}
