#include <gtest/gtest.h>

#include "interfaces/Shell_Enregistreur.h"
#include "support/Coques_Essai.h"
#include "support/Traits_Essai.h"
#include "views/Dessins.h"

using namespace gabarit;
using namespace gabarit::test;

TEST(Trace_Profile, CoqueEnVTableauDroit) {
    Etat_Projet e = Coque_V();
    Shell_Enregistreur s;
    e.Gite_Couple = 15;
    e.P(40) = 25;
    e.P(41) = 10;
    Canvas_Enregistreur c(220, 100);
    Trace_Profile(e, s, c);
    EXPECT_DOUBLE_EQ(e.P(22), 1.0); // (220 - 2 x 10) / 200
    EXPECT_EQ(e.Gite_Couple, 0);
    // Waterline, transom, sheer, 100 keel steps + the closing one, stem, red line.
    ASSERT_EQ(c.traits.size(), 106u);
    Compare(c.traits[0], {0, 25, 220, 25, NOIR});
    Compare(c.traits[1], {10, 15, 10, 55, BLEU});     // vertical transom, sheer to keel
    Compare(c.traits[2], {10, 15, 210, 15, BLEU});    // sheer
    Compare(c.traits[3], {10, 55, 12, 55, BLEU});     // first keel step, 2 mm
    Compare(c.traits[102], {208, 55, 210, 55, BLEU}); // last keel step
    Compare(c.traits[103], {210, 55, 210, 55, BLEU}); // closing on the stem foot
    Compare(c.traits[104], {210, 55, 210, 15, BLEU}); // stem, keel to sheer
    Compare(c.traits[105], {110, 15, 110, 55, ROUGE});
    EXPECT_EQ(Compte(c, BLEU), 104);
}

TEST(Trace_Profile, TableauInclineEtEtraveLanceeAtteignentLePiedDEtrave) {
    Etat_Projet e = Coque_Tableau();
    Shell_Enregistreur s;
    e.P(40) = 25;
    e.P(41) = 10;
    Canvas_Enregistreur c(220, 100);
    Trace_Profile(e, s, c);
    // Transom from the sheer at X = 25 down to the keel at the stern.
    Compare(c.traits[1], {35, 15, 10, 55, BLEU});
    Compare(c.traits[2], {35, 15, 210, 15, BLEU});
    // Steps of 1.8 mm stop just short of 180: the line is closed on the stem foot.
    const auto &fin_quille = c.traits[c.traits.size() - 3];
    EXPECT_DOUBLE_EQ(fin_quille.x2, 190);
    EXPECT_DOUBLE_EQ(fin_quille.y2, 55);
    EXPECT_LT(fin_quille.x1, 190);
    Compare(c.traits[c.traits.size() - 2], {190, 55, 210, 15, BLEU}); // raked stem
}

TEST(Trace_Profile, LeMatTientDansLaFenetreVoilure) {
    Etat_Projet e = Coque_V();
    Shell_Enregistreur s;
    e.P(41) = 10;
    e.P(82) = 40;
    Canvas_Enregistreur voile(220, 100, "Voilure");
    Trace_Profile(e, s, voile);
    EXPECT_DOUBLE_EQ(e.P(22), 1.0); // 100 / 10 x 8 / 40 = 2 does not bind
    e.P(82) = 200;
    Trace_Profile(e, s, voile);
    EXPECT_DOUBLE_EQ(e.P(22), static_cast<float>(0.4));
    Canvas_Enregistreur profil(220, 100, "Forme Carene");
    Trace_Profile(e, s, profil);
    EXPECT_DOUBLE_EQ(e.P(22), 1.0); // only the sail view limits the scale
    e.P(82) = 0;
    EXPECT_THROW(Trace_Profile(e, s, voile), Erreur_Gabarit);
}

TEST(Trace_Vue_Dessus, PontLignesDEauAxeEtReperes) {
    Etat_Projet e = Coque_V();
    Shell_Enregistreur s;
    e.P(231) = 10;
    Canvas_Enregistreur c(200, 300);
    Trace_Vue_Dessus(e, s, c);
    EXPECT_DOUBLE_EQ(e.P(40), 200);
    EXPECT_DOUBLE_EQ(e.P(41), 10);
    EXPECT_DOUBLE_EQ(e.P(22), 0.9);
    EXPECT_DOUBLE_EQ(e.P(231), 10); // given back after the waterlines
    // Transom top, 100 deck stations x 2 sides, 5 waterline rows x 50 steps (the row at
    // 30 mm lies at the keel and draws nothing), black centre line, blue centre line, ticks.
    ASSERT_EQ(c.traits.size(), 1u + 200 + 250 + 1 + 1 + 3);
    Compare(c.traits[0], {10, 245, 10, 155, BLEU});
    Compare(c.traits[1], {10, 245, 11.8, 245, BLEU});
    Compare(c.traits[2], {11.8, 155, 10, 155, BLEU});
    // Last deck step reaches the bow at half-breadth 0.
    Compare(c.traits[199], {188.2, 200.9, 190, 200, BLEU}, 1e-9);
    Compare(c.traits[200], {190, 200, 188.2, 199.1, BLEU}, 1e-9);
    // First waterline: at the waterline, 30 mm above the keel, half-breadth 50 x 30/40.
    Compare(c.traits[201], {10, 200 - 0.9 * 37.5, 13.6, 200 - 0.9 * 37.5, NOIR}, 1e-9);
    // Second row 6 mm down: half-breadth 50 x 24 / 40.
    Compare(c.traits[251], {10, 200 - 0.9 * 30, 13.6, 200 - 0.9 * 30, NOIR}, 1e-9);
    // Forward the deck narrows to the bow: at 160 and 164 mm the sheer half-breadths are 20
    // and 18, and that row is six tenths of them.
    Compare(c.traits[251 + 40], {154, 200 - 0.9 * 12, 157.6, 200 - 0.9 * 10.8, NOIR}, 1e-9);
    EXPECT_EQ(Compte(c, NOIR), 251);
    Compare(c.traits[451], {10, 200, 190, 200, NOIR});
    Compare(c.traits[452], {10, 200, 190, 200, BLEU});
    Compare(c.traits[453], {55, 199, 55, 201, ROUGE});
    Compare(c.traits[454], {100, 198, 100, 202, ROUGE});
    Compare(c.traits[455], {145, 199, 145, 201, ROUGE});
}

