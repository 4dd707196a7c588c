#pragma once
#include "platform/Fenetre_Fille.h"

namespace gabarit {

class Aide : public Fenetre_Fille {
    Q_OBJECT
public:
    explicit Aide(Contexte& ctx);
    // Shows help topic n (0 to 16) of the "?" menu.
    void Montre_Sujet(int n);
};

} // namespace gabarit
