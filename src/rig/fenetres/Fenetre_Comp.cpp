#include "rig/fenetres/Fenetre_Comp.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "fenetres/Contexte.h"

namespace gabarit {

Fenetre_Comp::Fenetre_Comp(Contexte &ctx, const QString &nom, const QString &legende)
    : Fenetre_Fille(ctx, nom, legende) {
    if (ctx.zone)
        connect(ctx.zone, &QMdiArea::subWindowActivated, this,
                [this](QMdiSubWindow *w) { Activation_Changee(w); });
}

void Fenetre_Comp::Activation_Changee(QMdiSubWindow *w) {
    // Another application taking the focus (no child active) is no loss of focus here.
    if (!w || garde_focus_)
        return;
    if (w == Cadre()) {
        sans_activation_ = false;
        Activation();
    } else if (Visible())
        Cache();
}

bool Fenetre_Comp::eventFilter(QObject *o, QEvent *ev) {
    // Hidden while the frame still counts it as its active child, it is shown again without
    // an activation from the frame (which comes before the show when it comes): come here.
    if (o == Cadre() && ev->type() == QEvent::Hide)
        sans_activation_ = true;
    else if (o == Cadre() && ev->type() == QEvent::Show && sans_activation_ && !garde_focus_) {
        sans_activation_ = false;
        Activation();
    }
    return Fenetre_Fille::eventFilter(o, ev);
}

} // namespace gabarit
