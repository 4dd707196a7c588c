#include <gtest/gtest.h>

#include "interfaces/Shell_Enregistreur.h"
#include "model/Fichier_Projet.h"
#include "rig/Voilure.h"
#include "support/Greement_Essai.h"
#include "support/Traits_Essai.h"
#include "views/Dessins.h"

using namespace gabarit;
using namespace gabarit::test;

TEST(Trace_Voilure, GrandVoileTriangulaireEtSurfaces) {
    Etat_Projet e = Grand_Greement(1);
    // The figures the derivation keeps: jib Int(580 x 150 / 2), mainsail Fix(800 x 1800 / 11)
    // (not the 160000 of the triangle), its centroid from the nine samples.
    const Figures_Voilure f = Mesure_Voilure(e);
    EXPECT_DOUBLE_EQ(f.surface_foc, 43500);
    EXPECT_DOUBLE_EQ(f.surface_gv, 130909);
    EXPECT_EQ(f.centre_gv_x, Valeur_Fichier(100 - 420000.0 / 3600));
    EXPECT_EQ(f.centre_gv_z, Valeur_Fichier(60 + 420000.0 / 1800));
    EXPECT_DOUBLE_EQ(f.surface_voilure, 130909 + 43500);
    // After a section view heeled at 25 degrees, on another waterline: the same plan, standing
    // on the upright one, and the section view keeps its heel.
    Etat_Projet g = Grand_Greement(1);
    g.P(Franc_Bord_AR(5)) = g.P(Franc_Bord_AV(5)) = 30;
    g.Gite_Couple = 25;
    EXPECT_EQ(Mesure_Voilure(g).centre_gv_z, f.centre_gv_z);
    Shell_Enregistreur s;
    Canvas_Enregistreur c2(300, 200);
    Trace_Voilure(g, s, c2);
    EXPECT_DOUBLE_EQ(g.Hauteur_Pont_Mat, -10);
    EXPECT_EQ(g.Gite_Couple, 25);

    // The drawing shows the record's figures and stores none.
    e.Liste_Voile = {{1, 2}};
    const auto avant = e.Tab_Param;
    Canvas_Enregistreur c(300, 200, "Voilure");
    Trace_Voilure(e, s, c);
    EXPECT_EQ(e.Tab_Param, avant);

    const std::vector<Etat_Projet::Ligne_Voile> liste = {{800, 0},   {700, 50},  {600, 100},
                                                         {500, 150}, {400, 200}, {300, 250},
                                                         {200, 300}, {100, 350}, {0, 400}};
    EXPECT_EQ(e.Liste_Voile, liste);

    // Mast, stub, jib foot and leech, 9 width lines and 8 leech steps, head line x 2, cross x 2.
    ASSERT_EQ(c.traits.size(), 25u);
    Compare(c.traits[0], {20, 179, 20, 79, NOIR}, 1e-9);
    Compare(c.traits[1], {0, 180, 800, 180, NOIR});
    Compare(c.traits[2], {20, 177, 35, 177, NOIR}, 1e-9);
    Compare(c.traits[3], {35, 177, 20, 119, NOIR}, 1e-9);
    Compare(c.traits[4], {20, 94, 20, 94, NOIR}, 1e-9);     // head: zero-length width line
    Compare(c.traits[5], {20, 94, 15, 104, NOIR}, 1e-9);    // first leech step
    Compare(c.traits[6], {20, 104, 15, 104, NOIR}, 1e-9);   // width 50 at 700
    Compare(c.traits[20], {20, 174, -20, 174, NOIR}, 1e-9); // the boom
    Compare(c.traits[21], {17, 79, 20, 79, ROUGE}, 1e-9);
    Compare(c.traits[22], {14, 179, 17, 79, ROUGE}, 1e-9);
    Compare(c.traits[23], {16, 150, 20, 150, ROUGE}, 1e-9);
    Compare(c.traits[24], {18, 148, 18, 152, ROUGE}, 1e-9);
    EXPECT_EQ(e.X_Couple, 40); // left at the head line's return

    // The list cuts each width to a tenth: 400 (1 - (h/800)^2) gives 93.75, 175, ...
    e.P(87) = 2;
    Trace_Voilure(e, s, c);
    EXPECT_EQ(e.Liste_Voile[1], (Etat_Projet::Ligne_Voile{700, 93.7}));
    EXPECT_EQ(e.Liste_Voile[2], (Etat_Projet::Ligne_Voile{600, 175}));
}

