#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

#include "platform/Image_Vue.h"
#include "platform/Nombres.h"
#include "platform/Twips.h"
#include "rig/Table_Naca.h"
#include "rig/fenetres/Comp_Derive.h"
#include "rig/fenetres/Comp_Safran.h"
#include "support/Banc_Fenetre.h"
#include "support/Maitre.h"
#include "support/Naca_Essai.h"
#include "views/fenetres/ADeplacement.h"

using namespace gabarit;
using namespace gabarit::test;

namespace {

// The master yacht with the table of data/ and the foil fixture's keel and rudder.
struct Banc : Banc_Fenetre {
    Banc() {
        Prepare_Maitre(e, shell);
        Profils_Appendices(e);
    }
};

QString Nombre(double v) { return Texte_Nombre(v); }

} // namespace

TEST(Comp_Derive, LegendesEtPremiereActivation) {
    Banc b;
    Comp_Derive &w = b.ctx.Fenetre<Comp_Derive>();
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Clompléments Dérive"));
    EXPECT_EQ(w.SSTab1()->tabText(0), "Profils NACA");
    EXPECT_EQ(w.SSTab1()->tabText(1), "OPTION");
    EXPECT_EQ(w.Option1(0)->text(), "Profils Superieur");
    EXPECT_EQ(w.Option1(1)->text(), "Profils Inferieur");
    EXPECT_TRUE(w.Option1(0)->isChecked());
    EXPECT_EQ(w.Label6(3)->text(), "----------");
    EXPECT_EQ(w.Label6(4)->text(), "----------");
    EXPECT_EQ(Enfant<QLabel>(w, "Label5_4")->text(), "Longueur Avant :");
    EXPECT_EQ(Enfant<QLabel>(w, "Label5_3")->text(), "Epaiseur :");
    EXPECT_EQ(w.Command1()->text(), "Impression");
    EXPECT_EQ(w.Command2()->text(), "Valide");
    EXPECT_EQ(w.Combo1()->count(), 40);
    EXPECT_EQ(w.Combo1()->itemText(39), "39");
    EXPECT_EQ(w.Picture1()->Effacements(), 0); // created, not drawn

    b.e.P(18) = 0.4; // no entry lets it in: the list shows the row nearest, nothing is written
    w.Montre();
    EXPECT_EQ(w.Combo1()->currentIndex(), 0);
    EXPECT_EQ(b.e.P(18), 0.4);
    // NACA 0012, 6.0017 % of 100 mm at 29.9828 %; both boxes hold the two thicknesses.
    EXPECT_EQ(w.Label6(3)->text(), Nombre(12.002));
    EXPECT_EQ(w.Label6(4)->text(), Nombre(29.9828) + " %");
    EXPECT_EQ(w.Text2(0)->text(), Nombre(12.002));
    EXPECT_EQ(w.Text2(1)->text(), Nombre(6.1));
    EXPECT_EQ(w.Picture1()->Effacements(), 1);
    EXPECT_DOUBLE_EQ(b.e.P(22), (Twips_En_Pixels(5190) - 10) / 100.0);
    // 5865 x 3750 twips at a quarter of the frame's inner size (1000 x 700 here).
    EXPECT_EQ(w.Largeur_Externe(), Twips_En_Pixels(5865));
    EXPECT_EQ(w.Hauteur_Externe(), Twips_En_Pixels(3750));
    EXPECT_EQ(w.Gauche(), b.ctx.Largeur_Cadre() / 4);
    EXPECT_EQ(w.Haut(), b.ctx.Hauteur_Cadre() / 4);
}

