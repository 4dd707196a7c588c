#pragma once
#include "platform/Fenetre_Fille.h"

namespace gabarit {

class ADeplacement : public Fenetre_Fille {
    Q_OBJECT
public:
    explicit ADeplacement(Contexte& ctx);

};

} // namespace gabarit
