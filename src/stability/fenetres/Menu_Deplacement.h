#pragma once
#include "platform/Fenetre_Fille.h"

namespace gabarit {

class Menu_Deplacement : public Fenetre_Fille {
    Q_OBJECT
public:
    explicit Menu_Deplacement(Contexte& ctx);
    void Affiche_Deplacement();
    void Affiche_Valeurs() override { Affiche_Deplacement(); }
};

} // namespace gabarit
