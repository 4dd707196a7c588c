#include "model/Erreur.h"

#include <cctype>
#include <charconv>
#include <clocale>
#include <string_view>

namespace gabarit {

namespace {

// The decimal separator the user reads and types: the C library's, which the windows put in
// the user's locale at start.
std::string Separateur_Decimal() {
    const std::lconv *l = std::localeconv();
    return l && l->decimal_point && *l->decimal_point ? l->decimal_point : ".";
}

// Digits written with a point, the point replaced by the user's separator.
std::string Au_Separateur(std::string s) {
    const std::size_t point = s.find('.');
    if (point != std::string::npos)
        s.replace(point, 1, Separateur_Decimal());
    return s;
}

// The nouns our checks name whose gender is masculine; every other is feminine (valeur,
// surface, puissance, demi-largeur...). Read from the first word: "centre vélique".
bool Masculin(std::string_view quoi) {
    std::string mot;
    for (char c : quoi) {
        if (c == ' ' || c == '_' || c == '\'')
            break;
        mot += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    for (std::string_view m : {"quotient", "poids", "centre", "coefficient", "perimetre",
                               "périmètre", "volume", "moment"})
        if (mot == m)
            return true;
    return false;
}

} // namespace

std::string Nombre_Message(double v) {
    if (!std::isfinite(v))
        return v > 0 ? "l'infini" : (v < 0 ? "moins l'infini" : "une valeur indéfinie");
    // to_chars ignores the locale: the separator is put in afterwards, in one place.
    char tampon[400];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::fixed, 3);
    std::string s(tampon, r.ptr);
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == '.')
        s.pop_back();
    return s == "-0" ? "0" : Au_Separateur(s);
}

std::string Valeur_Message(double v) {
    if (!(std::abs(v) >= 1e15))
        return Nombre_Message(v);
    // Beyond whole digits a reader can count: the exponent form.
    char tampon[32];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::general, 6);
    return Au_Separateur(std::string(tampon, r.ptr));
}

void Refuse_Non_Fini(const char *quoi) {
    throw Erreur_Non_Finie(std::string("Calcul impossible : ") + quoi +
                           (Masculin(quoi) ? " non fini" : " non finie"));
}

double Stockable(double v, const char *quoi) {
    if (!std::isfinite(v) || !std::isfinite(v * 1000))
        throw Erreur_Non_Finie(std::string("Calcul impossible : ") + quoi +
                               (Masculin(quoi) ? " non fini ou trop grand pour le fichier"
                                               : " non finie ou trop grande pour le fichier"));
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
