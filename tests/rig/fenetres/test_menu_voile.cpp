// The sail window and its CLASS companion driven as a user would, on the master project
// (L = 1000, mast 1650 at 600, mainsail 1580 / 340 / 60 with exponent 1.6, jib 1200 / 300 /
// 50, stored areas 253563 and 172500 mm2, centre of effort at 551.492, centre of lateral
// resistance at 315.108, total weight 3920 g, wetted surface 155796 mm2).
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextLayout>
#include <cmath>

#include "platform/Nombres.h"
#include "rig/Voilure.h"
#include "rig/Voilure_Class.h"
#include "rig/fenetres/Menu_Voile.h"
#include "rig/fenetres/Menu_VoileClass.h"
#include "support/Banc_Fenetre.h"
#include "support/Locale_Essai.h"
#include "support/Maitre.h"
#include "views/fenetres/AVoile.h"

using namespace gabarit;
using test::Clique;
using test::Tape;

namespace {
using Banc = test::Banc_Maitre;

QString N(double v) { return Texte_Nombre(v); }

// The centre of effort the sail computation gives for the plan the record now holds, to the
// thousandth a file keeps.
double Centre_Du_Plan(const Etat_Projet &e) {
    Etat_Projet k = e;
    return Mesure_Voilure(k).centre.x;
}

} // namespace

