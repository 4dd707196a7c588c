#include <gtest/gtest.h>

#include <cmath>

#include "interfaces/Shell_Enregistreur.h"
#include "support/Coques_Essai.h"
#include "support/Traits_Essai.h"
#include "views/Dessins.h"

using namespace gabarit;
using namespace gabarit::test;

namespace {
// Sections view: 2 picture units per mm, waterline at 100, centre line at 150. Steps of 10 mm
// give the levels 40, 30, 20, 10, 0 above the keel.
Etat_Projet Vue_Couples(Etat_Projet e, double x, const char *mode) {
    e.P(22) = 2;
    e.P(40) = 100;
    e.P(41) = 150;
    e.P(37) = 10;
    e.X_Couple = x;
    e.Mode_Couple = mode;
    return e;
}
} // namespace

TEST(Trace_Couple, CoupleCompletDroit) {
    Etat_Projet e = Vue_Couples(Coque_V(), 50, "Complet");
    Shell_Enregistreur s;
    Canvas_Enregistreur c(610, 200);
    Trace_Couple(e, s, c);
    // Reference, 4 x 2 outline segments, 2 closing lines.
    ASSERT_EQ(c.traits.size(), 11u);
    Compare(c.traits[0], {0, 100, 610, 100, VERT});
    // Side 1 at z: (1.25 z, z - 30) -> (150 + 2.5 z, 160 - 2 z); from the new level back up.
    Compare(c.traits[1], {225, 100, 250, 80, BLEU});
    Compare(c.traits[2], {75, 100, 50, 80, BLEU});
    Compare(c.traits[7], {150, 160, 175, 140, BLEU});
    Compare(c.traits[9], {150, 160, 150, 160, BLEU}); // keel to side 2
    Compare(c.traits[10], {150, 160, 150, 160, BLEU});
    EXPECT_EQ(e.Angle_Vue, 0);
    EXPECT_EQ(e.X_Couple, 50);
}

TEST(Trace_Couple, CoupleGiteDe10Degres) {
    Etat_Projet e = Vue_Couples(Coque_V(), 50, "Complet");
    e.Gite_Couple = 10;
    Shell_Enregistreur s;
    Canvas_Enregistreur c(610, 200);
    Trace_Couple(e, s, c);
    ASSERT_EQ(c.traits.size(), 11u);
    // Sheer points (+-50, 10) turned by 10 degrees: side 1 (47.5039, 18.5305) rises, side 2
    // (-50.9769, 1.16567) sinks.
    const double tol = 2e-4;
    EXPECT_NEAR(c.traits[1].x2, 150 + 2 * 47.50392, tol);
    EXPECT_NEAR(c.traits[1].y2, 100 - 2 * 18.53049, tol);
    EXPECT_NEAR(c.traits[2].x2, 150 - 2 * 50.97689, tol);
    EXPECT_NEAR(c.traits[2].y2, 100 - 2 * 1.16567, tol);
    // Keel point (0, -30) turned: 30 sin 10 to the side 1 direction, 30 cos 10 down.
    EXPECT_NEAR(c.traits[9].x1, 150 + 2 * 5.20945, tol);
    EXPECT_NEAR(c.traits[9].y1, 100 + 2 * 29.54423, tol);
}

TEST(Trace_Couple, CoupleObliqueResserreEtDecale) {
    Etat_Projet e = Vue_Couples(Coque_V(), 50, "Complet");
    e.P(29) = 15;
    Shell_Enregistreur s;
    Canvas_Enregistreur c(610, 200);
    Trace_Couple(e, s, c);
    EXPECT_EQ(e.Angle_Vue, 15);
    EXPECT_NEAR(e.Cos_Angle_Vue, 0.9659258, 1e-6);
    EXPECT_NEAR(e.Decalage_Vue, 50 * 0.2588190 * 2, 1e-5);
    Compare(c.traits[0], {0, 100, 610, 100, VERT}); // the reference is not shifted
    // Side 1 sheer (50, 10): 150 + 25.8819 + 50 x 0.965926 x 2.
    EXPECT_NEAR(c.traits[1].x2, 272.47448, 1e-4);
    EXPECT_NEAR(c.traits[1].y2, 80, 1e-9);
    EXPECT_NEAR(c.traits[2].x2, 150 + 25.88190 - 96.59258, 1e-4);
    EXPECT_NEAR(c.traits[9].x1, 175.88190, 1e-4); // keel point shifted, not narrowed
}

