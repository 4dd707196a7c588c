#include <cmath>
#include <gtest/gtest.h>

#include "interfaces/Shell_Enregistreur.h"
#include "model/Numeros.h"
#include "stability/Redressement.h"
#include "support/Affichage_Essai.h"
#include "support/Coques_Essai.h"
#include "support/Poids_Essai.h"
#include "support/Traits_Essai.h"

using namespace gabarit;
using test::Affichage_Essai;

namespace {

// A box 1000 long, 100 wide and 100 deep, keel at mid-length, strips every 10 mm, the
// waterline 45 mm above the keel at every station and heel. Keel 300 long, bulb 40 high; the
// eight masses of the weights fixture (3482 g), each at its own lateral place.
Etat_Projet Caisson() {
    Etat_Projet e = test::Coque_Caisson(1000, 50, 100);
    test::Poids_Distincts(e);
    test::Francs_Bords(e, 55, 55);
    e.P(37) = 10;
    e.P(113) = 300;
    e.P(166) = 40;
    e.X_Couple = 123;
    return e;
}

// The bulb centre 300 + 45 + 20 mm down the keel, at heel + cant.
double Y_Bulbe(double angle) { return 365 * std::sin(angle * 3.14116 / 180); }
// Items 45 x 30 - 30 x 20 - 100 x 10 + 180 x 15 + 15 x 40 - 12 x 5 = 2990, the hull 1100 x 2.
double Yg(double y_b) { return (2990 + 1100 * 2 + 2000 * y_b) / 3482; }

// The centre of buoyancy at 10 degrees, by hand. Strip levels w = J - 45 for J = 100 .. 0:
// the low end (-50, w) turned by 10 degrees is under water from w = 5 down (6 strips), the
// high end from w = -15 (4 strips).
double Yb_10() {
    const double S = std::sin(10 * 3.141593 / 180), C = std::cos(10 * 3.141593 / 180);
    const double tn = S / C;
    // Low side: at w = 5 the water comes first (50 - 5 / tn); below, the centre vertical
    // (50 + w tn).
    const double somme2 = (50 - 5 / tn) + (50 - 5 * tn) + 4 * 50 - (15 + 25 + 35 + 45) * tn;
    // High side: nothing at w = 5; at w = -5 the water cuts the strip (50 + 5 / tn, single
    // precision); below, the whole strip (100) is under.
    const double somme1 =
        (static_cast<float>(50 + 5 / tn) - (50 - 5 * tn)) + 4 * 50 + (15 + 25 + 35 + 45) * tn;
    const double A2 = somme2 / 6 * 5 * 10, A1 = somme1 / 5 * 4 * 10;
    const double W2 = -50 * C - 5 * S, W1 = 50 * C + 15 * S;
    return (W2 / 2 * A2 + W1 / 2 * A1) / (A1 + A2);
}

} // namespace

TEST(Redressement, CaissonGiteDixDegresCentreDeCareneALaMain) {
    Etat_Projet e = Caisson();
    e.P(26) = 10;
    Affichage_Essai a;
    const double Yb = Yb_10(), y_b = Y_Bulbe(10);
    ASSERT_LT(Yb, 0); // the lever takes its size
    const double attendu = std::trunc(3482 * (-Yb + Yg(y_b)));
    EXPECT_EQ(Calcul_Redressement(e, a), attendu);
    EXPECT_EQ(e.P(216), attendu);
    EXPECT_EQ(e.P(214), 0);
    EXPECT_NEAR(e.P(24), Yg(y_b), 1e-9);
    EXPECT_NEAR(e.P(34), y_b, 1e-9);
    EXPECT_NEAR(e.P(181), 365 * std::cos(10 * 3.14116 / 180), 1e-9);
    EXPECT_EQ(e.X_Couple, 123);
    EXPECT_EQ(a.moments, std::vector<std::optional<double>>{attendu});

    // The picture: scale 20 / 300 (the keel is longer than the beam), waterline a quarter
    // down, centre line in the middle; the centre of buoyancy marked on the waterline, the
    // keel last in blue, the bulb a circle of radius 20 mm.
    const double k = 20.0 / 300, x0 = 22.5, y0 = 9.5, h = 10 * 3.14116 / 180;
    const auto &t = a.picture2.traits;
    test::Compare(t.front(), {0, y0, 6200, y0, test::VERT});
    const Canvas_Enregistreur::Trait *quille = nullptr, *marque = nullptr;
    for (const auto &tr : t) {
        if (tr.couleur == test::BLEU)
            quille = &tr;
        if (tr.couleur == RGB(255, 0, 255) && !marque)
            marque = &tr;
        if (tr.couleur == test::NOIR)
            EXPECT_NEAR(std::hypot(tr.x1 - x0 - y_b * k, tr.y1 - y0 - e.P(181) * k), 20 * k, 1e-9);
    }
    ASSERT_TRUE(quille && marque);
    test::Compare(*marque, {x0 + Yb * k, y0 + 4, x0 + Yb * k, y0 - 4, RGB(255, 0, 255)});
    test::Compare(*quille, {x0 + 45 * std::sin(h) * k, y0 + 45 * std::cos(h) * k,
                            x0 + 345 * std::sin(h) * k, y0 + 345 * std::cos(h) * k, test::BLEU});
    EXPECT_GT(test::Compte(a.picture2, test::NOIR), 8);
}

