#include "model/Erreur.h"

#include <charconv>

namespace gabarit {

std::string Nombre_Message(double v) {
    if (!std::isfinite(v))
        return v > 0 ? "l'infini" : (v < 0 ? "moins l'infini" : "une valeur indéfinie");
    // to_chars, unlike printf, ignores the user's locale: messages keep their point.
    char tampon[400];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::fixed, 3);
    std::string s(tampon, r.ptr);
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == '.')
        s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string Valeur_Message(double v) {
    if (!(std::abs(v) >= 1e15))
        return Nombre_Message(v);
    // Beyond whole digits a reader can count: the exponent form, always with a point.
    char tampon[32];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::general, 6);
    return std::string(tampon, r.ptr);
}

void Refuse_Non_Fini(const char *quoi) {
    throw Erreur_Gabarit(std::string("Calcul impossible : ") + quoi + " non finie");
}

double Stockable(double v, const char *quoi) {
    if (!std::isfinite(v) || !std::isfinite(v * 1000))
        throw Erreur_Gabarit(std::string("Calcul impossible : ") + quoi +
                             " non finie ou trop grande pour le fichier");
    return v;
}

void Refuse_Division_Zero() { throw Erreur_Gabarit("Calcul impossible : division par zéro"); }

void Refuse_Puissance_Negatif() {
    throw Erreur_Gabarit("Calcul impossible : puissance fractionnaire d'un nombre négatif");
}

void Refuse_Puissance_Zero() {
    throw Erreur_Gabarit("Calcul impossible : puissance négative de zéro");
}

} // namespace gabarit
