#pragma once
#include "platform/Fenetre_Fille.h"

namespace gabarit {

class Menu_VarList : public Fenetre_Fille {
    Q_OBJECT
public:
    explicit Menu_VarList(Contexte& ctx);
    // Clears List1 and fills it with values 1 to 300 (number, tab, value, tab, comment),
    // the first line selected.
    void Remplit_Liste();
};

} // namespace gabarit
