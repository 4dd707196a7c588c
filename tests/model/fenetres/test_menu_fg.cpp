// The hull-form window driven as a user would: typing, spinning, "Valide", the station box.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <gtest/gtest.h>

#include "interfaces/Shell_Enregistreur.h"
#include "model/Carene.h"
#include "model/Fichier_Projet.h"
#include "model/Flottaison.h"
#include "model/Initialisation.h"
#include "model/fenetres/Menu_FG.h"
#include "model/fenetres/Menu_VariationForme.h"
#include "platform/Boite_Message.h"
#include "platform/Nombres.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"
#include "stability/Centrage.h"
#include "support/Banc_Fenetre.h"
#include "support/Chemins_Test.h"
#include "support/Coques_Essai.h"
#include "support/Locale_Essai.h"
#include "support/Maitre.h"
#include "views/fenetres/ACoup.h"
#include "views/fenetres/AProfile.h"

using namespace gabarit;

namespace {

// The model of the hull-form windows with a raked stem, and results and appendage values as a
// loaded project carries them.
void Charge_Carene(Etat_Projet &e) {
    test::Charge_Carene(e);
    auto &p = e.Tab_Param;
    p[35] = 0, p[36] = 50;
    p[89] = 400000, p[102] = 500000, p[193] = 5.53;
    p[200] = 1234.5, p[220] = 60000, p[110] = 500, p[113] = 300, p[166] = 40;
}

struct Banc : test::Banc_Fenetre {
    Banc() : Banc_Fenetre(1280, 800) { Charge_Carene(e); }
    Menu_FG &Ouvre() { return Banc_Fenetre::Ouvre<Menu_FG>(); }
    template <class T> T *W(const char *nom) {
        return test::Enfant<T>(ctx.Fenetre<Menu_FG>(), QString::fromLatin1(nom));
    }
    void Tape(const char *boite, const QString &texte) {
        QLineEdit *t = W<QLineEdit>(boite);
        t->selectAll();
        if (texte.isEmpty())
            QTest::keyClick(t, Qt::Key_Delete);
        else
            QTest::keyClicks(t, texte);
    }
    void Valide() {
        W<QTabWidget>("SSTab1")->setCurrentIndex(0);
        QTest::mouseClick(W<QPushButton>("Command1_0"), Qt::LeftButton);
        QApplication::processEvents();
    }
    void Clic(const char *spin, bool haut) { test::Clique_Fleche(W<UpDown>(spin), haut); }
    QString Texte(const char *nom) {
        if (auto *t = ctx.Fenetre<Menu_FG>().findChild<QLineEdit *>(QString::fromLatin1(nom)))
            return t->text();
        return W<QLabel>(nom)->text();
    }
};

QString N(double v) { return Texte_Nombre(v); }

} // namespace

TEST(Menu_FG, ControlesEtLegendes) {
    Banc b;
    Menu_FG &fg = b.Ouvre();
    EXPECT_EQ(fg.windowTitle(), "Menu Forme Carene / Couples");
    auto *tab = b.W<QTabWidget>("SSTab1");
    ASSERT_EQ(tab->count(), 4);
    EXPECT_EQ(tab->tabText(0), "Couples");
    EXPECT_EQ(tab->tabText(1), "Forme Carene");
    EXPECT_EQ(tab->tabText(2), "Forme Couples");
    EXPECT_EQ(tab->tabText(3), "Carene");
    EXPECT_EQ(b.W<QGroupBox>("Frame1_0")->title(), "Tableau Arrriere");
    EXPECT_EQ(b.W<QGroupBox>("Frame1_7")->title(), "Tableau AR incliné");
    EXPECT_EQ(b.W<QGroupBox>("Frame6")->title(), "Choix du Pas");
    EXPECT_EQ(b.W<QPushButton>("Command1_2")->text(), "Valide");
    EXPECT_EQ(b.W<QPushButton>("Command4")->text(), "N°Couple :");
    EXPECT_EQ(b.W<QLabel>("Label3_8")->text(), "Stabilite / Puissance 30°");
    EXPECT_EQ(b.W<QLabel>("Label5_4")->text(), "Total");
    EXPECT_EQ(b.W<QRadioButton>("Option1_2")->text(), "3/4 Avant");
    // The editor's options run top to bottom 0, 1, 3, 2.
    EXPECT_LT(b.W<QRadioButton>("Option1_1")->y(), b.W<QRadioButton>("Option1_3")->y());
    EXPECT_LT(b.W<QRadioButton>("Option1_3")->y(), b.W<QRadioButton>("Option1_2")->y());
    // As first made: step "1", "Auto" off, empty station box, no editor option.
    EXPECT_TRUE(b.W<QRadioButton>("Option2_1")->isChecked());
    EXPECT_FALSE(b.W<QCheckBox>("Check1")->isChecked());
    EXPECT_TRUE(b.Texte("Text2").isEmpty());
    for (const char *o : {"Option1_0", "Option1_1", "Option1_2", "Option1_3"})
        EXPECT_FALSE(b.W<QRadioButton>(o)->isChecked());
    // The paint sets the window's size back, 5865 x 3750 twips.
    EXPECT_EQ(fg.Largeur_Externe(), Twips_En_Pixels(5865));
    EXPECT_EQ(fg.Hauteur_Externe(), Twips_En_Pixels(3750));
    fg.Deplace(0, 0, 500, 400);
    QApplication::processEvents();
    EXPECT_EQ(fg.Largeur_Externe(), Twips_En_Pixels(5865));
}

