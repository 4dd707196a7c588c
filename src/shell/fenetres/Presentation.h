#pragma once
#include "platform/Fenetre_Fille.h"

namespace gabarit {

class Presentation : public Fenetre_Fille {
    Q_OBJECT
public:
    explicit Presentation(Contexte& ctx);

};

} // namespace gabarit
