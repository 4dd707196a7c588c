#pragma once
// Modal dialog of the heel angle P(ANGLE_GITE): seven options, 0 to 30 degrees by 5. Its
// option is selected at each showing, none while the program starts.
#include "fenetres/Dialogue_Angle.h"

namespace gabarit {

class M_AngGit : public Dialogue_Angle {
    Q_OBJECT
public:
    explicit M_AngGit(Contexte &ctx, QWidget *parent = nullptr);
};

} // namespace gabarit
