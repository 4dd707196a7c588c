#include <gtest/gtest.h>

#include <cmath>

#include "interfaces/Shell_Enregistreur.h"
#include "model/Fichier_Projet.h"
#include "rig/Voilure.h"
#include "rig/Voilure_Class.h"
#include "support/Greement_Essai.h"
#include "support/Traits_Essai.h"
#include "views/Dessins.h"

using namespace gabarit;
using namespace gabarit::test;

// Widths of a parabolic leech w = F (1 - (h/H)^2), F 400, H 800, at h = 800, 700, ..., 0:
// 0, 93.75, 175, 243.75, 300, 343.75, 375, 393.75, 400. Summed with truncation after each
// addition: 2322 (not 2325). The rule gives Fix(800 x 2322 / 11) = 168872 where the exact
// area is 2/3 F H = 213333; its centroid height is sum(h w) / sum(w) = 630000 / 2325, where
// the exact centroid lies at 3H/8 = 300.
TEST(Voilure, RegleDesSurfacesPasLIntegrale) {
    const double f = 400, lm = 800;
    const Echantillons_GV s =
        Echantillonne_GV(lm, [&](double h) { return Largeur_GV_Libre(f, lm, 2, h); });
    ASSERT_EQ(s.points.size(), 9u);
    EXPECT_DOUBLE_EQ(s.points[1].h, 700);
    EXPECT_DOUBLE_EQ(s.points[1].w, 93.75);
    EXPECT_DOUBLE_EQ(s.somme, 2322);
    EXPECT_DOUBLE_EQ(s.moment, 630000);
    EXPECT_DOUBLE_EQ(s.largeurs, 2325);
    EXPECT_DOUBLE_EQ(s.hauteurs, 3600);
    EXPECT_DOUBLE_EQ(Surface_GV(s, lm), 168872);
    EXPECT_NE(Surface_GV(s, lm), std::floor(2.0 / 3 * f * lm));
    EXPECT_NE(s.moment / s.largeurs, 3 * lm / 8);

    // Jib: half of (600 - 20) x 150, rounded down; 101 x 3 / 2 = 151.5 goes to 151.
    Etat_Projet e = Grand_Greement(2);
    EXPECT_DOUBLE_EQ(Surface_Foc(e), 43500);
    e.P(96) = 121, e.P(98) = 20, e.P(97) = 3;
    EXPECT_DOUBLE_EQ(Surface_Foc(e), 151);
}

// The free plan's drawing and the CLASS plan's drawing store the area by the same rule.
// CLASS law with b = 2 constant: w = F u^2, u = 1 - h/H: at u = j/8 the widths are
// 6.25 j^2 (0, 6.25, 25, 56.25, 100, 156.25, 225, 306.25, 400); the truncated sum is 1274 and
// the area Fix(800 x 1274 / 11) = 92654, where the exact F H / 3 is 106667.
TEST(Voilure, PlanClassDessineEtSurfaces) {
    Etat_Projet e = Grand_Greement(2);
    e.P(279) = 1;
    e.P(284) = 2, e.P(285) = 0, e.P(286) = 0;
    Calcul_Figures_Voilure(e);
    EXPECT_DOUBLE_EQ(e.P(89), 92654);
    EXPECT_DOUBLE_EQ(e.P(99), 43500);
    EXPECT_DOUBLE_EQ(e.P(102), 92654 + 43500);
    // sum(h w) = 100 x 6.25 x sum(k (8 - k)^2) = 625 x 336 = 210000 over sum(h) = 3600 and
    // sum(w) = 1275; tack 50 above a deck 10 above the water; to the file's thousandth.
    EXPECT_EQ(e.P(90), Valeur_Fichier(100 - 210000.0 / 3600));
    EXPECT_EQ(e.P(91), Valeur_Fichier(60 + 210000.0 / 1275));
    // The drawing shows those figures and stores none.
    const auto figures = e.Tab_Param;
    Shell_Enregistreur s;
    Canvas_Enregistreur c(300, 200, "Voilure");
    Trace_Voile_Projet(e, s, c);
    EXPECT_EQ(e.Tab_Param, figures);
    EXPECT_EQ(e.Lattes_Class, (std::array<double, 3>{25, 100, 225}));
    ASSERT_EQ(e.Liste_Voile.size(), 9u);
    EXPECT_EQ(e.Liste_Voile[0], (Etat_Projet::Ligne_Voile{800, 0}));
    EXPECT_EQ(e.Liste_Voile[1], (Etat_Projet::Ligne_Voile{700, 6.25}));
    EXPECT_EQ(e.Liste_Voile[8], (Etat_Projet::Ligne_Voile{0, 400}));
    ASSERT_EQ(c.traits.size(), 25u);
    Compare(c.traits[5], {20, 94, 19.375, 104, NOIR}); // first leech step: 6.25 mm aft
    Compare(c.traits[20], {20, 174, -20, 174, NOIR});  // the boom
    EXPECT_EQ(e.X_Couple, 40);                         // left at the head line's return

    // The free plan of the same project gives the parabolic leech's 168872 instead.
    e.P(279) = 0;
    EXPECT_DOUBLE_EQ(Mesure_Voilure(e).surface_gv, 168872);
}

