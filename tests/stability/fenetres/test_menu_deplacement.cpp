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
#include "support/Coques_Essai.h"
#include "support/Poids_Essai.h"

using namespace gabarit;

namespace {
// The weights fixture on a hull of L = 1000, with the figures a record holds: a centre of
// gravity of 471.8 (shown cut to 471), a centre of effort of 312.7, a lateral resistance of
// 455.9.
struct Banc : test::Banc_Fenetre {
    Banc() {
        e.P(1) = 530;
        e.P(2) = 470;
        test::Greement_Simple(e, 1000);
        test::Poids_Distincts(e);
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
    EXPECT_EQ(w.Text1(2)->text(), "15");  // receiver
    EXPECT_EQ(w.Text1(3)->text(), "100"); // battery
    EXPECT_EQ(w.Text1(13)->text(), "470");
    EXPECT_EQ(w.Text1(14)->text(), "50");
    for (int i = 8; i <= 15; ++i) {
        EXPECT_EQ(w.UpDown1(i)->maximum(), i == 14 ? 80 : 1000);
        EXPECT_EQ(w.UpDown1(i)->increment(), 10);
    }
    EXPECT_EQ(w.UpDown1(14)->minimum(), 20);
    EXPECT_EQ(w.UpDown1(3)->maximum(), 1000);
    EXPECT_EQ(w.UpDown1(6)->maximum(), 5000);
    EXPECT_EQ(w.UpDown1(7)->maximum(), 500);
    EXPECT_EQ(w.Text1(16)->text(), "3482");
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
    EXPECT_EQ(w.Text1(0)->text(), "55");
    // The record changes only with a button.
    EXPECT_EQ(b.e.P(60), 45);
}

TEST(Menu_Deplacement, ValideLitPuisCentre) {
    for (int bouton : {0, 2, 4, 8}) {
        Banc b;
        Menu_Deplacement &w = b.Ouvre<Menu_Deplacement>();
        QTest::mouseClick(w.UpDown1(0)->boutonHaut(), Qt::LeftButton); // servo 1: 55 g
        QTest::mouseClick(w.UpDown1(13)->boutonBas(), Qt::LeftButton); // hull at 460
        Tape(w.Text1(2), "120");                                       // receiver typed
        Valide(w, bouton);
        EXPECT_EQ(b.e.P(60), 55);
        EXPECT_EQ(b.e.P(32), 460);
        EXPECT_EQ(b.e.P(72), 120);
        EXPECT_EQ(b.e.P(42), 3597); // 3482 + 10 + 105
        EXPECT_EQ(b.e.P(180), 500); // bulb centred under the keel tip
        // The fixture's 1700450 + 170 x 10 - 470 x 1100 + 460 x 1100 + 360 x 105 = 1728950,
        // / 3597 = 480.7
        EXPECT_EQ(b.e.P(23), 480) << bouton;
        // The open weights window shows the new total and centre.
        EXPECT_EQ(w.Text1(16)->text(), "3597");
        EXPECT_EQ(w.Label3(0)->text(), "480");
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
        QTest::mouseClick(w.UpDown1(3)->boutonHaut(), Qt::LeftButton); // battery 110
        Tape(w.Text1(1), QString::fromLatin1(texte));                  // servo 2, 0 to 500
        Valide(w);
        ASSERT_EQ(b.messages.size(), 1u) << texte;
        EXPECT_TRUE(b.messages[0].texte.contains("Servo 2"));
        if (QString::fromLatin1(texte) == "600")
            EXPECT_TRUE(b.messages[0].texte.contains(
                QString::fromUtf8("doit être comprise entre 0 et 500")));
        EXPECT_EQ(b.e.P(66), 100);
        EXPECT_EQ(b.e.P(63), 30);
        EXPECT_EQ(b.e.P(42), 3482);
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
    EXPECT_EQ(b.e.P(60), 45);
    EXPECT_EQ(b.e.P(57), 1100);
    EXPECT_EQ(b.e.P(170), 2000);
    EXPECT_EQ(b.e.P(42), 3482);
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
    EXPECT_EQ(b.e.P(72), 15);
    EXPECT_EQ(b.e.P(42), 3482);
}

TEST(Menu_Deplacement, RemontreeRelitLeRecord) {
    // Typing never validated is dropped when the window is shown again, by whatever path.
    Banc b;
    Menu_Deplacement &w = b.Ouvre<Menu_Deplacement>();
    Tape(w.Text1(2), "120");
    w.Cache(); // the toolbar key hides every window first
    w.Montre();
    EXPECT_EQ(w.Text1(2)->text(), "15");
    Tape(w.Text1(3), "400");
    w.Montre(); // the menu item, the window still shown
    EXPECT_EQ(w.Text1(3)->text(), "100");
    Valide(w);
    EXPECT_EQ(b.e.P(72), 15);
    EXPECT_EQ(b.e.P(66), 100);
}

TEST(Menu_Deplacement, ClicSurLesEtiquettesMarqueUnePosition) {
    Banc b;
    Menu_Deplacement &w = b.Ouvre<Menu_Deplacement>();
    EXPECT_EQ(b.e.X_Item_Choisi, 0);
    w.SSTab1()->setCurrentIndex(1);
    QTest::mouseClick(w.Label1(13), Qt::LeftButton); // "Carene" of "Position"
    EXPECT_EQ(b.e.X_Item_Choisi, 470);
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

TEST(Menu_Deplacement, ValideInvalideLesCalculsSeulementSiUnChiffreChange) {
    Banc b;
    Menu_Deplacement &w = b.Ouvre<Menu_Deplacement>();
    Valide(w); // the bench's centre of gravity, worked out from its weights
    for (int k = 0; k < 7; ++k)
        b.e.P(186 + k) = 0;
    // Nothing changed: the heel results stay current (the upright flotation may only
    // repaint the 0 degree light).
    Valide(w);
    for (int k = 1; k < 7; ++k)
        EXPECT_EQ(b.e.P(186 + k), 0) << k;
    // A receiver typed heavier: a new centre of gravity, every heel out of date.
    Tape(w.Text1(2), "120");
    Valide(w);
    EXPECT_EQ(b.e.P(72), 120);
    for (int k = 1; k < 7; ++k) {
        EXPECT_EQ(b.e.P(186 + k), 1) << k;
        EXPECT_EQ(b.shell.voyants[static_cast<std::size_t>(k)], COULEUR_ROUGE) << k;
    }
}