TEST(Menu_FG, AffichageDuRecord) {
    Banc b;
    b.e.P(5) = 100.3;
    b.Ouvre();
    EXPECT_EQ(b.Texte("Text1_0"), "65");  // transom depth
    EXPECT_EQ(b.Texte("Text1_1"), "120"); // full transom width
    EXPECT_EQ(b.Texte("Text1_5"), "201"); // full beam, 200.6 rounded
    EXPECT_EQ(b.Texte("Text1_6"), "500");
    EXPECT_EQ(b.Texte("Text1_7"), "450");
    EXPECT_EQ(b.Texte("Text1_13"), "1000");
    EXPECT_EQ(b.Texte("Text1_8"), "2");
    EXPECT_EQ(b.Texte("Text1_9"), N(1.5));
    EXPECT_EQ(b.Texte("Text1_10"), "3");
    EXPECT_EQ(b.Texte("Text1_11"), N(2.5));
    EXPECT_EQ(b.Texte("Text1_12"), "0");
    UpDown *s0 = b.W<UpDown>("UpDown1_0");
    EXPECT_EQ(s0->maximum(), 120);
    EXPECT_EQ(s0->value(), 65);
    EXPECT_EQ(b.W<UpDown>("UpDown1_6")->maximum(), 950); // L - P(36)
    EXPECT_EQ(b.W<UpDown>("UpDown1_6")->increment(), 10);
    EXPECT_EQ(b.W<UpDown>("UpDown1_14")->maximum(), 440); // P(2) - 10
    EXPECT_EQ(b.W<UpDown>("UpDown2")->maximum(), 1000);
    EXPECT_EQ(b.Texte("Label4_0"), "1000 mm");
    EXPECT_EQ(b.Texte("Label4_1"), N(200.6) + " mm");
    EXPECT_EQ(b.Texte("Label4_3"), "3 Kgr");
    EXPECT_EQ(b.Texte("Label4_4"), "50");
    EXPECT_EQ(b.Texte("Label4_5"), N(5.53));
    EXPECT_EQ(b.Texte("Label4_6"), "50 %");
    EXPECT_EQ(b.Texte("Label4_7"), "13"); // 40 dm2 over 3 kg
    EXPECT_EQ(b.Texte("Label4_8"), N(0.15));
    EXPECT_EQ(b.Texte("Label4_9"), "1234");
}

TEST(Menu_FG, FiguresImpossiblesEnTiretsEtStationGardee) {
    Banc b;
    b.e.P(42) = 0; // no weight yet
    b.e.P(89) = 0;
    b.e.X_Couple = 321;
    b.Ouvre();
    EXPECT_EQ(b.Texte("Label4_6"), " - - -");
    EXPECT_EQ(b.Texte("Label4_7"), " - - -");
    EXPECT_EQ(b.Texte("Label4_8"), " - - -");
    EXPECT_EQ(b.Texte("Label4_9"), "1234"); // the figures after them are still shown
    EXPECT_EQ(b.e.X_Couple, 321);
}

