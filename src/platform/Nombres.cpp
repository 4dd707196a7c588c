#include "platform/Nombres.h"

#include <QLocale>
#include <cmath>

namespace gabarit {

QString Texte_Nombre(double v) {
    QLocale loc;
    loc.setNumberOptions(QLocale::OmitGroupSeparator);
    if (v == 0.0)
        return QStringLiteral("0"); // no "-0"
    return loc.toString(v, 'g', 15);
}

bool Lit_Nombre(const QString& texte, double& valeur) {
    QLocale loc;
    loc.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double v = loc.toDouble(texte.trimmed(), &ok);
    if (!ok || !std::isfinite(v))
        return false;
    valeur = v;
    return true;
}

} // namespace gabarit
