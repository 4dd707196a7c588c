#pragma once
// The number string of the status texts: a blank before a number that is not negative, a
// point as decimal separator, no zero before the point (" 15", " .5", "-2.5").
#include <string>

namespace gabarit {

std::string Chaine_Nombre(double v);

} // namespace gabarit
