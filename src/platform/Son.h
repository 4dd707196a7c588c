#pragma once
// Asynchronous playback of a wave file; a machine without audio stays silent.
#include <QString>

namespace gabarit {

void Joue_Fichier_Son(const QString& chemin);

} // namespace gabarit
