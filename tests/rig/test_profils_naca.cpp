#include <gtest/gtest.h>

#include <cmath>

#include "interfaces/Canvas.h"
#include "rig/Profils_Naca.h"
#include "rig/Table_Naca.h"
#include "support/Chemins_Test.h"
#include "support/Naca_Essai.h"
#include "support/Traits_Essai.h"

using namespace gabarit;
using namespace gabarit::test;

namespace {

// Half-thickness of the four-digit section 00tt in % of chord at x (fraction of chord).
double Loi_Quatre_Chiffres(double t, double x) {
    return 100 * 5 * t *
           (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x + 0.2843 * x * x * x -
            0.1015 * x * x * x * x);
}

// The table of data/, the keel and rudder of the foil fixture.
Etat_Projet Projet_Table() {
    Etat_Projet e;
    e.Dossier_Programme = Dossier_Donnees();
    Lit_Table_Naca(e);
    e.P(1) = 520, e.P(2) = 480; // a 1000 mm hull: keel chords up to 500 mm
    Profils_Appendices(e);
    return e;
}

// A picture 346 units wide (5190 twips): 3.36 units per per cent of chord.
constexpr double LARGEUR = 346, S = 3.36;

} // namespace

TEST(Profils_Naca, Naca0012AUneCordeDe100mm) {
    Etat_Projet e = Projet_Table();
    // The four-digit law puts 6.0017 % at 30 % of the chord; the table row holds it to four
    // decimals, as its largest half-thickness too.
    const double loi = Loi_Quatre_Chiffres(0.12, 0.30);
    EXPECT_NEAR(loi, 6.00173, 1e-5);
    EXPECT_EQ(e.Stations_Naca[11], 30.f);
    EXPECT_NEAR(e.Table_Naca[0][11], loi, 5e-5);
    EXPECT_NEAR(e.Table_Naca[0][26], loi, 5e-5);
    EXPECT_NEAR(e.Table_Naca[0][27], 30, 0.02);

    Canvas_Enregistreur c(LARGEUR, 121);
    const Affichage_Section a = Trace_Profil_Derive(e, false, c);
    // 6.0017 mm of half-thickness on 100 mm: 2 x floor(6001.7) / 1000.
    EXPECT_EQ(a.epaisseur, 12.002);
    EXPECT_EQ(a.epaisseur_haut, 12.002);
    // The tip, NACA 0010 (5.0014 %) on 61 mm: 2 x floor(3050.854) / 1000.
    EXPECT_EQ(a.epaisseur_bas, 6.1);
    EXPECT_EQ(a.position, 29.9828);
    EXPECT_DOUBLE_EQ(e.P(22), S);

    // 25 segments each side, leading edge 5 units in, trailing edge 5 units from the right,
    // the chord line 56 below the top; the thickest point at 30 % of the chord.
    ASSERT_EQ(c.traits.size(), 50u);
    EXPECT_EQ(c.effacements, 1);
    Compare(c.traits[0], {5, 56, 5 + 0.5 * S, 56 + e.Table_Naca[0][1] * S, NOIR});
    Compare(c.traits[1], {5, 56, 5 + 0.5 * S, 56 - e.Table_Naca[0][1] * S, NOIR});
    Compare(c.traits[22], {5 + 30 * S, 56 + 6.0017 * S, 5 + 35 * S, 56 + 5.9486 * S, NOIR}, 1e-5);
    Compare(c.traits[23], {5 + 30 * S, 56 - 6.0017 * S, 5 + 35 * S, 56 - 5.9486 * S, NOIR}, 1e-5);
    EXPECT_NEAR(c.traits[49].x2, LARGEUR - 5, 1e-12);
    double y_max = 0;
    for (const auto &t : c.traits)
        y_max = std::max(y_max, std::max(t.y1, t.y2));
    EXPECT_EQ(y_max, c.traits[22].y1);

    // The lower section of the same window: its own profile, scale unchanged.
    const Affichage_Section b = Trace_Profil_Derive(e, true, c);
    EXPECT_EQ(b.epaisseur, 6.1);
    EXPECT_EQ(b.epaisseur_haut, 12.002);
    Compare(c.traits[22], {5 + 30 * S, 56 + 5.0014 * S, 5 + 35 * S, 56 + 4.9572 * S, NOIR}, 1e-5);
}

TEST(Profils_Naca, LeSafranLitSesPropresValeurs) {
    Etat_Projet e = Projet_Table();
    Canvas_Enregistreur c(LARGEUR, 121);
    const Affichage_Section a = Trace_Profil_Safran(e, true, c);
    // NACA 0015, 7.5022 % on 50 mm: 2 x floor(3751.1) / 1000; NACA 0006 on 80 mm: 3.0009 %.
    EXPECT_EQ(a.epaisseur, 7.502);
    EXPECT_EQ(a.epaisseur_bas, 7.502);
    EXPECT_EQ(a.epaisseur_haut, 4.8);
    Compare(c.traits[22], {5 + 30 * S, 56 + 7.5022 * S, 5 + 35 * S, 56 + 7.4358 * S, NOIR}, 1e-5);

    // A chord of 0 shows a thickness of 0 and still draws the outline.
    e.P(138) = 0;
    EXPECT_EQ(Trace_Profil_Safran(e, true, c).epaisseur, 0);
    EXPECT_EQ(c.traits.size(), 50u);
}

