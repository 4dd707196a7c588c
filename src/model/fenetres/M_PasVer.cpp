#include "model/fenetres/M_PasVer.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "fenetres/Contexte.h"
#include "model/Numeros.h"
#include "platform/Nombres.h"

namespace gabarit {

namespace {
// Vertical steps in mm, finest first.
constexpr double PAS[3] = {0.1, 1, 2};
} // namespace

M_PasVer::M_PasVer(Contexte &ctx, QWidget *parent)
    : Dialogue_Options(ctx, parent, QStringLiteral("M_PasVer"),
                       QStringLiteral("Menu Pas-Verticale"), QStringLiteral("Choix"),
                       QStringLiteral("Option1"), {"Excellent", "Bon", "Moyen"}) {
    Text1_ = new QLineEdit(this);
    Text1_->setObjectName("Text1");
    Colonne()->addWidget(Text1_);
    ctx.Commande(Contexte::Si_Occupe::Execute, [this] { M_PasVer_Form_Load(); });
}

void M_PasVer::showEvent(QShowEvent *ev) {
    QDialog::showEvent(ev);
    Place(2500, 1000, 2700, 3135);
}

void M_PasVer::M_PasVer_Form_Load() {
    Etat_Projet &e = ctx_.etat;
    if (e.Init_En_Cours == 1)
        return;
    for (int k = 0; k < 3; ++k)
        if (e.P(PAS_VERTICAL) == PAS[k]) {
            Option1(k)->setChecked(true);
            Option_Click();
        }
    Text1_->setText(Texte_Nombre(e.P(PAS_VERTICAL)));
}

void M_PasVer::Option_Click() {
    Etat_Projet &e = ctx_.etat;
    for (int k = 0; k < 3; ++k)
        if (Option1(k)->isChecked())
            e.P(PAS_VERTICAL) = PAS[k];
    Text1_->setText(Texte_Nombre(e.P(PAS_VERTICAL)));
}

} // namespace gabarit
