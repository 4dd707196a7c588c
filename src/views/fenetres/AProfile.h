#pragma once
#include "platform/Fenetre_Fille.h"

namespace gabarit {

class AProfile : public Fenetre_Fille {
    Q_OBJECT
public:
    explicit AProfile(Contexte& ctx);

};

} // namespace gabarit
