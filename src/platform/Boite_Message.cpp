#include "platform/Boite_Message.h"

#include <QMessageBox>

#include "shell/Interface_Shell.h"

namespace gabarit {

namespace {
Reponse_Message& Remplacement() {
    static Reponse_Message f;
    return f;
}
} // namespace

void Remplace_Boite_Message(Reponse_Message f) { Remplacement() = std::move(f); }

int Boite_Message(QWidget* parent, const QString& texte, int style, const QString& titre) {
    if (Remplacement())
        return Remplacement()(texte, style, titre);
    QMessageBox boite(parent);
    boite.setWindowTitle(titre);
    boite.setText(texte);
    if (style == MB_STOP) {
        boite.setIcon(QMessageBox::Critical);
        boite.setStandardButtons(QMessageBox::Ok);
    } else if (style == MB_OUI_NON) {
        boite.setIcon(QMessageBox::Warning);
        boite.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        boite.setDefaultButton(QMessageBox::Yes);
        boite.setButtonText(QMessageBox::Yes, QStringLiteral("Oui"));
        boite.setButtonText(QMessageBox::No, QStringLiteral("Non"));
    } else {
        boite.setIcon(QMessageBox::Warning);
        boite.setStandardButtons(QMessageBox::Ok);
    }
    const int r = boite.exec();
    if (style == MB_OUI_NON)
        return r == QMessageBox::Yes ? REPONSE_OUI : REPONSE_NON;
    return REPONSE_OK;
}

} // namespace gabarit
