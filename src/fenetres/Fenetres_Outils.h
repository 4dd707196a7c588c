#pragma once
// What the tool windows of every subsystem share: their size, and the text of a figure that
// has no value.
#include <QString>

namespace gabarit {

// Outer size of the tool windows (hull form, shape variation, sails, appendages, weights,
// stability, comparison, print), twips.
inline constexpr double LARGEUR_OUTIL = 5865;
inline constexpr double HAUTEUR_OUTIL = 3750;

// A figure that could not be computed (a zero divisor, a heel that gave no result).
inline const QString TIRETS = QStringLiteral(" - - -");

} // namespace gabarit
