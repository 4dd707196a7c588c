// Single sections and the inclined transom at full size, against sections worked by hand.
#include <cmath>
#include <gtest/gtest.h>

#include "printing/Commandes_Impression.h"
#include "printing/Impression_Couple.h"
#include "support/Coques_Essai.h"
#include "support/Feuille_Essai.h"

namespace gabarit::test {
namespace {

struct Essai_Couple : Impression_Essai {
    void Prepare(Etat_Projet &e, double x) {
        Pour_Impression(e);
        e.P(37) = 2.5; // the views' step, which the print must give back
        e.Gite_Couple = 10;
        e.X_Couple = x;
    }
};

// A box 100 deep and 2 x 50 wide floating with 40 of freeboard: draught 60. Step 1 mm.
TEST_F(Essai_Couple, BoxSectionAtFullSize) {
    Etat_Projet e = Coque_Caisson();
    Francs_Bords(e, 40, 40);
    Prepare(e, 500);
    ASSERT_TRUE(Lance_Impression_Couple(e, shell, feuille, false));

    ASSERT_EQ(feuille.feuilles.size(), 1u);
    const auto &f = feuille.feuilles[0];
    EXPECT_TRUE(f.terminee);
    EXPECT_EQ(f.textes, (std::vector<std::string>{"Projet : essai.cot", "Couple 500"}));
    // Reference, centreline, top, 100 steps down each side, two closing lines.
    ASSERT_EQ(f.traits.size(), 205u);
    const double droite = 8000 + 50 * EH, gauche = 8000 - 50 * EH;
    auto py = [&](double h) { return OY - (h - 60) * EV; };
    Ligne_Attendue(f.traits[0], 0, OY, 16000, OY);
    Ligne_Attendue(f.traits[1], 8000, 0, 8000, 11900);
    Ligne_Attendue(f.traits[2], droite, py(100), gauche, py(100));
    Ligne_Attendue(f.traits[3], droite, py(99), droite, py(100));
    Ligne_Attendue(f.traits[4], gauche, py(99), gauche, py(100));
    Ligne_Attendue(f.traits[202], gauche, py(0), gauche, py(1));
    Ligne_Attendue(f.traits[203], 8000, OY + 60 * EV, gauche, py(0));
    Ligne_Attendue(f.traits[204], 8000, OY + 60 * EV, droite, py(0));

    // The job's settings stay; its step does not.
    EXPECT_DOUBLE_EQ(e.P(37), 2.5);
    EXPECT_DOUBLE_EQ(e.P(40), OY);
    EXPECT_DOUBLE_EQ(e.P(41), 8000);
    EXPECT_EQ(e.Gite_Couple, 0);
    EXPECT_EQ(e.Mode_Couple, "Complet");
    EXPECT_EQ(shell.historique_statut1, (std::vector<std::string>{"Impression en Cours", "Pret"}));
    EXPECT_EQ(shell.evenements, 1);
}

// Inside the inclined transom at X = 10.25 the V section (y = 1.25 h) is cut 16.4 above its
// keel; with the 1 mm step the walk ends at h = 0.4 and the closing lines reach the keel.
TEST_F(Essai_Couple, TransomRegionSectionEndsAFractionAboveTheKeel) {
    Etat_Projet e = Coque_Tableau();
    Prepare(e, 10.25);
    ASSERT_TRUE(Lance_Impression_Couple(e, shell, feuille, false));
    const auto &f = feuille.feuilles.at(0);
    EXPECT_EQ(f.textes.at(1), "Couple 10.25");
    // 17 heights 16.4 .. 0.4: top, 2 x 16 sides, 2 closing lines.
    ASSERT_EQ(f.traits.size(), 2u + 1 + 32 + 2);
    auto px = [](double h) { return 8000 + 1.25 * h * EH; };
    auto py = [&](double h) { return OY - (h - 30) * EV; };
    Ligne_Attendue(f.traits[2], px(16.4), py(16.4), 8000 - 1.25 * 16.4 * EH, py(16.4));
    Ligne_Attendue(f.traits[3], px(15.4), py(15.4), px(16.4), py(16.4));
    Ligne_Attendue(f.traits[35], 8000, OY + 30 * EV, 8000 - 1.25 * 0.4 * EH, py(0.4));
    Ligne_Attendue(f.traits[36], 8000, OY + 30 * EV, px(0.4), py(0.4));
}

// "bonne" walks every 0.1 mm: 401 heights down a V 40 deep, with the sides exactly on the V.
TEST_F(Essai_Couple, GoodQualityStepsATenthOfAMillimetre) {
    Etat_Projet e = Coque_V();
    Prepare(e, 50);
    ASSERT_TRUE(Lance_Impression_Couple(e, shell, feuille, true));
    const auto &f = feuille.feuilles.at(0);
    ASSERT_EQ(f.traits.size(), 2u + 1 + 800 + 2);
    const double h = 40 - 123 * 0.1, hp = 40 - 122 * 0.1;
    Ligne_Attendue(f.traits[3 + 2 * 122], 8000 + 1.25 * h * EH, OY - (h - 30) * EV,
                   8000 + 1.25 * hp * EH, OY - (hp - 30) * EV);
    EXPECT_DOUBLE_EQ(e.P(37), 2.5);
}

// At exactly 135 mm both halves print about 8000; beyond it one half, left of 15000.
TEST_F(Essai_Couple, WideSectionPrintsOneHalf) {
    for (double b : {135.0, 135.1}) {
        Etat_Projet e = Coque_Caisson(1000, b);
        Francs_Bords(e, 40, 40);
        Prepare(e, 500);
        Surface_Enregistreur s;
        ASSERT_TRUE(Lance_Impression_Couple(e, shell, s, false));
        const auto &t = s.feuilles.at(0).traits;
        if (b == 135.0) {
            EXPECT_EQ(e.Mode_Couple, "Complet");
            ASSERT_EQ(t.size(), 205u);
            Ligne_Attendue(t[2], 8000 + b * EH, OY - 40 * EV, 8000 - b * EH, OY - 40 * EV);
        } else {
            EXPECT_EQ(e.Mode_Couple, "Demi");
            EXPECT_DOUBLE_EQ(e.P(41), 15000);
            ASSERT_EQ(t.size(), 2u + 1 + 100 + 1);
            Ligne_Attendue(t[1], 15000, 0, 15000, 11900);
            Ligne_Attendue(t[2], 15000 - b * EH, OY - 40 * EV, 15000, OY - 40 * EV);
            Ligne_Attendue(t[103], 15000, OY + 60 * EV, 15000 - b * EH, OY + 60 * EV);
        }
    }
}

// At the bow there is no breadth; the stem runs from the sheer (10 up) to the keel (30 down).
TEST_F(Essai_Couple, BowSectionAddsTheStem) {
    Etat_Projet e = Coque_V();
    Prepare(e, 200);
    ASSERT_TRUE(Lance_Impression_Couple(e, shell, feuille, false));
    const auto &t = feuille.feuilles.at(0).traits;
    ASSERT_EQ(t.size(), 2u + 1 + 80 + 2 + 1);
    Ligne_Attendue(t.back(), 8000, OY - 10 * EV, 8000, OY + 30 * EV);
}

// A printer that fails half-way: the job is dropped, the user told, the status and the
// vertical step put back.
TEST_F(Essai_Couple, PrinterFailureDropsTheJob) {
    Etat_Projet e = Coque_V();
    Prepare(e, 50);
    feuille.echec_apres = 5;
    EXPECT_FALSE(Lance_Impression_Couple(e, shell, feuille, true));
    ASSERT_EQ(feuille.feuilles.size(), 1u);
    EXPECT_TRUE(feuille.feuilles[0].abandonnee);
    EXPECT_EQ(feuille.Terminees(), 0);
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].texte, "Impression impossible : Erreur de l'imprimante");
    EXPECT_EQ(shell.messages[0].style, MB_STOP);
    EXPECT_EQ(shell.statuts[1], "Pret");
    EXPECT_DOUBLE_EQ(e.P(37), 2.5);
}

