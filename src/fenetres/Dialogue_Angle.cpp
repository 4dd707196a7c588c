#include "fenetres/Dialogue_Angle.h"

#include <QRadioButton>
#include <QScopeGuard>

#include "fenetres/Contexte.h"

namespace gabarit {

Dialogue_Angle::Dialogue_Angle(Contexte &ctx, QWidget *parent, const QString &nom,
                               const QString &cadre, int numero, Placement placement)
    : Dialogue_Options(ctx, parent, nom, QString(), cadre, QStringLiteral("Option1"),
                       {" 0°", " 5°", "10°", "15°", "20°", "25°", "30°"}),
      numero_(numero), placement_(placement) {}

void Dialogue_Angle::showEvent(QShowEvent *ev) {
    QDialog::showEvent(ev);
    ctx_.Commande(Contexte::Si_Occupe::Execute, [this] { Form_Resize(); });
}

void Dialogue_Angle::resizeEvent(QResizeEvent *ev) {
    QDialog::resizeEvent(ev);
    if (placement_ == Placement::Au_Montre_Et_Redimension && !place_)
        ctx_.Commande(Contexte::Si_Occupe::Execute, [this] { Form_Resize(); });
}

void Dialogue_Angle::Form_Resize() {
    {
        place_ = true;
        const auto fin = qScopeGuard([this] { place_ = false; });
        Place(2500, 2000, 2145, 3630);
    }
    if (placement_ == Placement::Au_Montre_Hors_Initialisation && ctx_.etat.Init_En_Cours == 1)
        return;
    for (int k = 0; k < Nb_Options(); ++k)
        if (ctx_.etat.P(numero_) == 5.0 * k)
            Option(k)->setChecked(true);
}

void Dialogue_Angle::Option_Click() {
    for (int k = 0; k < Nb_Options(); ++k)
        if (Option(k)->isChecked())
            ctx_.etat.P(numero_) = 5.0 * k;
}

} // namespace gabarit