TEST(Trace_Voilure, UnEchecNeStockeRien) {
    // Free plan: a negative leech exponent fails at the tack sample (0 to a negative power); a
    // head at or below the tack's height leaves no luff; a jib foot of 1e308 mm or a mainsail
    // foot of 9.9e307 would make an area infinite; a jib without luff or foot has no area.
    // CLASS plan: a luff of zero or less. Each is refused before anything is drawn, naming the
    // records, and so are a foot or exponent of zero (no width, no centre), a mast or head line
    // off the hull (0 to 200) and a CLASS law without width at the head.
    using Trace = void (*)(Etat_Projet &, Interface_Shell &, Canvas &);
    struct Cas {
        const char *quoi;
        Trace trace;
        int n;
        double v;
        std::string message;
    };
    const std::string exposant = "L'exposant de chute de grand-voile (n° 87) vaut ";
    const std::string chute = " : la chute ne peut pas être calculée. Donner un exposant "
                              "supérieur à 0.";
    const std::string guindant = "Le guindant de grand-voile (n° 84 moins n° 86) ";
    const std::string monter = " Monter la grand-voile (n° 84) ou baisser son amure (n° 86).";
    const std::string nul = guindant + "est nul : la grand-voile n'a pas de hauteur." + monter;
    const std::string negatif =
        guindant + "vaut -10 mm : la tête de grand-voile doit être au-dessus de son amure." +
        monter;
    const std::string demesure =
        " mm : une dimension de la voilure ne peut pas dépasser 1000000 mm.";
    for (const Cas &k :
         {Cas{"exposant nul", Trace_Voilure, EXP_CHUTE_GV, 0, exposant + "0" + chute},
          Cas{"exposant negatif", Trace_Voilure, EXP_CHUTE_GV, -1, exposant + "-1" + chute},
          Cas{"guindant nul", Trace_Voilure, HAUTEUR_GV, 50, nul},
          Cas{"bordure nulle", Trace_Voilure, LARGEUR_GV, 0,
              "La bordure de grand-voile (n° 85) vaut 0 mm : la grand-voile n'a pas de "
              "largeur et son centre ne peut pas être placé. Donner une bordure "
              "supérieure à 0."},
          Cas{"mat en arriere", Trace_Voilure, POSITION_MAT, -5,
              "Le mât dépasse en arrière de la coque : son pied (n° 83) tombe à 5 mm en "
              "arrière du tableau arrière. Avancer le mât (n° 83)."},
          Cas{"retour en avant", Trace_Roof, RETOUR_BASTA, 230,
              "La ligne de tête de grand-voile dépasse en avant de la coque : son retour "
              "au pont (n° 94) tombe à 30 mm en avant de l'étrave. Reculer le retour de "
              "la tête au pont (n° 94)."},
          Cas{"bordure de foc demesuree", Trace_Voilure, LARGEUR_FOC, 1e308,
              "La bordure du foc (n° 97) vaut 1e+308" + demesure},
          Cas{"bordure de grand-voile demesuree", Trace_Voilure, LARGEUR_GV, 9.9e307,
              "La bordure de grand-voile (n° 85) vaut 9.9e+307" + demesure},
          Cas{"guindant negatif", Trace_Voilure, HAUTEUR_GV, 40, negatif},
          Cas{"guindant de foc nul", Trace_Voilure, HAUTEUR_FOC, 20,
              "Le guindant du foc (n° 96 moins n° 98) est nul : le foc n'a pas de hauteur. "
              "Monter le foc (n° 96) ou baisser son amure (n° 98)."},
          Cas{"bordure de foc nulle", Trace_Roof, LARGEUR_FOC, 0,
              "La bordure du foc (n° 97) vaut 0 mm : le foc n'a pas de largeur. Donner une "
              "bordure supérieure à 0."},
          Cas{"guindant nul, CLASS", Trace_Roof, HAUTEUR_GV, 50, nul},
          Cas{"guindant negatif, CLASS", Trace_Roof, HAUTEUR_GV, 40, negatif},
          Cas{"loi sans largeur en tete, CLASS", Trace_Roof, COEF_ROOF_A, -1,
              "La loi de rond de chute CLASS (A = -1, B = 0, C = 0, n° 284 à 286) ne "
              "donne pas de largeur finie à la grand-voile : elle ne peut pas être "
              "calculée. Ajuster de nouveau les lattes du plan CLASS."}}) {
        SCOPED_TRACE(k.quoi);
        Etat_Projet e = Grand_Greement(1);
        e.P(COEF_ROOF_A) = 2;
        e.P(k.n) = k.v;
        e.P(89) = 1, e.P(90) = 2, e.P(91) = 3, e.P(99) = 4, e.P(102) = 5;
        e.Hauteur_Pont_Mat = 6;
        e.Liste_Voile = {{1, 2}};
        e.Lattes_Class = {7, 8, 9};
        Shell_Enregistreur s;
        Canvas_Enregistreur c(300, 200);
        EXPECT_EQ(Refus_De([&] { k.trace(e, s, c); }), k.message);
        EXPECT_TRUE(c.traits.empty());
        EXPECT_DOUBLE_EQ(e.P(89), 1);
        EXPECT_DOUBLE_EQ(e.P(90), 2);
        EXPECT_DOUBLE_EQ(e.P(91), 3);
        EXPECT_DOUBLE_EQ(e.P(99), 4);
        EXPECT_DOUBLE_EQ(e.P(102), 5);
        EXPECT_DOUBLE_EQ(e.Hauteur_Pont_Mat, 6);
        EXPECT_EQ(e.Liste_Voile, (std::vector<Etat_Projet::Ligne_Voile>{{1, 2}}));
        EXPECT_EQ(e.Lattes_Class, (std::array<double, 3>{7, 8, 9}));
    }
}
