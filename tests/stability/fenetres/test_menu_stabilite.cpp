// The stability window driven as a user would, on the master project afloat.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "fenetres/Contexte.h"
#include "model/Flottaison.h"
#include "platform/Image_Vue.h"
#include "platform/Nombres.h"
#include "platform/UpDown.h"
#include "stability/Redressement.h"
#include "stability/fenetres/Menu_Stabilite.h"
#include "support/Affichage_Essai.h"
#include "support/Banc_Fenetre.h"
#include "support/Maitre.h"

using namespace gabarit;
using test::Clique_Fleche;

namespace {
struct Banc : test::Banc_Maitre {
    Banc() { Calcul_Flottaison(e, shell); }
    // The moment the core gives for heel g on a copy of the state.
    double Moment(double g) {
        Etat_Projet copie = e;
        copie.P(26) = g;
        test::Affichage_Essai a;
        return *Calcul_Redressement(copie, a);
    }
};
QPushButton *Bouton(Menu_Stabilite &w, const char *nom) {
    return w.findChild<QPushButton *>(QString::fromLatin1(nom));
}
} // namespace

TEST(Menu_Stabilite, ActivationChoisitLItemDuProjet) {
    Banc b;
    b.e.P(171) = 70; // "Recepteur": third option, the receiver's records
    b.e.P(172) = 80;
    b.e.P(80) = 30;
    b.e.P(228) = 15;
    Menu_Stabilite &w = b.Ouvre<Menu_Stabilite>();
    EXPECT_EQ(w.windowTitle(), "Menu Stabilite");
    EXPECT_EQ(w.SSTab1()->tabText(1), "Balaste");
    EXPECT_TRUE(w.Option1(2)->isChecked());
    EXPECT_EQ(w.Text1(0)->text(), "30");
    EXPECT_EQ(w.Text1(1)->text(), Texte_Nombre(b.e.P(71)));
    EXPECT_EQ(b.shell.statuts[2], "X");
    EXPECT_EQ(w.Label2(1)->text(), "15");
    EXPECT_EQ(w.Label2(2)->text(), Texte_Nombre(b.Moment(0)));

    // Its arrows edit the receiver's height and lateral place.
    const double z = b.e.P(71), z_winch = b.e.P(68);
    Clique_Fleche(w.UpDown1(1), true);
    EXPECT_EQ(b.e.P(71), std::nearbyint(z) + 10);
    EXPECT_EQ(b.e.P(68), z_winch);
    Clique_Fleche(w.UpDown1(0), true);
    EXPECT_EQ(b.e.P(80), 40);

    // A pair naming no item opens on "Servo 1", the record as it was: showing a window stores
    // nothing.
    w.Cache();
    b.e.P(171) = 0;
    w.Montre();
    QApplication::processEvents();
    EXPECT_TRUE(w.Option1(0)->isChecked());
    EXPECT_EQ(b.e.P(171), 0);
    EXPECT_EQ(b.e.P(172), 80); // the receiver's, chosen above
}

TEST(Menu_Stabilite, SpinnersGiteEtBascule) {
    Banc b;
    Menu_Stabilite &w = b.Ouvre<Menu_Stabilite>();
    b.e.P(216) = -1;
    // The heel spinner computes one heel.
    Clique_Fleche(w.findChild<UpDown *>("UpDown2"), true);
    EXPECT_EQ(b.e.P(26), 5);
    EXPECT_EQ(b.e.P(215), b.Moment(5));
    EXPECT_EQ(w.Label2(2)->text(), Texte_Nombre(b.e.P(215)));
    EXPECT_EQ(b.e.P(216), -1);
    // The cant spinner runs the whole series and leaves the heel upright.
    const int evenements = b.shell.evenements;
    Clique_Fleche(w.findChild<UpDown *>("UpDown3"), true);
    EXPECT_EQ(b.e.P(228), 5);
    EXPECT_EQ(b.e.P(26), 0);
    EXPECT_EQ(b.e.P(216), b.Moment(10));
    EXPECT_EQ(b.e.P(214), b.Moment(0));
    EXPECT_EQ(b.shell.evenements - evenements, 7);
    EXPECT_EQ(w.Label2(1)->text(), "5");
    EXPECT_EQ(w.Label2(0)->text(), Texte_Nombre(b.e.P(229)));
    EXPECT_EQ(b.e.P(229), Surface_Theorique(b.e.P(220)));
}

