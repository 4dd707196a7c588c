#include "views/fenetres/M_AngRot.h"

#include "model/Numeros.h"

namespace gabarit {

M_AngRot::M_AngRot(Contexte &ctx, QWidget *parent)
    : Dialogue_Angle(ctx, parent, QStringLiteral("M_AngRot"), QStringLiteral("Angle de rotation"),
                     ANGLE_ROTATION, Placement::Au_Montre_Et_Redimension) {
    // Its caption names the setting, as its frame does (left empty, the program's name shows).
    setWindowTitle(QStringLiteral("Angle de rotation"));
}

} // namespace gabarit
