// Heeled section integration on a V-section worked by hand.
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "model/Geometrie_Couple.h"
#include "model/Integration_Gite.h"
#include "support/Coques_Essai.h"

using namespace gabarit;

namespace {

// A V-section (a = 1, b = 0: the half-breadth grows linearly from the keel), 10 mm deep and
// 10 mm in half-breadth at the sheer, its keel 6 mm under the water (freeboard 4 mm), at
// station 100 of a 1000-mm hull. With a 2-mm step the levels are z = 10, 8, 6, 4, 2, 0.
std::unique_ptr<Etat_Projet> Section_V(double gite) {
    auto e = std::make_unique<Etat_Projet>();
    e->P(1) = 500;
    e->P(2) = 500;
    e->P(26) = gite;
    e->Gite_Couple = gite;
    e->X_Couple = 100;
    e->Hauteur_Couple = 10;
    e->Demi_Largeur_Couple = 10;
    e->Exp_Forme_A = 1;
    e->Exp_Forme_B = 0;
    e->Franc_Bord = 4;
    e->Tirant_Eau_Couple = 6;
    return e;
}

const double R8 = std::sqrt(8.0); // each 2-mm level step of the V side is 2 sqrt(2) long

} // namespace

TEST(Integration_Gite, Section_V_Droite) {
    auto e = Section_V(0);
    Parcourt_Couple_Gite(*e, 0, 2, true);
    // Immersed levels z = 4, 2, 0 (the level z = 6 lies on the water, h = 0, and is not an
    // immersed chord): chords 8, 4, 0, so S = 12 over N = 3 levels: 12 / 3 x 2 x 2 = 16.
    EXPECT_NEAR(e->Surface_Immergee, 16, 1e-9);
    EXPECT_NEAR(e->Surface_Immergee_1, 8, 1e-9);
    EXPECT_NEAR(e->Surface_Immergee_2, 8, 1e-9);
    // Girths: the segments ending at z = 6 (on the water), 4, 2, 0, each 2 sqrt(2); the
    // closing segment is 0 upright.
    EXPECT_NEAR(e->Perimetre_Mouille_1, 4 * R8, 1e-9);
    EXPECT_NEAR(e->Perimetre_Mouille_2, 4 * R8, 1e-9);
    EXPECT_NEAR(e->Perimetre_Mouille, 8 * R8, 1e-9);
}

TEST(Integration_Gite, Section_V_Gite_10) {
    auto e = Section_V(10);
    Parcourt_Couple_Gite(*e, 10, 2, true);
    // With s = sin 10, c = cos 10 and the side-2 point (-w c - h s, -w s + h c):
    //  z = 6 (w 6, h 0): h2 = -6 s, the waterline crosses the chord: W = 6; s2 = 6 and
    //    s2 is not below W, so side 1 receives nothing yet.
    //  z = 4 (w 4, h -2): the chord is wholly under water, W = 8; y2 = -4c + 2s,
    //    s2 = |y2| / c = 3.647347, s1 = 8 - s2 = 4.352653.
    //  z = 2 (w 2, h -4): W = 4; s2 = (2c - 4s) / c = 1.294694, s1 = 2.705306.
    //  z = 0 (w 0, h -6): W = 0; s2 = 6 s / c = 1.057961; s1 keeps 2.705306.
    // S2 = 6 + 3.647347 + 1.294694 + 1.057961 = 12 over N2 = 4: 12 / 4 x 3 x 2 = 18.
    // S1 = 4.352653 + 2 x 2.705306 = 9.763265 over N1 = 2: 9.763265 / 2 x 1 x 2.
    // S = 21.763265 over N = 4: 21.763265 / 4 x 3 x 2 = 32.644898.
    EXPECT_NEAR(e->Surface_Immergee_2, 18, 1e-4);
    EXPECT_NEAR(e->Surface_Immergee_1, 9.763265, 1e-4);
    EXPECT_NEAR(e->Surface_Immergee, 32.644898, 1e-4);
    // Girths: side 1 goes under at z = 4 (three segments), side 2 at z = 6 (four); both end
    // at the turned keel, 2 T sin 5 = 1.045869 from where the keel lies upright.
    EXPECT_NEAR(e->Perimetre_Mouille_1, 3 * R8 + 1.045869, 1e-5);
    EXPECT_NEAR(e->Perimetre_Mouille_2, 4 * R8 + 1.045869, 1e-5);
    EXPECT_NEAR(e->Perimetre_Mouille, 7 * R8 + 2 * 1.045869, 1e-5);
}