TEST(Menu_Stabilite, OngletCoefUneFoisEtVariationGite) {
    Banc b;
    Menu_Stabilite &w = b.Ouvre<Menu_Stabilite>();
    auto *p3 = w.findChild<Image_Vue *>("Picture3");
    const int effacements = p3->Effacements();
    w.SSTab1()->setCurrentIndex(2);
    EXPECT_EQ(p3->Effacements(), effacements + 1);
    EXPECT_EQ(w.findChild<QLabel *>("Label1_6")->text(), Texte_Nombre(b.e.P(193)));
    w.SSTab1()->setCurrentIndex(0);
    w.SSTab1()->setCurrentIndex(2);
    EXPECT_EQ(p3->Effacements(), effacements + 1);

    // Out of date here or in the compared project: refused.
    b.e.P(190) = 1;
    QTest::mouseClick(Bouton(w, "Command2"), Qt::LeftButton);
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.messages[0].texte,
              "AFFICHAGE IMPOSSIBLE\nLes calculs de gite ne sont pas effectués\n");
    EXPECT_EQ(b.messages[0].titre, "ATTENTION");
    EXPECT_EQ(b.messages[0].style, MB_EXCLAMATION);
    EXPECT_FALSE(w.Picture4()->isVisible());
    for (int k = 0; k < 7; ++k)
        b.e.P(186 + k) = 0;
    b.e.P(193) = 4;    // 0 degrees: a full upper bar
    b.e.P(199) = 6.25; // 30 degrees: half a lower bar
    QTest::mouseClick(Bouton(w, "Command2"), Qt::LeftButton);
    EXPECT_TRUE(w.Picture4()->isVisible());
    // Every caption of the chart is whole inside it.
    for (QLabel *l : w.Picture4()->findChildren<QLabel *>()) {
        EXPECT_TRUE(w.Picture4()->rect().contains(l->geometry())) << l->objectName().toStdString();
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width())
            << l->objectName().toStdString();
    }
    EXPECT_EQ(w.Shape1(0)->property("Height").toDouble(), 735);
    EXPECT_EQ(w.Shape1(0)->property("Top").toDouble(), 105);
    EXPECT_EQ(w.Shape2(0)->property("Height").toDouble(), 0);
    EXPECT_EQ(w.Shape2(6)->property("Height").toDouble(), 367.5);
    // "Calcul" hides the chart and computes at the heel in the record.
    QTest::mouseClick(Bouton(w, "Command1_4"), Qt::LeftButton);
    EXPECT_FALSE(w.Picture4()->isVisible());
    EXPECT_EQ(p3->Effacements(), effacements + 2);
}

TEST(Menu_Stabilite, DeriveDansLeTableauSignalee) {
    Banc b;
    Menu_Stabilite &w = b.Ouvre<Menu_Stabilite>();
    b.e.P(110) = 10; // inside the master's 25 mm transom cut
    b.e.P(215) = 3;
    Clique_Fleche(w.findChild<UpDown *>("UpDown2"), true);
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.messages[0].texte, QString::fromUtf8(MESSAGE_DERIVE_HORS_COQUE));
    EXPECT_EQ(w.Label2(2)->text(), " - - -");
    EXPECT_EQ(b.e.P(215), 3);
}

TEST(Menu_Stabilite, ItemDeplaceInvalideLesCalculs) {
    Banc b;
    b.e.P(171) = 64; // "Batterie": records 64, 65, 78
    b.e.P(172) = 78;
    b.e.P(78) = 200;
    b.e.P(65) = 40;
    Menu_Stabilite &w = b.Ouvre<Menu_Stabilite>();
    for (int k = 0; k < 7; ++k)
        b.e.P(186 + k) = 0;
    // Already at the spinner's end: nothing moves, the results stay current.
    Clique_Fleche(w.UpDown1(0), true);
    EXPECT_EQ(b.e.P(78), 200);
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(b.e.P(186 + k), 0) << k;
    // The battery raised: every heel result out of date, every light red.
    Clique_Fleche(w.UpDown1(1), true);
    EXPECT_EQ(b.e.P(65), 50);
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(b.e.P(186 + k), 1) << k;
        EXPECT_EQ(b.shell.voyants[static_cast<std::size_t>(k)], COULEUR_ROUGE) << k;
    }
}

TEST(Menu_Stabilite, FlechesPendantUnCalculMontrentCeQuiEst) {
    Banc b;
    b.e.P(171) = 61; // "Servo 2": records 61, 62, 77
    b.e.P(172) = 77;
    b.e.P(77) = 40;
    b.e.P(62) = 70;
    Menu_Stabilite &w = b.Ouvre<Menu_Stabilite>();
    auto *angle = w.findChild<QLineEdit *>("Text2");
    {
        // Neither the item nor the heel can move under a running computation: the boxes go
        // back to what the record holds instead of showing a step that was never applied.
        Contexte::Garde_Occupe occupe(b.ctx);
        Clique_Fleche(w.UpDown1(0), true);
        Clique_Fleche(w.UpDown1(1), false);
        Clique_Fleche(w.findChild<UpDown *>("UpDown2"), true);
    }
    EXPECT_EQ(b.e.P(77), 40);
    EXPECT_EQ(b.e.P(62), 70);
    EXPECT_EQ(b.e.P(26), 0);
    EXPECT_EQ(w.Text1(0)->text(), "40");
    EXPECT_EQ(w.Text1(1)->text(), "70");
    EXPECT_EQ(angle->text(), "0");
    // Once it is over, the next arrow steps from there.
    Clique_Fleche(w.UpDown1(0), true);
    EXPECT_EQ(b.e.P(77), 50);
}

