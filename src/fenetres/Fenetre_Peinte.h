#pragma once
// A child window painted afresh from the record (its paint handler) after it is shown or
// resized: every show and resize asks, and the paint runs once, after the events that asked
// for it, never inside itself.
#include "platform/Fenetre_Fille.h"

namespace gabarit {

class Fenetre_Peinte : public Fenetre_Fille {
    Q_OBJECT
public:
    using Fenetre_Fille::Fenetre_Fille;

    // Paints now, unless the window is hidden or already painting; a failure ends the paint
    // as it ends any window command.
    void Form_Paint();

protected:
    // What the window paints.
    virtual void Peint() = 0;
    // Queues one paint, unless one is queued or running.
    void Demande_Peinture();
    // In its normal state the window keeps the outer size it was drawn at, twips.
    void Garde_Taille(double largeur, double hauteur);

    void showEvent(QShowEvent *ev) override;
    void resizeEvent(QResizeEvent *ev) override;

private:
    bool en_peinture_ = false;
    bool peinture_prevue_ = false;
};

} // namespace gabarit