TEST(Trace_Couple, VueXAjoutePontEtAxe) {
    Etat_Projet e = Vue_Couples(Coque_V(), 50, "Complet");
    e.Cle_Vue = "X";
    Shell_Enregistreur s;
    Canvas_Enregistreur c(610, 200);
    Trace_Couple(e, s, c);
    ASSERT_EQ(c.traits.size(), 13u);
    Compare(c.traits[1], {250, 80, 50, 80, BLEU});   // deck line
    Compare(c.traits[2], {150, 80, 150, 160, BLEU}); // centre line, sheer to keel
    // Heeled: the deck line stays, no centre line.
    e.Gite_Couple = 10;
    Canvas_Enregistreur g(610, 200);
    Trace_Couple(e, s, g);
    EXPECT_EQ(g.traits.size(), 12u);
    // Inside the transom cut (X = 10 on the inclined transom): top at Cote_Livet = 14.
    Etat_Projet t = Vue_Couples(Coque_Tableau(), 10, "Complet");
    t.Cle_Vue = "X";
    t.P(37) = 2;
    Canvas_Enregistreur ct(610, 200);
    Trace_Couple(t, s, ct);
    // z0 = T - Cote_Livet = 16: top points (+-20, -14).
    Compare(ct.traits[1], {190, 128, 110, 128, BLEU});
    Compare(ct.traits[2], {150, 128, 150, 160, BLEU});
}

TEST(Trace_Couple, DemiCoupleSelonLaStation) {
    Shell_Enregistreur s;
    // Aft of the widest station: side 2 only; at it: both; forward: side 1.
    const struct {
        double x;
        std::size_t traits;
        bool cote1;
    } cas[] = {{50, 6, false}, {100, 11, true}, {150, 6, true}};
    for (const auto &k : cas) {
        Etat_Projet e = Vue_Couples(Coque_V(), k.x, "Demi");
        Canvas_Enregistreur c(610, 200);
        Trace_Couple(e, s, c);
        ASSERT_EQ(c.traits.size(), k.traits) << k.x;
        EXPECT_EQ(c.traits[1].x1 > 150, k.cote1) << k.x;
    }
}

TEST(Trace_Couple, EtraveTableauEtPasNonMultiple) {
    Shell_Enregistreur s;
    // The bow: one line from the stem head to the keel.
    Etat_Projet e = Vue_Couples(Coque_V(), 200, "Complet");
    Canvas_Enregistreur c(610, 200);
    Trace_Couple(e, s, c);
    ASSERT_EQ(c.traits.size(), 2u);
    Compare(c.traits[1], {150, 80, 150, 160, BLEU});
    // The stern of an inclined transom: only the reference.
    Etat_Projet t = Vue_Couples(Coque_Tableau(), 0, "Complet");
    t.Cle_Vue = "X";
    Canvas_Enregistreur ct(610, 200);
    Trace_Couple(t, s, ct);
    EXPECT_EQ(ct.traits.size(), 1u);
    // Step 15 from 40: levels 40, 25, 10; the keel is joined to the level 10.
    Etat_Projet p = Vue_Couples(Coque_V(), 50, "Complet");
    p.P(37) = 15;
    Canvas_Enregistreur cp(610, 200);
    Trace_Couple(p, s, cp);
    ASSERT_EQ(cp.traits.size(), 1u + 4 + 2);
    Compare(cp.traits[5], {150, 160, 150 - 25, 160 - 20, BLEU});
    Compare(cp.traits[6], {150, 160, 150 + 25, 160 - 20, BLEU});
}

