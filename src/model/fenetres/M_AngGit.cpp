#include "model/fenetres/M_AngGit.h"

namespace gabarit {

M_AngGit::M_AngGit(Contexte& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) { setObjectName("M_AngGit"); }

} // namespace gabarit
