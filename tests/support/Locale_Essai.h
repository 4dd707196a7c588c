#pragma once
// The user's locale for the length of a test, whatever the machine's: boxes and labels follow
// it, so a test can type "1,75" as a French user would, and so do the core's messages, which
// write numbers with the C library's separator, as the program's start leaves it.
#include <QLocale>
#include <clocale>
#include <string>

namespace gabarit::test {

class Locale_Essai {
public:
    explicit Locale_Essai(const QLocale &l)
        : avant_(QLocale()), avant_c_(std::setlocale(LC_NUMERIC, nullptr)) {
        QLocale::setDefault(l);
        const std::string c = l.language() == QLocale::C ? "C" : l.name().toStdString() + ".UTF-8";
        std::setlocale(LC_NUMERIC, c.c_str());
    }
    ~Locale_Essai() {
        QLocale::setDefault(avant_);
        std::setlocale(LC_NUMERIC, avant_c_.c_str());
    }
    Locale_Essai(const Locale_Essai &) = delete;
    Locale_Essai &operator=(const Locale_Essai &) = delete;

private:
    QLocale avant_;
    std::string avant_c_;
};

inline QLocale Francais() { return QLocale(QLocale::French, QLocale::France); }

// A number as the core's messages write it in the locale in force: "0.45" with the C
// library's decimal separator ("0,45" under fr_FR.UTF-8).
inline std::string Au_Separateur(std::string nombre) {
    if (const auto i = nombre.find('.'); i != std::string::npos)
        nombre.replace(i, 1, std::localeconv()->decimal_point);
    return nombre;
}

} // namespace gabarit::test
