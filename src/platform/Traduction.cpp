#include "platform/Traduction.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstring>

namespace gabarit {

namespace {

// Qt's French catalogue, with the few texts of the printer dialogs it leaves in English.
class Traduction_Qt : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char *contexte, const char *source, const char *precision,
                      int n) const override {
        QString t = QTranslator::translate(contexte, source, precision, n);
        if (!t.isEmpty() || !contexte || !source)
            return t;
        struct Manque {
            const char *contexte, *source, *francais;
        };
        static const Manque manques[] = {
            {"QPrintPropertiesDialog", "Printer Properties", "Propriétés de l'imprimante"},
            {"QPrintPropertiesWidget", "Advanced", "Avancé"},
            {"QPrintSettingsOutput", "Double Sided Printing", "Recto verso"},
            {"QPrintSettingsOutput", "Off", "Non"},
            {"QPrintSettingsOutput", "Long side binding", "Reliure bord long"},
            {"QPrintSettingsOutput", "Short side binding", "Reliure bord court"},
        };
        for (const Manque &m : manques)
            if (std::strcmp(contexte, m.contexte) == 0 && std::strcmp(source, m.source) == 0)
                return QString::fromUtf8(m.francais);
        return t;
    }
};

} // namespace

QTranslator *Installe_Traduction_Qt() {
    auto *app = QCoreApplication::instance();
    if (!app)
        return nullptr;
    auto *t = new Traduction_Qt(app);
    if (!t->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(t)) {
        delete t;
        return nullptr;
    }
    return t;
}

} // namespace gabarit
