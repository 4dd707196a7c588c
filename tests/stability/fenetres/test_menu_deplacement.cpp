#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "interfaces/Shell_Enregistreur.h"
#include "platform/Nombres.h"
#include "platform/Twips.h"
#include "stability/Centrage.h"
#include "stability/fenetres/Menu_Deplacement.h"
#include "support/Banc_Fenetre.h"

using namespace gabarit;

namespace {
struct Banc : test::Banc_Fenetre {
    Banc() {
        e.P(1) = 530;
        e.P(2) = 470; // L = 1000
        e.P(110) = 500;
        e.P(113) = 250;
        e.P(162) = 50;
        e.P(165) = 220;
        // Every item at its own station with its own weight, so a swapped record moves the
        // centre of gravity.
        e.P(60) = 50, e.P(58) = 470;  // servo 1
        e.P(63) = 30, e.P(61) = 640;  // servo 2
        e.P(72) = 50, e.P(70) = 410;  // receiver
        e.P(66) = 350, e.P(64) = 440; // battery
        e.P(69) = 350, e.P(67) = 560; // winch
        e.P(57) = 500, e.P(32) = 500; // hull
        e.P(170) = 1000;              // bulb
        e.P(75) = 0, e.P(73) = 0;     // free weight
        e.P(42) = 2350;
        e.P(23) = 471.8;
        e.P(103) = 312.7;
        e.P(126) = 455.9;
    }
};

using test::Tape;

void Valide(Menu_Deplacement &w, int bouton = 0) {
    QTest::mouseClick(w.Command1(bouton), Qt::LeftButton);
}
} // namespace

TEST(Menu_Deplacement, AffichageALActivation) {
    Banc b;
    Menu_Deplacement &w = b.Ouvre<Menu_Deplacement>();
    EXPECT_EQ(w.windowTitle(), "Menu Deplacement");
    EXPECT_EQ(w.SSTab1()->tabText(0), "Poids");
    EXPECT_EQ(w.SSTab1()->tabText(1), "Position");
    EXPECT_EQ(w.SSTab1()->tabText(2), "Parametres");
    EXPECT_EQ(w.Label1(6)->text(), "Bulbe ");
    EXPECT_EQ(w.Label1(14)->text(), "Bulbe %");
    EXPECT_EQ(w.Command1(8)->text(), "C/Grav");
    EXPECT_EQ(w.Text1(2)->text(), "50");
    EXPECT_EQ(w.Text1(3)->text(), "350");
    EXPECT_EQ(w.Text1(13)->text(), "500");
    EXPECT_EQ(w.Text1(14)->text(), "50");
    for (int i = 8; i <= 15; ++i) {
        EXPECT_EQ(w.UpDown1(i)->maximum(), i == 14 ? 80 : 1000);
        EXPECT_EQ(w.UpDown1(i)->increment(), 10);
    }
    EXPECT_EQ(w.UpDown1(14)->minimum(), 20);
    EXPECT_EQ(w.UpDown1(3)->maximum(), 1000);
    EXPECT_EQ(w.UpDown1(6)->maximum(), 5000);
    EXPECT_EQ(w.UpDown1(7)->maximum(), 500);
    EXPECT_EQ(w.Text1(16)->text(), "2350");
    EXPECT_EQ(w.Label3(0)->text(), "471");
    EXPECT_EQ(w.Label3(1)->text(), "312");
    EXPECT_EQ(w.Label3(2)->text(), "455");
    EXPECT_EQ(w.Largeur_Externe(), Twips_En_Pixels(5865));
    EXPECT_EQ(w.Hauteur_Externe(), Twips_En_Pixels(3750));
}

TEST(Menu_Deplacement, FenetreCacheeLaisseSesControles) {
    Banc b;
    auto &w = b.ctx.Fenetre<Menu_Deplacement>();
    w.Affiche_Deplacement();
    EXPECT_EQ(w.Text1(0)->text(), "");
    EXPECT_EQ(w.Text1(16)->text(), "");
}