TEST(Menu_FG, ValideSansChangementNArrondiQueLesMillimetres) {
    Banc b;
    b.e.P(5) = 100.3;
    b.e.P(14) = 60.25; // full width 120.5: the even neighbour 120
    b.e.P(6) = 118.5;  // 118, the even neighbour
    b.Ouvre();
    auto avant = b.e.Tab_Param;
    b.Valide();
    EXPECT_TRUE(b.messages.empty());
    EXPECT_DOUBLE_EQ(b.e.P(5), 100.5);
    EXPECT_DOUBLE_EQ(b.e.P(14), 60);
    EXPECT_DOUBLE_EQ(b.e.P(6), 118);
    EXPECT_DOUBLE_EQ(b.e.P(27), 100);
    for (int n : {1, 2, 3, 4, 9, 10, 11, 12, 15, 21, 35, 36})
        EXPECT_DOUBLE_EQ(b.e.P(n), avant[n]) << n;
    // The rounding made another hull: its heel results are still to be worked out.
    for (int k = 1; k < 7; ++k)
        EXPECT_DOUBLE_EQ(b.e.P(186 + k), 1) << k;
}

TEST(Menu_FG, LongueurAllongeLaCareneALArriere) {
    Banc b;
    b.e.P(1) = 500, b.e.P(2) = 500, b.e.P(9) = 400, b.e.P(10) = 600;
    b.Ouvre();
    b.Tape("Text1_13", "1100");
    b.Valide();
    EXPECT_DOUBLE_EQ(b.e.P(2), 600);
    EXPECT_DOUBLE_EQ(b.e.P(10), 700);
    EXPECT_DOUBLE_EQ(b.e.P(1), 500);
    EXPECT_DOUBLE_EQ(b.e.P(9), 400);
    EXPECT_DOUBLE_EQ(b.e.P(27), 100); // a tenth of the old length
}

TEST(Menu_FG, StationsEtLongueurEnUneValidation) {
    Banc b;
    b.Ouvre();
    b.Tape("Text1_6", "400");
    b.Tape("Text1_7", "420");
    b.Tape("Text1_13", "1200");
    b.Tape("Text1_4", "130");
    b.Tape("Text1_0", "125");    // deeper transom, allowed by the new greatest depth
    b.Tape("Text1_11", N(1.75)); // with the decimal separator of the machine's locale
    b.Valide();
    EXPECT_TRUE(b.messages.empty());
    EXPECT_DOUBLE_EQ(b.e.P(10), 600); // both stations shifted by the 200 mm added
    EXPECT_DOUBLE_EQ(b.e.P(2), 620);
    EXPECT_DOUBLE_EQ(b.e.L(), 1200);
    EXPECT_DOUBLE_EQ(b.e.P(9), 600);
    EXPECT_DOUBLE_EQ(b.e.P(6), 130);
    EXPECT_DOUBLE_EQ(b.e.P(15), 125);
    EXPECT_DOUBLE_EQ(b.e.P(11), 1.75);
}

TEST(Menu_FG, VirguleDecimaleSousUneLocaleFrancaise) {
    test::Locale_Essai fr(test::Francais());
    Banc b;
    b.Ouvre();
    EXPECT_EQ(b.Texte("Text1_9"), "1,5"); // the record's 1.5 shown the French way
    b.Tape("Text1_11", "1,75");
    b.Valide();
    EXPECT_TRUE(b.messages.empty());
    EXPECT_DOUBLE_EQ(b.e.P(11), 1.75);
    EXPECT_EQ(b.Texte("Text1_11"), "1,75");
    // A point is not the French decimal separator: refused, nothing stored.
    b.Tape("Text1_11", "2.25");
    b.Valide();
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_DOUBLE_EQ(b.e.P(11), 1.75);
}