TEST(Profils_Naca, ProfilHorsTableRefuseSansToucherAuDessin) {
    Etat_Projet e = Projet_Table();
    Canvas_Enregistreur c(LARGEUR, 121);
    Trace_Profil_Derive(e, false, c);
    e.P(22) = 7;
    // The lower profile is refused even when the upper section is drawn: its box is filled.
    for (double n : {40.0, -1.0, 39.5, -0.6}) {
        e.P(25) = n;
        EXPECT_THROW(Trace_Profil_Derive(e, false, c), Refus_Profil) << n;
    }
    EXPECT_EQ(c.effacements, 1);
    EXPECT_EQ(c.traits.size(), 50u);
    EXPECT_EQ(e.P(22), 7);
    // 38.5 and -0.5 go to the even neighbours 38 and 0.
    e.P(25) = 38.5;
    EXPECT_NO_THROW(Trace_Profil_Derive(e, true, c));
    EXPECT_EQ(Profil_Naca(-0.5), 0);
    EXPECT_EQ(Profil_Naca(38.5), 38);
}

TEST(Profils_Naca, LeDimensionnementRameneLEpaisseurVoulue) {
    Etat_Projet e = Projet_Table();
    e.Table_Naca[12][26] = 6; // 12 % exactly
    e.P(18) = 12;
    // 10 mm wanted where 12 mm stand: r = 10 / 12 in single precision, 83.333331 mm, 83.
    // The tip box shows 6.1 for NACA 0010 on 61 mm: 6.1 / 6.101708 of 61 mm is 60.983 mm.
    Dimensionne_Derive(e, 10, 6.1);
    EXPECT_EQ(e.P(111), 83);
    EXPECT_EQ(e.P(112), 60);
    // The thickness reached is at most the one wanted, within a millimetre of chord.
    EXPECT_LE(Epaisseur_Section(e, 12, e.P(111)), 10);
    EXPECT_GT(Epaisseur_Section(e, 12, e.P(111) + 1), 10);

    // A thicker rudder: 0006 at 80 mm is 4.8 mm, 6 mm wanted gives 6 / 4.80144 x 80 = 99.97.
    Dimensionne_Safran(e, 6, 7.502);
    EXPECT_EQ(e.P(137), 99);
    EXPECT_EQ(e.P(138), 49);
    EXPECT_EQ(e.P(111), 83); // the keel is left alone
}

TEST(Profils_Naca, RefusAvantToutRedimensionnement) {
    struct Cas {
        const char *quoi;
        double corde_haut, corde_bas, demi, t_haut, t_bas;
    };
    const Cas cas[] = {{"corde basse nulle", 100, 0, 6, 10, 5},
                       {"corde haute négative", -100, 61, 6, 10, 5},
                       {"profil sans épaisseur", 100, 61, 0, 10, 5},
                       {"épaisseur nulle", 100, 61, 6, 10, 0},
                       {"épaisseur négative", 100, 61, 6, -10, 5},
                       {"épaisseur démesurée", 100, 61, 6, 1e300, 5}};
    for (const Cas &k : cas) {
        Etat_Projet e = Projet_Table();
        e.P(25) = 12;
        e.Table_Naca[12][26] = static_cast<float>(k.demi);
        e.P(111) = k.corde_haut;
        e.P(112) = k.corde_bas;
        EXPECT_THROW(Dimensionne_Derive(e, k.t_haut, k.t_bas), Refus_Profil) << k.quoi;
        EXPECT_EQ(e.P(111), k.corde_haut) << k.quoi;
        EXPECT_EQ(e.P(112), k.corde_bas) << k.quoi;
    }
    Etat_Projet e = Projet_Table();
    e.P(18) = 40;
    EXPECT_THROW(Dimensionne_Derive(e, 10, 5), Refus_Profil);
    EXPECT_EQ(e.P(112), 61);
}

TEST(Profils_Naca, LargeursDansLesBornesDuMenuAppendice) {
    Etat_Projet e = Projet_Table();
    e.Table_Naca[12][26] = 6; // 12 % exactly
    e.P(18) = 12, e.P(25) = 12, e.P(88) = 12, e.P(92) = 12;
    // Keel: 12 mm at 100 mm; 60 mm wanted is 500 mm of chord, half the hull, still allowed.
    Dimensionne_Derive(e, 60, 7.32);
    EXPECT_EQ(e.P(111), 500);
    EXPECT_EQ(e.P(112), 61);
    // 60.2 mm would be 501 mm: refused, neither chord moves.
    e.P(111) = 100;
    EXPECT_THROW(Dimensionne_Derive(e, 60.2, 7.32), Refus_Profil);
    EXPECT_EQ(e.P(111), 100);
    EXPECT_EQ(e.P(112), 61);
    // The tip alone too long: nothing moves either.
    EXPECT_THROW(Dimensionne_Derive(e, 10, 61), Refus_Profil); // 508 mm
    EXPECT_EQ(e.P(111), 100);
    // Rudder: 300 mm whatever the hull. 9.6 mm at 80 mm; 36 mm is 300 mm, 36.2 mm is 301.
    Dimensionne_Safran(e, 36, 6);
    EXPECT_EQ(e.P(137), 300);
    EXPECT_EQ(e.P(138), 50);
    e.P(137) = 80;
    EXPECT_THROW(Dimensionne_Safran(e, 36.2, 6), Refus_Profil);
    EXPECT_EQ(e.P(137), 80);
}

TEST(Profils_Naca, ValeurSimpleCommeLAncienAffichage) {
    EXPECT_EQ(Valeur_Simple(6.0017f), 6.0017);
    EXPECT_EQ(Valeur_Simple(29.9828f), 29.9828);
    EXPECT_EQ(Valeur_Simple(1.0f / 3), 0.3333333);
    EXPECT_EQ(Valeur_Simple(12345678.f), 12345680);
}
