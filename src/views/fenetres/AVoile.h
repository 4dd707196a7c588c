#pragma once
// The view window "Voilure": the hull, its appendages and the sail plan.
#include "views/fenetres/Fenetre_Vue.h"

namespace gabarit {

class AVoile : public Fenetre_Vue {
    Q_OBJECT
public:
    explicit AVoile(Contexte &ctx);
    void Redessine() override;

protected:
    // A resize or a click runs the sail-view refresh instead of the redraw procedure.
    void Redessine_Sur_Evenement() override;
};

} // namespace gabarit