TEST(Integration_Gite, Girths_Alone_And_Unwalked_Stations) {
    // The girth walk alone leaves the areas at 0.
    auto e = Section_V(10);
    e->Surface_Immergee = 99;
    Parcourt_Couple_Gite(*e, 10, 2, false);
    EXPECT_EQ(e->Surface_Immergee, 0);
    EXPECT_EQ(e->Surface_Immergee_1, 0);
    EXPECT_EQ(e->Surface_Immergee_2, 0);
    EXPECT_NEAR(e->Perimetre_Mouille_2, 4 * R8 + 1.045869, 1e-5);

    // The bow station and the inclined-transom region give 0, whatever the last call left.
    auto f = Section_V(0);
    Parcourt_Couple_Gite(*f, 0, 2, true);
    f->X_Couple = 1000;
    Parcourt_Couple_Gite(*f, 0, 2, true);
    EXPECT_EQ(f->Surface_Immergee, 0);
    EXPECT_EQ(f->Perimetre_Mouille, 0);
    f->X_Couple = 100;
    f->P(35) = 150;
    Parcourt_Couple_Gite(*f, 0, 2, true);
    EXPECT_EQ(f->Surface_Immergee, 0);
    EXPECT_EQ(f->Perimetre_Mouille_1, 0);
    // X = P(35) is walked.
    f->P(35) = 100;
    Parcourt_Couple_Gite(*f, 0, 2, true);
    EXPECT_NEAR(f->Surface_Immergee, 16, 1e-9);
}

TEST(Integration_Gite, One_Immersed_Level_Has_No_Area) {
    // Keel 1 mm under: only z = 0 is an immersed chord, so N - 1 = 0.
    auto e = Section_V(0);
    e->Franc_Bord = 9;
    e->Tirant_Eau_Couple = 1;
    Parcourt_Couple_Gite(*e, 0, 2, true);
    EXPECT_EQ(e->Surface_Immergee, 0);
    // The girth still runs from z = 2 (1 mm above the water) down to the keel.
    EXPECT_NEAR(e->Perimetre_Mouille_1, R8, 1e-9);
}

TEST(Integration_Gite, Zero_Step_Is_Refused) {
    auto e = Section_V(0);
    EXPECT_THROW(Parcourt_Couple_Gite(*e, 0, 0, true), Erreur_Gabarit);
    EXPECT_THROW(Parcourt_Couple_Gite(*e, 0, -2, true), Erreur_Gabarit);
    EXPECT_THROW(Parcourt_Couple_Gite(*e, 0, 1e-300, true), Erreur_Gabarit);
    // Levels are counted against the table's 300 mm at 0.1 mm: this 10 mm section walked
    // every 0.003 mm would take 3334, every 0.004 mm 2500.
    EXPECT_THROW(Parcourt_Couple_Gite(*e, 0, 0.003, true), Erreur_Gabarit);
    EXPECT_NO_THROW(Parcourt_Couple_Gite(*e, 0, 0.004, true));
}

TEST(Integration_Gite, Through_The_Section_Geometry) {
    // A wall-sided box 100 mm deep, 200 mm wide, freeboard 60 mm: upright every immersed
    // level z = 38, 36, ..., 0 (20 levels) has the full chord 200, so the area is
    // 200 x 19 x 2 = 7600. Each side's girth: the segments ending at z = 42 - 2 ... 0 (21 of
    // 2 mm, the first from 2 mm above the water) and the closing segment from the bottom
    // corner (100, -40) to the keel's centre (0, -40): 42 + 100.
    Etat_Projet e = test::Coque_Caisson(1000, 100, 100);
    e.P(107) = e.P(108) = 2;
    e.P(43) = e.P(49) = 60;
    e.P(37) = 2;
    e.X_Couple = 300;
    e.Gite_Couple = 0;
    Integre_Couple(e);
    EXPECT_NEAR(e.Surface_Immergee, 7600, 1e-6);
    EXPECT_NEAR(e.Perimetre_Mouille_1, 142, 1e-9);
    EXPECT_NEAR(e.Perimetre_Mouille_2, 142, 1e-9);
    // The same station measured for its girths alone.
    Calcul_Surface_Couple(e);
    EXPECT_EQ(e.Surface_Immergee, 0);
    EXPECT_NEAR(e.Perimetre_Mouille, 284, 1e-9);
    EXPECT_EQ(e.X_Couple, 300);
}
