#pragma once
// What the keel, rudder and bulb windows share: how a handler runs, their profile lists and
// their placing in the frame.
#include <QString>
#include <functional>

class QComboBox;
class QLabel;
class QWidget;

namespace gabarit {

class Contexte;
class Fenetre_Fille;

// Runs a handler of these windows, even under a computation. A choice the core refuses (a
// profile outside the table, a thickness of 0, ...) is explained in a box titled
// "Attention"; any other failure ends the handler as every window command ends.
void Commande_Profil(Fenetre_Fille &fenetre, const std::function<void()> &f);

// The list of the 40 profiles, items "0" to "39".
QComboBox *Liste_Profils(const QString &nom, QWidget *parent);
// Selects item `profil` without running the list's handler (a row outside the list is
// refused by Profil_Naca first).
void Selectionne(QComboBox *liste, int profil);

// Width, height and place of these windows at each activation: 5865 x 3750 twips, at a
// quarter of the frame's inner width and height.
void Place_Fenetre_Profil(Fenetre_Fille &w, Contexte &ctx);

} // namespace gabarit
