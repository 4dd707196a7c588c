// Keel and rudder sections and the bulb views at full size, from a small NACA table.
#include <gtest/gtest.h>

#include "printing/Impression_Profils_Naca.h"
#include "rig/Table_Naca.h"
#include "support/Feuille_Essai.h"

namespace gabarit::test {
namespace {

using Naca = Impression_Essai;

// Row p of the table: ordinate j is p + j / 4 per cent, so rows and columns tell apart.
Etat_Projet Etat_Naca() {
    Etat_Projet e;
    Pose_Stations_Naca(e);
    for (int p = 0; p < 40; ++p)
        for (int j = 0; j < 26; ++j)
            e.Table_Naca[p][j] = static_cast<float>(p + j / 4.0);
    Pour_Impression(e);
    return e;
}
double N(int p, int j) { return p + j / 4.0; }

// A 200-mm bulb seen from above, list row 7 (the record says 12: the header prints the
// record, the outline the row shown): nose at the left edge, tail 200 mm on at 11340 twips.
TEST_F(Naca, BulbTopView) {
    Etat_Projet e = Etat_Naca();
    e.Echelle_Imp_H = 56.7;
    e.P(165) = 200;
    e.P(160) = 12;
    ASSERT_TRUE(Imprime_Bulbe_Dessus(e, shell, feuille, 7));
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].texte, "Impression bulbe...  ");
    EXPECT_EQ(shell.messages[0].style, MB_QUESTION + MB_OK_ANNULER);
    EXPECT_EQ(shell.messages[0].titre, "Confirmation");
    const auto &f = feuille.feuilles.at(0);
    EXPECT_EQ(f.textes, (std::vector<std::string>{"Projet : essai.cot", "Vue de dessus",
                                                  "Bulbe Profils Naca n° : 12"}));
    ASSERT_EQ(f.traits.size(), 1u + 50);
    Ligne_Attendue(f.traits[0], 0, OY, 16000, OY);
    Ligne_Attendue(f.traits[1], 0, OY + EV * N(7, 0) * 2, 56.7 * 2 * 0.5, OY + EV * N(7, 1) * 2);
    Ligne_Attendue(f.traits[2], 0, OY - EV * N(7, 0) * 2, 56.7 * 2 * 0.5, OY - EV * N(7, 1) * 2);
    Ligne_Attendue(f.traits[50], 56.7 * 2 * 95, OY - EV * N(7, 24) * 2, 11340,
                   OY - EV * N(7, 25) * 2);
    EXPECT_DOUBLE_EQ(e.P(40), OY);
    EXPECT_DOUBLE_EQ(e.P(41), 0);
}

// The side view: the lower half P(161) below the axis, the upper half P(159) above it.
TEST_F(Naca, BulbSideView) {
    Etat_Projet e = Etat_Naca();
    e.P(165) = 150;
    e.P(159) = 3;
    e.P(161) = 5;
    ASSERT_TRUE(Imprime_Bulbe_Cote(e, shell, feuille));
    const auto &f = feuille.feuilles.at(0);
    EXPECT_EQ(f.textes, (std::vector<std::string>{"Projet : essai.cot", "Vue de Coté Asymétique",
                                                  "Bulbe Profils Naca Supérieur n° : 3",
                                                  "Bulbe Profils Naca Inférieur n° : 5"}));
    const double lr = 1.5;
    Ligne_Attendue(f.traits[27], EH * lr * 40, OY + EV * N(5, 13) * lr, EH * lr * 45,
                   OY + EV * N(5, 14) * lr);
    Ligne_Attendue(f.traits[28], EH * lr * 40, OY - EV * N(3, 13) * lr, EH * lr * 45,
                   OY - EV * N(3, 14) * lr);
}

// The rudder's tip section, profile 6 on an 80-mm chord: 0.8 mm per per cent.
TEST_F(Naca, RudderTipSection) {
    Etat_Projet e = Etat_Naca();
    e.P(92) = 6;
    e.P(88) = 2;
    e.P(138) = 80;
    e.P(137) = 120;
    ASSERT_TRUE(Imprime_Profil_Safran(e, shell, feuille, false, 6));
    EXPECT_EQ(shell.messages.at(0).texte, "Impression Safran...  ");
    const auto &f = feuille.feuilles.at(0);
    EXPECT_EQ(f.textes, (std::vector<std::string>{"Projet : essai.cot", "Safran Inférieur",
                                                  "Profils Naca n° : 6"}));
    ASSERT_EQ(f.traits.size(), 51u);
    const float m = 0.8f;
    auto x = [&](int j) { return static_cast<double>(e.Stations_Naca[j] * m) * EH; };
    auto v = [&](int j) { return static_cast<double>(static_cast<float>(N(6, j)) * m) * EV; };
    Ligne_Attendue(f.traits[1], x(0), OY + v(0), x(1), OY + v(1));
    Ligne_Attendue(f.traits[50], x(24), OY - v(24), x(25), OY - v(25));
}

// The keel's root section with the upper record values.
TEST_F(Naca, KeelRootSection) {
    Etat_Projet e = Etat_Naca();
    e.P(18) = 4;
    e.P(111) = 100;
    ASSERT_TRUE(Imprime_Profil_Derive(e, shell, feuille, true, 4));
    EXPECT_EQ(shell.messages.at(0).texte, "Impression Dérive...  ");
    const auto &f = feuille.feuilles.at(0);
    EXPECT_EQ(f.textes.at(1), "Dérive Supérieur");
    EXPECT_EQ(f.textes.at(2), "Profils Naca n° : 4");
    // 100 mm of chord is 100 mm of paper.
    Ligne_Attendue(f.traits[49], 95 * EH, OY + N(4, 24) * EV, 100 * EH, OY + N(4, 25) * EV);
}

// No choice, a row beyond the table, or a stored number beyond it: refused with a message
// before the confirmation, nothing printed. Cancel prints nothing either.
TEST_F(Naca, ProfilesOutsideTheTableAreRefusedFirst) {
    Etat_Projet e = Etat_Naca();
    e.P(18) = 4;
    e.P(159) = 40;
    e.P(161) = 2;
    EXPECT_FALSE(Imprime_Profil_Derive(e, shell, feuille, true, -1));
    EXPECT_FALSE(Imprime_Bulbe_Dessus(e, shell, feuille, 40));
    EXPECT_FALSE(Imprime_Bulbe_Cote(e, shell, feuille));
    e.P(25) = -3;
    EXPECT_FALSE(Imprime_Profil_Derive(e, shell, feuille, false, 4));
    ASSERT_EQ(shell.messages.size(), 4u);
    EXPECT_EQ(shell.messages[0].texte,
              "Impression impossible : aucun profil NACA n'est choisi dans la liste");
    for (const auto &m : shell.messages)
        EXPECT_EQ(m.style, MB_STOP);
    shell.reponses = {REPONSE_ANNULER};
    EXPECT_FALSE(Imprime_Profil_Derive(e, shell, feuille, true, 4));
    EXPECT_TRUE(feuille.feuilles.empty());
}

} // namespace
} // namespace gabarit::test
