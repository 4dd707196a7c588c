#pragma once
// The one exception of the core. A computation that meets a division by zero, an impossible
// power, a non-finite value or an index out of range ends its command: the checked helpers
// below throw Erreur_Gabarit, and every window event handler catches it.
#include <cmath>
#include <stdexcept>
#include <string>

namespace gabarit {

class Erreur_Gabarit : public std::runtime_error {
public:
    // signalee: the core has already shown the user a message box for this refusal, so the
    // command that ends on it must not show another.
    explicit Erreur_Gabarit(const std::string &message, bool signalee = false)
        : std::runtime_error(message), signalee_(signalee) {}
    bool Signalee() const { return signalee_; }

private:
    bool signalee_;
};

// A computation over the heels that stopped part way and keeps what it completed: its guards
// left every heel it did not finish under a red light, and what it tells the user is told. The
// command that ran it stands as it ended; nothing is put back.
class Calcul_Partiel : public Erreur_Gabarit {
public:
    using Erreur_Gabarit::Erreur_Gabarit;
};

// A value a computation cannot go on with: infinite or not a number. Its own type, so that a
// walk that meets one can look for the record that led there and name it.
class Erreur_Non_Finie : public Erreur_Gabarit {
public:
    using Erreur_Gabarit::Erreur_Gabarit;
};

// The refusals below are out of line and cold: the checked helpers sit on the hull walks'
// hot paths, where only the test itself should cost anything.
// Throws Erreur_Non_Finie: "quoi non fini" or "non finie", as the noun's gender asks.
[[noreturn]] void Refuse_Non_Fini(const char *quoi);
[[noreturn]] void Refuse_Division_Zero();
[[noreturn]] void Refuse_Puissance_Negatif();
[[noreturn]] void Refuse_Puissance_Zero();

// Throws unless v is finite; returns v.
inline double Fini(double v, const char *quoi = "valeur") {
    if (!std::isfinite(v)) [[unlikely]]
        Refuse_Non_Fini(quoi);
    return v;
}
// a / b, refusing a zero divisor and a non-finite result.
inline double Divise(double a, double b) {
    if (b == 0.0) [[unlikely]]
        Refuse_Division_Zero();
    return Fini(a / b, "quotient");
}
// base ^ exposant, refusing a negative base under a fractional power, 0 under a negative
// power and any non-finite result.
inline double Puissance(double base, double exposant) {
    if (base < 0.0 && exposant != std::floor(exposant)) [[unlikely]]
        Refuse_Puissance_Negatif();
    if (base == 0.0 && exposant < 0.0) [[unlikely]]
        Refuse_Puissance_Zero();
    return Fini(std::pow(base, exposant), "puissance");
}
// A number as our messages show it: plain digits, the user's decimal separator and at most
// three decimals, never an exponent ("100001000", not "1.00001e+08"; "2,4" under a French
// locale, as the user types it). The separator is the C library's, which the windows set
// from the user's environment at start; a program that never sets it writes a point.
std::string Nombre_Message(double v);
// A value a refusal names: as Nombre_Message, or the exponent form for one too large to read
// digit by digit (1e+300).
std::string Valeur_Message(double v);
// Throws (Erreur_Non_Finie) unless v can go to the record and to a file: finite, and finite once
// written as whole thousandths (v x 1000); returns v. The message agrees with quoi as
// Refuse_Non_Fini's.
double Stockable(double v, const char *quoi = "valeur");

// Int(x): the greatest whole number not above x. Fix(x): x truncated toward zero.
inline double Int(double x) { return std::floor(x); }
inline double Fix(double x) { return std::trunc(x); }
// The whole number nearest x, an exact half to the even neighbour.
inline double Arrondi(double x) { return std::nearbyint(x); }

} // namespace gabarit