TEST(Menu_FG, ValeursRefuseesNeChangentRien) {
    struct Cas {
        const char *boite;
        QString texte;
    };
    const Cas cas[] = {
        {"Text1_4", "abc"},   // not a number
        {"Text1_9", "deux"},  // exponent not a number
        {"Text1_6", "0"},     // deepest station at the stern
        {"Text1_7", "1010"},  // widest station beyond the bow
        {"Text1_13", "400"},  // shorter than its forward parts
        {"Text1_10", "-1"},   // negative exponent
        {"Text1_4", "300"},   // beyond the hull table
        {"Text1_13", "2500"}, // beyond the hull table
        {"Text1_0", "130"},   // transom deeper than the greatest depth
        {"Text1_3", "-10"},   // negative stem rake
        {"Text1_12", "-5"},   // negative transom length
        {"Text1_1", ""},      // empty box
    };
    for (const Cas &c : cas) {
        Banc b;
        b.Ouvre();
        const auto avant = b.e.Tab_Param;
        b.Tape(c.boite, c.texte);
        b.Valide();
        ASSERT_EQ(b.messages.size(), 1u) << c.boite;
        EXPECT_EQ(b.messages[0].style, MB_EXCLAMATION);
        if (QString(c.boite) == "Text1_6")
            EXPECT_TRUE(b.messages[0].texte.contains("Pos Inf"))
                << b.messages[0].texte.toStdString();
        EXPECT_EQ(b.e.Tab_Param, avant) << c.boite << " " << c.texte.toStdString();
        // The refused box keeps the focus, on its own tab.
        QLineEdit *t = b.W<QLineEdit>(c.boite);
        EXPECT_EQ(b.ctx.Fenetre<Menu_FG>().focusWidget(), t) << c.boite;
        EXPECT_TRUE(b.W<QTabWidget>("SSTab1")->currentWidget()->isAncestorOf(t));
    }
}

TEST(Menu_FG, StationLaPlusLargeALArriereOuALEtrave) {
    for (double p2 : {0.0, 1000.0}) {
        // A project that has it, validated untouched, then a station typed at the other end.
        Banc b;
        b.e.P(2) = p2, b.e.P(1) = 1000 - p2;
        b.Ouvre();
        b.Valide();
        EXPECT_TRUE(b.messages.empty()) << p2;
        EXPECT_DOUBLE_EQ(b.e.P(2), p2);
        EXPECT_DOUBLE_EQ(b.e.P(10), 500);
        b.Tape("Text1_7", N(1000 - p2));
        b.Valide();
        EXPECT_TRUE(b.messages.empty()) << p2;
        EXPECT_DOUBLE_EQ(b.e.P(2), 1000 - p2);
        EXPECT_DOUBLE_EQ(b.e.P(1), p2);
        EXPECT_DOUBLE_EQ(b.e.L(), 1000);
    }
}

TEST(Menu_FG, ValeurHorsPlageDuRecordMontreeEtGardee) {
    Banc b;
    b.e.P(15) = 150; // deeper than the greatest depth, as a file may hold it
    b.Ouvre();
    EXPECT_EQ(b.Texte("Text1_0"), "150");
    EXPECT_EQ(b.W<UpDown>("UpDown1_0")->value(), 120);
    b.Valide();
    EXPECT_TRUE(b.messages.empty());
    EXPECT_DOUBLE_EQ(b.e.P(15), 150);
}

TEST(Menu_FG, ExposantsTournesEntre1Et12) {
    Banc b;
    b.Ouvre();
    b.W<QTabWidget>("SSTab1")->setCurrentIndex(1);
    b.Clic("UpDown1_8", true); // step 1
    EXPECT_EQ(b.Texte("Text1_8"), "3");
    QTest::mouseClick(b.W<QRadioButton>("Option2_0"), Qt::LeftButton);
    b.Tape("Text1_9", N(1.05));
    b.Clic("UpDown1_9", false);
    EXPECT_EQ(b.Texte("Text1_9"), "1");
    b.Tape("Text1_10", N(11.95));
    b.Clic("UpDown1_10", true);
    EXPECT_EQ(b.Texte("Text1_10"), "12");
    b.Clic("UpDown1_10", true);
    EXPECT_EQ(b.Texte("Text1_10"), "12");
    b.Tape("Text1_11", N(2.3));
    b.Clic("UpDown1_11", false);
    EXPECT_EQ(b.Texte("Text1_11"), N(2.2));
    // The record waits for "Valide".
    EXPECT_DOUBLE_EQ(b.e.P(3), 2);
    EXPECT_DOUBLE_EQ(b.e.P(11), 2.5);
    b.Valide();
    EXPECT_DOUBLE_EQ(b.e.P(3), 3);
    EXPECT_DOUBLE_EQ(b.e.P(4), 1);
    EXPECT_DOUBLE_EQ(b.e.P(12), 12);
    EXPECT_NEAR(b.e.P(11), 2.2, 1e-12);
}

