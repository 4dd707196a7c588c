#pragma once
// The view window "Deplacement/Appendice": the hull with its keel, rudder, bulb, sails and the
// centres ruler.
#include "views/fenetres/Fenetre_Vue.h"

namespace gabarit {

class ADeplacement : public Fenetre_Vue {
    Q_OBJECT
public:
    explicit ADeplacement(Contexte &ctx);
    void Redessine() override;
};

} // namespace gabarit
