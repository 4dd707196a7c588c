#pragma once
// The user's locale for the length of a test, whatever the machine's: boxes and labels follow
// it, so a test can type "1,75" as a French user would, and so do the core's messages, which
// read the C library's numbers as the program's start leaves them (Separateur_Essai.h).
#include <QLocale>
#include <string>

#include "support/Separateur_Essai.h"

namespace gabarit::test {

class Locale_Essai {
public:
    explicit Locale_Essai(const QLocale &l)
        : avant_(QLocale()),
          c_(l.language() == QLocale::C ? "C" : (l.name().toStdString() + ".UTF-8").c_str()) {
        QLocale::setDefault(l);
    }
    ~Locale_Essai() { QLocale::setDefault(avant_); }
    Locale_Essai(const Locale_Essai &) = delete;
    Locale_Essai &operator=(const Locale_Essai &) = delete;

private:
    QLocale avant_;
    Locale_C_Essai c_;
};

inline QLocale Francais() { return QLocale(QLocale::French, QLocale::France); }

} // namespace gabarit::test
