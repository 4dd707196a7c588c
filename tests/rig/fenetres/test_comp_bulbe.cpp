#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

#include "platform/Image_Vue.h"
#include "platform/Nombres.h"
#include "platform/Twips.h"
#include "rig/fenetres/Comp_Bulbe.h"
#include "support/Banc_Fenetre.h"
#include "support/Cadre_Test.h"
#include "support/Maitre.h"
#include "support/Naca_Essai.h"
#include "views/fenetres/ADeplacement.h"

using namespace gabarit;
using namespace gabarit::test;

namespace {

struct Banc : Banc_Fenetre {
    Banc() {
        // The cone's table in a file only: the window reads it at each activation.
        Etat_Projet cone;
        Bulbe_Cone(cone);
        e.Dossier_Programme = Dossier_Temporaire();
        Ecrit_Octets(e.Fichier_Programme("nacaa.ini"), Texte_Table_Naca(cone));
        e.Tab_Param = cone.Tab_Param;
    }
};

QString Nombre(double v) { return Texte_Nombre(v); }

} // namespace

TEST(Comp_Bulbe, LegendesEtActivation) {
    Banc b;
    Comp_Bulbe &w = b.ctx.Fenetre<Comp_Bulbe>();
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Clompléments Bulbe"));
    EXPECT_EQ(w.SSTab1()->tabText(0), "Profils NACA");
    EXPECT_EQ(w.SSTab1()->tabText(1), "Option");
    EXPECT_EQ(w.SSTab1()->tabText(2), "Masse");
    EXPECT_EQ(w.Option1(1)->text(), "Superieur");
    EXPECT_EQ(w.Option1(0)->text(), "Inferieur");
    for (int i : {1, 3, 4, 5, 6})
        EXPECT_EQ(w.Label6(i)->text(), "----------") << i;
    EXPECT_EQ(w.Label2_1()->text(), "- - - - - - - - - - - -");
    EXPECT_EQ(w.Text1()->text(), Nombre(207.2)); // "207,2" in French
    EXPECT_EQ(w.Command7()->text(), "Calcul");

    // The table is read at each activation.
    w.Montre();
    EXPECT_EQ(b.e.Table_Naca[9][26], 18.75f);
    EXPECT_EQ(w.Combo1()->currentIndex(), 7);
    EXPECT_EQ(w.Combo2()->currentIndex(), 8); // "Superieur" is chosen at first
    // Width 2 x 12.5 % and height (18.75 + 6.25) % of 200 mm; thickest points from the table.
    EXPECT_EQ(w.Label6(3)->text(), Nombre(50));
    EXPECT_EQ(w.Label6(4)->text(), Nombre(47) + "%");
    EXPECT_EQ(w.Label6(5)->text(), Nombre(50));
    EXPECT_EQ(w.Label6(1)->text(), Nombre(48) + "%");
    EXPECT_EQ(w.Label6(6)->text(), Nombre(49) + "%");
    EXPECT_EQ(b.e.P(166), 0); // shown, not stored by looking: the commands work it out
    EXPECT_EQ(w.Picture1()->Effacements(), 1);
    EXPECT_EQ(w.Picture2()->Effacements(), 1);
    EXPECT_EQ(w.Largeur_Externe(), Twips_En_Pixels(5865));
    EXPECT_EQ(w.Gauche(), b.ctx.Largeur_Cadre() / 4);
}

TEST(Comp_Bulbe, ChoixDesProfilsDeLaVueDeCote) {
    Banc b;
    Comp_Bulbe &w = b.Ouvre<Comp_Bulbe>();
    Clique_Option(w.Option1(0));
    EXPECT_EQ(w.Combo2()->currentIndex(), 9);
    // Profile 12 for the lower half: (6 + 6.25) % of 200 mm.
    w.Combo2()->setCurrentIndex(13);
    Clique(w.Command6(0));
    EXPECT_EQ(b.e.P(161), 12);
    EXPECT_EQ(b.e.P(159), 8);
    EXPECT_EQ(w.Label6(5)->text(), Nombre(24.5));
    EXPECT_EQ(b.e.P(166), 24.5);
    QTest::keyClick(w.Combo1(), Qt::Key_Down);
    EXPECT_EQ(b.e.P(160), 8);
    EXPECT_EQ(w.Label6(3)->text(), Nombre(25));

    // At either end of a list the buttons do nothing.
    w.Combo2()->setCurrentIndex(39);
    b.e.P(161) = 39;
    const int dessins = w.Picture2()->Effacements();
    Clique(w.Command6(1));
    w.Combo1()->setCurrentIndex(0);
    Clique(w.Command3(0));
    EXPECT_EQ(w.Picture2()->Effacements(), dessins);
    EXPECT_EQ(b.e.P(160), 8);
}

