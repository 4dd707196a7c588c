#include <gtest/gtest.h>

#include <string>

#include "interfaces/Shell_Enregistreur.h"
#include "model/Equilibre.h"
#include "support/Coques_Essai.h"
#include "support/Traits_Essai.h"
#include "views/Dessins.h"

using namespace gabarit;
using namespace gabarit::test;

namespace {
// The V hull at heel 5, its floating position already current (flag 0): the equilibrium
// returns at once. Step L/10 = 20 mm, so n = 5 sections on each side of the master section.
Etat_Projet Vue_Gitee() {
    Etat_Projet e = Coque_V();
    e.P(26) = 5;
    e.P(187) = 0;
    e.P(27) = 20;
    e.P(37) = 10;
    e.P(22) = 2;
    e.P(40) = 100;
    e.P(41) = 150;
    e.X_Couple = 37;
    return e;
}

using Cadrage = void (*)(Etat_Projet &, Interface_Shell &, Canvas &);
} // namespace

TEST(Cadrages, NombreDeCouplesEtValeursLaissees) {
    const struct {
        Cadrage trace;
        int couples;
        const char *mode;
        double debut_lignes, fin_lignes, barre_min, barre_max;
    } cas[] = {
        {Trace_Couples_TB_ET, 12, "Demi", 0, 200, 0, 200},
        {Trace_Couples_TB_MC, 6, "Complet", 0, 100, 0, 100},
        {Trace_Couples_MC_ET, 6, "Complet", 100, 200, 100, 200},
        {Trace_Couples_3D, 11, "Complet", 0, 200, 0, 200},
    };
    for (const auto &k : cas) {
        Etat_Projet e = Vue_Gitee();
        Shell_Enregistreur s;
        Canvas_Enregistreur c(610, 200);
        k.trace(e, s, c);
        // Every section draws its green waterline reference once.
        EXPECT_EQ(Compte(c, VERT), k.couples) << k.mode;
        EXPECT_EQ(c.effacements, 1);
        EXPECT_EQ(e.Mode_Couple, k.mode);
        EXPECT_EQ(e.Gite_Couple, 5);
        EXPECT_EQ(e.X_Debut_Lignes, k.debut_lignes);
        EXPECT_EQ(e.X_Fin_Lignes, k.fin_lignes);
        EXPECT_EQ(s.progression_min, k.barre_min);
        EXPECT_EQ(s.progression_max, k.barre_max);
        EXPECT_EQ(s.statuts[1], "Pret");
        ASSERT_GE(s.historique_statut1.size(), 2u);
        EXPECT_EQ(s.historique_statut1[s.historique_statut1.size() - 2], "Calcul en Cours");
        // The station chosen in the hull-form window survives the walks.
        EXPECT_EQ(e.X_Couple, 37);
    }
}

TEST(Cadrages, StationLaPlusLargeALArriereOuALEtrave) {
    // That side of the hull has no length: its one section, at the station, is drawn and the
    // other side keeps its six.
    const struct {
        double p2;
        Cadrage trace;
        int couples;
    } cas[] = {
        {0, Trace_Couples_TB_ET, 7},   {0, Trace_Couples_TB_MC, 1},   {0, Trace_Couples_MC_ET, 6},
        {200, Trace_Couples_TB_ET, 7}, {200, Trace_Couples_TB_MC, 6}, {200, Trace_Couples_MC_ET, 1},
    };
    for (const auto &k : cas) {
        Etat_Projet e = Vue_Gitee();
        e.P(2) = k.p2;
        e.P(1) = 200 - k.p2;
        Shell_Enregistreur s;
        Canvas_Enregistreur c(610, 200);
        ASSERT_NO_THROW(k.trace(e, s, c)) << k.p2;
        EXPECT_EQ(Compte(c, VERT), k.couples) << k.p2;
    }
}

TEST(Cadrages, AngleDeRotationRendObliqueToutCadrage) {
    Etat_Projet e = Vue_Gitee();
    e.P(29) = 10;
    Shell_Enregistreur s;
    Canvas_Enregistreur c(610, 200);
    Trace_Couples_TB_ET(e, s, c);
    EXPECT_EQ(e.Angle_Vue, 10);
    // The last forward section (X = 200) stands X sin 10 x P(22) right of the centre line.
    EXPECT_GT(c.traits.back().x1, 150);
}

TEST(Couple_X, SectionSeuleEtTableauALArriere) {
    Shell_Enregistreur s;
    Etat_Projet e = Vue_Gitee();
    e.P(26) = 0;
    e.Cle_Vue = "X";
    e.Mode_Couple = "Demi";
    Canvas_Enregistreur c(610, 200);
    Trace_Couple_X(e, s, c, 50);
    EXPECT_EQ(c.effacements, 1);
    EXPECT_EQ(e.Mode_Couple, "Complet");
    EXPECT_EQ(e.X_Couple, 50);
    EXPECT_EQ(e.Gite_Couple, 0);
    EXPECT_EQ(c.traits.size(), 13u); // reference, deck, centre line, outline, closing
    EXPECT_EQ(s.statuts[1], "Pret");

    // Station 0 of an inclined transom: the transom with its top edge and centre line, then
    // the section, which draws only its reference.
    Etat_Projet t = Coque_Tableau();
    t.P(22) = 2;
    t.P(40) = 100;
    t.P(41) = 150;
    t.Cle_Vue = "X";
    Canvas_Enregistreur ct(610, 200);
    Trace_Couple_X(t, s, ct, 0);
    EXPECT_EQ(ct.traits.size(), 203u);
    EXPECT_EQ(ct.traits.back().couleur, VERT);
    // Inside the transom region but not at the stern: no transom.
    Canvas_Enregistreur ci(610, 200);
    Trace_Couple_X(t, s, ci, 10);
    EXPECT_EQ(Compte(ci, VERT), 1);
    EXPECT_LT(ci.traits.size(), 30u);
    // The short form draws at X_Couple.
    t.X_Couple = 0;
    Canvas_Enregistreur cx(610, 200);
    Trace_Couple_X(t, s, cx);
    EXPECT_EQ(cx.traits.size(), 203u);
}