TEST(Menu_Deplacement, PressionSurUneFlecheInvalideLesCalculs) {
    Banc b;
    b.e.P(186) = 0;
    Menu_Deplacement &w = b.Ouvre<Menu_Deplacement>();
    QTest::mouseClick(w.UpDown1(0)->boutonHaut(), Qt::LeftButton);
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(b.e.P(186 + k), 1);
        EXPECT_EQ(b.shell.voyants[static_cast<std::size_t>(k)], COULEUR_ROUGE);
    }
    EXPECT_EQ(w.Text1(0)->text(), "60");
    // The record changes only with a button.
    EXPECT_EQ(b.e.P(60), 50);
}

TEST(Menu_Deplacement, ValideLitPuisCentre) {
    for (int bouton : {0, 2, 4, 8}) {
        Banc b;
        Menu_Deplacement &w = b.Ouvre<Menu_Deplacement>();
        QTest::mouseClick(w.UpDown1(0)->boutonHaut(), Qt::LeftButton); // servo 1: 60 g
        QTest::mouseClick(w.UpDown1(13)->boutonBas(), Qt::LeftButton); // hull at 490
        Tape(w.Text1(2), "120");                                       // receiver typed
        Valide(w, bouton);
        EXPECT_EQ(b.e.P(60), 60);
        EXPECT_EQ(b.e.P(32), 490);
        EXPECT_EQ(b.e.P(72), 120);
        EXPECT_EQ(b.e.P(42), 2410);
        EXPECT_EQ(b.e.P(180), 500); // bulb centred under the keel tip
        // (60 x 470 + 500 x 490 + 30 x 640 + 350 x 440 + 350 x 560 + 120 x 410 + 1000 x 500)
        // / 2410 = 1191600 / 2410 = 494.4
        EXPECT_EQ(b.e.P(23), 494) << bouton;
        // The open weights window shows the new total and centre.
        EXPECT_EQ(w.Text1(16)->text(), "2410");
        EXPECT_EQ(w.Label3(0)->text(), "494");
        EXPECT_TRUE(b.messages.empty());
    }
}

TEST(Menu_Deplacement, ValeurHorsBornesGardeeTelleQuelle) {
    Banc b;
    b.e.P(57) = 6000;    // heavier than the spinner goes
    b.e.P(170) = 1388.6; // in range: stored rounded, as the spinner holds it
    Menu_Deplacement &w = b.Ouvre<Menu_Deplacement>();
    EXPECT_EQ(w.Text1(5)->text(), "6000");
    EXPECT_EQ(w.UpDown1(5)->value(), 5000);
    // The box shows the whole grams that "Valide" will store, not the record's fraction.
    EXPECT_EQ(w.Text1(6)->text(), "1389");
    Valide(w);
    EXPECT_EQ(b.e.P(57), 6000);
    EXPECT_EQ(b.e.P(170), 1389);
    EXPECT_TRUE(b.messages.empty());
}

TEST(Menu_Deplacement, LongTotalMontreSesPremiersChiffres) {
    Banc b;
    b.e.P(170) = 2000 / 0.72; // the assistant's bulb of a 2-metre hull, not rounded
    b.e.P(42) = 3220 + 2000 / 0.72;
    Menu_Deplacement &w = b.Ouvre<Menu_Deplacement>();
    EXPECT_EQ(w.Text1(6)->text(), "2778");
    // The narrow box shows the thousands, not the tail of the decimals.
    EXPECT_EQ(w.Text1(16)->text(), Texte_Nombre(3220 + 2000 / 0.72));
    EXPECT_EQ(w.Text1(16)->cursorPosition(), 0);
}

TEST(Menu_Deplacement, SaisieIncorrecteRienNEstStocke) {
    for (const char *texte : {"abc", "", "600", "-10"}) {
        Banc b;
        Menu_Deplacement &w = b.Ouvre<Menu_Deplacement>();
        QTest::mouseClick(w.UpDown1(3)->boutonHaut(), Qt::LeftButton); // battery 360
        Tape(w.Text1(1), QString::fromLatin1(texte));                  // servo 2, 0 to 500
        Valide(w);
        ASSERT_EQ(b.messages.size(), 1u) << texte;
        EXPECT_TRUE(b.messages[0].texte.contains("Servo 2"));
        if (QString::fromLatin1(texte) == "600")
            EXPECT_TRUE(b.messages[0].texte.contains(
                QString::fromUtf8("doit être comprise entre 0 et 500")));
        EXPECT_EQ(b.e.P(66), 350);
        EXPECT_EQ(b.e.P(63), 30);
        EXPECT_EQ(b.e.P(42), 2350);
    }
}