TEST(Menu_Voile, ChiffresEtBornesDuMaitre) {
    Banc b;
    Menu_Voile &w = b.Ouvre<Menu_Voile>();
    EXPECT_EQ(w.windowTitle(), "Menu Voile Libre");
    const char *onglets[] = {"Grand Voile", "Foc", "Mat", "Voilure"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(w.SSTab1()->tabText(i), onglets[i]);
    EXPECT_EQ(w.Label1(2)->text(), "Entre Pont");
    EXPECT_EQ(w.Label1(9)->text(), "Retour Basta");
    EXPECT_EQ(w.Label6(8)->text(), "Voilure / Surface Mouillee");
    EXPECT_EQ(w.Command3()->text(), "Libre / Class");
    EXPECT_EQ(w.Check1()->text(), "Option CLASS");

    EXPECT_EQ(w.Text1(0)->text(), "1580");
    EXPECT_EQ(w.Text1(3)->text(), N(1.6));
    EXPECT_EQ(w.Text1(10)->text(), "40");
    // Limits: head 20 to the mast, foot 1 to L, mast 100 to 1.8 L, head line 0 to 300.
    EXPECT_EQ(w.UpDown1(0)->minimum(), 20);
    EXPECT_EQ(w.UpDown1(0)->maximum(), 1650);
    EXPECT_EQ(w.UpDown1(4)->minimum(), 1);
    EXPECT_EQ(w.UpDown1(5)->maximum(), 1000);
    EXPECT_EQ(w.UpDown1(7)->minimum(), 100);
    EXPECT_EQ(w.UpDown1(7)->maximum(), 1800);
    EXPECT_EQ(w.UpDown1(10)->maximum(), 300);

    EXPECT_EQ(w.Label5(1)->text(), "165 %");
    EXPECT_EQ(w.Label5(3)->text(), "60 %");
    EXPECT_EQ(w.Label2(3)->text(), N(25.3563));
    EXPECT_EQ(w.Label2(1)->text(), N(9.84)); // 1580^2 / 253563 = 9.8453: head height, not luff
    EXPECT_EQ(w.Label2(5)->text(), "59 %");  // 253563 / 426063
    EXPECT_EQ(w.Label4(3)->text(), N(17.25));
    EXPECT_EQ(w.Label4(1)->text(), N(7.66)); // 1150^2 / 172500 = 7.6667
    EXPECT_EQ(w.Label4(5)->text(), "40 %");
    EXPECT_EQ(w.Label6(1)->text(), N(42.6));
    EXPECT_EQ(w.Label6(3)->text(), N(17.25));
    EXPECT_EQ(w.Label6(5)->text(), N(25.35));
    EXPECT_EQ(w.Label6(7)->text(), N(10.86)); // 426063 / 3920 x 10 = 1086.9
    EXPECT_EQ(w.Label6(9)->text(), N(2.73));  // 426063 / 155796 = 2.7347
    EXPECT_EQ(w.Label6(11)->text(), N(551.49));
    Menu_VoileClass &c = b.ctx.Fenetre<Menu_VoileClass>();
    EXPECT_FALSE(c.Visible());
    EXPECT_EQ(c.Label2(2)->text(), "1520");
    EXPECT_EQ(c.Label2(8)->text(), "340");
    EXPECT_EQ(c.Label3(0)->text(), "1557"); // sqrt(1520^2 + 340^2) = 1557.6
    EXPECT_EQ(c.Label3(2)->text(), "1188"); // sqrt(1150^2 + 300^2) = 1188.5
    EXPECT_EQ(c.Label3(1)->text(), "23%");  // 236.4 ahead on 1000

    // A figure whose divisor is zero shows dashes; the following ones are still filled.
    b.e.P(42) = 0;
    b.e.P(103) = 600;
    w.Affiche_Voile();
    EXPECT_EQ(w.Label6(7)->text(), " - - -");
    EXPECT_EQ(w.Label6(9)->text(), N(2.73));
    EXPECT_EQ(w.Label6(11)->text(), "600");
}

// A straight leech (exponent 1) on the master's mainsail, luff 1520 and foot 340: widths
// 340 (1 - k/8), truncated sum 1528, area Fix(1520 x 1528 / 11) = 211141 mm2.
TEST(Menu_Voile, ValideLibreCalculeRedessineEtMontre) {
    Banc b;
    b.Ouvre_Vue<AVoile>(600);
    Menu_Voile &w = b.Ouvre<Menu_Voile>();
    ASSERT_EQ(w.List1()->count(), 9); // the master's plan as the view drew it
    Tape(w.Text1(3), N(1));
    Clique(w.Command1(2));
    EXPECT_TRUE(b.messages.empty());
    EXPECT_EQ(b.e.P(87), 1);
    EXPECT_EQ(b.e.P(89), 211141);
    EXPECT_EQ(b.e.P(102), 211141 + 172500);
    EXPECT_EQ(b.e.P(125), 1.76); // 383641 / 217382 = 1.7648
    EXPECT_EQ(b.e.P(103), Centre_Du_Plan(b.e));
    EXPECT_EQ(w.Label2(3)->text(), N(21.1141));
    EXPECT_EQ(w.Label6(11)->text(), N(std::trunc(b.e.P(103) * 100) / 100));
    ASSERT_EQ(w.List1()->count(), 9);
    EXPECT_EQ(w.List1()->item(0)->text(), "1520\t0");
    EXPECT_EQ(w.List1()->item(1)->text(), "1330\t" + N(42.5));
    EXPECT_EQ(w.List1()->item(8)->text(), "0\t340");
}

// With the sail view closed the figures follow the plan all the same: no drawing holds them.
TEST(Menu_Voile, ValideVueFermeeCalculeLesSurfaces) {
    Banc b;
    Menu_Voile &w = b.Ouvre<Menu_Voile>();
    Tape(w.Text1(3), N(1));
    Clique(w.Command1(0));
    EXPECT_EQ(b.e.P(87), 1);
    EXPECT_EQ(b.e.P(89), 211141);
    EXPECT_EQ(b.e.P(151), 0.44); // 383641 / 869519 = 0.4412
    EXPECT_EQ(b.e.P(103), Centre_Du_Plan(b.e));
}

TEST(Menu_Voile, LireVoileRabatLaGrandVoileAuMat) {
    Banc b;
    Menu_Voile &w = b.Ouvre<Menu_Voile>();
    Tape(w.Text1(0), "1600"); // 1600 + 100 passes the 1650 mast
    Tape(w.Text1(2), "100");
    QTest::mouseClick(w.UpDown1(8)->boutonHaut(), Qt::LeftButton); // mast at 601
    Clique(w.Command1(4));
    EXPECT_EQ(b.e.P(84), 1650);
    EXPECT_EQ(b.e.P(86), 100);
    EXPECT_EQ(b.e.P(83), 601);
}

TEST(Menu_Voile, SaisiesRefuseesRienNEstStocke) {
    struct Cas {
        int champ;
        const char *texte;
    };
    // Not a number, beyond the mast, exponent not a number, exponent 0, a zero luff (head
    // typed at the tack's 300).
    for (Cas cas : {Cas{1, "abc"}, Cas{0, "1700"}, Cas{3, "x"}, Cas{3, "0"}, Cas{2, "300"}}) {
        Banc b;
        Menu_Voile &w = b.Ouvre<Menu_Voile>();
        if (cas.champ == 2)
            Tape(w.Text1(0), "300");
        Tape(w.Text1(cas.champ), QString::fromLatin1(cas.texte));
        Clique(w.Command1(0));
        ASSERT_EQ(b.messages.size(), 1u) << cas.texte;
        EXPECT_EQ(b.messages[0].titre, "Attention");
        EXPECT_EQ(b.e.P(84), 1580);
        EXPECT_EQ(b.e.P(85), 340);
        EXPECT_EQ(b.e.P(86), 60);
        EXPECT_EQ(b.e.P(87), 1.6);
        EXPECT_EQ(b.e.P(103), 551.492);
    }
}

// The rudder at 40 with its 70 mm root chord: the chord's aft end lies 9 mm behind the
// transom, where the hull has no bottom to hang it from. The sail view, opened, says so once;
// every "Valide" the view's drawing then refuses says so once more, alone, and stores nothing.
TEST(Menu_Voile, SafranDerriereLaCoqueUneBoiteParCommande) {
    const std::string message =
        "Le pied du safran dépasse en arrière de la coque : le bord de fuite de sa corde haute "
        "(n° 136 moins 70 % du n° 137) tombe à 9 mm en arrière du tableau arrière. Avancer le "
        "safran (n° 136) ou réduire sa corde haute (n° 137).";
    Banc b;
    b.e.P(136) = 40;
    b.Ouvre_Vue<AVoile>(600);
    Menu_Voile &w = b.Ouvre<Menu_Voile>();
    auto une_boite = [&] {
        ASSERT_EQ(b.messages.size() + b.shell.messages.size(), 1u);
        EXPECT_EQ(b.shell.messages[0].texte, message);
        b.shell.messages.clear();
    };
    une_boite();
    for (int fois = 0; fois < 2; ++fois) {
        Tape(w.Text1(3), N(1));
        Clique(w.Command1(2));
        une_boite();
        EXPECT_EQ(b.e.P(87), 1.6);
    }
}

TEST(Menu_Voile, BoutonsDeLExposant) {
    Banc b;
    Menu_Voile &w = b.Ouvre<Menu_Voile>();
    test::Clique_Option(w.Option1(1)); // "Pas 0.1"
    Tape(w.Text1(3), "1");
    QTest::mousePress(w.Command2(1), Qt::LeftButton);
    EXPECT_EQ(w.Text1(3)->text(), "1"); // 0.9 is below 1
    Tape(w.Text1(3), N(2.5));
    QTest::mousePress(w.Command2(1), Qt::LeftButton);
    EXPECT_EQ(w.Text1(3)->text(), N(2.4));
    test::Clique_Option(w.Option1(0)); // "Pas 1"
    Tape(w.Text1(3), N(11.5));
    QTest::mousePress(w.Command2(0), Qt::LeftButton);
    EXPECT_EQ(w.Text1(3)->text(), "12"); // 12.5 is above 12
    Tape(w.Text1(3), "x");
    QTest::mousePress(w.Command2(0), Qt::LeftButton);
    EXPECT_EQ(w.Text1(3)->text(), "x");
    EXPECT_EQ(b.e.P(87), 1.6); // nothing stored before "Valide"
}

// The master's CLASS law is A = B = C = 0: a mainsail as wide at the head as at the foot,
// 9 x 340 = 3060 summed, Fix(1520 x 3060 / 11) = 422836 mm2.
TEST(Menu_Voile, OptionClassBasculeLePlanDessine) {
    Banc b;
    b.Ouvre_Vue<AVoile>(600);
    Menu_Voile &w = b.Ouvre<Menu_Voile>();
    Clique(w.Check1());
    EXPECT_EQ(b.e.P(279), 1);
    Menu_VoileClass &c = b.ctx.Fenetre<Menu_VoileClass>();
    EXPECT_TRUE(c.Visible());
    EXPECT_EQ(c.Gauche(), 0);
    EXPECT_EQ(c.Haut(), b.ctx.Hauteur_Cadre() - w.Hauteur_Externe());
    EXPECT_FALSE(w.Frame4()->isEnabled());
    EXPECT_EQ(b.e.P(89), 422836);
    EXPECT_EQ(w.Label2(3)->text(), N(42.2836));
    EXPECT_EQ(c.Text2(1)->text(), "340");
    EXPECT_EQ(w.List1()->item(4)->text(), "760\t340");

    // The sail view's own redraw keeps to the CLASS plan.
    b.ctx.Fenetre<AVoile>().Form_Resize();
    EXPECT_EQ(b.e.P(89), 422836);

    Clique(w.Check1());
    EXPECT_EQ(b.e.P(279), 0);
    EXPECT_FALSE(c.Visible());
    EXPECT_TRUE(w.Frame4()->isEnabled());
    EXPECT_EQ(b.e.P(89), 253563);
}

TEST(Menu_Voile, LibreVersClassPuisLattesAjustees) {
    Banc b;
    b.Ouvre_Vue<AVoile>(600);
    Menu_Voile &w = b.Ouvre<Menu_Voile>();
    Clique(w.Command3());
    EXPECT_EQ(b.e.P(279), 1);
    EXPECT_TRUE(w.Check1()->isChecked());
    Menu_VoileClass &c = b.ctx.Fenetre<Menu_VoileClass>();
    EXPECT_TRUE(c.Visible());
    // The fitted law passes through the free leech 340 (1 - (h/1520)^1.6) at its battens;
    // the drawing shows its widths to hundredths.
    for (int i = 0; i < 3; ++i) {
        const double u = 0.25 * (i + 1);
        const double w_libre = 340 * (1 - std::pow(1 - u, 1.6));
        EXPECT_EQ(c.Text2(i)->text(), N(std::trunc(w_libre * 100) / 100)) << i;
    }
    EXPECT_EQ(w.Label2(3)->text(), N(b.e.P(89) / 10000)); // refreshed after the drawing

    // Battens of a plain power leech b = 2 on the 340 foot: 21.25, 85, 191.25.
    Tape(c.Text2(0), N(21.25));
    Tape(c.Text2(1), "85");
    Tape(c.Text2(2), N(191.25));
    Clique(w.Command1(0));
    EXPECT_TRUE(b.messages.empty());
    EXPECT_NEAR(b.e.P(284), 2, 1e-12);
    EXPECT_NEAR(b.e.P(285), 0, 1e-12);
    EXPECT_NEAR(b.e.P(286), 0, 1e-12);
    EXPECT_EQ(b.e.P(103), Centre_Du_Plan(b.e)); // of the law now stored
    EXPECT_EQ(c.Text2(1)->text(), "85");

    // A batten of zero: "Calcul Impossible", the law stays.
    Tape(c.Text2(1), "0");
    Clique(w.Command1(0));
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.messages[0].texte, "Calcul Impossible");
    EXPECT_EQ(b.messages[0].style, MB_EXCLAMATION);
    EXPECT_NEAR(b.e.P(284), 2, 1e-12);
    EXPECT_EQ(c.Text2(1)->text(), "85"); // the redraw shows the law again
}

