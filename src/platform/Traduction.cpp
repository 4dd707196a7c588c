#include "platform/Traduction.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace gabarit {

QTranslator *Installe_Traduction_Qt() {
    auto *app = QCoreApplication::instance();
    if (!app)
        return nullptr;
    auto *t = new QTranslator(app);
    if (!t->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(t)) {
        delete t;
        return nullptr;
    }
    return t;
}

} // namespace gabarit
