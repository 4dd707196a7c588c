#include <gtest/gtest.h>

#include "rig/Appendices.h"
#include "rig/Saisie_Voile.h"

using namespace gabarit;

namespace {
// Keel: axis at 600, chords 100 and 61, span 300 (a trapezoid of 24150 mm2). Rudder: stock
// at 110, chords 80 and 40, span 150 (9000 mm2). Sail area 500000 mm2. Hull 1000 long.
Etat_Projet Appendices() {
    Etat_Projet e;
    e.P(1) = 520, e.P(2) = 480;
    e.P(110) = 600, e.P(111) = 100, e.P(112) = 61, e.P(113) = 300;
    e.P(136) = 110, e.P(137) = 80, e.P(138) = 40, e.P(139) = 150;
    e.P(102) = 500000;
    e.P(103) = 459.5;
    e.P(109) = 9;
    e.P(126) = 1234;
    e.P(160) = 12;
    return e;
}
} // namespace

TEST(Appendices, TrapezesAllongementsEtCentreAntiDerive) {
    Etat_Projet e = Appendices();
    Calcul_Appendices(e);
    EXPECT_DOUBLE_EQ(e.P(122), 24150);
    EXPECT_DOUBLE_EQ(e.P(123), 7.45); // 300^2 / 24150 x 200 = 745.3, cut to 745
    EXPECT_DOUBLE_EQ(e.P(148), 9000);
    EXPECT_DOUBLE_EQ(e.P(149), 5);    // 150^2 / 9000 x 200 = 500
    EXPECT_DOUBLE_EQ(e.P(125), 2.3);  // 500000 / 217382 = 2.3001
    EXPECT_DOUBLE_EQ(e.P(151), 0.57); // 500000 / 869519 = 0.5750
    // Middle of the keel root chord 600 - 20, aft end of the rudder root chord 110 - 56.
    EXPECT_DOUBLE_EQ(e.P(126), (580.0 * 24150 + 54.0 * 9000) / 33150);
    EXPECT_EQ(e.P(109), 0);

    // The figures of the window: keel area cut to hundredths of dm2, rudder's as it is.
    e.P(148) = 9050;
    e.P(126) = 480;
    const Chiffres_Appendice c = Calcule_Chiffres_Appendice(e);
    EXPECT_DOUBLE_EQ(c.derive_surface, 2.41);
    e.P(122) = 23000;
    EXPECT_DOUBLE_EQ(Calcule_Chiffres_Appendice(e).derive_surface, 2.3);
    EXPECT_DOUBLE_EQ(c.safran_surface, 0.905);
    EXPECT_DOUBLE_EQ(c.derive_theorique, 2.3); // not the 2.29 of 2.3 x 100 in binary
    EXPECT_DOUBLE_EQ(c.safran_allongement, 5);
    EXPECT_DOUBLE_EQ(c.derive_allongement, 7.45);
    EXPECT_DOUBLE_EQ(c.naca_dessus, 12);
    EXPECT_EQ(c.decalage_centres, -2.0); // 20.5 mm behind on 1000 mm, cut toward zero
}

TEST(Appendices, ExempleDuCentreAntiDerive) {
    // Keel axis 600, root chord 100, 24000 mm2; rudder stock 100, root chord 80, 6000 mm2.
    Etat_Projet e = Appendices();
    e.P(136) = 100;
    e.P(112) = 60, e.P(113) = 300; // (100 + 60) x 300 / 2 = 24000
    e.P(138) = 70, e.P(139) = 80;  // (80 + 70) x 80 / 2 = 6000
    Calcul_Appendices(e);
    EXPECT_DOUBLE_EQ(e.P(126), 472.8);
}

TEST(Appendices, AireNulleAllongementNulEtLaSuiteContinue) {
    Etat_Projet e = Appendices();
    e.P(113) = 0; // no keel
    Calcul_Appendices(e);
    EXPECT_EQ(e.P(122), 0);
    EXPECT_EQ(e.P(123), 0);
    EXPECT_EQ(e.P(148), 9000);
    EXPECT_EQ(e.P(149), 5);
    EXPECT_DOUBLE_EQ(e.P(126), 54); // the rudder alone

    // No keel and no rudder: nothing resists, the centre keeps its value.
    e.P(139) = 0;
    e.P(126) = 321;
    Calcul_Appendices(e);
    EXPECT_EQ(e.P(148), 0);
    EXPECT_EQ(e.P(149), 0);
    EXPECT_EQ(e.P(126), 321);
}

TEST(Appendices, DecalageDesCentresEtBornes) {
    Etat_Projet e = Appendices();
    e.P(126) = 500;
    e.P(103) = 480; // 20 behind
    EXPECT_EQ(Decalage_Centres(e), -2.0);
    e.P(103) = 525; // 25 ahead
    EXPECT_EQ(Decalage_Centres(e), 2.0);
    e.P(1) = e.P(2) = 0;
    EXPECT_FALSE(Decalage_Centres(e).has_value());

    Etat_Projet b = Appendices();
    b.P(1) = 520.5; // L = 1000.5: L rounds to 1000, L / 2 = 500.25 to 500
    const auto bornes = Bornes_Appendice(b);
    EXPECT_EQ(bornes[0].max, 1000);
    EXPECT_EQ(bornes[5].max, 1000);
    for (int i : {3, 6, 7, 13})
        EXPECT_EQ(bornes[static_cast<std::size_t>(i)].max, 500) << i;
    EXPECT_EQ(bornes[1].max, 300);
    EXPECT_EQ(bornes[4].max, 45);
    EXPECT_EQ(bornes[8].min, 20);
    EXPECT_EQ(bornes[8].max, 80);
    EXPECT_EQ(bornes[10].max, 280);

    // A hull length from a damaged file that no spin limit can hold is refused, not wrapped.
    b.P(1) = 1e300;
    EXPECT_THROW(Bornes_Appendice(b), Erreur_Gabarit);
}