// A top batten longer than the foot fits a law with no width at the head: refused before it
// is stored, the law F u^2 stays, its battens come back in the boxes and its sails are drawn
// again (the list refilled by the drawing).
TEST(Menu_Voile, LatteQueLaLoiNePeutTracerLaisseLePlan) {
    Banc b;
    b.Ouvre_Vue<AVoile>(600);
    Menu_Voile &w = b.Ouvre<Menu_Voile>();
    b.e.P(284) = 2, b.e.P(285) = 0, b.e.P(286) = 0;
    Clique(w.Check1());
    Menu_VoileClass &c = b.ctx.Fenetre<Menu_VoileClass>();
    ASSERT_EQ(c.Text2(0)->text(), N(21.25)); // 340 / 16
    b.e.Liste_Voile.clear();
    Tape(c.Text2(0), "99999");
    Clique(w.Command1(0));
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.messages[0].texte, "Calcul Impossible");
    EXPECT_TRUE(b.shell.messages.empty());
    EXPECT_EQ(b.e.P(284), 2);
    EXPECT_EQ(b.e.P(285), 0);
    EXPECT_EQ(b.e.P(286), 0);
    EXPECT_EQ(c.Text2(0)->text(), N(21.25));
    EXPECT_EQ(b.e.P(89), 149374); // the F u^2 mainsail's area
    EXPECT_EQ(b.e.Liste_Voile.size(), 9u);
}

