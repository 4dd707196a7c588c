#include "model/fenetres/M_PasHor.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "fenetres/Contexte.h"
#include "model/Numeros.h"
#include "platform/Nombres.h"

namespace gabarit {

namespace {
// Divisors of the hull length, coarsest step first.
constexpr double DIVISEURS[4] = {10, 20, 40, 80};
} // namespace

M_PasHor::M_PasHor(Contexte &ctx, QWidget *parent)
    : Dialogue_Options(ctx, parent, QStringLiteral("M_PasHor"),
                       QStringLiteral("Menu Pas-Horizontal"), QStringLiteral("Choix"),
                       QStringLiteral("Option2"), {"Faible", "Moyen", "Bon", "Excellent"}) {
    Text1_ = new QLineEdit(this);
    Text1_->setObjectName("Text1");
    Colonne()->addWidget(Text1_);
    Label1_ = new QLabel(QStringLiteral("Label1"), this);
    Label1_->setObjectName("Label1");
    Colonne()->addWidget(Label1_);
    ctx.Commande(Contexte::Si_Occupe::Execute, [this] { M_PasHor_Form_Load(); });
}

void M_PasHor::showEvent(QShowEvent *ev) {
    QDialog::showEvent(ev);
    Place(2500, 1000, 2700, 3135);
}

void M_PasHor::M_PasHor_Form_Load() {
    Etat_Projet &e = ctx_.etat;
    if (e.Init_En_Cours == 1)
        return;
    for (int k = 0; k < 4; ++k)
        if (e.L() / DIVISEURS[k] == e.P(PAS_HORIZONTAL)) {
            Option2(k)->setChecked(true);
            // As a click: a zero step ends the click alone.
            Essaie([this] { Option_Click(); });
        }
    // A zero step has no count: the value is left as it was.
    e.P(NB_PAS_HORIZONTAL) = Divise(e.L(), e.P(PAS_HORIZONTAL));
}

void M_PasHor::Option_Click() {
    Etat_Projet &e = ctx_.etat;
    for (int k = 0; k < 4; ++k)
        if (Option2(k)->isChecked())
            e.P(PAS_HORIZONTAL) = e.L() / DIVISEURS[k];
    Text1_->setText(Texte_Nombre(e.P(PAS_HORIZONTAL)));
    e.P(NB_PAS_HORIZONTAL) = Divise(e.L(), e.P(PAS_HORIZONTAL));
    Label1_->setText(Texte_Nombre(e.P(NB_PAS_HORIZONTAL)));
}

} // namespace gabarit
