#pragma once
#include "platform/Fenetre_Fille.h"

namespace gabarit {

class Aastuce : public Fenetre_Fille {
    Q_OBJECT
public:
    explicit Aastuce(Contexte& ctx);

};

} // namespace gabarit
