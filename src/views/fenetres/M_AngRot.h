#pragma once
// Modal dialog of the oblique sections view's rotation ANGLE_ROTATION: seven options, 0 to 30
// degrees by 5. Its option is selected when it is first shown and at every resize. Nothing is
// redrawn: the next redraw of the sections takes the angle.
#include "fenetres/Dialogue_Angle.h"

namespace gabarit {

class M_AngRot : public Dialogue_Angle {
    Q_OBJECT
public:
    explicit M_AngRot(Contexte &ctx, QWidget *parent = nullptr);
};

} // namespace gabarit
