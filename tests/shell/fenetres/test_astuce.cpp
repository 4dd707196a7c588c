// The tip of the day: the draw, the tips' texts, activation and "OK".
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

#include "fenetres/Contexte.h"
#include "interfaces/Shell_Enregistreur.h"
#include "model/Etat_Projet.h"
#include "platform/Twips.h"
#include "shell/fenetres/Aastuce.h"
#include "support/Banc_Fenetre.h"

using namespace gabarit;

namespace {

std::function<double()> Suite(std::deque<double> v) {
    return [v]() mutable {
        const double r = v.empty() ? 0.95 : v.front();
        if (!v.empty())
            v.pop_front();
        return r;
    };
}

int Cadre_Visible(Aastuce &a) {
    int n = -1, visibles = 0;
    for (int k = 0; k < 4; ++k)
        if (a.findChild<QGroupBox *>(QStringLiteral("Frame1_%1").arg(k))->isVisibleTo(&a)) {
            n = k;
            ++visibles;
        }
    return visibles == 1 ? n : -2;
}

} // namespace

TEST(Aastuce, DrawThrowsAwayFourToNineAndBadNumbers) {
    EXPECT_EQ(Aastuce::Tire_Astuce(Suite({0.95, 0.41, 0.35})), 3);
    EXPECT_EQ(Aastuce::Tire_Astuce(Suite({0.0})), 0);
    EXPECT_EQ(Aastuce::Tire_Astuce(Suite({0.1999})), 1);
    EXPECT_EQ(Aastuce::Tire_Astuce(Suite({1.0, -0.1, std::nan(""), 0.25})), 2);
    // A generator that only ever gives 4 to 9 cannot hang the window.
    EXPECT_EQ(Aastuce::Tire_Astuce(Suite({})), 0);
}

TEST(Aastuce, SeededDrawsStayInRangeAndShowEveryTip) {
    Aastuce::Amorce_Hasard(20261207);
    int compte[4] = {};
    for (int k = 0; k < 4000; ++k) {
        const int n = Aastuce::Tire_Astuce(&Aastuce::Nombre_Aleatoire);
        ASSERT_GE(n, 0);
        ASSERT_LE(n, 3);
        ++compte[n];
    }
    for (int c : compte) {
        EXPECT_GT(c, 850); // about 1000 each
        EXPECT_LT(c, 1150);
    }
}

TEST(Aastuce, TipsCarryTheirTextsInTheirFrames) {
    Etat_Projet etat;
    Shell_Enregistreur shell;
    Contexte ctx(etat, shell, nullptr);
    Aastuce &a = ctx.Fenetre<Aastuce>();
    const std::unique_ptr<Aastuce> fin(&a); // no frame's area to own it
    EXPECT_EQ(a.windowTitle(), "Astuce du jour");
    EXPECT_EQ(a.findChild<QLabel *>("Label1")->text(), "Savez-vous...");
    EXPECT_EQ(a.findChild<QPushButton *>("cmdOK")->text(), "OK");
    const int haut[4] = {0, 3, 5, 6}, bas[4] = {1, 2, 4, 7};
    for (int k = 0; k < 4; ++k) {
        auto *f = a.findChild<QGroupBox *>(QStringLiteral("Frame1_%1").arg(k));
        ASSERT_NE(f, nullptr);
        for (int j : {haut[k], bas[k]}) {
            auto *l = f->findChild<QLabel *>(QStringLiteral("Label2_%1").arg(j));
            ASSERT_NE(l, nullptr) << j;
            EXPECT_FALSE(l->text().isEmpty());
            EXPECT_EQ(l->text(), Aastuce::Texte_Label2(j));
        }
    }
    EXPECT_EQ(Aastuce::Texte_Label2(0), "Double Cilk sur une VUE");
    EXPECT_EQ(Aastuce::Texte_Label2(3), "Cilk sur un Feu Vert");
    EXPECT_EQ(Aastuce::Texte_Label2(6),
              QString::fromUtf8("Click dans Menu déplacement,Position, \"Objet\""));
    EXPECT_EQ(Aastuce::Texte_Label2(7),
              "Vous informe sur la Vue par un \"V\", l'emplacement de \"Objet\"");
    EXPECT_EQ(Cadre_Visible(a), -2); // no tip before the first activation
}

TEST(Aastuce, EachActivationDrawsAFreshTipAndOkHides) {
    test::Banc_Fenetre b(900, 700);
    Aastuce &a = b.ctx.Fenetre<Aastuce>();
    auto *autre = b.zone->addSubWindow(new QWidget);

    // The draws the window will make, from the same seed.
    Aastuce::Amorce_Hasard(77);
    std::vector<int> attendu;
    for (int k = 0; k < 5; ++k)
        attendu.push_back(Aastuce::Tire_Astuce(&Aastuce::Nombre_Aleatoire));
    Aastuce::Amorce_Hasard(77);

    a.Affiche_Astuce();
    EXPECT_TRUE(a.Visible());
    EXPECT_EQ(a.Astuce_Affichee(), attendu[0]);
    EXPECT_EQ(Cadre_Visible(a), attendu[0]);
    EXPECT_EQ(a.Largeur_Externe(), 275); // 4125 x 4170 twips
    EXPECT_EQ(a.Hauteur_Externe(), 278);

    // Back from another window: a new draw.
    autre->show();
    b.zone->setActiveSubWindow(autre);
    b.zone->setActiveSubWindow(a.Cadre());
    EXPECT_EQ(a.Astuce_Affichee(), attendu[1]);
    EXPECT_EQ(Cadre_Visible(a), attendu[1]);

    QTest::mouseClick(a.findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(a.Visible());

    a.Affiche_Astuce();
    EXPECT_TRUE(a.Visible());
    EXPECT_EQ(a.Astuce_Affichee(), attendu[2]);
    EXPECT_EQ(Cadre_Visible(a), attendu[2]);
}
