#include "platform/Controles.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/Twips.h"

namespace gabarit {

void Police_8(QWidget *fenetre) {
    QFont f = fenetre->font();
    f.setPointSizeF(8);
    fenetre->setFont(f);
}

QTabWidget *Onglets(QWidget *fenetre, int marge) {
    auto *l = new QVBoxLayout(fenetre);
    l->setContentsMargins(marge, marge, marge, marge);
    auto *t = new QTabWidget(fenetre);
    t->setObjectName(QStringLiteral("SSTab1"));
    l->addWidget(t);
    return t;
}

QGroupBox *Groupe(QWidget *parent, const QString &nom, const QString &legende) {
    auto *g = new QGroupBox(legende, parent);
    g->setObjectName(nom);
    return g;
}

QPushButton *Bouton(QWidget *parent, const QString &nom, const QString &legende) {
    auto *b = new QPushButton(legende, parent);
    b->setObjectName(nom);
    return b;
}

QLabel *Etiquette(QWidget *parent, const QString &nom, const QString &texte) {
    auto *l = new QLabel(texte, parent);
    if (!nom.isEmpty())
        l->setObjectName(nom);
    return l;
}

QLabel *Valeur(QWidget *parent, const QString &nom) {
    auto *v = new QLabel(parent);
    v->setObjectName(nom);
    v->setFrameShape(QFrame::Panel);
    v->setFrameShadow(QFrame::Sunken);
    return v;
}

QGridLayout *Grille_Cadre(QWidget *cadre) {
    auto *g = new QGridLayout(cadre);
    g->setContentsMargins(4, 2, 4, 2);
    g->setVerticalSpacing(2);
    return g;
}

void Place_Twips(QWidget *w, double x, double y, double l, double h) {
    w->setGeometry(Twips_En_Pixels(x), Twips_En_Pixels(y), Twips_En_Pixels(l), Twips_En_Pixels(h));
}

} // namespace gabarit