// A stored law without width at the head (A < 0, from a file whose free plan is in use):
// ticking "Option CLASS" is refused in one box naming the law, and the free plan stays.
TEST(Menu_Voile, PlanClassSansLargeurRefuseEnNommantLaLoi) {
    Banc b;
    b.Ouvre_Vue<AVoile>(600);
    Menu_Voile &w = b.Ouvre<Menu_Voile>();
    b.e.P(284) = -1;
    Clique(w.Check1());
    ASSERT_EQ(b.messages.size() + b.shell.messages.size(), 1u);
    EXPECT_EQ(b.shell.messages[0].texte,
              "La loi de rond de chute CLASS (A = -1, B = 0, C = 0, n° 284 à 286) ne donne pas "
              "de largeur finie à la grand-voile : elle ne peut pas être calculée. Ajuster de "
              "nouveau les lattes du plan CLASS.");
    EXPECT_EQ(b.e.P(279), 0);
    EXPECT_FALSE(w.Check1()->isChecked());
    EXPECT_EQ(b.e.P(89), 253563);
}

// Unticking it over a free plan that cannot be drawn (a negative exponent has no width at
// the tack): the user is told why, once, and the CLASS plan stays, its box ticked again.
TEST(Menu_Voile, PlanLibreIntracableAuDecochageSignale) {
    Banc b;
    b.Ouvre_Vue<AVoile>(600);
    Menu_Voile &w = b.Ouvre<Menu_Voile>();
    Clique(w.Check1());
    b.e.P(87) = -1;
    Clique(w.Check1());
    EXPECT_EQ(b.e.P(279), 1);
    EXPECT_TRUE(w.Check1()->isChecked());
    EXPECT_EQ(b.messages.size() + b.shell.messages.size(), 1u);
}

