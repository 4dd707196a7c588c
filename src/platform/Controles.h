#pragma once
// Small builders of the windows' controls, each named (setObjectName) as the window names
// it, so tests find it.
#include <QString>

class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QWidget;

namespace gabarit {

// The window's type at 8 points: every caption and box is sized in twips for it.
void Police_8(QWidget *fenetre);
// The tab control "SSTab1" filling the window, marge pixels from its edges.
QTabWidget *Onglets(QWidget *fenetre, int marge);

QGroupBox *Groupe(QWidget *parent, const QString &nom, const QString &legende);
QPushButton *Bouton(QWidget *parent, const QString &nom, const QString &legende);
// A caption; left unnamed when nom is empty.
QLabel *Etiquette(QWidget *parent, const QString &nom, const QString &texte);
// A sunken panel that shows a figure.
QLabel *Valeur(QWidget *parent, const QString &nom);
// The grid of a frame: 4 pixels at its sides, 2 above, below and between its rows.
QGridLayout *Grille_Cadre(QWidget *cadre);

// Places w at (x, y), l x h, twips of its parent.
void Place_Twips(QWidget *w, double x, double y, double l, double h);
// The same, returning w.
template <class W> W *Place(W *w, double x, double y, double l, double h) {
    Place_Twips(w, x, y, l, h);
    return w;
}

} // namespace gabarit
