#include <QFontMetricsF>
#include <QGroupBox>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

#include "fenetres/Contexte.h"
#include "interfaces/Shell_Enregistreur.h"
#include "model/fenetres/Asst_0.h"
#include "platform/Boite_Message.h"
#include "platform/Twips.h"
#include "shell/Assistant.h"
#include "support/Banc_Fenetre.h"
#include "support/Chemins_Test.h"
#include "support/Maitre.h"

using namespace gabarit;

namespace {
struct Banc {
    Etat_Projet e;
    Shell_Enregistreur s;
    QMainWindow cadre;
    QMdiArea *zone = new QMdiArea;
    Contexte ctx{e, s, zone};
    struct Boite {
        QString texte;
        int style;
        QString titre;
        bool cadre_actif;
    };
    std::vector<Boite> boites;
    Banc() {
        cadre.setCentralWidget(zone);
        cadre.resize(1000, 700);
        cadre.setWindowTitle("bateau.cot");
        cadre.show();
        ctx.cadre = &cadre;
        e.Nom_Projet = "bateau.cot";
        e.P(1) = 321;
        e.Texte_Projet[1] = "longueur avant";
        e.Dossier_Programme = test::Dossier_Temporaire(); // no master there
        Remplace_Boite_Message([this](const QString &t, int st, const QString &ti) {
            boites.push_back({t, st, ti, cadre.isEnabled()});
            return REPONSE_OK;
        });
    }
    ~Banc() { Remplace_Boite_Message({}); }
    Asst_0 &Ouvre() {
        auto &w = ctx.Fenetre<Asst_0>();
        w.Montre();
        return w;
    }
    void Projet_Intact() {
        EXPECT_EQ(e.P(1), 321);
        EXPECT_EQ(e.Texte_Projet[1], "longueur avant");
        EXPECT_EQ(e.Nom_Projet, "bateau.cot");
        EXPECT_EQ(cadre.windowTitle(), "bateau.cot");
        EXPECT_TRUE(cadre.isEnabled());
    }
};

using test::Tape;
} // namespace

TEST(Asst_0, ControlesEtActivation) {
    Banc b;
    Asst_0 &w = b.Ouvre();
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Assistant de Réalisation"));
    EXPECT_EQ(w.findChild<QGroupBox *>("Frame1_0")->title(), "Longeur");
    EXPECT_EQ(w.findChild<QGroupBox *>("Frame1_1")->title(), QString::fromUtf8("Type Carène"));
    EXPECT_EQ(w.findChild<QGroupBox *>("Frame2")->title(), "Info");
    EXPECT_EQ(w.Text2_1()->text(), "1000");
    EXPECT_TRUE(w.Option1(1)->isChecked());
    EXPECT_EQ(w.Option1(2)->text(), "Fin");
    EXPECT_EQ(w.Command1(0)->text(), "Annuler");
    EXPECT_EQ(w.Command1(1)->text(), "Terminer");
    // 100 twips from the corner, 4800 x 6825 twips.
    EXPECT_EQ(w.Gauche(), 7);
    EXPECT_EQ(w.Haut(), 7);
    EXPECT_EQ(w.Largeur_Externe(), 320);
    EXPECT_EQ(w.Hauteur_Externe(), 455);
    ASSERT_FALSE(b.s.sons.empty());
    EXPECT_EQ(b.s.sons.back(), "ocean3.wav");
    EXPECT_GE(b.s.evenements, 1);
}

// The help lines were laid for a narrower type: the type shrinks until the longest of them
// (measured here in the box's final type, trailing blanks unseen) fits the box's inner width,
// and stays legible. The rule of dashes under the question may run out.
TEST(Asst_0, LignesDAideEntieresDansLeurCadre) {
    Banc b;
    Asst_0 &w = b.Ouvre();
    for (const char *nom : {"Text1_2", "Text1_0"}) {
        auto *t = w.findChild<QPlainTextEdit *>(QString::fromLatin1(nom));
        ASSERT_NE(t, nullptr) << nom;
        const QFontMetricsF m(t->font());
        qreal plus_longue = 0;
        for (const QString &l : t->toPlainText().split(QLatin1Char('\n')))
            if (!l.contains(QStringLiteral("----")))
                plus_longue = std::max(plus_longue, m.horizontalAdvance(l.trimmed()));
        const qreal place = t->viewport()->width() - 2 * t->document()->documentMargin();
        EXPECT_GT(plus_longue, 0) << nom;
        EXPECT_LE(plus_longue, place) << nom;
        EXPECT_GE(t->font().pointSizeF(), 5.0) << nom;
    }
}