TEST(Comp_Bulbe, MasseDuBulbe) {
    Banc b;
    Comp_Bulbe &w = b.Ouvre<Comp_Bulbe>();
    w.SSTab1()->setCurrentIndex(2);
    Clique(w.Command7());
    // The double cone by the program's rule: 262966.9 for lead's 207.2, floor(5448.67).
    EXPECT_EQ(w.Label2_1()->text(), "5448 gmm");
    Tape(w.Text1(), Nombre(11.35));
    Clique(w.Command7());
    EXPECT_EQ(w.Label2_1()->text(), "298 gmm");

    // Text that is not a number, or a metal of no mass, leaves the figure and says why.
    Tape(w.Text1(), "plomb");
    Clique(w.Command7());
    EXPECT_EQ(w.Label2_1()->text(), "298 gmm");
    ASSERT_EQ(b.shell.messages.size(), 1u);
    EXPECT_EQ(b.shell.messages[0].texte, "La masse de référence \"plomb\" n'est pas un nombre.");
    for (const char *reference : {"-5", "0"}) {
        Tape(w.Text1(), reference);
        Clique(w.Command7());
        EXPECT_EQ(w.Label2_1()->text(), "298 gmm") << reference;
    }
    ASSERT_EQ(b.shell.messages.size(), 3u);
    EXPECT_EQ(b.shell.messages[1].texte, "La masse de référence doit être supérieure à 0.");
    EXPECT_EQ(b.shell.messages[2].texte, b.shell.messages[1].texte);

    // Another tab clears the figure to nine dashes.
    w.SSTab1()->setCurrentIndex(0);
    EXPECT_EQ(w.Label2_1()->text(), "- - - - - - - - - ");
}

TEST(Comp_Bulbe, TableAbsenteNommeeEtVuesGardees) {
    Banc b;
    Comp_Bulbe &w = b.Ouvre<Comp_Bulbe>();
    w.Cache();
    std::filesystem::remove(b.e.Fichier_Programme("nacaa.ini"));
    b.e.P(160) = 9;
    w.Montre();
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_TRUE(b.messages[0].texte.contains("nacaa.ini"));
    EXPECT_EQ(b.messages[0].style, MB_STOP);
    EXPECT_EQ(w.Picture1()->Effacements(), 1);
    EXPECT_EQ(w.Label6(3)->text(), Nombre(50));
    EXPECT_EQ(b.e.P(160), 9);
}

TEST(Comp_Bulbe, ProfilHorsTableRefuse) {
    Banc b;
    b.e.P(159) = 41;
    Comp_Bulbe &w = b.Ouvre<Comp_Bulbe>();
    // The top view is drawn; the side view is refused and left as it was.
    EXPECT_EQ(w.Picture1()->Effacements(), 1);
    EXPECT_EQ(w.Picture2()->Effacements(), 0);
    ASSERT_EQ(b.shell.messages.size(), 1u);
    EXPECT_NE(b.shell.messages[0].texte.find("41"), std::string::npos);
    w.SSTab1()->setCurrentIndex(2);
    Clique(w.Command7());
    EXPECT_EQ(w.Label2_1()->text(), "- - - - - - - - - ");
    EXPECT_EQ(b.shell.messages.size(), 2u);
}

