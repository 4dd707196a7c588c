#include <QLabel>
#include <QTimer>

#include "shell/fenetres/AEnCours.h"
#include "support/Cadre_Test.h"
#include "views/fenetres/AProfile.h"

using namespace gabarit;
using namespace gabarit::test;

namespace {

using Fenetre_Attente = Cadre_Test;

int Image_Visible(AEnCours &w) {
    int visible = -1, n = 0;
    for (int k = 0; k < 3; ++k)
        if (w.findChild<QLabel *>(QStringLiteral("Picture1_%1").arg(k))->isVisibleTo(&w)) {
            visible = k;
            ++n;
        }
    return n == 1 ? visible : -1 - n;
}

TEST_F(Fenetre_Attente, AnimationEnTroisImages) {
    AEnCours &w = ctx().Fenetre<AEnCours>();
    EXPECT_EQ(w.Cadre()->windowTitle(), QStringLiteral("    Calcul en Cours ..."));
    EXPECT_EQ(Image_Visible(w), -4); // all three at first
    w.AEnCours_Timer1_Timer();
    w.AEnCours_Timer1_Timer();
    w.AEnCours_Timer1_Timer();
    EXPECT_EQ(Image_Visible(w), 0);
    w.AEnCours_Timer1_Timer();
    EXPECT_EQ(Image_Visible(w), 1);
    w.AEnCours_Timer1_Timer();
    EXPECT_EQ(Image_Visible(w), 2);
    w.AEnCours_Timer1_Timer();
    EXPECT_EQ(Image_Visible(w), 0);
}

TEST_F(Fenetre_Attente, DialogueFixeSansBoutons) {
    // A caption and nothing to minimise, maximise or close.
    AEnCours &w = ctx().Fenetre<AEnCours>();
    const Qt::WindowFlags f = w.Cadre()->windowFlags();
    EXPECT_TRUE(f.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(f.testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(f.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(f.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(f.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(f.testFlag(Qt::WindowSystemMenuHint));
    w.Montre();
    EXPECT_EQ(w.Cadre()->windowTitle(), QStringLiteral("    Calcul en Cours ..."));
}

TEST_F(Fenetre_Attente, AnimeSeulementQuandActive) {
    cadre->show();
    cadre->Shell().Montre_Attente(true);
    AEnCours &w = *ctx().Existante<AEnCours>();
    EXPECT_TRUE(w.Visible());
    EXPECT_TRUE(w.Timer1()->isActive());
    EXPECT_EQ(w.Timer1()->interval(), 1000);
    ctx().Fenetre<AProfile>().Montre(); // another child takes the focus
    EXPECT_FALSE(w.Timer1()->isActive());
    w.Active();
    EXPECT_TRUE(w.Timer1()->isActive());
    cadre->Shell().Montre_Attente(false);
    EXPECT_FALSE(w.Visible());
}

} // namespace