TEST(Redressement, DroitSymetriqueEtBasculeDeQuille) {
    // Upright, everything on the centre line: no moment.
    Etat_Projet e = Caisson();
    for (int n : {33, 76, 77, 78, 79, 80, 81})
        e.P(n) = 0;
    e.P(214) = 777;
    Affichage_Essai a;
    EXPECT_EQ(Calcul_Redressement(e, a), 0.0);
    EXPECT_EQ(e.P(214), 0);
    EXPECT_EQ(e.P(24), 0);
    // Heel 10 with cant 20: the bulb swings by 30 degrees from the vertical.
    Etat_Projet b = Caisson();
    b.P(26) = 10;
    b.P(228) = 20;
    ASSERT_TRUE(Calcul_Redressement(b, a).has_value());
    EXPECT_NEAR(b.P(34), Y_Bulbe(30), 1e-9);
    EXPECT_NEAR(b.P(181), 365 * std::cos(30 * 3.14116 / 180), 1e-9);
    EXPECT_NEAR(b.P(24), Yg(Y_Bulbe(30)), 1e-9);
}

TEST(Redressement, SerieEtSurfaceTheorique) {
    EXPECT_DOUBLE_EQ(Surface_Theorique(62000), 10.0);
    EXPECT_DOUBLE_EQ(Surface_Theorique(62061), 10.0);
    EXPECT_DOUBLE_EQ(Surface_Theorique(62681), 10.1);

    Etat_Projet e = Caisson();
    e.P(26) = 20;
    e.P(230) = 3;
    Affichage_Essai a;
    Shell_Enregistreur s;
    const double A = Calcul_Gite_0_30(e, s, a);
    EXPECT_EQ(e.P(216), std::trunc(3482 * (-Yb_10() + Yg(Y_Bulbe(10)))));
    EXPECT_EQ(e.P(214), std::trunc(3482 * Yg(0))); // upright: the buoyancy is centred
    EXPECT_EQ(A, std::floor(e.P(220) / 620) / 10);
    EXPECT_EQ(e.P(229), A);
    EXPECT_EQ(e.P(230), 0);
    EXPECT_EQ(e.P(26), 0);
    ASSERT_EQ(a.moments.size(), 8u);
    EXPECT_EQ(a.moments.back(), e.P(214)); // the upright state shown last
    EXPECT_EQ(a.surfaces, std::vector<double>{A});
    EXPECT_EQ(s.evenements, 7);
    EXPECT_EQ(a.comparaisons, 1);
}

TEST(Redressement, SectionHorsDeLEauNeDonneRienEtLaSerieContinue) {
    // At 10 degrees the waterline lies 10 mm under the keel: no strip in the water.
    Etat_Projet e = Caisson();
    e.P(45) = e.P(51) = 110;
    e.P(216) = 4242;
    e.P(24) = 99;
    e.P(26) = 10;
    Affichage_Essai a;
    EXPECT_EQ(Calcul_Redressement(e, a), std::nullopt);
    EXPECT_EQ(e.P(24), 99);
    EXPECT_EQ(e.X_Couple, 123);
    Shell_Enregistreur s;
    a.moments.clear();
    Calcul_Gite_0_30(e, s, a);
    // Nothing stored for 10 degrees, and its light turns red over what the record held.
    EXPECT_EQ(e.P(216), 4242);
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(e.P(Etat_Gite(k)), k == 2 ? 1 : 0) << k;
    EXPECT_EQ(s.voyants[2], COULEUR_ROUGE);
    EXPECT_EQ(s.voyants[1], COULEUR_VERTE);
    ASSERT_EQ(a.moments.size(), 8u);
    EXPECT_EQ(a.moments[2], std::nullopt);
    EXPECT_EQ(a.moments[6], e.P(220)); // the heels after it still computed
}

TEST(Redressement, DeriveDansLeTableauOuALEtraveRefusee) {
    // In the transom cut, at the bow, and past it (where no section stands either).
    for (double station : {10.0, 1000.0, 1100.0}) {
        Etat_Projet e = Caisson();
        e.P(35) = 25;
        e.P(110) = station;
        e.P(214) = 5;
        Affichage_Essai a;
        Shell_Enregistreur s;
        EXPECT_THROW(Calcul_Gite_0_30(e, s, a), Derive_Hors_Coque);
        EXPECT_THROW(Calcul_Redressement(e, a), Derive_Hors_Coque);
        EXPECT_EQ(a.picture2.effacements, 0);
        EXPECT_EQ(e.P(214), 5);
        // No moment computed: every light red; the windows say why, not the core.
        for (int k = 0; k < 7; ++k)
            EXPECT_EQ(e.P(Etat_Gite(k)), 1) << k;
        EXPECT_EQ(s.voyants[6], COULEUR_ROUGE);
        EXPECT_TRUE(s.messages.empty());
    }
}

