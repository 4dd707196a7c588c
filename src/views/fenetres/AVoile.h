#pragma once
#include "platform/Fenetre_Fille.h"

namespace gabarit {

class AVoile : public Fenetre_Fille {
    Q_OBJECT
public:
    explicit AVoile(Contexte& ctx);

};

} // namespace gabarit
