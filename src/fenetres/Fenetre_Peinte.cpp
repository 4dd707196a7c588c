#include "fenetres/Fenetre_Peinte.h"

#include <QMetaObject>

#include "fenetres/Contexte.h"
#include "platform/Twips.h"

namespace gabarit {

void Fenetre_Peinte::Form_Paint() {
    if (en_peinture_ || !Visible())
        return;
    en_peinture_ = true;
    ctx().Regarde(Contexte::Si_Occupe::Execute, [this] { Peint(); });
    en_peinture_ = false;
}

void Fenetre_Peinte::Demande_Peinture() {
    if (peinture_prevue_ || en_peinture_)
        return;
    peinture_prevue_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            peinture_prevue_ = false;
            Form_Paint();
        },
        Qt::QueuedConnection);
}

void Fenetre_Peinte::Garde_Taille(double largeur, double hauteur) {
    const int l = Twips_En_Pixels(largeur), h = Twips_En_Pixels(hauteur);
    if (Etat_Fenetre() == Etat::Normal && (Largeur_Externe() != l || Hauteur_Externe() != h))
        Deplace(Gauche(), Haut(), l, h);
}

void Fenetre_Peinte::showEvent(QShowEvent *ev) {
    Fenetre_Fille::showEvent(ev);
    Demande_Peinture();
}

void Fenetre_Peinte::resizeEvent(QResizeEvent *ev) {
    Fenetre_Fille::resizeEvent(ev);
    if (isVisible())
        Demande_Peinture();
}

} // namespace gabarit