TEST(Menu_FG, RelacheDuSpinInvalideEtBorneLeTableau) {
    Banc b;
    b.e.P(15) = 120;
    b.e.P(21) = 120;
    b.e.P(186) = 0;
    b.Ouvre();
    b.Clic("UpDown1_4", false); // greatest depth 119
    EXPECT_EQ(b.Texte("Text1_4"), "119");
    EXPECT_EQ(b.Texte("Text1_0"), "119");
    EXPECT_EQ(b.Texte("Text1_2"), "119");
    EXPECT_EQ(b.W<UpDown>("UpDown1_0")->value(), 119);
    for (int c : b.shell.voyants)
        EXPECT_EQ(c, COULEUR_ROUGE);
    EXPECT_DOUBLE_EQ(b.e.P(186), 1);
    EXPECT_DOUBLE_EQ(b.e.P(15), 120); // the record waits for "Valide"
    b.Valide();
    EXPECT_DOUBLE_EQ(b.e.P(15), 119);
    EXPECT_DOUBLE_EQ(b.e.P(6), 119);
}

TEST(Menu_FG, TapeeSuivieDUnClicPartDuNombreTape) {
    Banc b;
    b.Ouvre();
    b.Tape("Text1_6", "600");
    b.Clic("UpDown1_6", true);
    EXPECT_EQ(b.Texte("Text1_6"), "610");
}

TEST(Menu_FG, NumeroDeCouple) {
    Banc b;
    b.Ouvre();
    b.W<QTabWidget>("SSTab1")->setCurrentIndex(2);
    auto presse = [&](const QString &t) {
        b.W<QLineEdit>("Text2")->setText(t);
        QTest::mouseClick(b.W<QPushButton>("Command4"), Qt::LeftButton);
        return b.Texte("Text2");
    };
    EXPECT_EQ(presse(""), "0");
    EXPECT_EQ(b.e.X_Couple, 0);
    EXPECT_EQ(b.e.Cle_Vue, "X");
    EXPECT_EQ(b.shell.statuts[2], "X");
    EXPECT_EQ(presse("2500"), "1000");
    EXPECT_EQ(b.e.X_Couple, 1000);
    EXPECT_EQ(presse("-5"), "0");
    EXPECT_EQ(presse(N(123.7)), "123");
    EXPECT_EQ(b.e.X_Couple, 123);
    EXPECT_EQ(b.W<UpDown>("UpDown2")->value(), 123);
    EXPECT_TRUE(b.messages.empty());
    EXPECT_EQ(presse("abc"), "abc");
    EXPECT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.e.X_Couple, 123);
}

TEST(Menu_FG, SpinDeStation) {
    Banc b;
    b.Ouvre();
    b.e.P(29) = 15;
    b.W<QLabel>("Label6_0")->setText("12");
    b.Clic("UpDown2", true);
    EXPECT_EQ(b.Texte("Text2"), "10");
    EXPECT_EQ(b.e.X_Couple, 10);
    EXPECT_EQ(b.e.P(29), 0);
    EXPECT_EQ(b.e.Cle_Vue, "X");
    b.Clic("UpDown2", true);
    EXPECT_EQ(b.e.X_Couple, 20);
}

TEST(Menu_FG, CacheeNeLitNiNAfficheRien) {
    Banc b;
    Menu_FG &fg = b.Ouvre();
    b.Tape("Text1_4", "150");
    fg.Cache();
    b.e.X_Couple = 77;
    b.e.P(6) = 110;
    const auto avant = b.e.Tab_Param;
    EXPECT_TRUE(fg.Lit_Valeurs_FG());
    fg.Lit_Report_TBI();
    fg.Aff_Valeurs_FG();
    EXPECT_EQ(b.e.Tab_Param, avant);
    EXPECT_EQ(b.e.X_Couple, 77);
    EXPECT_EQ(b.Texte("Text1_4"), "150");
}

TEST(Menu_FG, PeintureRaccourcitLeTableauIncline) {
    Banc b;
    b.e.P(35) = 500; // beyond the widest station P(2) = 450
    // Showing the window changes nothing of the project; its box shows the record.
    b.Ouvre();
    EXPECT_DOUBLE_EQ(b.e.P(35), 500);
    // The reader bounds a typed length by P(2) itself.
    b.Tape("Text1_12", "445");
    b.Valide();
    EXPECT_DOUBLE_EQ(b.e.P(35), 445);
    b.Tape("Text1_12", "470");
    b.Valide();
    EXPECT_DOUBLE_EQ(b.e.P(35), 450);
    b.ctx.Fenetre<Menu_FG>().Form_Paint();
    EXPECT_DOUBLE_EQ(b.e.P(35), 450);
}

