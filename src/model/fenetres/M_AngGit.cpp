#include "model/fenetres/M_AngGit.h"

#include "model/Numeros.h"

namespace gabarit {

M_AngGit::M_AngGit(Contexte &ctx, QWidget *parent)
    : Dialogue_Angle(ctx, parent, QStringLiteral("M_AngGit"), QStringLiteral("Angle de Gite"),
                     ANGLE_GITE, Placement::Au_Montre_Hors_Initialisation) {}

} // namespace gabarit
