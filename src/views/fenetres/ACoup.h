#pragma once
#include "platform/Fenetre_Fille.h"

namespace gabarit {

class ACoup : public Fenetre_Fille {
    Q_OBJECT
public:
    explicit ACoup(Contexte& ctx);

};

} // namespace gabarit