// A bulb length from a damaged file overflows the single-precision figures: each refusal
// is told, and nothing is drawn or shown from it.
TEST(Comp_Bulbe, DimensionEtVolumeNonFinisDitsALUtilisateur) {
    Banc b;
    b.e.P(165) = 1e41; // 1e39 mm per per cent: beyond single precision
    Comp_Bulbe &w = b.Ouvre<Comp_Bulbe>();
    ASSERT_EQ(b.shell.messages.size(), 1u);
    EXPECT_EQ(b.shell.messages[0].texte, "Calcul impossible : dimension du bulbe non finie");
    EXPECT_EQ(w.Picture1()->Effacements(), 0);
    EXPECT_EQ(w.Label6(3)->text(), "----------");
    w.SSTab1()->setCurrentIndex(2);
    Clique(w.Command7());
    ASSERT_EQ(b.shell.messages.size(), 2u);
    EXPECT_EQ(b.shell.messages[1].texte, "Calcul impossible : volume du bulbe non fini");
    EXPECT_EQ(w.Label2_1()->text(), "- - - - - - - - - ");
}

// An ordinate no profile can have (the largest half-thickness of profile 2, on the file's
// third line) is refused at the window's reading of the table, naming the line; the views
// stay as they were drawn.
TEST(Comp_Bulbe, TableEndommageeNommeSaLigne) {
    Banc b;
    Comp_Bulbe &w = b.Ouvre<Comp_Bulbe>();
    w.Cache();
    Etat_Projet abime;
    Table_Cone(abime);
    abime.Table_Naca[2][26] = 3.4e38f;
    Ecrit_Octets(b.e.Fichier_Programme("nacaa.ini"), Texte_Table_Naca(abime));
    w.Montre();
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_TRUE(b.messages[0].texte.contains("nacaa.ini (ligne 3 : \"3.4e+38\""))
        << b.messages[0].texte.toStdString();
    EXPECT_EQ(b.e.Table_Naca[2][26], 1); // the table read before
    EXPECT_EQ(w.Label6(3)->text(), Nombre(50));
    EXPECT_EQ(w.Picture1()->Effacements(), 1);
}

// The bulb drawing of the views clears the bulb window's side view.
TEST_F(Cadre_Test, LaVueDesAppendicesEffaceLaVueDeCoteDuBulbe) {
    Prepare_Maitre(e, ctx().shell);
    cadre->show();
    Comp_Bulbe &w = ctx().Fenetre<Comp_Bulbe>();
    w.Montre();
    ASSERT_EQ(w.Picture2()->Effacements(), 1);
    ctx().Fenetre<ADeplacement>().Montre();
    QApplication::processEvents(); // the view draws itself once shown
    EXPECT_EQ(ctx().Fenetre<ADeplacement>().Picture1->Effacements(), 1);
    EXPECT_EQ(w.Picture2()->Effacements(), 2);
    EXPECT_FALSE(w.Visible());
}

// No table was ever read (the file is missing): the lists still store their profiles, but
// width, height, thickest points and mass cannot be known, so dashes; the height stays.
TEST(Comp_Bulbe, SansTableLesChiffresSontDesTirets) {
    Banc b;
    std::filesystem::remove(b.e.Fichier_Programme("nacaa.ini"));
    b.e.P(166) = 33;
    Comp_Bulbe &w = b.Ouvre<Comp_Bulbe>();
    ASSERT_EQ(b.messages.size(), 1u); // the missing table, named; the lists left on row 0
    QTest::keyClick(w.Combo1(), Qt::Key_Down);
    EXPECT_EQ(b.e.P(160), 1);
    EXPECT_EQ(w.Label6(3)->text(), " - - -");
    EXPECT_EQ(w.Label6(4)->text(), " - - -");
    w.SSTab1()->setCurrentIndex(1);
    QTest::keyClick(w.Combo2(), Qt::Key_Down);
    EXPECT_EQ(b.e.P(159), 1);
    for (int i : {1, 5, 6})
        EXPECT_EQ(w.Label6(i)->text(), " - - -") << i;
    EXPECT_EQ(b.e.P(166), 33);
    w.SSTab1()->setCurrentIndex(2);
    Clique(w.Command7());
    EXPECT_EQ(w.Label2_1()->text(), " - - -");
    EXPECT_EQ(b.messages.size(), 1u);
    EXPECT_TRUE(b.shell.messages.empty());
}
