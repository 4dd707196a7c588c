#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "interfaces/Shell_Enregistreur.h"
#include "model/Carene.h"
#include "support/Coques_Essai.h"

using namespace gabarit;

using test::Coque_Caisson;

TEST(Calcul_Tab, SectionRectangulaireProfondeurEntiere) {
    // a = b = 0: y = B r^0 = B from the keel to the sheer.
    Etat_Projet e = Coque_Caisson(1000, 50, 100, 0, 0);
    e.P(43) = 30;
    e.P(49) = 30;
    Calcul_Tab(e);
    const Table_Carene &t = e.Tab_Carene;
    for (int i : {0, 37, 100}) {
        for (int d : {0, 1, 60, 100}) {
            EXPECT_EQ(t(i, d, 0), d);
            EXPECT_EQ(t(i, d, 1), 50);
            // 1-mm strips from d down to the keel sample, both sides.
            EXPECT_EQ(t(i, d, 2), 100 * (101 - d)) << i << " " << d;
        }
        EXPECT_EQ(t(i, 101, 0), 100); // keel point
        EXPECT_EQ(t(i, 101, 1), 0);
        EXPECT_EQ(t(i, 101, 2), 0);
        EXPECT_EQ(t(i, 102, 0), 0); // beyond the keel
        // Girth from the keel sample (d = 100) up to the waterline row 30: one side.
        EXPECT_EQ(t(i, 99, 3), 1);
        EXPECT_EQ(t(i, 29, 3), 71);
        EXPECT_EQ(t(i, 28, 3), 0);
    }
    EXPECT_EQ(t(101, 0, 2), 0); // beyond the bow
    // 2 x mean girth x L: 2 x 71 x 1000 mm2.
    EXPECT_DOUBLE_EQ(e.P(200), 142);
    // The walks leave the heel upright and the station one step past the bow.
    EXPECT_EQ(e.Gite_Couple, 0);
    EXPECT_EQ(e.X_Couple, 1010);
}

TEST(Calcul_Tab, SectionRectangulaireProfondeurFractionnaire) {
    Etat_Projet e = Coque_Caisson(1000, 50, 100.5, 0, 0);
    e.P(43) = 30;
    e.P(49) = 30;
    Calcul_Tab(e);
    const Table_Carene &t = e.Tab_Carene;
    // Samples at heights 100.5, 99.5 ... 0.5: rows 0 to 100, then the keel point at 101.
    EXPECT_EQ(t(50, 100, 0), 100);
    EXPECT_EQ(t(50, 100, 1), 50);
    EXPECT_EQ(t(50, 101, 0), 100.5f);
    EXPECT_EQ(t(50, 101, 1), 0);
    EXPECT_EQ(t(50, 0, 2), 10100);
    EXPECT_EQ(t(50, 100, 2), 100);
    // The girth starts at the keel point: a chord 0.5 deep and 50 wide, then 1-mm steps up
    // to row Fix(F + 1) = 31.
    const double fond = std::sqrt(0.25 + 2500);
    EXPECT_FLOAT_EQ(t(50, 100, 3), static_cast<float>(fond));
    EXPECT_FLOAT_EQ(t(50, 30, 3), static_cast<float>(fond + 70));
    EXPECT_EQ(t(50, 29, 3), 0);
}

TEST(Calcul_Tab, SectionEnV) {
    // a = 1, b = 0, B = D = 64: y = z, a triangle sampled every millimetre.
    Etat_Projet e = Coque_Caisson(1000, 64, 64, 1, 0);
    e.P(43) = 40;
    e.P(49) = 40;
    Calcul_Tab(e);
    const Table_Carene &t = e.Tab_Carene;
    for (int d : {0, 10, 63, 64}) {
        EXPECT_EQ(t(20, d, 1), 64 - d);
        EXPECT_EQ(t(20, d, 2), (64 - d) * (65 - d)); // 2 x (0 + 1 + ... + (64 - d))
    }
    EXPECT_EQ(t(20, 0, 2), 4160);
    // Each 1-mm step of a 45-degree side is sqrt(2); 25 steps from row 64 up to row 40.
    EXPECT_FLOAT_EQ(t(20, 63, 3), static_cast<float>(std::sqrt(2.0)));
    EXPECT_FLOAT_EQ(t(20, 39, 3), static_cast<float>(25 * std::sqrt(2.0)));
    EXPECT_DOUBLE_EQ(e.P(200), 70.71); // Fix(2000 x 25 sqrt 2) / 1000
}

TEST(Calcul_Tab, LongueurNonMultipleDeDix) {
    Etat_Projet e = Coque_Caisson(995, 50, 100, 0, 0);
    e.P(43) = 30;
    e.P(49) = 30;
    Calcul_Tab(e);
    EXPECT_EQ(e.Tab_Carene(99, 0, 2), 10100); // last station, X = 990
    EXPECT_EQ(e.Tab_Carene(100, 0, 2), 0);
    EXPECT_EQ(e.X_Couple, 1000);
    // 100 stations of girth 71, divided by L / 10 + 1 = 100.5, times L.
    EXPECT_DOUBLE_EQ(e.P(200), Fix(2 * 7100 / 100.5 * 995) / 1000);
    EXPECT_DOUBLE_EQ(e.P(200), 140.587);
    // Beside a red upright light the surface stays as it was: its waterline is out of date.
    e.P(186) = 1, e.P(200) = 5;
    Calcul_Tab(e);
    EXPECT_EQ(e.P(200), 5);
}