TEST(Menu_Stabilite, ValeursTapeesLuesOuRefusees) {
    Banc b;
    b.e.P(171) = 58; // "Servo 1": records 58, 59, 76
    b.e.P(172) = 76;
    b.e.P(76) = 20;
    b.e.P(59) = 30;
    Menu_Stabilite &w = b.Ouvre<Menu_Stabilite>();
    auto *angle = w.findChild<QLineEdit *>("Text2");
    ASSERT_EQ(angle->text(), "0");
    const double m0 = b.e.P(214);

    // Not a number, then out of 0-30: refused, the box back at the heel shown.
    test::Tape(angle, "abc");
    QTest::keyClick(angle, Qt::Key_Return);
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.messages[0].texte, "La valeur de \"Angle\" n'est pas un nombre.");
    EXPECT_EQ(b.messages[0].style, MB_EXCLAMATION);
    EXPECT_EQ(angle->text(), "0");
    test::Tape(angle, "99999");
    QTest::keyClick(angle, Qt::Key_Return);
    ASSERT_EQ(b.messages.size(), 2u);
    EXPECT_EQ(b.messages[1].texte, QString::fromUtf8("La valeur de \"Angle\" doit être comprise "
                                                     "entre 0 et 30."));
    EXPECT_EQ(angle->text(), "0");
    EXPECT_EQ(b.e.P(26), 0);
    EXPECT_EQ(b.e.P(214), m0);
    // A heel in range is taken, as the arrows would give it.
    test::Tape(angle, "15");
    QTest::keyClick(angle, Qt::Key_Return);
    EXPECT_EQ(b.messages.size(), 2u);
    EXPECT_EQ(b.e.P(26), 15);
    EXPECT_EQ(b.e.P(217), b.Moment(15));
    EXPECT_EQ(w.Label2(2)->text(), Texte_Nombre(b.e.P(217)));

    // "Balaste": 5000 across is refused on leaving the box, and the next arrow starts from
    // the place the item has.
    w.SSTab1()->setCurrentIndex(1);
    QApplication::setActiveWindow(&w);
    w.Text1(0)->setFocus();
    test::Tape(w.Text1(0), "5000");
    QTest::mouseClick(Bouton(w, "Command1_2"), Qt::LeftButton);
    ASSERT_EQ(b.messages.size(), 3u);
    EXPECT_EQ(b.messages[2].texte, QString::fromUtf8("La valeur de \"Laterale\" doit être "
                                                     "comprise entre 0 et 200."));
    EXPECT_EQ(w.Text1(0)->text(), "20");
    EXPECT_EQ(b.e.P(76), 20);
    Clique_Fleche(w.UpDown1(0), true);
    EXPECT_EQ(b.e.P(76), 30);
    // A height in range is taken on Enter and puts the results out of date.
    for (int k = 0; k < 7; ++k)
        b.e.P(186 + k) = 0;
    test::Tape(w.Text1(1), "45");
    QTest::keyClick(w.Text1(1), Qt::Key_Return);
    EXPECT_EQ(b.messages.size(), 3u);
    EXPECT_EQ(b.e.P(59), 45);
    EXPECT_EQ(b.e.P(76), 30);
    EXPECT_EQ(b.e.P(190), 1);
    // "Valide" takes a number still being typed.
    test::Tape(w.Text1(1), "60");
    Bouton(w, "Command1_2")->click();
    EXPECT_EQ(b.e.P(59), 60);
    EXPECT_EQ(b.messages.size(), 3u);
}

TEST(Menu_Stabilite, BasculeRelacheePendantUnCalculAppliqueeEnsuite) {
    Banc b;
    Menu_Stabilite &w = b.Ouvre<Menu_Stabilite>();
    auto *bascule = w.findChild<UpDown *>("UpDown3");
    const int evenements = b.shell.evenements;
    {
        Contexte::Garde_Occupe occupe(b.ctx);
        Clique_Fleche(bascule, true);
        EXPECT_EQ(w.Label2(1)->text(), "5");
        EXPECT_EQ(b.e.P(228), 0);
    }
    // Once the computation is over the cant the label shows is applied, with its series.
    EXPECT_TRUE(QTest::qWaitFor([&] { return b.e.P(228) == 5; }));
    EXPECT_EQ(b.shell.evenements - evenements, 7);
    EXPECT_EQ(b.e.P(216), b.Moment(10));
    EXPECT_EQ(w.Label2(1)->text(), "5");
}

