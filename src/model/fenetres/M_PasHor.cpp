#include "model/fenetres/M_PasHor.h"

namespace gabarit {

M_PasHor::M_PasHor(Contexte& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) { setObjectName("M_PasHor"); }

} // namespace gabarit