TEST(Calcul_Tab, LaMarcheDuPerimetreSArreteAuLivet) {
    // Waterline at or above the sheer (a failed old flotation, or a file with a negative
    // freeboard): the walk climbs to the sheer row and no further.
    for (double fb : {0.0, 0.4, -3.0}) {
        Etat_Projet e = Coque_Caisson(1000, 50, 100, 0, 0);
        e.P(43) = fb;
        e.P(49) = fb;
        ASSERT_NO_THROW(Calcul_Tab(e)) << fb;
        EXPECT_EQ(e.Tab_Carene(10, 0, 3), 100) << fb;
        EXPECT_DOUBLE_EQ(e.P(200), 200);
    }
    // A raked stem ends in a section of depth 0 at the bow.
    Etat_Projet e = Coque_Caisson(1000, 50, 100, 0, 0);
    e.P(1) = 400;
    e.P(2) = 600;
    e.P(36) = 100;
    ASSERT_NO_THROW(Calcul_Tab(e));
    EXPECT_EQ(e.Tab_Carene(100, 0, 0), 0);
    EXPECT_EQ(e.Tab_Carene(100, 0, 2), 0);
    EXPECT_EQ(e.Tab_Carene(95, 1, 0), 1); // X = 950 is 50 mm deep on the stem line
    EXPECT_EQ(e.Tab_Carene(95, 51, 0), 50);
    // Its sections are the stem's whatever the waterline it was built under: the hull floats
    // the same boat afterwards.
    for (double fb : {1e303, -55.0}) {
        Etat_Projet f = e;
        f.P(43) = fb;
        f.P(49) = fb;
        Calcul_Tab(f);
        for (int i = 90; i <= 100; ++i)
            for (int d = 0; d <= 52; ++d)
                for (int k = 0; k < 3; ++k)
                    ASSERT_EQ(f.Tab_Carene(i, d, k), e.Tab_Carene(i, d, k)) << fb << " " << i;
    }
}

TEST(Calcul_Tab, CarenesTropGrandesRefuseesSansToucherLaTable) {
    auto refusee = [](Etat_Projet e, const char *mot) {
        e.Tab_Carene(7, 7, 2) = 123; // a trace of the previous table
        e.P(200) = 5;
        try {
            Calcul_Tab(e);
            ADD_FAILURE() << "accepted";
        } catch (const Erreur_Gabarit &err) {
            EXPECT_NE(std::string(err.what()).find(mot), std::string::npos) << err.what();
        }
        EXPECT_EQ(e.Tab_Carene(7, 7, 2), 123);
        EXPECT_EQ(e.P(200), 5);
    };
    refusee(Coque_Caisson(2000.5, 50, 100, 0, 0), "trop longue");
    refusee(Coque_Caisson(1000, 50, 300, 0, 0), "trop haut");
    refusee(Coque_Caisson(1000, 50, -1, 0, 0), "négative");
    refusee(Coque_Caisson(0, 50, 100, 0, 0), "nulle");
    {
        Etat_Projet e = Coque_Caisson(1000, 50, 100, 0, 0);
        e.P(6) = 300.2; // too deep only amidships
        refusee(e, "trop haut");
    }
    // The longest and deepest hull the table holds is accepted: keel point in row 300.
    Etat_Projet e = Coque_Caisson(2000, 50, 299.5, 0, 0);
    ASSERT_NO_THROW(Calcul_Tab(e));
    EXPECT_EQ(e.Tab_Carene(200, 300, 0), 299.5f);
}

TEST(Calcul_Tab, CareneRaccourcieNeLaisseRienDeLAncienneTable) {
    Etat_Projet e = Coque_Caisson(1000, 50, 100, 0, 0);
    e.P(43) = 30;
    e.P(49) = 30;
    Calcul_Tab(e);
    Etat_Projet petit = Coque_Caisson(500, 40, 60, 0, 0);
    for (int n : {1, 2, 5, 6, 9, 10, 14, 15, 21})
        e.P(n) = petit.P(n);
    Calcul_Tab(e);
    EXPECT_EQ(e.Tab_Carene(50, 0, 2), 80 * 61);
    EXPECT_EQ(e.Tab_Carene(51, 0, 2), 0);
    EXPECT_EQ(e.Tab_Carene(80, 10, 3), 0);
    EXPECT_EQ(e.Tab_Carene(10, 62, 0), 0);
    EXPECT_EQ(e.Tab_Carene(10, 80, 2), 0);
    EXPECT_EQ(e.Tab_Carene(10, 61, 0), 60);

    Init_Tab(e);
    EXPECT_EQ(e.Tab_Carene(10, 0, 2), 0);
}

