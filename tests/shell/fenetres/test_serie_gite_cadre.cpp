// The heel series, the stability key and the sections toolbar from the main frame, on the
// real master project.
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolBar>

#include "model/Initialisation.h"
#include "platform/Nombres.h"
#include "shell/fenetres/AEnCours.h"
#include "stability/fenetres/Menu_Stabilite.h"
#include "support/Cadre_Test.h"
#include "support/Maitre.h"
#include "views/fenetres/ACoup.h"
#include "views/fenetres/M_AngRot.h"

using namespace gabarit;
using namespace gabarit::test;

namespace {

class Serie_Cadre : public Cadre_Test {
protected:
    void SetUp() override {
        Cadre_Test::SetUp();
        Fichiers_Reels({"tov0.mas", "tov.ini", "nacaa.ini"});
        e.P(305) = 1;
        cadre->MDIForm1_MDIForm_Load();
        Cache_Tout();
        messages.clear();
    }
    // The user closed the program while the computation let events run: the stop needs no box
    // of its own; the one box asks whether to quit without saving, answered Oui.
    void Ferme_Sans_Enregistrer() {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].texte,
                  QString::fromUtf8("Un calcul est en cours : le projet ne peut pas être "
                                    "enregistré maintenant.\nQuitter sans enregistrer ?"));
        EXPECT_EQ(messages[0].style, MB_OUI_NON);
    }
    void Cache_Tout() {
        for (Fenetre_Fille *w : ctx().Fenetres())
            w->Cache();
    }
    void Clique_Coupe(ACoup &c, const char *cle) {
        QWidget *b = c.Toolbar1()->widgetForAction(
            c.Toolbar1()->findChild<QAction *>(QString::fromLatin1(cle)));
        ASSERT_NE(b, nullptr) << cle;
        QTest::mouseClick(b, Qt::LeftButton);
    }
};

TEST_F(Serie_Cadre, ToucheCalculGiteToutVertAuRepos) {
    // The master opens with every heel result computed.
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(Couleur_Voyant(k), COULEUR_VERTE) << k;
    e.P(26) = 20;
    for (int k = 1; k < 7; ++k)
        e.P(200 + k) = -1;
    cadre->show();
    Clique_Touche("Calcul_Gite");
    // The master file holds what the series computes.
    Etat_Projet stocke;
    Lit_Maitre(stocke);
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(e.P(186 + k), 0) << k;
        EXPECT_EQ(Couleur_Voyant(k), COULEUR_VERTE) << k;
        EXPECT_EQ(e.P(200 + k), stocke.P(200 + k)) << k;
        EXPECT_EQ(e.P(193 + k), stocke.P(193 + k)) << k;
    }
    EXPECT_EQ(e.P(26), 0);
    EXPECT_EQ(Panneau(1), "Pret");
    EXPECT_EQ(Panneau(2), "");
    EXPECT_EQ(Panneau(3), "Gite  0");
    EXPECT_TRUE(cadre->Toolbar1()->isEnabled());
    EXPECT_FALSE(ctx().Fenetre<AEnCours>().Visible());
    EXPECT_TRUE(messages.empty());
    // The results went into the stability window, which stays hidden.
    Menu_Stabilite &w = ctx().Fenetre<Menu_Stabilite>();
    EXPECT_FALSE(w.Visible());
    EXPECT_EQ(w.Label2(0)->text(), Texte_Nombre(e.P(229)));
    EXPECT_EQ(w.findChild<QLabel *>("Label1_6")->text(), Texte_Nombre(e.P(193)));

    // Another project read, the window left on its coefficient: none of these figures
    // belongs to it any more, and the coefficient is computed when its tab is chosen again.
    w.SSTab1()->setCurrentIndex(2);
    e.P(228) = 10;
    Init_Projet(e, cadre->Shell());
    EXPECT_EQ(w.Label2(0)->text(), "- - - - - - - -");
    EXPECT_EQ(w.findChild<QLabel *>("Label1_6")->text(), "");
    EXPECT_EQ(w.Label2(1)->text(), "10");
    EXPECT_EQ(w.SSTab1()->currentIndex(), 0);
    // Computed again as the file holds it, and shown; the tab looked at stores nothing.
    e.P(193) = -1;
    w.SSTab1()->setCurrentIndex(2);
    EXPECT_EQ(w.findChild<QLabel *>("Label1_6")->text(), Texte_Nombre(stocke.P(193)));
    EXPECT_EQ(e.P(193), -1);
}

