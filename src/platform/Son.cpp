#include "platform/Son.h"

namespace gabarit {

void Joue_Fichier_Son(const QString&) {}

} // namespace gabarit
