#include "shell/Chaine_Nombre.h"

#include <cmath>
#include <cstdio>

namespace gabarit {

std::string Chaine_Nombre(double v) {
    if (!std::isfinite(v))
        return " 0";
    if (v == 0)
        v = 0; // no "-0"
    char tampon[40];
    std::snprintf(tampon, sizeof tampon, "%.15g", std::fabs(v));
    std::string s = tampon;
    if (s.size() > 1 && s[0] == '0' && s[1] == '.')
        s.erase(0, 1);
    return (v < 0 ? "-" : " ") + s;
}

} // namespace gabarit