TEST(Trace_Vue_Dessus, TableauIncline) {
    Etat_Projet e = Coque_Tableau();
    Shell_Enregistreur s;
    Canvas_Enregistreur c(200, 300);
    Trace_Vue_Dessus(e, s, c);
    // Transom top at X = 25, half-breadth 50.
    Compare(c.traits[0], {10 + 0.9 * 25, 245, 10 + 0.9 * 25, 155, BLEU});
    // The deck walk starts past 25 (X = 26) from the transom corner.
    Compare(c.traits[1], {10 + 0.9 * 25, 245, 10 + 0.9 * 26, 245, BLEU}, 1e-9);
    // 88 deck stations (26 to 200 by 2), then 10 steps over the transom cut from the stern:
    // the cut's top half-breadth is 2 X.
    const auto &premier_ta = c.traits[1 + 2 * 88];
    Compare(premier_ta, {10 + 0.9 * 0, 200, 10 + 0.9 * 2.5, 200 + 0.9 * 5, BLEU}, 1e-9);
    const auto &dernier_ta = c.traits[1 + 2 * 88 + 19];
    Compare(dernier_ta, {10 + 0.9 * 25, 200 - 0.9 * 50, 10 + 0.9 * 22.5, 200 - 0.9 * 45, BLEU},
            1e-9);
}

TEST(Trace_Ligne_Flotte, PasDeRangeeSansTirantDEau) {
    Etat_Projet e = Coque_V();
    Shell_Enregistreur s;
    e.P(22) = 1;
    e.P(40) = 100;
    e.P(41) = 0;
    e.P(231) = 7;
    // Draught 100 at the deepest station: steps of 20, rows at 0 and 20 only.
    e.P(6) = e.P(15) = e.P(21) = 110;
    Canvas_Enregistreur c(300, 300);
    Trace_Ligne_Flotte(e, s, c);
    EXPECT_EQ(c.traits.size(), 2u * 50 + 1);
    EXPECT_EQ(e.Angle_Vue, 0);
    EXPECT_EQ(e.Cos_Angle_Vue, 1);
    EXPECT_EQ(e.Decalage_Vue, 0);
    // Zero and negative draughts: no row, the walk ends, only the centre line.
    for (double creux : {10.0, 5.0}) {
        e.P(6) = e.P(15) = e.P(21) = creux;
        Canvas_Enregistreur v(300, 300);
        Trace_Ligne_Flotte(e, s, v);
        ASSERT_EQ(v.traits.size(), 1u);
        Compare(v.traits[0], {0, 100, 200, 100, NOIR});
        EXPECT_DOUBLE_EQ(e.P(231), 7);
    }
}

TEST(Trace_Profile, EtraveAussiLongueQueLaCoqueNeBouclePas) {
    Etat_Projet e = Coque_V();
    e.P(36) = 200; // the keel step (L - P(36)) / 100 is zero
    Shell_Enregistreur s;
    e.P(40) = 25;
    e.P(41) = 10;
    Canvas_Enregistreur c(220, 100);
    Trace_Profile(e, s, c);
    // Waterline, transom, sheer, stem from its foot at the stern, red line: no keel line.
    ASSERT_EQ(c.traits.size(), 5u);
    EXPECT_EQ(c.traits[3].x1, 10);
    EXPECT_EQ(c.traits[3].x2, 210);
}

TEST(Trace_Ligne_Flotte, UneCoqueProfondeALaRangeeDe30mm) {
    Etat_Projet e = Coque_V();
    Shell_Enregistreur s;
    e.P(ECHELLE_VUE) = 1;
    e.P(ORIGINE_Y) = 100;
    e.P(ORIGINE_X) = 0;
    // 60 mm deep with the sheer 10 mm above the water: a draught of 50 mm everywhere, rows
    // every 10 mm at 0, 10, 20 and 30 mm below the waterline, each reached by every station.
    e.P(HAUTEUR_MAX) = e.P(HAUTEUR_TA) = e.P(HAUTEUR_ETRAVE) = 60;
    Canvas_Enregistreur c(300, 300);
    Trace_Ligne_Flotte(e, s, c);
    // Four rows of 50 steps of 4 mm, then the centre line.
    ASSERT_EQ(c.traits.size(), 4u * 50 + 1);
    // The V's half-breadth at 30 mm below the water, 20 mm above the keel, is a third of the
    // sheer's: 50 aft of the widest station, then 50 (200 - x) / 100 to the bow.
    auto y = [](double x) { return (x <= 100 ? 50 : 50 * (200 - x) / 100) * 20 / 60; };
    const std::size_t rang = 3 * 50;
    Compare(c.traits[rang], {0, 100 - y(0), 4, 100 - y(4), NOIR});
    Compare(c.traits[rang + 40], {160, 100 - y(160), 164, 100 - y(164), NOIR});
    Compare(c.traits[rang + 49], {196, 100 - y(196), 200, 100 - y(200), NOIR});
    EXPECT_NEAR(y(164), 6, 1e-12);
    Compare(c.traits[4 * 50], {0, 100, 200, 100, NOIR});
}
