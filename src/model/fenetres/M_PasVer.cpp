#include "model/fenetres/M_PasVer.h"

namespace gabarit {

M_PasVer::M_PasVer(Contexte& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) { setObjectName("M_PasVer"); }

} // namespace gabarit