// Height sweep, y = 0 to 100 by 10: widths 80, 72, ..., 0, sum 440, sum(y w) = 80 x 550 -
// 0.8 x 38500 = 13200: 30 above the deck (the exact centroid lies at 33.3), 40 above the
// water. Station sweep from the clew: the straight leech reaches x at h = 2x, chords 0, 20,
// ..., 100 for x = 0 to 50; over the jib 66.67, 33.33, 0 at x = 60, 70, 80. Sum 400,
// sum(x c) = 11000 + 4000 + 2333.33: 43.33 forward of the clew at 100.
TEST(Voilure, CentreVeliqueParLesDeuxBalayages) {
    Etat_Projet e = Petit_Greement();
    e.X_Couple = 3;
    const Centre_Velique v = Mesure_Voilure(e).centre;
    EXPECT_EQ(v.z, 13200.0 / 440 + 10);
    EXPECT_EQ(v.x, Valeur_Fichier(100 + (11000 + 60 * 200.0 / 3 + 70 * 100.0 / 3) / 400));
    EXPECT_EQ(e.X_Couple, 3); // the section in work stays where it was

    // The same mainsail as a CLASS law w = F u (A = 1, B = C = 0): the same height, but the
    // leech lies on every strip's edge (h = 2x), and the CLASS reach F (1 - u) with u = 1 -
    // h/100 falls short by a rounding where F - F u does not, so its chords differ.
    Etat_Projet k = Petit_Greement();
    k.P(279) = 1, k.P(284) = 1, k.P(285) = 0, k.P(286) = 0;
    const Centre_Velique w = Mesure_Voilure(k).centre;
    EXPECT_EQ(w.z, v.z);
    double cordes = 0, moment_x = 0;
    for (int x = 0, h = 0; x <= 80; x += 10) {
        double c = 100 - (x - 50) * 100 / 30.0; // the jib
        if (x <= 50) {
            while (h < 100 && !(50 * (1 - (1 - h / 100.0)) >= x))
                ++h;
            c = h;
        }
        cordes += c;
        moment_x += x * c;
    }
    EXPECT_EQ(w.x, Valeur_Fichier(100 + moment_x / cordes));
    EXPECT_NE(w.x, v.x);

    // A tack above the deck counts no width below it: with the mainsail from 20 to 100 (luff
    // 80, foot 50), the sums gain nothing at y = 0 and 10 from it.
    Etat_Projet t = Petit_Greement();
    t.P(86) = 20;
    Calcul_Figures_Voilure(t);
    double aire = 0, moment = 0;
    for (int y = 0; y <= 100; y += 10) {
        double w = 30 - 0.3 * y;
        if (y >= 20)
            w += 50 - 50 * (y - 20) / 80.0;
        aire += w;
        moment += y * w;
    }
    EXPECT_EQ(t.P(104), Valeur_Fichier(moment / aire + 10));
}

// A parabolic leech (n = 2) on the large plan: mainsail 400 (1 - ((y - 50)/800)^2) from 50
// to 850, jib 150 (600 - y) / 580 from 20 to 600, deck 10 above the water. The leech reaches
// x forward of the clew where 400 h^2 / 800^2 >= x, that is at the first whole h with
// h^2 >= 1600 x, worked here in integers.
TEST(Voilure, CentreVeliqueLibreChuteCourbe) {
    Etat_Projet e = Grand_Greement(2);
    Calcul_Figures_Voilure(e);
    double aire = 0, moment_y = 0;
    for (int y = 0; y <= 1000; y += 10) {
        double w = 0;
        if (y >= 50 && y <= 850)
            w += 400 * (1 - (y - 50.0) * (y - 50.0) / 640000);
        if (y >= 20 && y <= 600)
            w += 150 * (600 - y) / 580.0;
        aire += w;
        moment_y += y * w;
    }
    double cordes = 0, moment_x = 0;
    for (long x = 0; x <= 550; x += 10) {
        double c = 580.0 * (550 - x) / 150; // the jib
        if (x <= 400) {
            long h = 0;
            while (h * h < 1600 * x)
                ++h;
            c = static_cast<double>(h);
        }
        cordes += c;
        moment_x += static_cast<double>(x) * c;
    }
    EXPECT_EQ(e.P(104), Valeur_Fichier(moment_y / aire + 10));
    EXPECT_EQ(e.P(103), Valeur_Fichier((100 - 400) + moment_x / cordes));
}

