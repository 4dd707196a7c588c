#pragma once
#include "platform/Fenetre_Fille.h"

namespace gabarit {

class Aastuce : public Fenetre_Fille {
    Q_OBJECT
public:
    explicit Aastuce(Contexte& ctx);
    // Draws a tip at random and shows the window.
    void Affiche_Astuce();

};

} // namespace gabarit