TEST(Menu_Stabilite, OngletCoefPasseParLeBoutonEtCacheLesBarres) {
    Banc b;
    Menu_Stabilite &w = b.Ouvre<Menu_Stabilite>();
    const double pas = b.e.P(37);
    b.e.P(37) = 0; // no vertical step: the coefficient is refused, and said so
    w.SSTab1()->setCurrentIndex(2);
    EXPECT_EQ(b.shell.messages.size(), 1u);
    EXPECT_EQ(w.findChild<QLabel *>("Label1_6")->text(), "");
    b.e.P(37) = pas;
    for (int k = 0; k < 7; ++k)
        b.e.P(186 + k) = 0;
    QTest::mouseClick(Bouton(w, "Command2"), Qt::LeftButton);
    ASSERT_FALSE(w.Picture4()->isHidden());
    w.SSTab1()->setCurrentIndex(0);
    w.SSTab1()->setCurrentIndex(2);
    // The coefficient is computed again, and the chart no longer hides its curve.
    EXPECT_EQ(w.findChild<QLabel *>("Label1_6")->text(), Texte_Nombre(b.e.P(193)));
    EXPECT_TRUE(w.Picture4()->isHidden());
    EXPECT_EQ(b.shell.messages.size(), 1u);
}

TEST(Menu_Stabilite, SectionHorsMesureNonDessineeEtDite) {
    Banc b;
    b.e.P(171) = 58; // "Servo 1", aft where the stern's shape law applies
    b.e.P(172) = 76;
    // A sign slip: towards the keel the aft sections open out to 2640 mm on a picture of
    // 45 mm whose width holds the hull's greatest beam.
    b.e.P(108) = -5.18;
    Menu_Stabilite &w = b.Ouvre<Menu_Stabilite>();
    EXPECT_TRUE(b.messages.empty()); // the activation draws it quietly
    w.SSTab1()->setCurrentIndex(1);
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_TRUE(b.messages[0].texte.startsWith(
        QStringLiteral("La section au couple %1 ne peut pas être dessinée").arg(b.e.P(58))))
        << b.messages[0].texte.toStdString();
    EXPECT_EQ(b.messages[0].style, MB_EXCLAMATION);
}

TEST(Menu_Stabilite, MomentsSansAucuneFlottaisonDitQuoiLancer) {
    // Every light red: no heel has a waterline of this hull to take. The key and the cant
    // released each give one box saying what to run, and store nothing.
    Banc b;
    Menu_Stabilite &w = b.Ouvre<Menu_Stabilite>();
    for (int k = 0; k < 7; ++k) {
        b.e.P(Etat_Gite(k)) = 1;
        b.e.P(Moment_Redressement(k)) = 100 + k;
    }
    b.e.P(229) = 7.7;
    b.messages.clear();
    b.shell.messages.clear();
    test::Clique(Bouton(w, "Command1_0"));
    // The window's own boxes and the runner's, together: one.
    EXPECT_TRUE(b.messages.empty());
    ASSERT_EQ(b.shell.messages.size(), 1u);
    EXPECT_EQ(b.shell.messages[0].texte,
              "Aucune position de flottaison n'est calculée (voyants rouges) : les moments ne "
              "peuvent pas être enregistrés. Lancer d'abord le calcul « Calcul Gîte 0-30° » de "
              "la barre d'outils.");
    EXPECT_EQ(b.shell.messages[0].style, MB_EXCLAMATION);
    Clique_Fleche(w.findChild<UpDown *>("UpDown3"), true);
    EXPECT_TRUE(b.messages.empty());
    ASSERT_EQ(b.shell.messages.size(), 2u);
    EXPECT_EQ(b.shell.messages[1].texte, b.shell.messages[0].texte);
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(b.e.P(Moment_Redressement(k)), 100 + k) << k;
        EXPECT_EQ(b.e.P(Etat_Gite(k)), 1) << k;
    }
    EXPECT_EQ(b.e.P(229), 7.7);

    // One heel afloat is enough to run: its moment is stored, the others stay as they were.
    b.e.P(Etat_Gite(3)) = 0;
    b.shell.messages.clear();
    test::Clique(Bouton(w, "Command1_0"));
    EXPECT_TRUE(b.messages.empty());
    EXPECT_TRUE(b.shell.messages.empty());
    EXPECT_EQ(b.e.P(Moment_Redressement(3)), b.Moment(15));
    EXPECT_EQ(b.e.P(Moment_Redressement(2)), 102);
    EXPECT_EQ(b.e.P(229), 7.7);
}