// A real roach law b(u) = 1.5 + 0.4 u - 0.3 u^2 on the large plan, worked step by step: the
// height sweep with the width 400 u^b, the station sweep stopping at the first h where
// 400 (1 - u^b) >= x, u = 1 - h/800.
TEST(Voilure_Class, CentreVeliqueLoiDeRond) {
    Etat_Projet e = Grand_Greement(2);
    e.P(279) = 1, e.P(284) = 1.5, e.P(285) = 0.4, e.P(286) = -0.3;
    e.X_Couple = 7;
    Calcul_Figures_Voilure(e);
    const auto puissance = [](double u) { return std::pow(u, 1.5 + 0.4 * u - 0.3 * u * u); };
    double aire = 0, moment_y = 0;
    for (int y = 0; y <= 1000; y += 10) {
        double w = 0;
        if (y >= 50 && y <= 850)
            w += 400 * puissance(1 - (y - 50) / 800.0);
        if (y >= 20 && y <= 600)
            w += 150 * (600 - y) / 580.0;
        aire += w;
        moment_y += y * w;
    }
    double cordes = 0, moment_x = 0;
    for (int x = 0, h = 0; x <= 550; x += 10) {
        double c = 580.0 * (550 - x) / 150;
        if (x <= 400) {
            while (h < 800 && !(400 * (1 - puissance(1 - h / 800.0)) >= x))
                ++h;
            c = h;
        }
        cordes += c;
        moment_x += x * c;
    }
    EXPECT_EQ(e.P(104), Valeur_Fichier(moment_y / aire + 10));
    EXPECT_EQ(e.P(103), Valeur_Fichier(-300 + moment_x / cordes));
    EXPECT_EQ(e.X_Couple, 7);
}

// The figures stand on the upright waterline whatever heel a section view left: at 15 degrees
// the waterline lies 30 below the sheer at the stern and 50 at the bow of the 200 mm hull, 45
// at the mast station 150; upright it is 10, as the height sweep's 30 above the deck is.
TEST(Voilure, CentreVeliqueDroitQuelleQueSoitLaGite) {
    for (bool classe : {false, true}) {
        Etat_Projet e = Petit_Greement();
        e.P(279) = classe, e.P(284) = 1, e.P(285) = 0, e.P(286) = 0;
        e.P(Franc_Bord_AR(3)) = 30;
        e.P(Franc_Bord_AV(3)) = 50;
        e.Gite_Couple = 15;
        EXPECT_EQ(Mesure_Voilure(e).centre.z, 13200.0 / 440 + 10) << classe;
        EXPECT_EQ(e.Gite_Couple, 15) << classe;
    }
}

TEST(Voilure, PlansImpossiblesRefusesSansRienChanger) {
    struct Cas {
        int n;
        double v;
    };
    // Luff zero and negative, jib luff zero, jib foot zero, foot zero, a mast beyond reach.
    for (Cas cas : {Cas{84, 0}, Cas{84, -20}, Cas{96, 0}, Cas{97, 0}, Cas{85, 0}, Cas{82, 1e50}}) {
        for (bool classe : {false, true}) {
            Etat_Projet e = Petit_Greement();
            e.P(279) = classe, e.P(284) = 1;
            e.P(cas.n) = cas.v;
            EXPECT_THROW(Calcul_Figures_Voilure(e), Erreur_Gabarit) << cas.n;
            EXPECT_EQ(e.P(103), 7);
            EXPECT_EQ(e.P(104), 8);
        }
    }
    // A CLASS law of negative A has no width at the head (0 to a negative power).
    Etat_Projet e = Petit_Greement();
    e.P(279) = 1, e.P(284) = -1;
    EXPECT_THROW(Calcul_Figures_Voilure(e), Erreur_Gabarit);
    EXPECT_EQ(e.P(103), 7);
}