TEST(Menu_FG, FermetureEtEffacement) {
    Banc b;
    Menu_FG &fg = b.Ouvre();
    b.W<QCheckBox>("Check1")->setChecked(true);
    QTest::mouseClick(b.W<QRadioButton>("Option2_0"), Qt::LeftButton);
    QTest::mousePress(b.W<QRadioButton>("Option1_1"), Qt::LeftButton);
    QTest::mouseRelease(b.W<QRadioButton>("Option1_1"), Qt::LeftButton);
    EXPECT_TRUE(b.W<QRadioButton>("Option1_1")->isChecked());
    EXPECT_FALSE(b.W<QWidget>("Shape1")->isHidden());
    fg.Efface_Selection();
    EXPECT_FALSE(b.W<QRadioButton>("Option1_1")->isChecked());
    EXPECT_TRUE(b.W<QWidget>("Shape1")->isHidden());
    EXPECT_TRUE(b.Texte("Text2").isEmpty());
    EXPECT_EQ(b.Texte("Label6_3"), " - - -");
    fg.Cadre()->close();
    EXPECT_FALSE(fg.Visible());
    EXPECT_EQ(b.e.Cle_Vue, "TB_ET");
    EXPECT_EQ(b.shell.statuts[2], "TB_ET");
    EXPECT_TRUE(b.W<QRadioButton>("Option2_1")->isChecked());
    EXPECT_FALSE(b.W<QCheckBox>("Check1")->isChecked());
}

TEST(Menu_FG, OptionFormeOuvreLaVariation) {
    Banc b;
    b.Ouvre();
    b.W<QTabWidget>("SSTab1")->setCurrentIndex(1);
    QTest::mouseClick(b.W<QPushButton>("Command2"), Qt::LeftButton);
    auto *v = b.ctx.Existante<Menu_VariationForme>();
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(v->Visible());
    EXPECT_EQ(v->Gauche(), 0);
    EXPECT_EQ(v->Haut(), 0);
    EXPECT_EQ(v->Largeur_Externe(), Twips_En_Pixels(5865));
}

TEST(Menu_FG, TirantDEauAvecQuilleEtBulbe) {
    Banc b;
    b.e.X_Couple = 321;
    b.Ouvre();
    // At the keel station 500: depth 120, freeboard 40 + 10 x 500 / 1000 = 45, draft 75;
    // plus the keel span 300 and the bulb height 40.
    EXPECT_EQ(b.Texte("Label4_2"), "415 mm");
    EXPECT_EQ(b.e.X_Couple, 321);
}

TEST(Menu_FG, InfoDuCoupleChoisi) {
    Banc b;
    b.Ouvre();
    b.W<QTabWidget>("SSTab1")->setCurrentIndex(2);
    b.W<QLineEdit>("Text2")->setText("500");
    QTest::mouseClick(b.W<QPushButton>("Command4"), Qt::LeftButton);
    EXPECT_EQ(b.Texte("Label6_0"), "-45");
    EXPECT_EQ(b.Texte("Label6_1"), "75");
    EXPECT_EQ(b.Texte("Label6_3"), "120");
    // Half-breadth 100 - 100 x 50^2 / 550^2, rounded down to the hundredth, doubled.
    const double demi = 100 - 100 * std::pow(50.0, 2) / std::pow(550.0, 2);
    EXPECT_EQ(b.Texte("Label6_2"), N(2 * (std::floor(demi * 100) / 100)));
}

