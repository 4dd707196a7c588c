#pragma once
// The please-wait window shown during long computations: a yacht rolling in three pictures,
// one step a second while the window is the active one.
#include <array>

#include "platform/Fenetre_Fille.h"

class QLabel;
class QTimer;

namespace gabarit {

class AEnCours : public Fenetre_Fille {
    Q_OBJECT
public:
    explicit AEnCours(Contexte &ctx);

    // One animation step: the visible picture gives way to the next, then queued events run.
    void AEnCours_Timer1_Timer();
    void AEnCours_Form_Activate();
    void AEnCours_Form_Deactivate();
    QTimer *Timer1() const { return timer_; }

private:
    std::array<QLabel *, 3> images_{};
    QTimer *timer_;
};

} // namespace gabarit