// Battens taken from a known law come back as its coefficients.
TEST(Voilure_Class, AjustementRendLaLoi) {
    const double f = 340;
    const Coefs_Roof loi{1.5, 0.4, -0.3};
    std::array<double, 3> lattes{};
    for (std::size_t i = 0; i < 3; ++i) {
        const double u = U_LATTES[i];
        lattes[i] = f * std::pow(u, 1.5 + 0.4 * u - 0.3 * u * u);
    }
    const Coefs_Roof k = Ajuste_Roof(f, lattes);
    EXPECT_NEAR(k.a, 1.5, 1e-12);
    EXPECT_NEAR(k.b, 0.4, 1e-12);
    EXPECT_NEAR(k.c, -0.3, 1e-12);

    // A plain power leech b = 2: 0.0625 F, 0.25 F, 0.5625 F.
    const Coefs_Roof p = Ajuste_Roof(400, {25, 100, 225});
    EXPECT_NEAR(p.a, 2, 1e-12);
    EXPECT_NEAR(p.b, 0, 1e-12);
    EXPECT_NEAR(p.c, 0, 1e-12);
}

TEST(Voilure_Class, LattesDuPlanLibrePuisAjustement) {
    // A straight leech: 0.25 F, 0.5 F, 0.75 F at 3/4, 2/4 and 1/4 of the luff; fitted, A = 1.
    Etat_Projet e = Petit_Greement();
    EXPECT_EQ(Calcul_Lattes(e), (std::array<double, 3>{12.5, 25, 37.5}));
    Calcul_Roof_Lattes(e, Calcul_Lattes(e));
    EXPECT_DOUBLE_EQ(e.P(284), 1);
    EXPECT_DOUBLE_EQ(e.P(285), 0);
    EXPECT_DOUBLE_EQ(e.P(286), 0);

    // Exponent 2, luff 800, foot 400: 400 (1 - 9/16) = 175, 300, 375.
    Etat_Projet g = Grand_Greement(2);
    EXPECT_EQ(Calcul_Lattes(g), (std::array<double, 3>{175, 300, 375}));
    // The fitted law passes through the free leech at the three battens.
    Calcul_Roof_Lattes(g, Calcul_Lattes(g));
    const Coefs_Roof k = Coefs_Roof_Projet(g);
    EXPECT_NEAR(Largeur_Class(k, 400, 0.25), 175, 1e-9);
    EXPECT_NEAR(Largeur_Class(k, 400, 0.5), 300, 1e-9);
    EXPECT_NEAR(Largeur_Class(k, 400, 0.75), 375, 1e-9);

    // No battens for a luff of zero or less.
    g.P(84) = g.P(86);
    EXPECT_THROW(Calcul_Lattes(g), Erreur_Gabarit);
}

TEST(Voilure_Class, LattesRefuseesGardentLesCoefficients) {
    for (const std::array<double, 3> lattes :
         {std::array<double, 3>{0, 100, 225}, std::array<double, 3>{25, -1, 225},
          std::array<double, 3>{25, 100, NAN}}) {
        Etat_Projet e = Grand_Greement(2);
        e.P(284) = 4, e.P(285) = 5, e.P(286) = 6;
        EXPECT_THROW(Calcul_Roof_Lattes(e, lattes), Erreur_Gabarit);
        EXPECT_EQ(e.P(284), 4);
        EXPECT_EQ(e.P(285), 5);
        EXPECT_EQ(e.P(286), 6);
    }
    Etat_Projet e = Grand_Greement(2);
    e.P(85) = 0; // no foot to divide by
    EXPECT_THROW(Calcul_Roof_Lattes(e, {25, 100, 225}), Erreur_Gabarit);

    // A top batten far longer than the 400 foot fits a law with A < 0: no width at the head,
    // nothing the drawing could draw. b0 = ln(99999/400) / ln(1/4) = -3.98, b1 = b2 = 2:
    // D02 = 4 - 2 b0, D01 = 8 - 4 b0, C = 4 (D02 - D01) = -47.9, B = D01 - 3C/4 = 59.8,
    // A = b0 - B/4 - C/16 = -15.9.
    const double b0 = std::log(99999.0 / 400) / std::log(0.25);
    const double c = 4 * ((4 - 2 * b0) - (8 - 4 * b0)), bb = (8 - 4 * b0) - 0.75 * c;
    ASSERT_NEAR(b0 - bb / 4 - c / 16, -15.9, 0.1);
    Etat_Projet t = Grand_Greement(2);
    t.P(284) = 4, t.P(285) = 5, t.P(286) = 6;
    EXPECT_THROW(Calcul_Roof_Lattes(t, {99999, 100, 225}), Erreur_Gabarit);
    EXPECT_EQ(t.P(284), 4);
    EXPECT_EQ(t.P(285), 5);
    EXPECT_EQ(t.P(286), 6);
}
