// The section-shape editor's options in the real frame, where a redraw lets events run.
#include <QApplication>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTabWidget>

#include "model/fenetres/Menu_FG.h"
#include "support/Cadre_Test.h"
#include "views/fenetres/ACoup.h"

using namespace gabarit;
using namespace gabarit::test;

namespace {

using Options_Editeur = Cadre_Test;

void Poste_Souris(QWidget *w, QEvent::Type type, Qt::MouseButtons boutons) {
    const QPointF p(6, w->height() / 2.0);
    QCoreApplication::postEvent(
        w, new QMouseEvent(type, p, w->mapToGlobal(p), Qt::LeftButton, boutons, Qt::NoModifier));
}

TEST_F(Options_Editeur, ClicRapideNeLaissePasLOptionEnfoncee) {
    cadre->show();
    Charge_Carene(e);
    ACoup &coupe = ctx().Fenetre<ACoup>();
    coupe.Montre();
    Menu_FG &fg = ctx().Fenetre<Menu_FG>();
    fg.Montre();
    QApplication::processEvents();
    fg.findChild<QTabWidget *>("SSTab1")->setCurrentIndex(2);
    for (int i : {1, 3, 2, 0}) {
        // Press and release already queued when the press's handler lets events run.
        auto *o = fg.findChild<QRadioButton *>(QStringLiteral("Option1_%1").arg(i));
        Poste_Souris(o, QEvent::MouseButtonPress, Qt::LeftButton);
        Poste_Souris(o, QEvent::MouseButtonRelease, Qt::NoButton);
        QApplication::processEvents();
        QApplication::processEvents();
        EXPECT_FALSE(o->isDown()) << i;
        EXPECT_TRUE(o->isChecked()) << i;
    }
    EXPECT_EQ(e.Cle_Vue, "X");
    EXPECT_EQ(e.X_Couple, 0); // "Tableau Arriere" pressed last
}

} // namespace
