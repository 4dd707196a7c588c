#include <cmath>
#include <gtest/gtest.h>
#include <tuple>

#include "interfaces/Shell_Enregistreur.h"
#include "stability/Coef_Prismatique.h"
#include "support/Traits_Essai.h"
#include "support/Coques_Essai.h"

using namespace gabarit;

namespace {
Etat_Projet Coque(double L) {
    Etat_Projet e;
    e.P(1) = L / 2;
    e.P(2) = L / 2;
    e.P(10) = L / 2;
    e.P(35) = 123.456; // inclined transom
    e.P(37) = 2;
    e.P(231) = 10;
    return e;
}

// Sections of one area A, half on each side of the centre plane: a prism.
Integrateur_Couple Prisme(double A) {
    return [A](Etat_Projet &e) {
        e.Surface_Immergee = A;
        e.Surface_Immergee_1 = A / 2;
        e.Surface_Immergee_2 = A / 2;
    };
}

// Areas along a parabola, zero at both ends and Amax amidships.
Integrateur_Couple Parabole(double Amax, double L) {
    return [Amax, L](Etat_Projet &e) {
        const double t = (e.X_Couple - L / 2) / (L / 2);
        const double a = Amax * (1 - t * t);
        e.Surface_Immergee = a;
        e.Surface_Immergee_1 = a / 2;
        e.Surface_Immergee_2 = a / 2;
    };
}
} // namespace

TEST(Coef_Prismatique, PrismeDonneDixAvecOuSansPrecision) {
    for (bool precision : {false, true}) {
        Etat_Projet e = Coque(800);
        Shell_Enregistreur s;
        int appels = 0;
        auto prisme = Prisme(5000);
        const double r = Calcul_Coef_Pris(e, s, nullptr, precision, [&](Etat_Projet &et) {
            ++appels;
            prisme(et);
        });
        EXPECT_DOUBLE_EQ(r, 10.0);
        // One call for the scale, then 41 stations at L/40 or 81 at L/80.
        EXPECT_EQ(appels, precision ? 42 : 82);
        EXPECT_DOUBLE_EQ(e.X_Couple, 800 + (precision ? 20 : 10));
        EXPECT_DOUBLE_EQ(e.P(39), 10.0);
        EXPECT_DOUBLE_EQ(e.P(193), 10.0);
    }
}

TEST(Coef_Prismatique, ParaboleIntegreeALaMain) {
    // 81 stations of 1 - t^2 (t = -1 .. 1 by 1/40): their sum is 81 - 44280 / 1600 = 53.325,
    // so the mean area is 0.658333 Amax over the whole length.
    Etat_Projet e = Coque(1000);
    e.P(26) = 10;
    Shell_Enregistreur s;
    const double r = Calcul_Coef_Pris(e, s, nullptr, false, Parabole(4000, 1000));
    EXPECT_DOUBLE_EQ(r, 6.58);
    EXPECT_DOUBLE_EQ(e.P(195), 6.58);
    EXPECT_DOUBLE_EQ(e.P(39), 6.58);
    EXPECT_EQ(e.P(193), 0);
    EXPECT_EQ(e.Gite_Couple, 10);
    EXPECT_EQ(e.Angle_Vue, 0);
    EXPECT_EQ(s.historique_statut1.front(), "Calcul Coef Pris");
    EXPECT_EQ(s.historique_statut1.back(), "Pret");
    EXPECT_EQ(s.progression_max, 1000);
    EXPECT_EQ(s.progression_valeur, 1000);
    EXPECT_EQ(s.evenements, 1 + 81); // before the walk, then at each station
}

// The coefficient is stored only beside a green light: at 7 degrees no light stands for it,
// and a red one stands for another floating position.
TEST(Coef_Prismatique, StockeSeulementSousUnVoyantVert) {
    for (const auto [gite, etat, stocke] :
         {std::tuple{7.0, 0.0, false}, {10.0, 1.0, false}, {10.0, 0.0, true}}) {
        SCOPED_TRACE(gite + etat);
        Etat_Projet e = Coque(800);
        e.P(26) = gite;
        e.P(188) = etat;
        for (int n = 193; n <= 199; ++n)
            e.P(n) = 1.5;
        e.P(39) = 2.5;
        Shell_Enregistreur s;
        EXPECT_DOUBLE_EQ(Calcul_Coef_Pris(e, s, nullptr, false, Prisme(100)), 10.0);
        for (int n = 193; n <= 199; ++n)
            EXPECT_EQ(e.P(n), stocke && n == 195 ? 10.0 : 1.5) << n;
        EXPECT_EQ(e.P(39), stocke ? 10.0 : 2.5);
    }
}

