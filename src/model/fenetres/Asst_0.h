#pragma once
#include "platform/Fenetre_Fille.h"

namespace gabarit {

class Asst_0 : public Fenetre_Fille {
    Q_OBJECT
public:
    explicit Asst_0(Contexte& ctx);

};

} // namespace gabarit
