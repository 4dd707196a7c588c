#include "views/fenetres/M_AngRot.h"

#include "model/Numeros.h"

namespace gabarit {

M_AngRot::M_AngRot(Contexte &ctx, QWidget *parent)
    : Dialogue_Angle(ctx, parent, QStringLiteral("M_AngRot"), QStringLiteral("Angle de rotation"),
                     ANGLE_ROTATION, Placement::Au_Montre_Et_Redimension) {}

} // namespace gabarit