TEST(Redressement, GiteHorsDesSeptAnglesRefusee) {
    // Only the seven heels have a waterline in the record: 7, -5 and 35 degrees are refused
    // and no moment is stored.
    for (double gite : {7.0, -5.0, 35.0}) {
        Etat_Projet e = Caisson();
        for (int k = 0; k < 7; ++k)
            e.P(Moment_Redressement(k)) = 100 + k;
        e.P(26) = gite;
        Affichage_Essai a;
        EXPECT_THROW(Calcul_Redressement(e, a), Erreur_Gabarit) << gite;
        for (int k = 0; k < 7; ++k)
            EXPECT_EQ(e.P(Moment_Redressement(k)), 100 + k) << gite << " " << k;
    }
}

TEST(Redressement, GiteQuiNaPasFlotteNeStockeRien) {
    // The 10 degree floating position out of date (failed, or of another hull): the moment
    // is shown, not stored, nor the bulb and centre it was worked from.
    Etat_Projet e = Caisson();
    e.P(26) = 10;
    e.P(188) = 1;
    e.P(216) = 4242;
    e.P(24) = 1, e.P(34) = 2, e.P(181) = 3;
    Affichage_Essai a;
    const double attendu = std::trunc(3482 * (-Yb_10() + Yg(Y_Bulbe(10))));
    EXPECT_EQ(Calcul_Redressement(e, a), attendu);
    EXPECT_EQ(a.moments, std::vector<std::optional<double>>{attendu});
    EXPECT_EQ(e.P(216), 4242);
    EXPECT_EQ(e.P(24), 1);
    EXPECT_EQ(e.P(34), 2);
    EXPECT_EQ(e.P(181), 3);
}

TEST(Redressement, MomentTropGrandPourLeFichierRefuse) {
    // 1.8e305 g gives a moment near 1e308: finite, but not as thousandths in a file.
    Etat_Projet e = Caisson();
    e.P(42) = 1.8e305;
    e.P(214) = 5;
    e.P(24) = 99;
    Affichage_Essai a;
    EXPECT_THROW(Calcul_Redressement(e, a), Erreur_Gabarit);
    EXPECT_EQ(e.P(214), 5);
    EXPECT_EQ(e.P(24), 99);
    // The seven heels: refused at the first, said once, every light red.
    Shell_Enregistreur s;
    try {
        Calcul_Gite_0_30(e, s, a);
        ADD_FAILURE() << "stored";
    } catch (const Erreur_Gabarit &x) {
        EXPECT_TRUE(x.Signalee());
    }
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.messages[0].texte, "Calcul impossible : valeur du moment de redressement non "
                                   "finie ou trop grande pour le fichier");
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(e.P(Etat_Gite(k)), 1) << k;
    EXPECT_EQ(e.P(214), 5);
}

TEST(Redressement, EchelleQuandLaCoqueEstPlusLargeQueLaDerive) {
    // Half-beam 100, keel 150: the beam (200) is the wider, 15 / 100.
    Etat_Projet e;
    e.P(5) = 100;
    e.P(113) = 150;
    Canvas_Enregistreur image(45, 38);
    Echelle_Stabilite(e, image);
    EXPECT_EQ(e.P(22), 0.15);
    EXPECT_EQ(e.P(40), 9.5);
    EXPECT_EQ(e.P(41), 22.5);
}

TEST(Redressement, SurfaceTheoriqueGardeeSansMomentATrenteDegres) {
    // The sail area comes from the 30 degree moment: a moment not stored (its floating
    // position out of date, or no water at the keel station: the waterline 40 mm under the
    // keel, so heeled 30 degrees the low bilge corner stays 40 cos 30 - 50 sin 30 = 9.6 mm
    // above it) leaves the area of the record as it was, and that light red.
    struct Cas {
        const char *nom;
        double etat_30, franc_bord_30;
    };
    for (const Cas &c : {Cas{"perime", 1, 55}, Cas{"hors de l'eau", 0, 140}}) {
        SCOPED_TRACE(c.nom);
        Etat_Projet e = Caisson();
        e.P(192) = c.etat_30;
        e.P(55) = e.P(56) = c.franc_bord_30;
        e.P(220) = 4242;
        e.P(229) = 12.3;
        Affichage_Essai a;
        Shell_Enregistreur s;
        EXPECT_EQ(Calcul_Gite_0_30(e, s, a), 12.3);
        EXPECT_EQ(e.P(229), 12.3);
        EXPECT_EQ(e.P(220), 4242);
        EXPECT_EQ(e.P(192), 1);
        if (c.etat_30 == 0)
            EXPECT_EQ(s.voyants[6], COULEUR_ROUGE); // turned red by this run
        // The heels before it are stored: 10 degrees by hand.
        EXPECT_EQ(e.P(216), std::trunc(3482 * (-Yb_10() + Yg(Y_Bulbe(10)))));
    }
}