// An older project's exponent of 15 (the step buttons stop at 12) does not block "Valide";
// in CLASS mode not even one the law could not use does, and it stays as it is.
TEST(Menu_Voile, ExposantHorsDesPasNeBloquePasValide) {
    Banc b;
    b.e.P(87) = 15;
    Menu_Voile &w = b.Ouvre<Menu_Voile>();
    QTest::mouseClick(w.UpDown1(8)->boutonHaut(), Qt::LeftButton); // mast at 601
    Clique(w.Command1(4));
    EXPECT_TRUE(b.messages.empty());
    EXPECT_EQ(b.e.P(83), 601);
    EXPECT_EQ(b.e.P(87), 15);

    b.e.P(87) = -2;
    Clique(w.Check1());
    QTest::mouseClick(w.UpDown1(8)->boutonHaut(), Qt::LeftButton); // 602
    Clique(w.Command1(4));
    EXPECT_TRUE(b.messages.empty());
    EXPECT_TRUE(b.shell.messages.empty());
    EXPECT_EQ(b.e.P(83), 602);
    EXPECT_EQ(b.e.P(87), -2);
}

// "125.5" in a batten under a French locale is not a number there: the user is told so and
// which separator to use; nothing is stored, the foot typed with it included.
TEST(Menu_Voile, LatteAuPointSousLocaleFrancaise) {
    test::Locale_Essai fr(test::Francais());
    Banc b;
    Menu_Voile &w = b.Ouvre<Menu_Voile>();
    Clique(w.Check1());
    Menu_VoileClass &c = b.ctx.Fenetre<Menu_VoileClass>();
    Tape(w.Text1(1), "300");
    Tape(c.Text2(1), "125.5");
    Clique(w.Command1(0));
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.messages[0].texte,
              "La latte à 2/4 du guindant n'est pas un nombre (séparateur décimal : « , »).");
    EXPECT_EQ(b.e.P(85), 340);
    EXPECT_EQ(b.e.P(284), 0);
    EXPECT_EQ(c.Text2(1)->text(), "125.5");
}

