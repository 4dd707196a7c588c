#include "platform/Dialogue_Fichier.h"

#include <QDir>
#include <QFileDialog>

namespace gabarit {

// Each description is its own pattern, as the old filter showed it: "(*.cot)" then "(*.mas)".
QString Filtre_Projets() { return QStringLiteral("(*.cot);;(*.mas)"); }

namespace {
class Dialogue_Qt : public Dialogue_Fichier {
public:
    QString Ouvre(QWidget* parent) override {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Ouvrir"), QDir::currentPath(),
                                            Filtre_Projets());
    }
    QString Sauve(QWidget* parent) override {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Enregistrer sous"),
                                            QDir::currentPath(), Filtre_Projets());
    }
};
Dialogue_Fichier*& Installe() {
    static Dialogue_Fichier* d = nullptr;
    return d;
}
} // namespace

Dialogue_Fichier& Dialogue_Fichier_Courant() {
    static Dialogue_Qt reel;
    return Installe() ? *Installe() : reel;
}
void Installe_Dialogue_Fichier(Dialogue_Fichier* d) { Installe() = d; }

} // namespace gabarit
