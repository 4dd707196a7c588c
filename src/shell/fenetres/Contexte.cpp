#include "shell/fenetres/Contexte.h"

namespace gabarit {

void Contexte::Enregistre(std::type_index t, Fenetre_Fille* w) {
    fenetres_[t] = w;
    ordre_.push_back(w);
    if (zone) {
        QMdiSubWindow* sous = zone->addSubWindow(w);
        w->Fixe_Cadre(sous);
        sous->hide();
    }
}

Fenetre_Fille* Contexte::Par_Nom(const QString& nom) const {
    for (Fenetre_Fille* w : ordre_)
        if (w->objectName() == nom)
            return w;
    return nullptr;
}

} // namespace gabarit
