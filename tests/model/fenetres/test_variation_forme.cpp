// The shape-variation window: its two indices, shown as they stand, and the hull-form chain.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "model/Carene.h"
#include "model/fenetres/Menu_FG.h"
#include "model/fenetres/Menu_VariationForme.h"
#include "platform/UpDown.h"
#include "support/Banc_Fenetre.h"
#include "support/Coques_Essai.h"
#include "views/fenetres/ACoup.h"

using namespace gabarit;

namespace {

struct Banc : test::Banc_Fenetre {
    Banc() : Banc_Fenetre(1280, 800) {
        test::Charge_Carene(e);
        e.P(27) = 50;
        e.P(35) = 100;
    }
    Menu_VariationForme &Ouvre() { return Banc_Fenetre::Ouvre<Menu_VariationForme>(); }
    template <class T> T *W(const char *nom) {
        return test::Enfant<T>(ctx.Fenetre<Menu_VariationForme>(), QString::fromLatin1(nom));
    }
    void Clic(const char *spin, bool haut) { test::Clique_Fleche(W<UpDown>(spin), haut); }
};

} // namespace

TEST(Menu_VariationForme, ControlesEtTexte) {
    Banc b;
    auto &v = b.Ouvre();
    EXPECT_EQ(v.windowTitle(), "Menu Variation de Forme");
    EXPECT_EQ(b.W<QGroupBox>("Frame1")->title(), "Réglage");
    EXPECT_EQ(b.W<QGroupBox>("Frame2")->title(), "Info");
    EXPECT_EQ(b.W<QLabel>("Label1_0")->text(), "Avant");
    EXPECT_EQ(b.W<QLabel>("Label1_1")->text(), "Arrière");
    const QStringList lignes = b.W<QPlainTextEdit>("Text2")->toPlainText().split('\n');
    ASSERT_GE(lignes.size(), 6);
    EXPECT_EQ(lignes[0], "Ce Menu permet d'effectuer une correction sur la variation de la ");
    EXPECT_EQ(lignes[1], "forme des couples Avant et Arrière.");
    EXPECT_EQ(lignes[4], "2 : Variation fonction de la déformation du bois ( recommandé )");
    EXPECT_EQ(lignes[5], "3-11 : Plage utile");
    UpDown *s = b.W<UpDown>("UpDown1_0");
    EXPECT_EQ(s->minimum(), 1);
    EXPECT_EQ(s->maximum(), 11);
    EXPECT_EQ(s->increment(), 1);
}

TEST(Menu_VariationForme, ActivationMontreLesIndicesSansRienEcrire) {
    // The spinners show the record's indices to the whole number nearest; even an index the
    // open and the editor refuse, put straight into the record, stays there.
    struct Cas {
        double av, ar;
        const char *montre_av; // nullptr for an index the spinners do not take
        int montre_ar;
    };
    for (const Cas &c : {Cas{11, 1, "11", 1}, Cas{1, 11, "1", 11}, Cas{4.4, 2.5, "4", 2},
                         Cas{0, 12, nullptr, 0}}) {
        SCOPED_TRACE(c.av);
        Banc b;
        b.e.P(107) = c.av;
        b.e.P(108) = c.ar;
        const auto avant = b.e.Tab_Param;
        b.Ouvre();
        EXPECT_EQ(b.e.Tab_Param, avant);
        if (c.montre_av) {
            EXPECT_EQ(b.W<QLineEdit>("Text1_0")->text(), c.montre_av);
            EXPECT_EQ(b.W<UpDown>("UpDown1_1")->value(), c.montre_ar);
        }
    }
}

