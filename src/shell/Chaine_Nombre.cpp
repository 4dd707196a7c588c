#include "shell/Chaine_Nombre.h"

#include <charconv>
#include <cmath>

namespace gabarit {

std::string Chaine_Nombre(double v) {
    if (!std::isfinite(v))
        return " 0";
    if (v == 0)
        v = 0; // no "-0"
    // to_chars ignores the C locale, which Qt sets from the user's: the status texts keep
    // their point under a French locale, as project files and status texts always do.
    char tampon[40];
    const auto fin =
        std::to_chars(tampon, tampon + sizeof tampon, std::fabs(v), std::chars_format::general, 15)
            .ptr;
    std::string s(tampon, fin);
    if (s.size() > 1 && s[0] == '0' && s[1] == '.')
        s.erase(0, 1);
    return (v < 0 ? "-" : " ") + s;
}

} // namespace gabarit
