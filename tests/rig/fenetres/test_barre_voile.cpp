// The frame's ways to the rig windows: the toolbar keys "Voilure, Appendice" and
// "Deplacement, Appendice", the menu items "Voilure" and "Appendices".
#include <QApplication>
#include <QCheckBox>

#include "rig/fenetres/Menu_Appendice.h"
#include "rig/fenetres/Menu_Voile.h"
#include "rig/fenetres/Menu_VoileClass.h"
#include "shell/Arrangements.h"
#include "stability/fenetres/Menu_Deplacement.h"
#include "support/Cadre_Test.h"
#include "views/fenetres/AVoile.h"

using namespace gabarit;
using namespace gabarit::test;

namespace {
Rect_Fenetre Rect(Fenetre_Fille &f) {
    return {f.Gauche(), f.Haut(), f.Largeur_Externe(), f.Hauteur_Externe()};
}
} // namespace

TEST_F(Cadre_Test, ToucheVoileSelonLePlanDeVoilure) {
    cadre->show();
    const int W = ctx().Largeur_Cadre(), H = ctx().Hauteur_Cadre();
    e.P(26) = 15;
    Clique_Touche("Voile");
    QApplication::processEvents();
    Menu_Voile &voile = ctx().Fenetre<Menu_Voile>();
    EXPECT_TRUE(voile.Visible());
    EXPECT_EQ(voile.Gauche(), 0);
    EXPECT_EQ(voile.Haut(), 0);
    const Arrangement_Outil a =
        Arrange_Outil(W, H, voile.Largeur_Externe(), voile.Hauteur_Externe());
    Menu_Appendice &ap = ctx().Fenetre<Menu_Appendice>();
    EXPECT_TRUE(ap.Visible());
    EXPECT_EQ(ap.Gauche(), 0);
    EXPECT_EQ(ap.Haut(), a.haut_bas);
    EXPECT_FALSE(ctx().Fenetre<Menu_VoileClass>().Visible());
    EXPECT_EQ(Rect(ctx().Fenetre<AVoile>()), a.vue);
    EXPECT_TRUE(ctx().Fenetre<AVoile>().Visible());
    EXPECT_EQ(e.P(26), 0);

    // A CLASS project: its battens' window takes the appendages' place.
    e.P(279) = 1;
    Clique_Touche("Voile");
    QApplication::processEvents();
    Menu_VoileClass &c = ctx().Fenetre<Menu_VoileClass>();
    EXPECT_TRUE(c.Visible());
    EXPECT_EQ(c.Gauche(), 0);
    EXPECT_EQ(c.Haut(), a.haut_bas);
    EXPECT_FALSE(ap.Visible());
    EXPECT_TRUE(voile.Check1()->isChecked());
}

TEST_F(Cadre_Test, ToucheDeplacementPoseLesAppendicesEnBas) {
    cadre->show();
    const int W = ctx().Largeur_Cadre(), H = ctx().Hauteur_Cadre();
    Clique_Touche("Deplacement");
    Menu_Deplacement &dp = ctx().Fenetre<Menu_Deplacement>();
    const Arrangement_Outil a = Arrange_Outil(W, H, dp.Largeur_Externe(), dp.Hauteur_Externe());
    Menu_Appendice &ap = ctx().Fenetre<Menu_Appendice>();
    EXPECT_TRUE(ap.Visible());
    EXPECT_EQ(ap.Gauche(), 0);
    EXPECT_EQ(ap.Haut(), a.haut_bas);
}

TEST_F(Cadre_Test, MenusVoilureEtAppendices) {
    cadre->show();
    Action("M_Outils_Voiles")->trigger();
    EXPECT_TRUE(ctx().Fenetre<Menu_Voile>().Visible());
    Action("M_Outils_Appendices")->trigger();
    EXPECT_TRUE(ctx().Fenetre<Menu_Appendice>().Visible());
}