// A section the geometry cannot compute (0 under a negative power at the keel) and a
// calibration of 0 are refused the same way.
TEST_F(Essai_Couple, GeometryOrCalibrationFailureIsReported) {
    Etat_Projet e = Coque_Caisson(1000, 50, 100, -0.5);
    Francs_Bords(e, 40, 40);
    Prepare(e, 500);
    EXPECT_FALSE(Lance_Impression_Couple(e, shell, feuille, false));
    Etat_Projet z = Coque_V();
    Prepare(z, 50);
    z.Echelle_Imp_V = 0;
    EXPECT_FALSE(Lance_Impression_Couple(z, shell, feuille, false));
    EXPECT_EQ(feuille.Terminees(), 0);
    EXPECT_EQ(shell.messages.size(), 2u);
    EXPECT_DOUBLE_EQ(e.P(37), 2.5);
    EXPECT_EQ(shell.statuts[1], "Pret");
}

// The transom rises from the keel (draught 30 at station 0) to the sheer 10 above the
// waterline at P(35) = 25: 40 up over 25 along, k = sqrt(25^2 + 40^2) / 25. Its half-breadth
// where the plane cuts station X is 2 X.
TEST_F(Essai_Couple, InclinedTransomAtTrueSize) {
    Etat_Projet e = Coque_Tableau();
    Prepare(e, 0);
    e.P(29) = 30; // the oblique view's angle plays no part
    ASSERT_TRUE(Lance_Impression_Tableau(e, shell, feuille, false));
    const auto &f = feuille.feuilles.at(0);
    EXPECT_EQ(f.textes, (std::vector<std::string>{"Projet : essai.cot",
                                                  "Tableau arrière incliné, Couple : 0 à  25"}));
    const double k = static_cast<float>(std::sqrt(25.0 * 25 + 40 * 40) / 25);
    auto v = [&](double x) { return 10000 - k * x * EV; };
    ASSERT_EQ(f.traits.size(), 1u + 200 + 1);
    Ligne_Attendue(f.traits[0], 8000, 0, 8000, 11900);
    // From the keel on the centreline, station 0.25 first.
    Ligne_Attendue(f.traits[1], 8000 + 0.5 * EH, v(0.25), 8000, v(0));
    Ligne_Attendue(f.traits[2], 8000 - 0.5 * EH, v(0.25), 8000, v(0));
    Ligne_Attendue(f.traits[200], 8000 - 50 * EH, v(25), 8000 - 49.5 * EH, v(24.75));
    Ligne_Attendue(f.traits[201], 8000 + 50 * EH, v(25), 8000 - 50 * EH, v(25));
    EXPECT_DOUBLE_EQ(e.X_Couple, 0);
    EXPECT_DOUBLE_EQ(e.P(40), 10000);
    EXPECT_DOUBLE_EQ(e.P(37), 2.5);
}

