#include "platform/Boite_Message.h"

#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <tuple>
#include <vector>

#include "interfaces/Interface_Shell.h"

namespace gabarit {

namespace {
Reponse_Message &Remplacement() {
    static Reponse_Message f;
    return f;
}

using Boite_Vue = std::tuple<QString, int, QString>;

// The notices each live command has shown, the innermost command last.
std::vector<std::vector<Boite_Vue>> &Commandes_En_Cours() {
    static std::vector<std::vector<Boite_Vue>> c;
    return c;
}

// A question waits for the user's answer: it is asked however often it comes.
bool Est_Question(int style) {
    return style == MB_OUI_NON || style == MB_ENREGISTRER || (style & MB_OK_ANNULER);
}
} // namespace

Une_Boite_Par_Commande::Une_Boite_Par_Commande() { Commandes_En_Cours().emplace_back(); }

Une_Boite_Par_Commande::~Une_Boite_Par_Commande() { Commandes_En_Cours().pop_back(); }

void Remplace_Boite_Message(Reponse_Message f) { Remplacement() = std::move(f); }

int Boite_Message(QWidget *parent, const QString &texte, int style, const QString &titre) {
    std::vector<std::vector<Boite_Vue>> &commandes = Commandes_En_Cours();
    if (!commandes.empty() && !Est_Question(style)) {
        std::vector<Boite_Vue> &montrees = commandes.back();
        Boite_Vue boite{texte, style, titre};
        if (std::find(montrees.begin(), montrees.end(), boite) != montrees.end())
            return REPONSE_OK;
        montrees.push_back(std::move(boite));
    }
    if (Remplacement())
        return Remplacement()(texte, style, titre);
    QMessageBox boite(parent);
    boite.setWindowTitle(titre);
    boite.setText(texte);
    if (style == MB_OUI_NON) {
        boite.setIcon(QMessageBox::Warning);
        QPushButton *oui = boite.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
        boite.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
        boite.setDefaultButton(oui);
        boite.exec();
        return boite.clickedButton() == oui ? REPONSE_OUI : REPONSE_NON;
    }
    if (style == MB_ENREGISTRER) {
        boite.setIcon(QMessageBox::Warning);
        QPushButton *oui = boite.addButton(QStringLiteral("Enregistrer"), QMessageBox::AcceptRole);
        QPushButton *non =
            boite.addButton(QStringLiteral("Ne pas enregistrer"), QMessageBox::DestructiveRole);
        QPushButton *annuler = boite.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
        boite.setDefaultButton(oui);
        boite.setEscapeButton(annuler);
        boite.exec();
        return boite.clickedButton() == oui   ? REPONSE_OUI
               : boite.clickedButton() == non ? REPONSE_NON
                                              : REPONSE_ANNULER;
    }
    const int icone = style & ~MB_OK_ANNULER;
    boite.setIcon(icone == MB_STOP       ? QMessageBox::Critical
                  : icone == MB_QUESTION ? QMessageBox::Question
                                         : QMessageBox::Warning);
    if (style & MB_OK_ANNULER) {
        QPushButton *ok = boite.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
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
