#pragma once
// The view window "Couples": the body plan in the framing named by the view key.
#include "views/fenetres/Fenetre_Vue.h"

namespace gabarit {

class ACoup : public Fenetre_Vue {
    Q_OBJECT
public:
    explicit ACoup(Contexte &ctx);
    void Redessine() override;

protected:
    // A resize first lets pending window events run, then redraws.
    void Redessine_Sur_Evenement() override;
    // The sections toolbar will take its height here, above the picture.
    int Haut_Reserve() const override { return 0; }
};

} // namespace gabarit
