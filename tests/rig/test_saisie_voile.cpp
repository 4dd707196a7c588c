#include <gtest/gtest.h>

#include <cmath>

#include "rig/Saisie_Voile.h"
#include "support/Coques_Essai.h"

using namespace gabarit;

namespace {
// Fields 0 to 10: head 1400, foot 300, tack 60, exponent 1.5, jib head 1100, jib foot 250,
// jib tack 40, mast 1550, mast station 560, head-line return 90, head line 35.
Saisie_Voile Saisie() {
    Saisie_Voile s;
    s.valeurs = {1400, 300, 60, 1.5, 1100, 250, 40, 1550, 560, 90, 35};
    return s;
}
} // namespace

TEST(Saisie_Voile, LireVoileCopieEtRabatAuMat) {
    Etat_Projet e = test::Coque_Caisson();
    Lire_Voile(e, Saisie());
    const int numeros[11] = {84, 85, 86, 87, 96, 97, 98, 82, 83, 94, 93};
    for (std::size_t i = 0; i < 11; ++i)
        EXPECT_EQ(e.P(numeros[i]), Saisie().valeurs[i]) << i;

    // Head 1500 over a tack of 100 passes the 1550 mast: the head comes to 1550, not 1450.
    Saisie_Voile s = Saisie();
    s.valeurs[0] = 1500, s.valeurs[2] = 100;
    s.valeurs[4] = 1520, s.valeurs[6] = 31;
    Lire_Voile(e, s);
    EXPECT_EQ(e.P(84), 1550);
    EXPECT_EQ(e.P(96), 1550);
}

TEST(Saisie_Voile, ValeursRefuseesRienNEstStocke) {
    struct Cas {
        int champ;
        double v;
    };
    // An exponent the leech law cannot use (0, below, not a number); mainsail luff zero; jib
    // luff negative.
    for (Cas cas : {Cas{3, 0}, Cas{3, -1}, Cas{3, NAN}, Cas{0, 60}, Cas{4, 30}}) {
        Etat_Projet e = test::Coque_Caisson();
        e.P(84) = 7, e.P(87) = 2, e.P(82) = 9;
        Saisie_Voile s = Saisie();
        s.valeurs[static_cast<std::size_t>(cas.champ)] = cas.v;
        EXPECT_THROW(Lire_Voile(e, s), Erreur_Gabarit) << cas.champ;
        EXPECT_EQ(e.P(84), 7);
        EXPECT_EQ(e.P(87), 2);
        EXPECT_EQ(e.P(82), 9);
    }
}

// Only the step buttons hold the exponent within 1-12: an older project's 0.5 or 15 is read
// as it is. The CLASS plan does not use it, so there an unusable one refuses nothing and the
// record keeps its own.
TEST(Saisie_Voile, ExposantHorsDesPasEtPlanClass) {
    for (double n : {0.5, 15.0}) {
        Etat_Projet e = test::Coque_Caisson();
        Saisie_Voile s = Saisie();
        s.valeurs[3] = n;
        Lire_Voile(e, s);
        EXPECT_EQ(e.P(87), n);
        EXPECT_EQ(e.P(85), 300);
    }
    for (double n : {-1.0, double(NAN)}) {
        Etat_Projet e = test::Coque_Caisson();
        e.P(87) = 0.25;
        Saisie_Voile s = Saisie();
        s.plan_class = true;
        s.valeurs[3] = n;
        Lire_Voile(e, s);
        EXPECT_EQ(e.P(87), 0.25);
        EXPECT_EQ(e.P(85), 300);
        EXPECT_EQ(e.P(82), 1550);
    }
}

TEST(Saisie_Voile, PasDeLExposant) {
    EXPECT_DOUBLE_EQ(Pas_Exposant(1, -0.1), 1);  // 0.9 is below 1
    EXPECT_DOUBLE_EQ(Pas_Exposant(11.5, 1), 12); // 12.5 is above 12
    EXPECT_DOUBLE_EQ(Pas_Exposant(1.5, 1), 2.5);
    EXPECT_DOUBLE_EQ(Pas_Exposant(3, -0.1), 2.9);
}

