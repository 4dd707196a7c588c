#pragma once
// The user's locale for the length of a test, whatever the machine's: boxes and labels follow
// it, so a test can type "1,75" as a French user would.
#include <QLocale>

namespace gabarit::test {

class Locale_Essai {
public:
    explicit Locale_Essai(const QLocale &l) : avant_(QLocale()) { QLocale::setDefault(l); }
    ~Locale_Essai() { QLocale::setDefault(avant_); }
    Locale_Essai(const Locale_Essai &) = delete;
    Locale_Essai &operator=(const Locale_Essai &) = delete;

private:
    QLocale avant_;
};

inline QLocale Francais() { return QLocale(QLocale::French, QLocale::France); }

} // namespace gabarit::test