TEST(Menu_FG, InfoDuTableauInclineVuDeFace) {
    Banc b;
    b.e.P(35) = 100;
    b.Ouvre();
    b.W<QTabWidget>("SSTab1")->setCurrentIndex(2);
    b.W<QLineEdit>("Text2")->setText("0");
    QTest::mouseClick(b.W<QPushButton>("Command4"), Qt::LeftButton);
    // Top edge of the transom at P(35) = 100: freeboard 41, half-breadth of the sheer law.
    EXPECT_EQ(b.Texte("Label6_0"), "-41");
    const double demi = 100 - 40 * std::pow(350.0, 1.5) / std::pow(450.0, 1.5);
    EXPECT_EQ(b.Texte("Label6_2"), N(2 * (std::floor(demi * 100) / 100)));
    // Keel at the stern: depth 65 below a freeboard of 40.
    EXPECT_EQ(b.Texte("Label6_1"), "25");
    EXPECT_EQ(b.Texte("Label6_3"), "66");
    EXPECT_EQ(b.e.X_Couple, 0);
    // Another framing leaves the figures alone.
    b.e.Cle_Vue = "TB_ET";
    b.ctx.Fenetre<Menu_FG>().Aff_Valeurs_FG();
    EXPECT_EQ(b.Texte("Label6_3"), "66");
}

TEST(Menu_FG, ValideRecalculeEtRedessineLesVues) {
    Banc b;
    b.e.P(57) = 1000, b.e.P(32) = 500; // hull weight and its station
    b.e.P(170) = 1500;
    for (int n = 186; n <= 192; ++n)
        b.e.P(n) = 0;
    ACoup &coupe = b.ctx.Fenetre<ACoup>();
    coupe.Montre();
    coupe.Deplace(400, 0, 400, 300);
    AProfile &profil = b.ctx.Fenetre<AProfile>();
    profil.Montre();
    profil.Deplace(400, 300, 400, 300);
    b.Ouvre();
    // A first "Valide" settles the record in whole millimetres; a second changes nothing
    // and leaves the heel results current.
    b.Valide();
    for (int n = 186; n <= 192; ++n)
        b.e.P(n) = 0;
    b.Valide();
    for (int n = 187; n <= 192; ++n)
        EXPECT_DOUBLE_EQ(b.e.P(n), 0) << n;
    const int c0 = coupe.Picture1->Effacements(), p0 = profil.Picture1->Effacements();
    const double franc_bord = b.e.P(43);
    b.Tape("Text1_4", "125");
    b.Valide();
    EXPECT_TRUE(b.messages.empty());
    EXPECT_DOUBLE_EQ(b.e.P(6), 125);
    EXPECT_DOUBLE_EQ(b.e.P(42), 2500); // the weights summed again
    EXPECT_EQ(b.Texte("Label4_3"), N(2.5) + " Kgr");
    EXPECT_NE(b.e.P(43), franc_bord); // floated again
    EXPECT_GT(b.e.Tab_Carene(50, 100, 1), 0.f);
    EXPECT_GT(coupe.Picture1->Effacements(), c0);
    EXPECT_GT(profil.Picture1->Effacements(), p0);
    EXPECT_EQ(b.shell.historique_statut1.back(), "Pret");
    EXPECT_TRUE(b.shell.menus_actifs);
    // A new hull: every heel result out of date, its light red.
    for (int n = 187; n <= 192; ++n) {
        EXPECT_DOUBLE_EQ(b.e.P(n), 1) << n;
        EXPECT_EQ(b.shell.voyants[static_cast<std::size_t>(n - 186)], COULEUR_ROUGE) << n;
    }
}

TEST(Menu_FG, RefusApresLaTableSignaleUneFois) {
    Banc b;
    b.e.P(57) = 1000, b.e.P(32) = 500;
    b.e.P(165) = 1e308, b.e.P(162) = -1000; // a bulb place past any number
    b.Ouvre();
    const Etat_Projet avant = b.e;
    b.Tape("Text1_4", "125");
    b.Valide();
    ASSERT_EQ(b.shell.messages.size(), 1u);
    EXPECT_EQ(b.shell.messages[0].style, MB_EXCLAMATION);
    EXPECT_NE(b.shell.messages[0].texte.find("n° 165 = 1e+308"), std::string::npos);
    // Refused after the hull table: the hull, its table and its lights as they were.
    EXPECT_EQ(b.e.Tab_Param, avant.Tab_Param);
    EXPECT_EQ(b.e.Tab_Carene(50, 100, 1), avant.Tab_Carene(50, 100, 1));
    // No weight left: the weights step says so itself, and only once.
    b.e.P(165) = 200, b.e.P(162) = 50;
    b.e.P(57) = 0, b.e.P(170) = 0;
    b.Tape("Text1_4", "124");
    b.Valide();
    ASSERT_EQ(b.shell.messages.size(), 2u);
    EXPECT_EQ(b.shell.messages[1].texte, MESSAGE_POIDS_NUL);
    EXPECT_TRUE(b.messages.empty());
}

