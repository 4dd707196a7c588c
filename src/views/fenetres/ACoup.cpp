#include "views/fenetres/ACoup.h"

#include <QToolBar>

#include "fenetres/Contexte.h"
#include "views/fenetres/Redessine.h"

namespace gabarit {

ACoup::ACoup(Contexte &ctx) : Fenetre_Vue(ctx, QStringLiteral("ACoup"), QStringLiteral("Couples")) {
    Cree_Barre();
}

void ACoup::Redessine() { Redessine_Coupe(ctx()); }

void ACoup::Redessine_Sur_Evenement() {
    ctx().shell.Laisse_Evenements();
    Redessine_Coupe(ctx());
}

int ACoup::Haut_Reserve() const { return toolbar_ ? toolbar_->sizeHint().height() : 0; }

} // namespace gabarit
