#pragma once
#include "platform/Fenetre_Fille.h"

namespace gabarit {

class Menu_FG : public Fenetre_Fille {
    Q_OBJECT
public:
    explicit Menu_FG(Contexte& ctx);
    // Shows the record in the controls, with the computed characteristics.
    void Aff_Valeurs_FG();
    void Affiche_Valeurs() override { Aff_Valeurs_FG(); }
    // What the toolbar's profile key resets: marker Shape1 hidden, station box Text2 emptied,
    // Label6(0..3) " - - -", options Option1(0..3) cleared.
    void Efface_Selection();
};

} // namespace gabarit
