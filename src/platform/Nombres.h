#pragma once
// Numbers in labels and boxes: the user's locale, general format (up to 15 significant
// digits, no grouping). Files never use these: they always use the C locale.
#include <QString>

namespace gabarit {

QString Texte_Nombre(double v);
// Parses a typed number with the same rules (blanks around it allowed). Returns false for a
// text that is not a number or not finite.
bool Lit_Nombre(const QString& texte, double& valeur);

} // namespace gabarit