TEST_F(Serie_Cadre, SerieArreteeDitPourquoiEtLaisseLesFeuxRouges) {
    // The deepest station typed ten times too far, 4200 mm beyond the bow of this 1000 mm
    // hull: refused before any heel floats, as the views refuse it.
    e.P(10) = 5200;
    cadre->show();
    Clique_Touche("Calcul_Gite");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].texte.toStdString(),
              "Le couple le plus haut dépasse en avant de la coque : sa position (n° 10) tombe à "
              "4200 mm en avant de l'étrave. Reculer le couple le plus haut (n° 10) ou allonger "
              "l'avant (n° 1).");
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(e.P(186 + k), 1) << k;
        EXPECT_EQ(Couleur_Voyant(k), COULEUR_ROUGE) << k;
    }
    EXPECT_EQ(e.P(26), 0);
    EXPECT_EQ(Panneau(1), "Pret");
    EXPECT_EQ(Panneau(3), "Gite  0");
    EXPECT_TRUE(cadre->Toolbar1()->isEnabled());
    EXPECT_FALSE(ctx().Fenetre<AEnCours>().Visible());

    // The sections toolbar's run says it once too.
    messages.clear();
    ACoup &c = ctx().Fenetre<ACoup>();
    c.Montre();
    QApplication::processEvents();
    Clique_Coupe(c, "Calcul_Gite");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(Couleur_Voyant(6), COULEUR_ROUGE);
    EXPECT_EQ(e.P(26), 0);
    EXPECT_TRUE(cadre->Toolbar1()->isEnabled());
}

TEST_F(Serie_Cadre, UnClicUneBoiteQuandRienNeFlotte) {
    // The master's centre of gravity 50 mm from its transom: upright its stern would sink
    // under; heeled, the aft half is shorter than one step of the search. One box names
    // every heel, every light red.
    e.P(23) = 50;
    cadre->show();
    Clique_Touche("Calcul_Gite");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].texte.toStdString(),
              "Calcul de flottaison impossible à 0°, 5°, 10°, 15°, 20°, 25° et 30°");
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(e.P(186 + k), 1) << k;
        EXPECT_EQ(Couleur_Voyant(k), COULEUR_ROUGE) << k;
    }
    EXPECT_EQ(Panneau(1), "Pret");
    EXPECT_TRUE(cadre->Toolbar1()->isEnabled());
    EXPECT_FALSE(ctx().Fenetre<AEnCours>().Visible());

    // The stability window's moments then say what to run first, once.
    messages.clear();
    const double moment_30 = e.P(220);
    Clique_Touche("Stabilite");
    Menu_Stabilite &w = ctx().Fenetre<Menu_Stabilite>();
    QApplication::processEvents();
    messages.clear();
    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("Command1_0")), Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].texte.contains(QString::fromUtf8("« Calcul Gîte 0-30° »")))
        << messages[0].texte.toStdString();
    EXPECT_EQ(e.P(220), moment_30);
}

TEST_F(Serie_Cadre, PasDeSecondeSerieDansLaPremiere) {
    int series = 0;
    cadre->Shell().Lecteur_Son = [&series](const QString &f) {
        series += f.endsWith(QStringLiteral("stream2.wav"));
    };
    cadre->show();
    ACoup &c = ctx().Fenetre<ACoup>();
    QTimer::singleShot(0, cadre.get(), [&] {
        cadre->MDIForm1_Toolbar1_ButtonClick(QStringLiteral("Calcul_Gite"));
        c.ACoup_Toolbar1_ButtonClick(QStringLiteral("Calcul_Gite"));
        ctx().Fenetre<Menu_Stabilite>().Menu_Stabilite_Command1_Click(0);
    });
    Clique_Touche("Calcul_Gite");
    EXPECT_EQ(series, 1);
    EXPECT_EQ(e.P(26), 0);
    EXPECT_TRUE(cadre->Toolbar1()->isEnabled());
}

TEST_F(Serie_Cadre, FermerPendantLaSerieLArreteProprement) {
    const double ar = e.P(55), av = e.P(56);
    cadre->show();
    QTimer::singleShot(0, cadre.get(), [this] { cadre->close(); });
    Clique_Touche("Calcul_Gite");
    EXPECT_TRUE(cadre->Termine());
    Ferme_Sans_Enregistrer();
    // Stopped in the 30 degree search: its freeboards put back, its light still red.
    EXPECT_EQ(e.P(192), 1);
    EXPECT_EQ(e.P(55), ar);
    EXPECT_EQ(e.P(56), av);
    EXPECT_TRUE(cadre->Toolbar1()->isEnabled());
    EXPECT_FALSE(ctx().Fenetre<AEnCours>().Visible());
}

