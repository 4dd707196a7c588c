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

// Notices shown since the outermost command began.
struct Boites_De_La_Commande {
    int profondeur = 0;
    std::vector<std::tuple<QString, int, QString>> montrees;
};
Boites_De_La_Commande &Commande_En_Cours() {
    static Boites_De_La_Commande c;
    return c;
}
} // namespace

Une_Boite_Par_Commande::Une_Boite_Par_Commande() { ++Commande_En_Cours().profondeur; }

Une_Boite_Par_Commande::~Une_Boite_Par_Commande() {
    Boites_De_La_Commande &c = Commande_En_Cours();
    if (--c.profondeur == 0)
        c.montrees.clear();
}

void Remplace_Boite_Message(Reponse_Message f) { Remplacement() = std::move(f); }

int Boite_Message(QWidget *parent, const QString &texte, int style, const QString &titre) {
    Boites_De_La_Commande &c = Commande_En_Cours();
    if (c.profondeur > 0 && style != MB_OUI_NON && !(style & MB_OK_ANNULER)) {
        auto boite = std::make_tuple(texte, style, titre);
        if (std::find(c.montrees.begin(), c.montrees.end(), boite) != c.montrees.end())
            return REPONSE_OK;
        c.montrees.push_back(std::move(boite));
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