TEST(Coef_Prismatique, ReglagesPretesRendusMemeEnEchec) {
    // During the walk: vertical transom, 0.1-mm vertical step, the station step in P(231).
    {
        Etat_Projet e = Coque(800);
        Shell_Enregistreur s;
        auto prisme = Prisme(100);
        Calcul_Coef_Pris(e, s, nullptr, true, [&](Etat_Projet &et) {
            EXPECT_EQ(et.P(35), 0);
            prisme(et);
        });
        EXPECT_DOUBLE_EQ(e.P(35), 123.456);
        EXPECT_EQ(e.P(37), 2);
        EXPECT_EQ(e.P(231), 10);
    }
    // No immersed section at all: refused, settings put back.
    {
        Etat_Projet e = Coque(800);
        e.P(193) = 4.4;
        Shell_Enregistreur s;
        EXPECT_THROW(Calcul_Coef_Pris(e, s, nullptr, false, Prisme(0)), Erreur_Gabarit);
        EXPECT_DOUBLE_EQ(e.P(35), 123.456);
        EXPECT_EQ(e.P(37), 2);
        EXPECT_EQ(e.P(231), 10);
        EXPECT_EQ(e.P(193), 4.4);
        EXPECT_EQ(s.historique_statut1.back(), "Pret");
    }
    // A failure half-way along the hull.
    {
        Etat_Projet e = Coque(800);
        Shell_Enregistreur s;
        auto prisme = Prisme(100);
        EXPECT_THROW(Calcul_Coef_Pris(e, s, nullptr, false,
                                      [&](Etat_Projet &et) {
                                          if (et.X_Couple > 400)
                                              throw Erreur_Gabarit("section impossible");
                                          prisme(et);
                                      }),
                     Erreur_Gabarit);
        EXPECT_DOUBLE_EQ(e.P(35), 123.456);
        EXPECT_EQ(e.P(37), 2);
        EXPECT_EQ(e.P(231), 10);
    }
    // A hull of no length walks nowhere, and a deepest section past the bow is told as such.
    {
        Etat_Projet e;
        Shell_Enregistreur s;
        EXPECT_THROW(Calcul_Coef_Pris(e, s, nullptr, false, Prisme(100)), Erreur_Gabarit);
        e = Coque(800);
        e.P(10) = 5000;
        EXPECT_EQ(test::Refus_De([&] { Calcul_Coef_Pris(e, s, nullptr, false, Prisme(100)); })
                      .rfind("Le couple le plus haut dépasse en avant de la coque : sa position "
                             "(n° 10)",
                             0),
                  0u);
    }
}

TEST(Coef_Prismatique, CourbeDesAiresDansLImage) {
    Etat_Projet e = Coque(800);
    Shell_Enregistreur s;
    Canvas_Enregistreur image(102, 60);
    Calcul_Coef_Pris(e, s, &image, true, Prisme(3000));
    EXPECT_EQ(image.effacements, 1);
    EXPECT_EQ(e.P(40), 30);
    EXPECT_EQ(e.P(41), 1);
    // The axis, then three strokes per station after the first.
    ASSERT_EQ(image.traits.size(), 1u + 3u * 40u);
    const auto &axe = image.traits[0];
    EXPECT_DOUBLE_EQ(axe.x1, 1);
    EXPECT_DOUBLE_EQ(axe.y1, 30);
    EXPECT_DOUBLE_EQ(axe.x2, 101);
    EXPECT_EQ(axe.couleur, RGB(0, 0, 0));
    // Each side of a constant section is drawn 150 x sx below and above the axis.
    const double sx = 100.0 / 800;
    const auto &bas = image.traits[1];
    EXPECT_DOUBLE_EQ(bas.y1, 30 + sx * 150);
    EXPECT_DOUBLE_EQ(bas.x2, 1 + sx * 20);
    const auto &haut = image.traits[2];
    EXPECT_DOUBLE_EQ(haut.y2, 30 - sx * 150);
    const auto &rouge = image.traits[3];
    EXPECT_EQ(rouge.couleur, RGB(255, 0, 0));
    EXPECT_DOUBLE_EQ(rouge.x1, 1);
    EXPECT_DOUBLE_EQ(rouge.x2, 1);
    EXPECT_DOUBLE_EQ(rouge.y2, 30 + sx * 150);
}

TEST(Coef_Prismatique, CaissonFlottantDroit) {
    // A box-sectioned hull 1000 mm long, 100 mm wide and 100 mm deep, level at 40 mm below
    // its sheer: every station holds the same immersed area except the bow, where the
    // breadth closes to 0. With 81 stations 80 carry the area A: V = 80 A / 81 x 1000, so
    // Cp = 80 / 81 = 0.98765; with 41 stations Cp = 40 / 41 = 0.97560.
    Etat_Projet e = test::Coque_Caisson();
    test::Francs_Bords(e, 40, 40);
    e.P(37) = 2;
    e.P(231) = 10;
    Shell_Enregistreur s;
    EXPECT_DOUBLE_EQ(Calcul_Coef_Pris(e, s, nullptr, false), 9.87);
    EXPECT_DOUBLE_EQ(e.P(193), 9.87);
    EXPECT_DOUBLE_EQ(Calcul_Coef_Pris(e, s, nullptr, true), 9.75);
    EXPECT_EQ(e.P(37), 2);
    EXPECT_EQ(e.P(231), 10);
    // The two-argument form: no picture, "Precision" unticked.
    Calcul_Coef_Pris(e, s);
    EXPECT_DOUBLE_EQ(e.P(39), 9.87);
}
