#pragma once
// A numeric field of the rig windows: caption Label1(i), box Text1(i) and spin control
// UpDown1(i). The spin control holds the whole number the reader takes; a number typed in
// the box moves it. A record value outside the spinner's range is shown as it is and kept as
// it is until the user touches the field.
#include <QString>
#include <functional>

#include "rig/Saisie_Voile.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace gabarit {

class UpDown;

struct Champ_Spin {
    QLabel *legende = nullptr;
    QLineEdit *texte = nullptr;
    UpDown *fleches = nullptr;
    bool touche = false;

    // Builds the row at rang of the grid; appui runs when an arrow is pressed.
    void Cree(QWidget *parent, QGridLayout *g, int rang, int index, const QString &titre,
              const std::function<void()> &appui);
    // Limits (maximum, then minimum), then the record value.
    void Montre(Bornes b, double valeur);
    // An empty text when the box holds a number within the limits (the spinner then takes
    // it), else the message to show.
    QString Verifie(double valeur_projet);
    // What the reader stores: the spinner's value, or the record's own value when the field
    // was left untouched outside the limits.
    double Valeur(double valeur_projet) const;
};

} // namespace gabarit
