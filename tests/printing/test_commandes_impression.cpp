// The print window's commands without the window: which sheets each button prints, the
// calibration buttons, the test print and "Sauve".
#include <gtest/gtest.h>

#include "printing/Calibration.h"
#include "printing/Commandes_Impression.h"
#include "printing/Page_Impression.h"
#include "shell/Services_Projet.h"
#include "support/Chemins_Test.h"
#include "support/Coques_Essai.h"
#include "support/Feuille_Essai.h"

namespace gabarit::test {
namespace {

using Commandes = Impression_Essai;
using Calibration = Impression_Essai;

// Afloat 40 mm under its sheer, the views' step 2 mm, which every print gives back.
Etat_Projet Prepare(Etat_Projet e) {
    Pour_Impression(e);
    Francs_Bords(e, 40, 40);
    e.P(37) = 2;
    return e;
}

// Step 10 on a 1000-mm hull: 101 sheets, stations 0 to 1000, one landscape reminder.
TEST_F(Commandes, SeriesVisitsEveryMultipleOfTheStep) {
    Etat_Projet e = Prepare(Coque_Caisson(1000));
    Choix_Impression c;
    c.pas = 10;
    Menu_Impression_Command2(e, shell, feuille, IMP_COUPLES_AUTO, c);
    ASSERT_EQ(feuille.Terminees(), 101);
    for (int i = 0; i <= 100; ++i)
        EXPECT_EQ(feuille.feuilles[static_cast<std::size_t>(i)].textes.at(1),
                  "Couple " + std::to_string(10 * i));
    EXPECT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].texte, "L'imprimante doit etre en mode Paysage  ");
    EXPECT_EQ(shell.messages[0].style, MB_EXCLAMATION + MB_OK_ANNULER);
    EXPECT_DOUBLE_EQ(e.P(37), 2);
}

// Stations are whole multiples of the step, never past the bow; a hull shorter than the
// step prints station 0 alone; with an inclined transom station 0 is the transom's sheet.
TEST_F(Commandes, SeriesStations) {
    Etat_Projet e = Prepare(Coque_Caisson(1000.5));
    EXPECT_EQ(Stations_Serie(e, 30).size(), 34u);
    EXPECT_EQ(Stations_Serie(e, 30).back(), 990);
    EXPECT_EQ(Stations_Serie(e, 50).back(), 1000);
    EXPECT_EQ(Stations_Serie(Prepare(Coque_Caisson(90)), 100), std::vector<double>{0});
    EXPECT_THROW(Stations_Serie(e, 0), Erreur_Gabarit);
    // At most one station per millimetre of the longest hull: 1e-9 mm would be 1e12 sheets.
    EXPECT_THROW(Stations_Serie(e, 1e-9), Erreur_Gabarit);
    EXPECT_EQ(Stations_Serie(e, 1).size(), 1001u);

    Etat_Projet t = Prepare(Coque_Tableau());
    Choix_Impression c;
    c.pas = 50;
    Menu_Impression_Command2(t, shell, feuille, IMP_COUPLES_AUTO, c);
    EXPECT_EQ(Titres(feuille),
              (std::vector<std::string>{"Tableau arrière incliné, Couple : 0 à  25", "Couple 50",
                                        "Couple 100", "Couple 150", "Couple 200"}));
}

// A sheet that fails ends the series there, with one message; the step comes back.
TEST_F(Commandes, SeriesStopsAtTheFirstFailedSheet) {
    Etat_Projet e = Prepare(Coque_Caisson(1000));
    feuille.echec_apres = 2 * 205 + 7; // two whole box sections, then the third fails
    Choix_Impression c;
    c.pas = 100;
    Menu_Impression_Command2(e, shell, feuille, IMP_COUPLES_AUTO, c);
    ASSERT_EQ(feuille.feuilles.size(), 3u);
    EXPECT_EQ(feuille.Terminees(), 2);
    EXPECT_TRUE(feuille.feuilles[2].abandonnee);
    EXPECT_EQ(shell.messages.size(), 2u);
    EXPECT_EQ(shell.statuts[1], "Pret");
    EXPECT_DOUBLE_EQ(e.P(37), 2);
}

// Each button's template and station; station 0 with an inclined transom prints the
// transom from "Valide" and "Tableau Arrière"; the widest and deepest stations always a
// section. Cancel on the reminder prints nothing.
TEST_F(Commandes, ButtonsChooseTheirTemplates) {
    Etat_Projet e = Prepare(Coque_Tableau());
    e.P(2) = 90;
    e.P(10) = 110;
    e.P(9) = 90;
    Choix_Impression c;
    c.station = 0;
    for (int i : {0, 5, 6, 7})
        Menu_Impression_Command2(e, shell, feuille, i, c);
    c.station = 120;
    Menu_Impression_Command2(e, shell, feuille, IMP_COUPLE_X, c);
    Menu_Impression_Command2(e, shell, feuille, IMP_PROFILE_ARRIERE, c);
    shell.reponses = {REPONSE_ANNULER};
    Menu_Impression_Command2(e, shell, feuille, IMP_PROFILE_AVANT, c);
    EXPECT_EQ(Titres(feuille),
              (std::vector<std::string>{"Tableau arrière incliné, Couple : 0 à  25",
                                        "Tableau arrière incliné, Couple : 0 à  25", "Couple 90",
                                        "Couple 110", "Couple 120",
                                        "Profile arriére    Couple 0 à 260"}));
    EXPECT_EQ(feuille.Terminees(), 6);

    Etat_Projet v = Prepare(Coque_V());
    Surface_Enregistreur sv;
    Menu_Impression_Command2(v, shell, sv, IMP_TABLEAU_ARRIERE, c);
    EXPECT_EQ(Titres(sv), std::vector<std::string>{"Couple 0"});
}