TEST(Saisie_Voile, BornesDesFleches) {
    Etat_Projet e;
    e.P(1) = 520, e.P(2) = 480.5; // L = 1000.5 rounds to 1000; 1.8 L = 1800.9 to 1801
    e.P(82) = 1650.5;             // to 1650, the even neighbour
    const auto b = Bornes_Voile(e);
    EXPECT_EQ(b[0].min, 20);
    EXPECT_EQ(b[0].max, 1650);
    EXPECT_EQ(b[1].min, 1);
    EXPECT_EQ(b[1].max, 1000);
    EXPECT_EQ(b[2].max, 300);
    EXPECT_EQ(b[4].min, 1);
    EXPECT_EQ(b[4].max, 1650);
    EXPECT_EQ(b[7].min, 100);
    EXPECT_EQ(b[7].max, 1801);
    EXPECT_EQ(b[8].max, 1000);
    EXPECT_EQ(b[9].max, 1000);
    EXPECT_EQ(b[10].max, 300);

    // A mast or a hull far beyond any sail plan (1e300 from a file) gives limits held at the
    // largest plan the computation takes, 1000 km, not an int that overflowed.
    e.P(82) = 1e300;
    e.P(1) = -1e300;
    const auto g = Bornes_Voile(e);
    EXPECT_EQ(g[0].max, 1000000);
    EXPECT_EQ(g[4].max, 1000000);
    EXPECT_EQ(g[1].max, -1000000);
    EXPECT_EQ(g[7].max, -1000000);
}

TEST(Saisie_Voile, ChiffresDesFenetres) {
    Etat_Projet e;
    e.P(1) = 600, e.P(2) = 400; // L = 1000
    e.P(82) = 1555, e.P(83) = 578;
    e.P(84) = 1200, e.P(85) = 300, e.P(86) = 100;
    e.P(96) = 900, e.P(97) = 600, e.P(98) = 100;
    e.P(89) = 400000, e.P(99) = 200000;
    e.P(42) = 3000;
    e.P(200) = 150;
    e.P(103) = 512.345;
    e.P(126) = 490;
    const Chiffres_Voile c = Calcule_Chiffres_Voile(e);
    EXPECT_EQ(c.mat_hauteur, 155.0);
    EXPECT_EQ(c.mat_position, 57.0);
    EXPECT_EQ(c.gv_allongement, 3.6); // 1200^2 / 400000: the head height, not the luff
    EXPECT_EQ(c.gv_surface, 40.0);
    EXPECT_EQ(c.gv_part, 66.0);
    EXPECT_EQ(c.foc_allongement, 3.2); // 800^2 / 200000
    EXPECT_EQ(c.foc_surface, 20.0);
    EXPECT_EQ(c.foc_part, 33.0);
    EXPECT_EQ(c.surface_totale, 60.0);
    EXPECT_EQ(c.surface_foc, 20.0);
    EXPECT_EQ(c.surface_gv, 40.0);
    EXPECT_EQ(c.voilure_deplacement, 20.0); // 60 dm2 over 3 kg
    EXPECT_EQ(c.voilure_mouillee, 4.0);     // 600000 over 150000 mm2
    EXPECT_EQ(c.centre_velique, 512.34);
    EXPECT_EQ(c.guindant_gv, 1100);
    EXPECT_EQ(c.bordure_gv, 300);
    EXPECT_EQ(c.decalage_centres, 2.0);
    EXPECT_EQ(c.diagonale_gv, 1140);  // sqrt(1100^2 + 300^2) = 1140.18
    EXPECT_EQ(c.diagonale_foc, 1000); // 800 by 600

    // Areas that have two decimals in dm2 keep them (23000 / 10000 x 100 is a hair under
    // 230 in binary).
    e.P(89) = 23000, e.P(99) = 11000;
    const Chiffres_Voile d = Calcule_Chiffres_Voile(e);
    EXPECT_EQ(d.surface_gv, 2.3);
    EXPECT_EQ(d.surface_foc, 1.1);
    EXPECT_EQ(d.surface_totale, 3.4);
}

TEST(Saisie_Voile, DiviseursNulsLaissentLaPlace) {
    Etat_Projet e; // no hull, no sails, no weight, no wetted surface
    const Chiffres_Voile c = Calcule_Chiffres_Voile(e);
    EXPECT_FALSE(c.mat_hauteur);
    EXPECT_FALSE(c.mat_position);
    EXPECT_FALSE(c.gv_allongement);
    EXPECT_FALSE(c.gv_part);
    EXPECT_FALSE(c.foc_allongement);
    EXPECT_FALSE(c.foc_part);
    EXPECT_FALSE(c.voilure_deplacement);
    EXPECT_FALSE(c.voilure_mouillee);
    EXPECT_FALSE(c.decalage_centres);
    EXPECT_EQ(c.surface_totale, 0.0);
    EXPECT_EQ(c.gv_surface, 0.0);
}