// 101 stations by index for any length of the region: none lost to a drifting sum.
TEST_F(Essai_Couple, TransomWalkCountsItsStations) {
    Etat_Projet e = Coque_Tableau();
    e.P(35) = 0.7; // 0.007 steps do not add up to 0.7 exactly
    Prepare(e, 0);
    ASSERT_TRUE(Lance_Impression_Tableau(e, shell, feuille, false));
    EXPECT_EQ(feuille.feuilles.at(0).traits.size(), 1u + 200 + 1);
}

// A view redrawn while a job lets events run (a window resized during a series): it writes
// its own origin, station, heel and oblique angle into the values the sheets share.
struct Shell_Vue_Redessinee : Shell_Enregistreur {
    Etat_Projet *e = nullptr;
    void Laisse_Evenements() override {
        Shell_Enregistreur::Laisse_Evenements();
        e->P(40) = 1234;
        e->P(41) = 567;
        e->X_Couple = 77;
        e->Gite_Couple = 20;
        e->Angle_Vue = 30;
    }
};

// The box section at 500 prints as it does with no redraw: its header, waterline and
// centreline where the job put them.
TEST_F(Essai_Couple, ViewRedrawnDuringTheJobLeavesTheSectionAlone) {
    Etat_Projet e = Coque_Caisson();
    Francs_Bords(e, 40, 40);
    Prepare(e, 500);
    Shell_Vue_Redessinee vue;
    vue.e = &e;
    ASSERT_TRUE(Lance_Impression_Couple(e, vue, feuille, false));
    ASSERT_EQ(vue.evenements, 1);
    const auto &f = feuille.feuilles.at(0);
    EXPECT_EQ(f.textes.at(1), "Couple 500");
    ASSERT_EQ(f.traits.size(), 205u);
    Ligne_Attendue(f.traits[0], 0, OY, 16000, OY);
    Ligne_Attendue(f.traits[1], 8000, 0, 8000, 11900);
    Ligne_Attendue(f.traits[2], 8000 + 50 * EH, OY - 40 * EV, 8000 - 50 * EH, OY - 40 * EV);
    Ligne_Attendue(f.traits[204], 8000, OY + 60 * EV, 8000 + 50 * EH, OY + 60 * EV);
    EXPECT_DOUBLE_EQ(e.P(40), OY);
    EXPECT_DOUBLE_EQ(e.P(41), 8000);
    EXPECT_EQ(e.Gite_Couple, 0);
}

// The same redraw under a whole series: the transom keeps its centreline at 8000 and its
// keel at 10000, and each section its own station.
TEST_F(Essai_Couple, ViewRedrawnDuringASeriesLeavesEachStation) {
    Etat_Projet e = Coque_Tableau();
    Prepare(e, 0);
    Shell_Vue_Redessinee vue;
    vue.e = &e;
    Choix_Impression c;
    c.pas = 50;
    Menu_Impression_Command2(e, vue, feuille, IMP_COUPLES_AUTO, c);
    EXPECT_EQ(Titres(feuille),
              (std::vector<std::string>{"Tableau arrière incliné, Couple : 0 à  25", "Couple 50",
                                        "Couple 100", "Couple 150", "Couple 200"}));
    EXPECT_EQ(feuille.Terminees(), 5);
    const auto &tableau = feuille.feuilles.at(0).traits;
    Ligne_Attendue(tableau.at(0), 8000, 0, 8000, 11900);
    // From the keel on the centreline (station 0) to station 0.25, half-breadth 0.5.
    Ligne_Attendue(tableau.at(1), 8000 + 0.5 * EH,
                   10000 - static_cast<float>(std::sqrt(25.0 * 25 + 40 * 40) / 25) * 0.25 * EV,
                   8000, 10000);
    // Station 50 of the V: half-breadth 50 at the sheer, 10 above the waterline.
    const auto &couple = feuille.feuilles.at(1).traits;
    Ligne_Attendue(couple.at(0), 0, OY, 16000, OY);
    Ligne_Attendue(couple.at(2), 8000 + 50 * EH, OY - 10 * EV, 8000 - 50 * EH, OY - 10 * EV);
    EXPECT_DOUBLE_EQ(e.P(37), 2.5);
}

} // namespace
} // namespace gabarit::test