TEST(Trace_Tableau_AR, BordsDuTableauIncline) {
    Shell_Enregistreur s;
    Etat_Projet e = Vue_Couples(Coque_Tableau(), 77, "Complet");
    Canvas_Enregistreur c(610, 200);
    Trace_Tableau_AR(e, s, c);
    EXPECT_EQ(e.X_Couple, 77);
    // Stations every 0.25 mm to 25: 100 steps, both edges. Top corners (+-2 X, 1.6 X - 30).
    ASSERT_EQ(c.traits.size(), 200u);
    Compare(c.traits[0], {151, 159.2, 150, 160, BLEU}, 1e-9);
    Compare(c.traits[1], {149, 159.2, 150, 160, BLEU}, 1e-9);
    Compare(c.traits[198], {250, 80, 250 - 1, 80 + 0.8, BLEU}, 1e-9);

    e.Cle_Vue = "X";
    Canvas_Enregistreur x(610, 200);
    Trace_Tableau_AR(e, s, x);
    ASSERT_EQ(x.traits.size(), 202u);
    Compare(x.traits[200], {250, 80, 50, 80, BLEU});   // top edge
    Compare(x.traits[201], {150, 80, 150, 160, BLEU}); // centre line, top to foot

    e.Cle_Vue = "";
    e.Mode_Couple = "Demi";
    Canvas_Enregistreur d(610, 200);
    Trace_Tableau_AR(e, s, d);
    ASSERT_EQ(d.traits.size(), 100u);
    EXPECT_LT(d.traits[0].x1, 150); // side 2 only

    Etat_Projet v = Vue_Couples(Coque_V(), 77, "Complet");
    Canvas_Enregistreur dv(610, 200);
    Trace_Tableau_AR(v, s, dv);
    EXPECT_TRUE(dv.traits.empty());
    EXPECT_EQ(v.X_Couple, 77);
}

TEST(Trace_Lignes, LivetsEtQuille) {
    Shell_Enregistreur s;
    Etat_Projet e = Vue_Couples(Coque_Tableau(), 77, "Complet");
    e.X_Debut_Lignes = 25;
    e.X_Fin_Lignes = 200;
    Canvas_Enregistreur c(610, 200);
    Trace_Lignes(e, s, c);
    // Steps of 2.1875 land on 200: 80 steps, two sheer lines and the keel line each.
    ASSERT_EQ(c.traits.size(), 240u);
    EXPECT_EQ(e.X_Couple, 202.1875);
    // First step: sheer (50, 10) at 25 and 27.1875 (both aft of the widest station).
    Compare(c.traits[0], {250, 80, 250, 80, BLEU});
    Compare(c.traits[2], {150, 160, 150, 160, BLEU}); // keel, draught 30
    // Last step ends at the stem head; the keel rises along the stem (draught 2 (200 - X) - 10).
    Compare(c.traits[237], {150, 80, 150 + 2 * 1.09375, 80, BLEU}, 1e-9);
    Compare(c.traits[238], {150, 80, 150 - 2 * 1.09375, 80, BLEU}, 1e-9);
    Compare(c.traits[239], {150, 100 + 2 * -5.625, 150, 80, BLEU}, 1e-9);

    // Half mode: side 2 up to the widest station, side 1 from it; the keel always.
    e.Mode_Couple = "Demi";
    Canvas_Enregistreur d(610, 200);
    Trace_Lignes(e, s, d);
    EXPECT_EQ(d.traits.size(), 34u + 46u + 80u);

    // Equal bounds: nothing drawn, the walk ends.
    e.X_Debut_Lignes = e.X_Fin_Lignes = 100;
    e.X_Couple = 5;
    Canvas_Enregistreur vide(610, 200);
    Trace_Lignes(e, s, vide);
    EXPECT_TRUE(vide.traits.empty());
    EXPECT_EQ(e.X_Couple, 5);
    // Reversed bounds: no station.
    e.X_Debut_Lignes = 150;
    e.X_Fin_Lignes = 100;
    Trace_Lignes(e, s, vide);
    EXPECT_TRUE(vide.traits.empty());
}
