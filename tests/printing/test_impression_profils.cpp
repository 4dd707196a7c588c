// The aft and forward profiles at full size and the whole hull reduced onto 260 mm.
#include <gtest/gtest.h>

#include "printing/Calibration.h"
#include "printing/Commandes_Impression.h"
#include "printing/Impression_Profils.h"
#include "support/Coques_Essai.h"
#include "support/Feuille_Essai.h"

namespace gabarit::test {
namespace {

using Profils = Impression_Essai;

// A box 100 deep, 1000 long, its waterline 40 under the sheer at the stern and 60 at the
// bow: freeboard F = 40 + X / 50, keel depth T = 60 - X / 50.
Etat_Projet Caisson_Assiette() {
    Etat_Projet e = Coque_Caisson();
    Francs_Bords(e, 40, 60);
    Pour_Impression(e);
    return e;
}
double F(double x) { return 40 + x / 50; }
double T(double x) { return 60 - x / 50; }

TEST_F(Profils, AftProfileAtFullSize) {
    Etat_Projet e = Caisson_Assiette();
    e.X_Couple = 321;
    Imprime_Profile_Arriere(e, feuille);
    const auto &f = feuille.feuilles.at(0);
    EXPECT_EQ(f.textes, (std::vector<std::string>{"Projet : essai.cot",
                                                  "Profile arriére    Couple 0 à 260"}));
    ASSERT_EQ(f.traits.size(), 1u + 2 * 260);
    Ligne_Attendue(f.traits[0], 0, OY, 16000, OY);
    Ligne_Attendue(f.traits[1], 10, OY + T(0) * EV, 10 + EH, OY + T(1) * EV);
    Ligne_Attendue(f.traits[2], 10, OY - F(0) * EV, 10 + EH, OY - F(1) * EV);
    Ligne_Attendue(f.traits[520], 10 + 259 * EH, OY - F(259) * EV, 10 + 260 * EH, OY - F(260) * EV);
    EXPECT_DOUBLE_EQ(e.P(41), 10);
    EXPECT_DOUBLE_EQ(e.P(40), OY);
    EXPECT_DOUBLE_EQ(e.X_Couple, 321);
}

// With an inclined transom the sheer line starts at the keel (30 below the waterline).
TEST_F(Profils, AftProfileSheerStartsAtTheKeelOfAnInclinedTransom) {
    Etat_Projet e = Coque_Tableau();
    Pour_Impression(e);
    Imprime_Profile_Arriere(e, feuille);
    const auto &t = feuille.feuilles.at(0).traits;
    Ligne_Attendue(t[1], 10, OY + 30 * EV, 10 + EH, OY + 30 * EV);
    Ligne_Attendue(t[2], 10, OY + 30 * EV, 10 + EH, OY + 28.4 * EV);
}

// A raked stem of 20: the keel stops at 980 and a straight stem joins its foot to the bow's
// sheer.
TEST_F(Profils, ForwardProfileWithItsStem) {
    Etat_Projet e = Caisson_Assiette();
    e.P(36) = 20;
    feuille.separateur_decimal = ',';
    Imprime_Profile_Avant(e, feuille);
    const auto &f = feuille.feuilles.at(0);
    EXPECT_EQ(f.textes.at(1), "Profile Avant   Couple : 740  à  1000");
    // Reference, keel 741..980, sheer 741..1000, stem.
    ASSERT_EQ(f.traits.size(), 1u + 240 + 260 + 1);
    Ligne_Attendue(f.traits[1], 10, OY + T(740) * EV, 10 + EH, OY + T(741) * EV);
    Ligne_Attendue(f.traits[2], 10, OY - F(740) * EV, 10 + EH, OY - F(741) * EV);
    // Past the foot only the sheer goes on.
    Ligne_Attendue(f.traits[481], 10 + 240 * EH, OY - F(980) * EV, 10 + 241 * EH, OY - F(981) * EV);
    Ligne_Attendue(f.traits.back(), 10 + 240 * EH, OY + T(980) * EV, 10 + 260 * EH,
                   OY - F(1000) * EV);
}

// A vertical stem (P(36) = 0): the keel runs to the bow, and the last line stands at the bow
// (260 mm from the sheet's first station), from the keel 40 below the waterline up to the
// sheer 60 above it.
TEST_F(Profils, ForwardProfileWithAVerticalStem) {
    Etat_Projet e = Caisson_Assiette();
    e.P(36) = 0;
    Imprime_Profile_Avant(e, feuille);
    const auto &t = feuille.feuilles.at(0).traits;
    // Reference, keel and sheer 741..1000, stem.
    ASSERT_EQ(t.size(), 1u + 260 + 260 + 1);
    Ligne_Attendue(t[519], 10 + 259 * EH, OY + 40.02 * EV, 10 + 260 * EH, OY + 40 * EV);
    Ligne_Attendue(t[520], 10 + 259 * EH, OY - 59.98 * EV, 10 + 260 * EH, OY - 60 * EV);
    Ligne_Attendue(t[521], 10 + 260 * EH, OY + 40 * EV, 10 + 260 * EH, OY - 60 * EV);
}

// 200 mm onto 260: scales 1.3 times the calibration. The deck is 50 wide to station 100,
// then narrows straight to the bow: B = 100 - X / 2.
TEST_F(Profils, ReducedSheerLineAndItsScaleRestored) {
    Etat_Projet e = Coque_V();
    Pour_Impression(e);
    e.Echelle_Imp_H = e.Echelle_Imp_V = 99; // whatever the scales held, calibration comes back
    feuille.separateur_decimal = ',';
    Menu_Impression_Command2(e, shell, feuille, IMP_LIVET_ECHELLE, {});
    EXPECT_EQ(e.Echelle_Imp_H, EH);
    EXPECT_EQ(e.Echelle_Imp_V, EV);
    ASSERT_EQ(shell.messages.size(), 2u);
    EXPECT_EQ(shell.messages[1].texte, "Impression Livet a Echelle X...  ");
    const auto &f = feuille.feuilles.at(0);
    EXPECT_TRUE(f.terminee);
    EXPECT_EQ(f.textes, (std::vector<std::string>{"Projet : essai.cot", "Livet    Couple 0 à 200",
                                                  "Echelle :0,76"}));
    ASSERT_EQ(f.traits.size(), 1u + 2 * 200);
    const double h = EH * 260 / 200, v = EV * 260 / 200;
    Ligne_Attendue(f.traits[1], 10, OY - 50 * v, 10 + h, OY - 50 * v);
    Ligne_Attendue(f.traits[2], 10, OY + 50 * v, 10 + h, OY + 50 * v);
    Ligne_Attendue(f.traits[299], 10 + 149 * h, OY - 25.5 * v, 10 + 150 * h, OY - 25 * v);
    Ligne_Attendue(f.traits[400], 10 + 199 * h, OY + 0.5 * v, 10 + 200 * h, OY);
}

// 1000 mm onto 260: 1000 segments per curve, keel then sheer, reduction 3.84.
TEST_F(Profils, ReducedSideProfile) {
    Etat_Projet e = Caisson_Assiette();
    Menu_Impression_Command2(e, shell, feuille, IMP_PROFILE_ECHELLE, {});
    const auto &f = feuille.feuilles.at(0);
    EXPECT_EQ(f.textes.at(1), "Profile    Couple 0 à 1000");
    EXPECT_EQ(f.textes.at(2), "Echelle :3.84");
    ASSERT_EQ(f.traits.size(), 1u + 2 * 1000);
    const double h = EH * 0.26, v = EV * 0.26;
    Ligne_Attendue(f.traits[1999], 10 + 999 * h, OY + T(999) * v, 10 + 1000 * h, OY + T(1000) * v);
    Ligne_Attendue(f.traits[2000], 10 + 999 * h, OY - F(999) * v, 10 + 1000 * h, OY - F(1000) * v);
    EXPECT_EQ(e.Echelle_Imp_V, EV);
}

// Cancel, a failure half-way and a hull of length 0 all leave the calibration in force; the
// zero length is refused before anything is asked.
TEST_F(Profils, ReducedScalesComeBackOnEveryPath) {
    Etat_Projet e = Caisson_Assiette();
    shell.reponses = {REPONSE_OK, REPONSE_ANNULER};
    Menu_Impression_Command2(e, shell, feuille, IMP_PROFILE_ECHELLE, {});
    EXPECT_TRUE(feuille.feuilles.empty());
    feuille.echec_apres = 100;
    Menu_Impression_Command2(e, shell, feuille, IMP_LIVET_ECHELLE, {});
    EXPECT_TRUE(feuille.feuilles.at(0).abandonnee);
    EXPECT_EQ(e.Echelle_Imp_H, EH);
    EXPECT_EQ(e.Echelle_Imp_V, EV);

    Etat_Projet z = Caisson_Assiette();
    z.P(2) = 0;
    z.Echelle_Imp_H = 12;
    Shell_Enregistreur sz;
    Menu_Impression_Command2(z, sz, feuille, IMP_LIVET_ECHELLE, {});
    ASSERT_EQ(sz.messages.size(), 2u);
    EXPECT_EQ(sz.messages[1].style, MB_STOP);
    EXPECT_EQ(z.Echelle_Imp_H, 12);
    EXPECT_EQ(feuille.feuilles.size(), 1u);
}

} // namespace
} // namespace gabarit::test
