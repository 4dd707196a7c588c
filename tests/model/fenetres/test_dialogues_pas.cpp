#include <QLabel>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "model/fenetres/M_AngGit.h"
#include "model/fenetres/M_PasHor.h"
#include "model/fenetres/M_PasVer.h"
#include "platform/Nombres.h"
#include "support/Banc_Fenetre.h"

using namespace gabarit;

namespace {
struct Banc : test::Banc_Fenetre {
    Banc() {
        e.P(1) = 530;
        e.P(2) = 470; // L = 1000
    }
};

template <class D> QRadioButton *Option(D &d, const char *nom) {
    return d.template findChild<QRadioButton *>(QString::fromLatin1(nom));
}
} // namespace

TEST(M_AngGit, OuvertureSurLAngleCourantPuisChoix) {
    Banc b;
    b.e.P(26) = 15;
    M_AngGit d(b.ctx);
    EXPECT_EQ(d.windowTitle(), "");
    d.show();
    EXPECT_TRUE(Option(d, "Option1_3")->isChecked());
    EXPECT_EQ(Option(d, "Option1_3")->text(), QString::fromUtf8("15°"));
    EXPECT_EQ(Option(d, "Option1_0")->text(), QString::fromUtf8(" 0°"));
    test::Clique_Option(Option(d, "Option1_6"));
    EXPECT_EQ(b.e.P(26), 30);
    test::Clique_Option(Option(d, "Option1_1"));
    EXPECT_EQ(b.e.P(26), 5);
    // Nothing recomputed, nothing marked out of date.
    EXPECT_EQ(b.shell.peintures_voyants, 0);
}

TEST(M_AngGit, AngleHorsDesSeptValeursSansOption) {
    Banc b;
    b.e.P(26) = 12;
    M_AngGit d(b.ctx);
    d.show();
    for (int k = 0; k < 7; ++k)
        EXPECT_FALSE(d.Option1(k)->isChecked());
    EXPECT_EQ(b.e.P(26), 12);
    // During start-up nothing is selected.
    Banc c;
    c.e.P(26) = 10;
    c.e.Init_En_Cours = 1;
    M_AngGit d2(c.ctx);
    d2.show();
    EXPECT_FALSE(d2.Option1(2)->isChecked());
}

TEST(M_PasHor, ApresChargementFaibleEtChoixExcellent) {
    Banc b;
    b.e.P(27) = 100;
    b.e.P(231) = 0;
    M_PasHor d(b.ctx);
    EXPECT_EQ(d.windowTitle(), "Menu Pas-Horizontal");
    EXPECT_TRUE(d.Option2(0)->isChecked());
    EXPECT_EQ(d.Option2(0)->text(), "Faible");
    EXPECT_EQ(d.Text1()->text(), Texte_Nombre(100));
    EXPECT_EQ(d.Label1()->text(), Texte_Nombre(10));
    EXPECT_EQ(b.e.P(231), 10);
    test::Clique_Option(Option(d, "Option2_3"));
    EXPECT_EQ(b.e.P(27), 12.5);
    EXPECT_EQ(b.e.P(231), 80);
    EXPECT_EQ(d.Text1()->text(), Texte_Nombre(12.5));
    EXPECT_EQ(d.Label1()->text(), "80");
    test::Clique_Option(Option(d, "Option2_1"));
    EXPECT_EQ(b.e.P(27), 50);
    EXPECT_EQ(b.e.P(231), 20);
}

TEST(M_PasHor, PasQuiNeCorrespondANulleOption) {
    Banc b;
    b.e.P(27) = 90; // left from a shorter hull
    M_PasHor d(b.ctx);
    for (int k = 0; k < 4; ++k)
        EXPECT_FALSE(d.Option2(k)->isChecked());
    EXPECT_EQ(d.Text1()->text(), "");
    EXPECT_EQ(d.Label1()->text(), "Label1");
    EXPECT_DOUBLE_EQ(b.e.P(231), 1000.0 / 90);
    EXPECT_EQ(b.e.P(27), 90);
}

TEST(M_PasHor, PasNulSansDivision) {
    Banc b;
    b.e.P(27) = 0;
    b.e.P(231) = 7;
    M_PasHor d(b.ctx);
    EXPECT_EQ(b.e.P(231), 7);
    EXPECT_EQ(b.e.P(27), 0);
}

TEST(M_PasVer, OuvertureSurMoyenPuisChoixFin) {
    Banc b;
    b.e.P(37) = 2;
    M_PasVer d(b.ctx);
    EXPECT_EQ(d.windowTitle(), "Menu Pas-Verticale");
    EXPECT_TRUE(d.Option1(2)->isChecked());
    EXPECT_EQ(d.Option1(2)->text(), "Moyen");
    EXPECT_EQ(d.Text1()->text(), "2");
    test::Clique_Option(Option(d, "Option1_0"));
    EXPECT_EQ(b.e.P(37), 0.1);
    EXPECT_EQ(d.Text1()->text(), Texte_Nombre(0.1));
    test::Clique_Option(Option(d, "Option1_1"));
    EXPECT_EQ(b.e.P(37), 1);

    Banc c;
    c.e.P(37) = 0.5;
    M_PasVer d2(c.ctx);
    for (int k = 0; k < 3; ++k)
        EXPECT_FALSE(d2.Option1(k)->isChecked());
    EXPECT_EQ(d2.Text1()->text(), Texte_Nombre(0.5));
}