TEST(Menu_Deplacement, PoidsNulsRefusesAvantDEtreStockes) {
    // Typed to zero, every one: refused before anything is stored, under the busy guard.
    Banc b;
    Menu_Deplacement &w = b.Ouvre<Menu_Deplacement>();
    bool occupe = false;
    Remplace_Boite_Message([&](const QString &t, int style, const QString &titre) {
        occupe = b.ctx.Occupe();
        b.messages.push_back({t, style, titre});
        return REPONSE_OK;
    });
    for (int i = 0; i < 8; ++i)
        Tape(w.Text1(i), "0");
    Valide(w, 4);
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.messages[0].texte, QString::fromUtf8(MESSAGE_POIDS_NUL));
    EXPECT_EQ(b.messages[0].titre, "Attention");
    EXPECT_TRUE(occupe);
    EXPECT_EQ(b.e.P(60), 50);
    EXPECT_EQ(b.e.P(57), 500);
    EXPECT_EQ(b.e.P(170), 1000);
    EXPECT_EQ(b.e.P(42), 2350);
    EXPECT_EQ(b.e.P(23), 471.8);
    EXPECT_EQ(w.focusWidget(), w.Text1(0));
}

TEST(Menu_Deplacement, BoutonsAttendentLaFinDUnCalcul) {
    Banc b;
    Menu_Deplacement &w = b.Ouvre<Menu_Deplacement>();
    Tape(w.Text1(2), "120");
    {
        Contexte::Garde_Occupe calcul(b.ctx);
        Valide(w, 0);
        Valide(w, 8);
    }
    EXPECT_EQ(b.e.P(72), 50);
    EXPECT_EQ(b.e.P(42), 2350);
}

TEST(Menu_Deplacement, RemontreeRelitLeRecord) {
    // Typing never validated is dropped when the window is shown again, by whatever path.
    Banc b;
    Menu_Deplacement &w = b.Ouvre<Menu_Deplacement>();
    Tape(w.Text1(2), "120");
    w.Cache(); // the toolbar key hides every window first
    w.Montre();
    EXPECT_EQ(w.Text1(2)->text(), "50");
    Tape(w.Text1(3), "400");
    w.Montre(); // the menu item, the window still shown
    EXPECT_EQ(w.Text1(3)->text(), "350");
    Valide(w);
    EXPECT_EQ(b.e.P(72), 50);
    EXPECT_EQ(b.e.P(66), 350);
}

TEST(Menu_Deplacement, ClicSurLesEtiquettesMarqueUnePosition) {
    Banc b;
    Menu_Deplacement &w = b.Ouvre<Menu_Deplacement>();
    EXPECT_EQ(b.e.X_Item_Choisi, 0);
    w.SSTab1()->setCurrentIndex(1);
    QTest::mouseClick(w.Label1(13), Qt::LeftButton); // "Carene" of "Position"
    EXPECT_EQ(b.e.X_Item_Choisi, 500);
    QTest::mouseClick(w.Label1(14), Qt::LeftButton); // "Bulbe %": the percentage
    EXPECT_EQ(b.e.X_Item_Choisi, 50);
    w.SSTab1()->setCurrentIndex(0);
    QTest::mouseClick(w.Label1(5), Qt::LeftButton); // "Carene" of "Poids"
    EXPECT_EQ(b.e.X_Item_Choisi, -1);
    // A position that is not a number changes nothing.
    w.SSTab1()->setCurrentIndex(1);
    Tape(w.Text1(8), "x");
    QTest::mouseClick(w.Label1(8), Qt::LeftButton);
    EXPECT_EQ(b.e.X_Item_Choisi, -1);
    Tape(w.Text1(8), Texte_Nombre(123.25));
    QTest::mouseClick(w.Label1(8), Qt::LeftButton);
    EXPECT_FLOAT_EQ(b.e.X_Item_Choisi, 123.25f);
}