TEST(Menu_VariationForme, SpinStockeLesIndicesEtLePas) {
    Banc b;
    ACoup &coupe = b.ctx.Fenetre<ACoup>();
    coupe.Montre();
    coupe.Deplace(400, 0, 400, 300);
    b.Ouvre();
    const int c0 = coupe.Picture1->Effacements();
    for (int k = 0; k < 7; ++k)
        b.e.P(186 + k) = 0;
    b.Clic("UpDown1_0", true);
    EXPECT_GT(coupe.Picture1->Effacements(), c0); // every step redraws the open views
    EXPECT_GT(b.e.Tab_Carene(50, 100, 1), 0.f);
    EXPECT_DOUBLE_EQ(b.e.P(107), 4);
    EXPECT_DOUBLE_EQ(b.e.P(108), 2);
    EXPECT_DOUBLE_EQ(b.e.P(27), 100); // L / 10
    EXPECT_EQ(b.W<QLineEdit>("Text1_0")->text(), "4");
    b.Clic("UpDown1_1", false);
    b.Clic("UpDown1_1", false);
    EXPECT_DOUBLE_EQ(b.e.P(108), 1);
    // A new hull: every heel out of date (the chain's upright flotation fails on this hull,
    // its centre of gravity at the stern, which turns the 0 degree light red too).
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(b.e.P(186 + k), 1) << k;
}

TEST(Menu_VariationForme, PrendLesEditionsDeLaFenetreDeForme) {
    Banc b;
    auto &fg = b.ctx.Fenetre<Menu_FG>();
    fg.Montre();
    QApplication::processEvents();
    auto *t = fg.findChild<QLineEdit *>("Text1_4");
    t->selectAll();
    QTest::keyClicks(t, "140");
    b.Ouvre();
    b.Clic("UpDown1_0", true);
    EXPECT_DOUBLE_EQ(b.e.P(107), 4);
    EXPECT_DOUBLE_EQ(b.e.P(6), 140);
    EXPECT_DOUBLE_EQ(b.e.P(35), 100);
}

TEST(Menu_VariationForme, StationLaPlusLargeALArriereAcceptee) {
    Banc b;
    b.e.P(2) = 0, b.e.P(1) = 1000, b.e.P(35) = 0;
    b.ctx.Fenetre<Menu_FG>().Montre();
    QApplication::processEvents();
    b.Ouvre();
    b.Clic("UpDown1_0", true);
    EXPECT_TRUE(b.messages.empty());
    EXPECT_DOUBLE_EQ(b.e.P(107), 4);
    EXPECT_DOUBLE_EQ(b.e.P(2), 0);
    EXPECT_GT(b.e.Tab_Carene(0, 50, 1), 0.f); // the table was built with it
}

TEST(Menu_VariationForme, EditionRefuseeDansLaFenetreDeFormeNeChangeRien) {
    Banc b;
    auto &fg = b.ctx.Fenetre<Menu_FG>();
    fg.Montre();
    QApplication::processEvents();
    auto *t = fg.findChild<QLineEdit *>("Text1_6");
    t->selectAll();
    QTest::keyClicks(t, "abc");
    b.Ouvre();
    const auto avant = b.e.Tab_Param;
    b.Clic("UpDown1_0", true);
    EXPECT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.e.Tab_Param, avant);
    EXPECT_EQ(b.W<QLineEdit>("Text1_0")->text(), "3"); // the spinner shows the record again
}

TEST(Menu_VariationForme, FenetreDeFormeFermeeGardeLeTableauIncline) {
    Banc b;
    auto &fg = b.ctx.Fenetre<Menu_FG>();
    fg.Montre();
    QApplication::processEvents();
    QTest::mouseClick(fg.findChild<QPushButton *>("Command2"), Qt::LeftButton);
    QApplication::processEvents();
    fg.Cadre()->close();
    b.Clic("UpDown1_1", true);
    EXPECT_DOUBLE_EQ(b.e.P(108), 3);
    EXPECT_DOUBLE_EQ(b.e.P(35), 100);
}

TEST(Menu_VariationForme, FormeIncalculableRemiseCommeAvant) {
    Banc b;
    auto &fg = b.ctx.Fenetre<Menu_FG>();
    fg.Montre();
    QApplication::processEvents();
    auto *t = fg.findChild<QLineEdit *>("Text1_8");
    t->selectAll();
    QTest::keyClicks(t, "1e300"); // a number, but no power can take it
    b.Ouvre();
    Calcul_Tab(b.e);
    const auto avant = b.e.Tab_Param;
    b.Clic("UpDown1_0", true);
    // The core puts the hull back and tells the user through the shell.
    EXPECT_TRUE(b.messages.empty());
    EXPECT_EQ(b.shell.messages.size(), 1u);
    EXPECT_EQ(b.e.Tab_Param, avant);
    EXPECT_EQ(b.W<QLineEdit>("Text1_0")->text(), "3");
}
