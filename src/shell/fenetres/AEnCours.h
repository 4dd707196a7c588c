#pragma once
#include "platform/Fenetre_Fille.h"

namespace gabarit {

class AEnCours : public Fenetre_Fille {
    Q_OBJECT
public:
    explicit AEnCours(Contexte& ctx);

};

} // namespace gabarit
