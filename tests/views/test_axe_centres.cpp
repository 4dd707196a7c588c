#include <gtest/gtest.h>

#include "interfaces/Shell_Enregistreur.h"
#include "views/Dessins.h"

using namespace gabarit;

namespace {
struct Attendu {
    double x1, y1, x2, y2;
    std::uint32_t c;
};
void Compare(const Canvas_Enregistreur::Trait &t, const Attendu &a) {
    EXPECT_NEAR(t.x1, a.x1, 1e-9);
    EXPECT_NEAR(t.y1, a.y1, 1e-9);
    EXPECT_NEAR(t.x2, a.x2, 1e-9);
    EXPECT_NEAR(t.y2, a.y2, 1e-9);
    EXPECT_EQ(t.couleur, a.c);
}
} // namespace

TEST(Axe_Centres, RegleEtMarquesSousLeurStation) {
    Etat_Projet e;
    Shell_Enregistreur s;
    e.P(1) = 100;
    e.P(2) = 80; // L = 180
    e.P(23) = 90;
    e.P(103) = 100;
    e.P(126) = 200;      // beyond the bow: drawn there, not clamped
    e.X_Item_Choisi = 0; // before the first pick: under the stern
    Canvas_Enregistreur c(200, 100);
    Trace_Axe_Centres(e, s, c);
    EXPECT_DOUBLE_EQ(e.P(40), 90);
    EXPECT_DOUBLE_EQ(e.P(41), 10);
    EXPECT_DOUBLE_EQ(e.P(22), 1);
    const std::uint32_t N = RGB(0, 0, 0), B = RGB(0, 0, 255), R = RGB(255, 0, 0),
                        V = RGB(0, 128, 0), G = RGB(192, 192, 192);
    const Attendu attendus[] = {
        {10, 90, 190, 90, N},  {10, 88, 10, 90, N},   {55, 89, 55, 90, N},   {100, 88, 100, 90, N},
        {145, 89, 145, 90, N}, {190, 88, 190, 90, N}, {100, 94, 100, 90, B}, {99, 92, 100, 94, B},
        {101, 92, 100, 94, B}, {110, 86, 110, 90, R}, {210, 87, 210, 83, V}, {9, 94, 10, 98, G},
        {11, 94, 10, 98, G},
    };
    ASSERT_EQ(c.traits.size(), 13u);
    for (std::size_t k = 0; k < 13; ++k)
        Compare(c.traits[k], attendus[k]);
}

TEST(Axe_Centres, SansItemChoisiEtFenetreDoublee) {
    Etat_Projet e;
    Shell_Enregistreur s;
    e.P(1) = 100;
    e.P(2) = 80;
    e.X_Item_Choisi = -1;
    Canvas_Enregistreur c(400, 100);
    Trace_Axe_Centres(e, s, c);
    ASSERT_EQ(c.traits.size(), 11u);                        // no grey V
    EXPECT_DOUBLE_EQ(c.traits[0].x2 - c.traits[0].x1, 360); // twice as long
    EXPECT_DOUBLE_EQ(c.traits[1].y2 - c.traits[1].y1, 2);   // marks keep their size

    e.P(1) = e.P(2) = 0;
    e.P(40) = 5;
    Canvas_Enregistreur vide(400, 100);
    EXPECT_THROW(Trace_Axe_Centres(e, s, vide), Erreur_Gabarit);
    EXPECT_TRUE(vide.traits.empty());
    EXPECT_DOUBLE_EQ(e.P(40), 5);
}
