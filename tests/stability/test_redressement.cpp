#include <cmath>
#include <gtest/gtest.h>

#include "interfaces/Shell_Enregistreur.h"
#include "model/Numeros.h"
#include "stability/Redressement.h"
#include "support/Affichage_Essai.h"
#include "support/Coques_Essai.h"
#include "support/Traits_Essai.h"

using namespace gabarit;
using test::Affichage_Essai;

namespace {

// A box 1000 long, 100 wide and 100 deep, keel at mid-length, strips every 10 mm, the
// waterline 45 mm above the keel at every station for 0 and 10 degrees. Keel 300 long, bulb
// 40 high; eight weights with distinct lateral places.
Etat_Projet Caisson() {
    Etat_Projet e = test::Coque_Caisson(1000, 50, 100);
    e.P(43) = e.P(49) = e.P(45) = e.P(51) = 55;
    e.P(37) = 10;
    e.P(110) = 500;
    e.P(113) = 300;
    e.P(166) = 40;
    const double poids[6] = {50,  30, 200,
                             150, 20, 60}; // servo 1, 2, battery, winch, receiver, free
    const double y[6] = {30, -20, -10, 15, 40, -5};
    for (int i = 0; i < 6; ++i) {
        e.P(60 + 3 * i) = poids[i];
        e.P(76 + i) = y[i];
    }
    e.P(57) = 1000;
    e.P(33) = 2;
    e.P(170) = 2000;
    e.P(42) = 3510;
    e.X_Couple = 123;
    return e;
}

// The lateral offset of the bulb centre 300 + 45 + 20 mm down the keel at heel + cant.
double Y_Bulbe(double angle) { return 365 * std::sin(angle * 3.14116 / 180); }
// Lateral centre of gravity with the bulb at y_b: sum of w.y over 3510 g.
double Yg(double y_b) {
    return (50 * 30 - 30 * 20 - 200 * 10 + 150 * 15 + 20 * 40 - 60 * 5 + 1000 * 2 + 2000 * y_b) /
           3510;
}

} // namespace