TEST(Comp_Derive, SectionInferieureListeEtBoutons) {
    Banc b;
    Comp_Derive &w = b.Ouvre<Comp_Derive>();
    Clique_Option(w.Option1(1));
    EXPECT_EQ(w.Combo1()->currentIndex(), 4);
    EXPECT_EQ(w.Label6(3)->text(), Nombre(6.1));
    EXPECT_EQ(w.Text2(0)->text(), Nombre(12.002));

    // A profile picked in the list is stored for the lower section and drawn.
    QTest::keyClick(w.Combo1(), Qt::Key_Down);
    EXPECT_EQ(b.e.P(25), 5);
    EXPECT_EQ(b.e.P(18), 0);
    EXPECT_EQ(w.Label6(3)->text(), Nombre(9.152)); // NACA 0015, 7.5022 % of 61 mm
    Clique(w.Command3(0));
    Clique(w.Command3(0));
    EXPECT_EQ(b.e.P(25), 3);

    // At either end of the list the buttons do nothing.
    b.e.P(25) = 39;
    Clique_Option(w.Option1(0));
    Clique_Option(w.Option1(1));
    const int dessins = w.Picture1()->Effacements();
    Clique(w.Command3(1));
    EXPECT_EQ(b.e.P(25), 39);
    EXPECT_EQ(w.Picture1()->Effacements(), dessins);
    w.Combo1()->setCurrentIndex(0);
    Clique(w.Command3(0));
    EXPECT_EQ(w.Picture1()->Effacements(), dessins);
    EXPECT_TRUE(b.messages.empty());
    EXPECT_TRUE(b.shell.messages.empty());
}

TEST(Comp_Derive, ProfilHorsTableRefuseAvecMessage) {
    Banc b;
    Comp_Derive &w = b.Ouvre<Comp_Derive>();
    const QImage avant = w.Picture1()->Image();
    w.Cache();
    b.e.P(25) = 45;
    w.Montre();
    ASSERT_EQ(b.shell.messages.size(), 1u);
    EXPECT_EQ(b.shell.messages[0].texte,
              "Le numéro de profil NACA doit être compris entre 0 et 39 (45 demandé).");
    EXPECT_EQ(b.shell.messages[0].titre, "Attention");
    EXPECT_EQ(w.Picture1()->Effacements(), 1);
    EXPECT_EQ(w.Picture1()->Image(), avant);
    EXPECT_EQ(b.e.P(25), 45);
}

// A thickness too large for the label (a table damaged in memory) is refused with its
// message, never shown as "inf".
TEST(Comp_Derive, EpaisseurNonFinieRefuseeAvecMessage) {
    Banc b;
    b.e.Table_Naca[0][26] = 3.4e38f; // twice that overflows a single-precision label
    Comp_Derive &w = b.Ouvre<Comp_Derive>();
    ASSERT_EQ(b.shell.messages.size(), 1u);
    EXPECT_EQ(b.shell.messages[0].texte, "Calcul impossible : épaisseur du profil non finie");
    EXPECT_EQ(w.Label6(3)->text(), "----------");
    EXPECT_EQ(w.Text2(0)->text(), "");
    EXPECT_EQ(w.Picture1()->Effacements(), 0);
}

TEST(Comp_Derive, DimensionnementDepuisLaFenetre) {
    Banc b;
    b.e.Table_Naca[12][26] = 6;
    b.e.P(18) = 12;
    const double poids = b.e.P(42);
    b.e.P(42) = 0; // the weights are summed again after the sizing
    ADeplacement &vue = b.Ouvre<ADeplacement>();
    Comp_Derive &w = b.Ouvre<Comp_Derive>();
    const int vues = vue.Picture1->Effacements();
    w.SSTab1()->setCurrentIndex(1);
    EXPECT_EQ(w.Text2(0)->text(), Nombre(12));
    Tape(w.Text2(0), Nombre(10));
    Clique(w.Command2());
    // 10 / 12 in single precision of 100 mm: 83; the tip from its box 6.1 of 6.101708: 60.
    EXPECT_EQ(b.e.P(111), 83);
    EXPECT_EQ(b.e.P(112), 60);
    // The keel area follows the new chords, and the weights are summed again.
    EXPECT_EQ(b.e.P(122), std::trunc((83 + 60) * b.e.P(113) / 2));
    EXPECT_EQ(b.e.P(42), poids); // the chords weigh nothing
    EXPECT_EQ(vue.Picture1->Effacements(), vues + 1);
    // The window stays in front, and its figures wait for its next drawing.
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(b.zone->activeSubWindow(), w.Cadre());
    EXPECT_EQ(w.Label6(3)->text(), Nombre(12));
    EXPECT_TRUE(b.messages.empty());
    EXPECT_TRUE(b.shell.messages.empty());
}