TEST(Calcul_Tab_Ou_Retablit, FormeRefuseeRemetLeRecordEtLaTable) {
    // The box as the window holds it, its table built (and its upright wetted surface with it).
    Etat_Projet avant = Coque_Caisson(1000, 50, 100, 0, 0);
    avant.P(Franc_Bord_AR(0)) = 30;
    avant.P(Franc_Bord_AV(0)) = 30;
    Calcul_Tab(avant);
    ASSERT_DOUBLE_EQ(avant.P(Surface_Mouillee_Gite(0)), 142);
    Etat_Projet e = avant;
    Init_Tab(e); // so that the table found afterwards is one rebuilt
    // The edit: a length the table cannot hold, and two other values changed with it.
    e.P(LONGUEUR_AR) = 2500;
    e.P(EXP_LIVET_AV) = 3;
    e.P(VARIATION_FORME_AV) = 5;
    Shell_Enregistreur shell;
    EXPECT_FALSE(Calcul_Tab_Ou_Retablit(e, avant.Tab_Param, shell));
    EXPECT_EQ(e.Tab_Param, avant.Tab_Param);
    // The table is the previous box's: 50 mm half-breadth, 1-mm strips of 100 mm both sides.
    EXPECT_EQ(e.Tab_Carene(37, 0, 1), 50);
    EXPECT_EQ(e.Tab_Carene(37, 60, 2), 100 * (101 - 60));
    EXPECT_EQ(e.Tab_Carene(100, 101, 0), 100);
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].texte,
              "Cette forme de carène ne peut pas être calculée (Carène trop longue pour la "
              "table : L = 2500 mm (2000 mm au plus)). Rien n'est changé.");
    EXPECT_EQ(shell.messages[0].style, MB_EXCLAMATION);
    EXPECT_EQ(shell.messages[0].titre, "Attention");
}

TEST(Calcul_Tab_Ou_Retablit, FormeAccepteeGardeLaNouvelle) {
    const Etat_Projet avant = Coque_Caisson(1000, 50, 100, 0, 0);
    Etat_Projet e = avant;
    e.P(DEMI_LARGEUR_MAX) = e.P(DEMI_LARGEUR_TA) = 40; // a narrower box
    Shell_Enregistreur shell;
    EXPECT_TRUE(Calcul_Tab_Ou_Retablit(e, avant.Tab_Param, shell));
    EXPECT_EQ(e.P(DEMI_LARGEUR_MAX), 40);
    EXPECT_EQ(e.Tab_Carene(37, 0, 1), 40);
    EXPECT_TRUE(shell.messages.empty());
}

TEST(Calcul_Tab, PerimetreTropGrandPourLaTableSeul) {
    // One station (a hull 5 mm long), 2.5 deep: rows at heights 2.5, 1.5 and 0.5 above the
    // keel (r = 1, 0.6, 0.2), then the keel point. The shape law puts B = 1e30 at the sheer,
    // V = B / 4 at r = 0.6 and Y = FLT_MAX / 2 at r = 0.2: the exponents a + 0.6 b and
    // a + 0.2 b come from those. Area, in single precision from the keel up: 2 Y is FLT_MAX
    // exactly, and 2 V, 2 B are below half its last place (2^103): it stays FLT_MAX, finite.
    // Girth from the keel point up to the waterline: at the sheer (freeboard 0),
    // Y + (Y - V) + (B - V) = FLT_MAX + B / 2, beyond single precision; at 0.5 above the keel
    // (freeboard 2) it stops at Y.
    const double B = 1e30, Y = std::numeric_limits<float>::max() / 2.0f;
    const double e02 = std::log(Y / B) / std::log(0.2), e06 = std::log(0.25) / std::log(0.6);
    const double b = (e06 - e02) / 0.4, a = e02 - 0.2 * b;
    ASSERT_EQ(static_cast<float>(2 * Y + 2 * B / 4 + 2 * B), std::numeric_limits<float>::max());
    struct Cas {
        double franc_bord;
        bool refuse;
    };
    for (const Cas c : {Cas{0, true}, Cas{2, false}}) {
        SCOPED_TRACE(c.franc_bord);
        Etat_Projet e = Coque_Caisson(5, B, 2.5, a, b);
        e.P(43) = e.P(49) = c.franc_bord;
        if (!c.refuse) {
            EXPECT_NO_THROW(Verifie_Carene_Table(e));
            continue;
        }
        for (int passe = 0; passe < 2; ++passe) {
            try {
                if (passe == 0)
                    Verifie_Carene_Table(e);
                else
                    Calcul_Tab(e);
                ADD_FAILURE() << "accepted";
            } catch (const Erreur_Gabarit &err) {
                const std::string m = err.what();
                EXPECT_NE(m.find("Couple incalculable à X = 0 mm"), std::string::npos) << m;
                EXPECT_NE(m.find("périmètre trop grand pour la table"), std::string::npos) << m;
            }
        }
    }
}
