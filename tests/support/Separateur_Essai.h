#pragma once
// The decimal separator of the core's messages, which follow the C library's locale: the Qt
// windows put it in the user's locale at start (a comma under LC_ALL=fr_FR.UTF-8), a test
// program without Qt leaves it at C.
#include <cctype>
#include <clocale>
#include <string>

namespace gabarit::test {

// A message written with points, as the core writes it under the locale in force: every point
// between two digits ("0.101 mm.") takes the locale's separator, the full stop stays.
inline std::string Au_Separateur(std::string texte) {
    const char *separateur = std::localeconv()->decimal_point;
    const auto chiffre = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    for (std::size_t i = 1; i + 1 < texte.size(); ++i)
        if (texte[i] == '.' && chiffre(texte[i - 1]) && chiffre(texte[i + 1])) {
            texte.replace(i, 1, separateur);
            i += std::string(separateur).size() - 1;
        }
    return texte;
}

// The C library's numbers in another locale for the length of a test, as the windows set them
// for a user of that locale. Pris(): the machine has that locale.
class Locale_C_Essai {
public:
    explicit Locale_C_Essai(const char *nom) : avant_(std::setlocale(LC_NUMERIC, nullptr)) {
        pris_ = std::setlocale(LC_NUMERIC, nom) != nullptr;
    }
    ~Locale_C_Essai() { std::setlocale(LC_NUMERIC, avant_.c_str()); }
    Locale_C_Essai(const Locale_C_Essai &) = delete;
    Locale_C_Essai &operator=(const Locale_C_Essai &) = delete;
    bool Pris() const { return pris_; }

private:
    std::string avant_;
    bool pris_ = false;
};

} // namespace gabarit::test