// A straight leech of foot 300 on the master turned CLASS (A = 1) lies on strip edges; the
// CLASS reach F (1 - u) puts the centre of effort at 586.1759468614637, not at 586.18793 that
// F - F u gives.
TEST(Menu_Voile, CentreClassAuBordDUneBande) {
    Banc b;
    b.e.P(85) = 300;
    b.e.P(87) = 1;
    Menu_Voile &w = b.Ouvre<Menu_Voile>();
    Clique(w.Command3());
    Clique(w.Command1(0));
    EXPECT_TRUE(b.messages.empty());
    EXPECT_DOUBLE_EQ(b.e.P(284), 1);
    EXPECT_EQ(b.e.P(103), 586.175); // 586.1759468614637 as the file keeps it
    EXPECT_EQ(w.Label6(11)->text(), N(586.17));
}

// The aspect ratios are cut to hundredths, as the overall figures are, and each label shows
// its whole figure. Master: 1580^2 / 253563 = 9.8453 and 1150^2 / 172500 = 7.6667.
TEST(Menu_Voile, AllongementsEntiers) {
    Banc b;
    Menu_Voile &w = b.Ouvre<Menu_Voile>();
    const struct {
        int onglet;
        QLabel *l;
        double v;
    } cas[] = {{0, w.Label2(1), 9.84}, {1, w.Label4(1), 7.66}};
    for (const auto &k : cas) {
        w.SSTab1()->setCurrentIndex(k.onglet);
        QApplication::processEvents();
        EXPECT_EQ(k.l->text(), N(k.v));
        // Its frame, indent and figure.
        EXPECT_GE(k.l->width(), k.l->sizeHint().width()) << k.onglet;
    }
}

// The CLASS window's help texts wrap at the box's width between words: no horizontal
// scrolling, and every line broken inside a paragraph ends at a blank.
TEST(Menu_Voile, AideClassCoupeAuxMots) {
    Banc b;
    Menu_Voile &w = b.Ouvre<Menu_Voile>();
    Clique(w.Check1());
    Menu_VoileClass &c = b.ctx.Fenetre<Menu_VoileClass>();
    c.SSTab1()->setCurrentIndex(1);
    QApplication::processEvents();
    for (int i : {0, 1}) {
        QPlainTextEdit *t = c.Text1(i);
        EXPECT_EQ(t->lineWrapMode(), QPlainTextEdit::WidgetWidth) << i;
        EXPECT_EQ(t->wordWrapMode(), QTextOption::WordWrap) << i;
        EXPECT_EQ(t->horizontalScrollBar()->maximum(), 0) << i;
        auto *mise = qobject_cast<QPlainTextDocumentLayout *>(t->document()->documentLayout());
        ASSERT_NE(mise, nullptr);
        int lignes = 0;
        for (QTextBlock bloc = t->document()->begin(); bloc.isValid(); bloc = bloc.next()) {
            mise->ensureBlockLayout(bloc);
            const QTextLayout *l = bloc.layout();
            const QString texte = bloc.text();
            lignes += l->lineCount();
            for (int k = 0; k + 1 < l->lineCount(); ++k) {
                const QTextLine ligne = l->lineAt(k);
                const int fin = ligne.textStart() + ligne.textLength();
                EXPECT_TRUE(texte.at(fin - 1) == QLatin1Char(' ') ||
                            texte.at(fin) == QLatin1Char(' '))
                    << texte.left(fin).toStdString();
            }
        }
        // The right box's two long paragraphs do wrap.
        if (i == 1)
            EXPECT_GT(lignes, 3);
    }
}