TEST(Asst_0, LongueurRefuseeResteOuvert) {
    struct Cas {
        const char *texte;
        int option;
        int option_apres;
    };
    for (Cas c : {Cas{"499", 1, 0}, Cas{"2001", 2, 2}, Cas{"2005", 1, 1}, Cas{"abc", 2, 2},
                  Cas{"", 1, 1}, Cas{"120", 2, 0}}) {
        Banc b;
        Asst_0 &w = b.Ouvre();
        Tape(w.Text2_1(), QString::fromLatin1(c.texte));
        test::Clique_Option(w.Option1(c.option));
        QTest::mouseClick(w.Command1(1), Qt::LeftButton);
        ASSERT_EQ(b.boites.size(), 1u) << c.texte;
        EXPECT_EQ(b.boites[0].texte, "Erreur dans le choix de la longueur");
        EXPECT_EQ(b.boites[0].style, MB_EXCLAMATION);
        EXPECT_EQ(b.boites[0].titre, "Attention");
        EXPECT_TRUE(w.Visible());
        EXPECT_TRUE(w.Option1(c.option_apres)->isChecked()) << c.texte;
        EXPECT_EQ(w.Text2_1()->text(), QString::fromLatin1(c.texte));
        EXPECT_EQ(b.s.attente_montree, 0);
        b.Projet_Intact();
    }
}

TEST(Asst_0, AnnulerEtFermerOublientLesEntrees) {
    Banc b;
    Asst_0 &w = b.Ouvre();
    Tape(w.Text2_1(), "1500");
    test::Clique_Option(w.Option1(2));
    QTest::mouseClick(w.Command1(0), Qt::LeftButton);
    EXPECT_FALSE(w.Visible());
    EXPECT_EQ(w.Text2_1()->text(), "1000");
    EXPECT_TRUE(w.Option1(1)->isChecked());
    b.Projet_Intact();

    w.Montre();
    Tape(w.Text2_1(), "700");
    test::Clique_Option(w.Option1(0));
    w.Cadre()->close();
    EXPECT_FALSE(w.Visible());
    EXPECT_EQ(w.Text2_1()->text(), "1000");
    EXPECT_TRUE(w.Option1(1)->isChecked());
}

TEST(Asst_0, EchecLaisseLeProjetCourant) {
    Banc b;
    b.e.P(186) = 1;
    Asst_0 &w = b.Ouvre();
    Tape(w.Text2_1(), "1234");
    QTest::mouseClick(w.Command1(1), Qt::LeftButton);
    // No master in the program folder: the message names it.
    ASSERT_EQ(b.boites.size(), 1u);
    EXPECT_EQ(b.boites[0].texte, QString::fromStdString("Impossible de lire le fichier : " +
                                                        b.e.Dossier_Programme + "/tov0.mas"));
    EXPECT_FALSE(w.Visible());
    EXPECT_EQ(b.s.attente_montree, 1);
    EXPECT_FALSE(b.s.attente_visible);
    b.Projet_Intact();
    EXPECT_EQ(b.e.P(186), 1);
    EXPECT_EQ(b.s.voyants[0], COULEUR_ROUGE);
}

TEST(Asst_0, TerminerCreeLeProjetSurLeMaitre) {
    Banc b;
    b.e.Dossier_Programme = test::Dossier_Maitre_Caisson();
    Asst_0 &w = b.Ouvre();
    Tape(w.Text2_1(), "1234");
    test::Clique_Option(w.Option1(2));
    QTest::mouseClick(w.Command1(1), Qt::LeftButton);
    EXPECT_TRUE(b.boites.empty());
    EXPECT_FALSE(w.Visible());
    EXPECT_EQ(w.Text2_1()->text(), "1230");
    EXPECT_TRUE(w.Option1(2)->isChecked());
    EXPECT_EQ(b.e.L(), 1230);
    EXPECT_EQ(b.e.P(87), 2); // "Fin"
    EXPECT_EQ(b.e.Nom_Projet, "MonProjet.cot");
    EXPECT_EQ(b.cadre.windowTitle(), "MonProjet.cot");
    EXPECT_TRUE(b.cadre.isEnabled());
    EXPECT_EQ(b.s.attente_montree, 1);
    EXPECT_FALSE(b.s.attente_visible);
    EXPECT_EQ(b.s.sons.back(), "desert3.wav");
    EXPECT_EQ(b.s.voyants[0], COULEUR_VERTE);
    // Only hidden: the next "Nouveau" shows the rounded length and the type last used.
    w.Montre();
    EXPECT_EQ(w.Text2_1()->text(), "1230");
    EXPECT_TRUE(w.Option1(2)->isChecked());
}