// A refusal the core has already shown in its own box ends the job without a second
// message; any other is told once, in French.
TEST_F(Commandes, RefusalAlreadyShownIsNotToldTwice) {
    EXPECT_FALSE(Travail_Impression(shell, feuille, [&] {
        feuille.Ligne(1, 2, 3, 4);
        throw Erreur_Gabarit("Calcul de flottaison impossible", true);
    }));
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_TRUE(feuille.feuilles.at(0).abandonnee);
    EXPECT_EQ(shell.statuts[1], "Pret");
    EXPECT_FALSE(Travail_Impression(shell, feuille, [] { throw Erreur_Gabarit("pas nul"); }));
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].texte, "Impression impossible : pas nul");
    EXPECT_EQ(shell.messages[0].style, MB_STOP);
}

// Ten "-" from 56.7 leave 55.69999999999999; "-" never goes under 0.1; the scales follow.
TEST_F(Calibration, ButtonsStepByATenth) {
    Etat_Projet e;
    Init_Calibration(e);
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(Corrige_Calibration(e, 301, -PAS_CALIBRATION));
    EXPECT_EQ(e.P(301), 55.69999999999999);
    EXPECT_EQ(e.Echelle_Imp_H, e.P(301));
    EXPECT_EQ(e.P(302), 56.7);
    for (int i = 0; i < 3; ++i)
        Corrige_Calibration(e, 302, PAS_CALIBRATION);
    EXPECT_EQ(e.Echelle_Imp_V, 56.7 + 0.1 + 0.1 + 0.1);

    e.P(302) = 0.3;
    EXPECT_TRUE(Corrige_Calibration(e, 302, -PAS_CALIBRATION));
    EXPECT_TRUE(Corrige_Calibration(e, 302, -PAS_CALIBRATION));
    const double dernier = e.P(302);
    EXPECT_FALSE(Corrige_Calibration(e, 302, -PAS_CALIBRATION));
    EXPECT_EQ(e.P(302), dernier);
    EXPECT_EQ(e.Echelle_Imp_V, dernier);
}

// The L: 100 mm across and 100 mm down from (1000, 1000) twips, at each scale.
TEST_F(Calibration, TestPrintDrawsTheL) {
    Etat_Projet e;
    e.Echelle_Imp_H = EH;
    e.Echelle_Imp_V = EV;
    ASSERT_TRUE(Imprime_Test_Calibration(e, shell, feuille));
    const auto &f = feuille.feuilles.at(0);
    EXPECT_TRUE(f.textes.empty());
    ASSERT_EQ(f.traits.size(), 2u);
    Ligne_Attendue(f.traits[0], 1000, 1000, 1000 + 100 * EH, 1000);
    Ligne_Attendue(f.traits[1], 1000, 1000, 1000, 1000 + 100 * EV);
    shell.reponses = {REPONSE_ANNULER};
    EXPECT_FALSE(Imprime_Test_Calibration(e, shell, feuille));
    EXPECT_EQ(feuille.feuilles.size(), 1u);
}

// "Init par défault" then "Sauve" writes 56700 twice and the quality; three "+" write 57000.
// A file that was not read at start is left alone.
TEST_F(Calibration, SaveWritesTheSettingsFile) {
    const std::string d = Dossier_Temporaire();
    Etat_Projet e;
    e.Dossier_Programme = d;
    e.P(303) = 1.5;
    e.P(311) = 7;
    Init_Calibration(e);
    ASSERT_TRUE(Sauve_Reglages_Impression(e, shell, true, true));
    EXPECT_EQ(Octets(d + "/tov.ini"), " 56700 \r\n 56700 \r\n 1500 \r\n 0 \r\n 0 \r\n 1000 \r\n"
                                      " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 7000 \r\n");
    for (int i = 0; i < 3; ++i)
        Corrige_Calibration(e, 301, PAS_CALIBRATION);
    ASSERT_TRUE(Sauve_Reglages_Impression(e, shell, false, true));
    EXPECT_EQ(Octets(d + "/tov.ini").substr(0, 18), " 57000 \r\n 56700 \r\n");
    EXPECT_EQ(e.P(306), 0);

    const std::string avant = Octets(d + "/tov.ini");
    Corrige_Calibration(e, 301, PAS_CALIBRATION);
    EXPECT_FALSE(Sauve_Reglages_Impression(e, shell, false, false));
    EXPECT_EQ(Octets(d + "/tov.ini"), avant);
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].style, MB_STOP);
}

} // namespace
} // namespace gabarit::test
