#pragma once
// The view window "Forme Carene": the hull in profile and in plan.
#include "views/fenetres/Fenetre_Vue.h"

namespace gabarit {

class AProfile : public Fenetre_Vue {
    Q_OBJECT
public:
    explicit AProfile(Contexte &ctx);
    void Redessine() override;
};

} // namespace gabarit