TEST(Comp_Derive, DimensionnementRefuseSansRienChanger) {
    struct Cas {
        const char *haut, *bas;
        const char *message;
    };
    const Cas cas[] = {
        {"abc", "6", "L'épaisseur du profil supérieur n'est pas un nombre."},
        {"10", "", "L'épaisseur du profil inférieur n'est pas un nombre."},
        {"0", "6", "L'épaisseur du profil supérieur doit être supérieure à 0."},
        {"10", "-2", "L'épaisseur du profil inférieur doit être supérieure à 0."},
    };
    for (const Cas &k : cas) {
        Banc b;
        Comp_Derive &w = b.Ouvre<Comp_Derive>();
        Tape(w.Text2(0), QString::fromUtf8(k.haut));
        Tape(w.Text2(1), QString::fromUtf8(k.bas));
        Clique(w.Command2());
        EXPECT_EQ(b.e.P(111), 100) << k.message;
        EXPECT_EQ(b.e.P(112), 61) << k.message;
        ASSERT_EQ(b.shell.messages.size(), 1u) << k.message;
        EXPECT_EQ(b.shell.messages[0].texte, k.message);
    }
    // A zero chord stops both sections.
    Banc b;
    b.e.P(112) = 0;
    Comp_Derive &w = b.Ouvre<Comp_Derive>();
    Tape(w.Text2(0), Nombre(10));
    Tape(w.Text2(1), Nombre(5));
    Clique(w.Command2());
    EXPECT_EQ(b.e.P(111), 100);
    ASSERT_EQ(b.shell.messages.size(), 1u);
}

TEST(Comp_Safran, LeJumeauDuSafran) {
    Banc b;
    Comp_Safran &w = b.Ouvre<Comp_Safran>();
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Complément Safran"));
    EXPECT_EQ(Enfant<QLabel>(w, "Label5_4")->text(), "Longeur Avant :");
    EXPECT_EQ(w.Combo1()->currentIndex(), 1);
    EXPECT_EQ(w.Label6(3)->text(), Nombre(4.8)); // NACA 0006, 3.0009 % of 80 mm
    EXPECT_EQ(w.Text2(1)->text(), Nombre(7.502));
    Tape(w.Text2(0), Nombre(6));
    QTest::mouseClick(w.Command2(), Qt::LeftButton);
    EXPECT_EQ(b.e.P(137), 99);
    EXPECT_EQ(b.e.P(138), 49);
    EXPECT_EQ(b.e.P(111), 100); // the keel is not the rudder
    EXPECT_EQ(b.e.P(112), 61);

    // Coming to another child window hides it.
    Comp_Derive &d = b.Ouvre<Comp_Derive>();
    EXPECT_FALSE(w.Visible());
    EXPECT_TRUE(d.Visible());
    b.Ouvre<Comp_Safran>();
    EXPECT_FALSE(d.Visible());
}

// The start-up refused a damaged table (a word that is not a number on its first line): the
// keel and rudder windows have no thickness or thickest point to show, so dashes, not 0.
TEST(Comp_Derive, SansTableLesChiffresSontDesTirets) {
    for (const char *fenetre : {"Comp_Derive", "Comp_Safran"}) {
        SCOPED_TRACE(fenetre);
        Banc_Fenetre b;
        Lit_Maitre(b.e);
        Init_Projet(b.e, b.shell);
        b.e.Dossier_Programme = Dossier_Temporaire();
        Ecrit_Octets(b.e.Fichier_Programme("nacaa.ini"), "0,abc\r\n");
        EXPECT_THROW(Init_Variables(b.e, b.shell), Erreur_Gabarit);
        Calcul_Tab(b.e);
        Profils_Appendices(b.e);
        Fenetre_Profil_Naca &w = fenetre == std::string("Comp_Derive")
                                     ? static_cast<Fenetre_Profil_Naca &>(b.Ouvre<Comp_Derive>())
                                     : b.Ouvre<Comp_Safran>();
        EXPECT_EQ(w.Label6(3)->text(), " - - -");
        EXPECT_EQ(w.Label6(4)->text(), " - - -");
        EXPECT_EQ(w.Text2(0)->text(), "");
        EXPECT_EQ(w.Text2(1)->text(), "");
        // The other section too.
        Clique_Option(w.Option1(1));
        EXPECT_EQ(w.Label6(3)->text(), " - - -");
        EXPECT_EQ(w.Label6(4)->text(), " - - -");
        EXPECT_TRUE(b.messages.empty());
    }
}
