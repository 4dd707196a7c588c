#include "platform/Boite_Message.h"

#include <QMessageBox>
#include <QPushButton>

#include "interfaces/Interface_Shell.h"

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
    if (style == MB_OUI_NON) {
        boite.setIcon(QMessageBox::Warning);
        QPushButton* oui = boite.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
        boite.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
        boite.setDefaultButton(oui);
        boite.exec();
        return boite.clickedButton() == oui ? REPONSE_OUI : REPONSE_NON;
    }
    const int icone = style & ~MB_OK_ANNULER;
    boite.setIcon(icone == MB_STOP       ? QMessageBox::Critical
                  : icone == MB_QUESTION ? QMessageBox::Question
                                         : QMessageBox::Warning);
    if (style & MB_OK_ANNULER) {
        QPushButton* ok = boite.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        boite.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
        boite.setDefaultButton(ok);
        boite.exec();
        return boite.clickedButton() == ok ? REPONSE_OK : REPONSE_ANNULER;
    }
    boite.setStandardButtons(QMessageBox::Ok);
    boite.exec();
    return REPONSE_OK;
}

} // namespace gabarit