TEST(Menu_FG, PeintureRemetLaStationDuTableauEtLesValeursDuRecord) {
    Banc b;
    Menu_FG &fg = b.Ouvre();
    b.W<QTabWidget>("SSTab1")->setCurrentIndex(2);
    QTest::mousePress(b.W<QRadioButton>("Option1_0"), Qt::LeftButton);
    QTest::mouseRelease(b.W<QRadioButton>("Option1_0"), Qt::LeftButton);
    b.e.X_Couple = 300;
    b.Tape("Text1_4", "111"); // not validated: a repaint shows the record again
    fg.Deplace(0, 0, 300, 200);
    QApplication::processEvents();
    EXPECT_EQ(b.e.X_Couple, 0);
    EXPECT_EQ(b.Texte("Text1_4"), "120");
    EXPECT_EQ(fg.Largeur_Externe(), Twips_En_Pixels(5865));
}

TEST(Menu_FG, FormeIncalculableRefuseeSansRienChanger) {
    Banc b;
    b.Ouvre();
    Calcul_Tab(b.e);
    const auto avant = b.e.Tab_Param;
    const float case_table = b.e.Tab_Carene(50, 60, 1);
    b.Tape("Text1_9", "1e300"); // an exponent no power can take
    b.Valide();
    // The core puts the hull back and tells the user through the shell.
    EXPECT_TRUE(b.messages.empty());
    ASSERT_EQ(b.shell.messages.size(), 1u);
    EXPECT_EQ(b.shell.messages[0].style, MB_EXCLAMATION);
    EXPECT_EQ(b.e.Tab_Param, avant);
    EXPECT_EQ(b.e.Tab_Carene(50, 60, 1), case_table);
    EXPECT_EQ(b.Texte("Text1_9"), "1e300"); // left for the user to mend
}

TEST(Menu_FG, AutoRedessineAChaquePasSinonAuRelache) {
    Banc b;
    ACoup &coupe = b.ctx.Fenetre<ACoup>();
    coupe.Montre();
    coupe.Deplace(400, 0, 400, 300);
    b.Ouvre();
    b.W<QTabWidget>("SSTab1")->setCurrentIndex(2);
    UpDown *s = b.W<UpDown>("UpDown2");
    // Without "Auto": nothing on the step itself, one redraw when the button is released.
    int c0 = coupe.Picture1->Effacements();
    s->Monte();
    EXPECT_EQ(coupe.Picture1->Effacements(), c0);
    EXPECT_EQ(b.e.X_Couple, 10);
    emit s->MouseUp();
    QApplication::processEvents();
    EXPECT_GT(coupe.Picture1->Effacements(), c0);
    // With "Auto": every step redraws, the release does not.
    QTest::mouseClick(b.W<QCheckBox>("Check1"), Qt::LeftButton);
    c0 = coupe.Picture1->Effacements();
    s->Monte();
    EXPECT_GT(coupe.Picture1->Effacements(), c0);
    const int c1 = coupe.Picture1->Effacements();
    emit s->MouseUp();
    QApplication::processEvents();
    EXPECT_EQ(coupe.Picture1->Effacements(), c1);
    EXPECT_EQ(b.e.X_Couple, 20);
}

TEST(Menu_FG, ProjetMaitreValideSansChangement) {
    Banc b;
    b.e = Etat_Projet{};
    test::Prepare_Maitre(b.e, b.shell);
    ASSERT_TRUE(Calcul_Flottaison(b.e, b.shell));
    b.Ouvre();
    EXPECT_EQ(b.Texte("Text1_13"), N(Arrondi(b.e.L())));
    const double l = b.e.L(), p2 = b.e.P(2), p10 = b.e.P(10);
    b.Valide();
    EXPECT_TRUE(b.messages.empty());
    EXPECT_DOUBLE_EQ(b.e.L(), Arrondi(l));
    EXPECT_DOUBLE_EQ(b.e.P(2), Arrondi(p2));
    EXPECT_DOUBLE_EQ(b.e.P(10), Arrondi(p10));
    EXPECT_EQ(b.Texte("Label4_0"), N(b.e.L()) + " mm");
    EXPECT_EQ(b.Texte("Label4_3"), N(b.e.P(42) / 1000) + " Kgr");
}