TEST(Redressement, CaissonGiteDixDegresCentreDeCareneALaMain) {
    Etat_Projet e = Caisson();
    e.P(26) = 10;
    Affichage_Essai a;
    const std::optional<double> m = Calcul_Redressement(e, a);

    // Strip levels w = J - 45 for J = 100 .. 0: the low end (-50, w) turned by 10 degrees is
    // under water from w = 5 down (6 strips), the high end from w = -15 (4 strips).
    const double S = std::sin(10 * 3.141593 / 180), C = std::cos(10 * 3.141593 / 180);
    const double tn = S / C;
    // Low side: at w = 5 the water comes first (|z2| / S = 50 - 5 / tn); below, the centre
    // vertical comes first: 50 + w tn.
    const double somme2 = (50 - 5 / tn) + (50 - 5 * tn) + 4 * 50 - (15 + 25 + 35 + 45) * tn;
    // High side: at w = 5 the whole immersed strip is low side; at w = -5 the water cuts
    // the strip (length 50 + 5 / tn, in single precision); below, the strip (100) is under.
    const double somme1 =
        (static_cast<float>(50 + 5 / tn) - (50 - 5 * tn)) + 4 * 50 + (15 + 25 + 35 + 45) * tn;
    const double A2 = somme2 / 6 * 5 * 10, A1 = somme1 / 5 * 4 * 10;
    const double W2 = -50 * C - 5 * S, W1 = 50 * C + 15 * S;
    const double Yb = (W2 / 2 * A2 + W1 / 2 * A1) / (A1 + A2);
    ASSERT_LT(Yb, 0); // the lever takes its size
    const double y_b = Y_Bulbe(10);
    const double attendu = std::trunc(3510 * (-Yb + Yg(y_b)));

    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(*m, attendu);
    EXPECT_EQ(e.P(216), attendu);
    EXPECT_EQ(e.P(214), 0);
    EXPECT_NEAR(e.P(24), Yg(y_b), 1e-9);
    EXPECT_NEAR(e.P(34), y_b, 1e-9);
    EXPECT_NEAR(e.P(181), 365 * std::cos(10 * 3.14116 / 180), 1e-9);
    EXPECT_EQ(e.X_Couple, 123);
    ASSERT_EQ(a.moments.size(), 1u);
    EXPECT_EQ(a.moments[0], attendu);

    // The picture: scale 20 / 300 (the keel is longer than the beam), waterline a quarter
    // down, centre line in the middle.
    const double k = 20.0 / 300, x0 = 22.5, y0 = 9.5;
    EXPECT_DOUBLE_EQ(e.P(22), k);
    const auto &t = a.picture2.traits;
    ASSERT_FALSE(t.empty());
    test::Compare(t.front(), {0, y0, 6200, y0, test::VERT});
    auto premier = [&](std::uint32_t c) {
        for (const auto &tr : t)
            if (tr.couleur == c)
                return tr;
        ADD_FAILURE() << "couleur absente " << c;
        return t.front();
    };
    test::Compare(premier(RGB(255, 0, 255)),
                  {x0 + Yb * k, y0 + 4, x0 + Yb * k, y0 - 4, RGB(255, 0, 255)}, 1e-9);
    test::Compare(premier(RGB(0, 255, 255)),
                  {x0 + Yg(y_b) * k, y0 + 4, x0 + Yg(y_b) * k, y0 - 4, RGB(0, 255, 255)}, 1e-9);
    const double h = 10 * 3.14116 / 180;
    // The keel: its last blue segment, from the root 45 mm down to the tip 345 mm down.
    const Canvas_Enregistreur::Trait *quille = nullptr;
    for (const auto &tr : t)
        if (tr.couleur == test::BLEU)
            quille = &tr;
    ASSERT_NE(quille, nullptr);
    test::Compare(*quille, {x0 + 45 * std::sin(h) * k, y0 + 45 * std::cos(h) * k,
                            x0 + 345 * std::sin(h) * k, y0 + 345 * std::cos(h) * k, test::BLEU});
    // The bulb: a black circle of radius 20 mm around its centre.
    const double cx = x0 + y_b * k, cy = y0 + e.P(181) * k;
    int noirs = 0;
    for (const auto &tr : t)
        if (tr.couleur == test::NOIR) {
            ++noirs;
            EXPECT_NEAR(std::hypot(tr.x1 - cx, tr.y1 - cy), 20 * k, 1e-9);
        }
    EXPECT_GT(noirs, 8);
}

TEST(Redressement, DroitSymetriqueSansMoment) {
    Etat_Projet e = Caisson();
    for (int n : {33, 76, 77, 78, 79, 80, 81})
        e.P(n) = 0;
    e.P(214) = 777;
    Affichage_Essai a;
    EXPECT_EQ(Calcul_Redressement(e, a), 0.0);
    EXPECT_EQ(e.P(214), 0);
    EXPECT_EQ(e.P(24), 0);
    EXPECT_EQ(e.P(34), 0);
}

TEST(Redressement, BasculeDeQuilleDeplaceLeBulbe) {
    // Heel 10 with cant 20: the bulb swings by 30 degrees from the vertical.
    Etat_Projet e = Caisson();
    e.P(26) = 10;
    e.P(228) = 20;
    Affichage_Essai a;
    ASSERT_TRUE(Calcul_Redressement(e, a).has_value());
    EXPECT_NEAR(e.P(34), Y_Bulbe(30), 1e-9);
    EXPECT_NEAR(e.P(181), 365 * std::cos(30 * 3.14116 / 180), 1e-9);
    EXPECT_NEAR(e.P(24), Yg(Y_Bulbe(30)), 1e-9);
}

