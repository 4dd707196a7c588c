#include "rig/fenetres/Champ_Spin.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "platform/Nombres.h"
#include "platform/UpDown.h"

namespace gabarit {

namespace {
bool Dans_Bornes(const UpDown *s, double v) { return v >= s->minimum() && v <= s->maximum(); }
} // namespace

void Champ_Spin::Cree(QWidget *parent, QGridLayout *g, int rang, int index, const QString &titre,
                      const std::function<void()> &appui) {
    legende = new QLabel(titre, parent);
    legende->setObjectName(QStringLiteral("Label1_%1").arg(index));
    texte = new QLineEdit(parent);
    texte->setObjectName(QStringLiteral("Text1_%1").arg(index));
    texte->setMinimumWidth(45);
    texte->setMaximumWidth(60);
    fleches = new UpDown(parent);
    fleches->setObjectName(QStringLiteral("UpDown1_%1").arg(index));
    fleches->setBuddy(texte);
    g->addWidget(legende, rang, 0);
    g->addWidget(texte, rang, 1);
    g->addWidget(fleches, rang, 2);
    if (appui)
        QObject::connect(fleches, &UpDown::MouseDown, parent, appui);
    QObject::connect(fleches, &UpDown::Change, parent, [this] { touche = true; });
    QObject::connect(texte, &QLineEdit::textEdited, parent, [this] { touche = true; });
}

void Champ_Spin::Montre(Bornes b, double valeur) {
    fleches->setRange(b.min, b.max);
    fleches->Montre_Valeur(Dans_Bornes(fleches, valeur) ? Arrondi(valeur) : valeur);
    touche = false;
}

QString Champ_Spin::Verifie(double valeur_projet) {
    // An untouched box still shows the record as it is: nothing to check.
    if (!touche && texte->text() == Texte_Nombre(valeur_projet))
        return {};
    double v = 0;
    const QString refus = fleches->Refus_Saisie(legende->text().trimmed(), texte->text(), v);
    if (!refus.isEmpty())
        return refus;
    fleches->setValue(v);
    touche = true;
    return {};
}

double Champ_Spin::Valeur(double valeur_projet) const {
    if (!touche && !Dans_Bornes(fleches, valeur_projet))
        return valeur_projet;
    return fleches->value();
}

} // namespace gabarit