TEST_F(Serie_Cadre, FermerPendantLesMomentsDeLaFenetreDeStabiliteSansBoite) {
    cadre->show();
    Clique_Touche("Stabilite");
    Menu_Stabilite &w = ctx().Fenetre<Menu_Stabilite>();
    QApplication::processEvents();
    const double surface = e.P(229), moment_5 = e.P(215);
    e.P(215) = moment_5 + 1; // what the record held before this run
    messages.clear();
    // Closed while the moments let events run after the upright one.
    QTimer::singleShot(0, cadre.get(), [this] { cadre->close(); });
    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("Command1_0")), Qt::LeftButton);
    EXPECT_TRUE(cadre->Termine());
    Ferme_Sans_Enregistrer();
    // 0 degrees done, 5 and on not: their lights red, the sail area as it was.
    EXPECT_EQ(e.P(186), 0);
    EXPECT_EQ(e.P(187), 1);
    EXPECT_EQ(e.P(215), moment_5 + 1);
    EXPECT_EQ(e.P(229), surface);
    EXPECT_TRUE(cadre->Toolbar1()->isEnabled());
}

TEST_F(Serie_Cadre, ToucheStabiliteMontreLaFenetreRemplie) {
    e.P(26) = 20;
    Clique_Touche("Stabilite");
    Menu_Stabilite &w = ctx().Fenetre<Menu_Stabilite>();
    EXPECT_TRUE(w.Visible());
    EXPECT_GE(w.Largeur_Externe(), 391); // 5865 x 3750 twips, or more for its captions
    EXPECT_GE(w.Hauteur_Externe(), 250);
    QTest::qWait(50);
    EXPECT_EQ(e.P(26), 0);
    EXPECT_EQ(w.Label2(2)->text(), Texte_Nombre(e.P(214)));
    EXPECT_TRUE(w.Option1(0)->isChecked()); // the master's item is servo 1

    // Minimised, the key leaves its icon as it is, not stretched to the window's size.
    w.Cadre()->showMinimized();
    QApplication::processEvents();
    const QSize icone = w.Cadre()->size();
    Clique_Touche("Stabilite");
    QApplication::processEvents();
    EXPECT_EQ(w.Cadre()->size(), icone);
}

TEST_F(Serie_Cadre, BarreDesCouples) {
    ACoup &c = ctx().Fenetre<ACoup>();
    c.Montre();
    QApplication::processEvents();
    e.P(189) = 0; // 15 degrees afloat: the oblique view draws without searching
    Clique_Coupe(c, "3D");
    EXPECT_EQ(e.Cle_Vue, "3D");
    EXPECT_EQ(e.P(26), 15);
    EXPECT_EQ(e.P(29), 15);
    EXPECT_EQ(Panneau(3), "Gite:15");
    Clique_Coupe(c, "TB_ET");
    EXPECT_EQ(e.P(29), 0);
    EXPECT_EQ(e.P(26), 15);
    // Zoom keys: bounded below, and only while the sections are the active window.
    for (int k = 0; k < 12; ++k)
        Clique_Coupe(c, "EchP");
    EXPECT_FLOAT_EQ(e.Ech_Couple, 0.1f);
    Clique_Coupe(c, "EchM");
    EXPECT_FLOAT_EQ(e.Ech_Couple, 0.2f);
    ctx().Fenetre<Menu_Stabilite>().Montre();
    const int avant = c.Picture1->Effacements();
    Clique_Coupe(c, "EchM");
    EXPECT_FLOAT_EQ(e.Ech_Couple, 0.2f);
    EXPECT_GT(c.Picture1->Effacements(), avant); // still redrawn

    // The heel run: everything hidden, no framing, floating surfaces left as they were.
    Clique_Coupe(c, "Calcul_Gite");
    EXPECT_FALSE(c.Visible());
    EXPECT_EQ(Panneau(2), "");
    EXPECT_EQ(Panneau(1), "Pret");
    EXPECT_EQ(e.P(26), 0);
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(Couleur_Voyant(k), COULEUR_VERTE) << k;
    EXPECT_TRUE(cadre->Toolbar1()->isEnabled());
}

TEST_F(Serie_Cadre, DialogueAngleDeRotation) {
    e.P(29) = 15;
    M_AngRot d(ctx(), cadre.get());
    d.show();
    EXPECT_TRUE(d.Option1(3)->isChecked());
    EXPECT_EQ(d.findChild<QGroupBox *>("Frame1")->title(), "Angle de rotation");
    EXPECT_EQ(d.windowTitle(), "Angle de rotation");
    d.Option1(6)->click();
    EXPECT_EQ(e.P(29), 30);
    d.hide();
    e.P(29) = 7; // none of the seven: the options stay
    d.show();
    EXPECT_TRUE(d.Option1(6)->isChecked());
    EXPECT_EQ(e.P(29), 7);
}

} // namespace