TEST(Redressement, SectionHorsDeLEauNeDonneRienEtLaSerieContinue) {
    // At 10 degrees the waterline lies 10 mm under the keel: no strip in the water.
    Etat_Projet e = Caisson();
    e.P(45) = e.P(51) = 110;
    for (int k = 1; k < 7; ++k)
        if (k != 2)
            e.P(Franc_Bord_AR(k)) = e.P(Franc_Bord_AV(k)) = 55;
    e.P(216) = 4242;
    e.P(24) = 99;
    e.P(26) = 10;
    Affichage_Essai a;
    EXPECT_EQ(Calcul_Redressement(e, a), std::nullopt);
    EXPECT_EQ(e.P(216), 4242);
    EXPECT_EQ(e.P(24), 99);
    EXPECT_EQ(e.X_Couple, 123);

    Shell_Enregistreur s;
    a.moments.clear();
    Calcul_Gite_0_30(e, s, a);
    EXPECT_EQ(e.P(216), 4242);
    ASSERT_EQ(a.moments.size(), 8u);
    EXPECT_EQ(a.moments[2], std::nullopt);
    for (int k : {0, 1, 3, 4, 5, 6})
        EXPECT_TRUE(a.moments[static_cast<std::size_t>(k)].has_value()) << k;
    EXPECT_EQ(a.moments[7], e.P(214)); // the upright state is shown last
    EXPECT_EQ(e.P(26), 0);
    EXPECT_EQ(s.evenements, 7);
    EXPECT_EQ(a.comparaisons, 1);
}

TEST(Redressement, DeriveDansLeTableauOuALEtraveRefusee) {
    for (double station : {10.0, 1000.0}) {
        Etat_Projet e = Caisson();
        e.P(35) = 25;
        e.P(110) = station;
        e.P(214) = 5;
        Affichage_Essai a;
        Shell_Enregistreur s;
        try {
            Calcul_Gite_0_30(e, s, a);
            ADD_FAILURE() << station;
        } catch (const Erreur_Gabarit &x) {
            EXPECT_STREQ(x.what(), MESSAGE_DERIVE_HORS_COQUE);
        }
        EXPECT_THROW(Calcul_Redressement(e, a), Erreur_Gabarit);
        EXPECT_EQ(a.picture2.effacements, 0);
        EXPECT_EQ(e.P(214), 5);
    }
}

TEST(Redressement, SerieEtSurfaceTheorique) {
    EXPECT_DOUBLE_EQ(Surface_Theorique(62000), 10.0);
    EXPECT_DOUBLE_EQ(Surface_Theorique(62061), 10.0);
    EXPECT_DOUBLE_EQ(Surface_Theorique(62681), 10.1);

    Etat_Projet e = Caisson();
    for (int k = 0; k < 7; ++k)
        e.P(Franc_Bord_AR(k)) = e.P(Franc_Bord_AV(k)) = 55;
    e.P(26) = 20;
    e.P(230) = 3;
    Affichage_Essai a;
    Shell_Enregistreur s;
    const double A = Calcul_Gite_0_30(e, s, a);
    // Each heel stored under its own number; 0 computed twice alike.
    for (int k = 0; k < 7; ++k) {
        Etat_Projet un = Caisson();
        for (int j = 0; j < 7; ++j)
            un.P(Franc_Bord_AR(j)) = un.P(Franc_Bord_AV(j)) = 55;
        un.P(26) = 5 * k;
        Affichage_Essai b;
        EXPECT_EQ(Calcul_Redressement(un, b), e.P(214 + k)) << k;
    }
    EXPECT_EQ(A, std::floor(e.P(220) / 620) / 10);
    EXPECT_EQ(e.P(229), A);
    EXPECT_EQ(e.P(230), 0);
    EXPECT_EQ(e.P(26), 0);
    EXPECT_EQ(a.moments.back(), e.P(214));
    EXPECT_EQ(a.surfaces, std::vector<double>{A});
}
