#pragma once
// What the keel, rudder and bulb windows share: how a handler runs, their profile lists and
// their placing in the frame.
#include <QString>
#include <array>
#include <functional>

class QComboBox;
class QGroupBox;
class QLayout;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace gabarit {

class Contexte;
class Fenetre_Fille;
class Image_Vue;

// Runs a handler of these windows, even under a computation. Whatever the core refuses (a
// profile outside the table, a thickness of 0, a bulb too large to figure, ...) is explained
// in a box titled "Attention", unless the core has already said it. regard: the window's
// activation, which changes nothing of the project (Contexte::Regarde).
void Commande_Profil(Fenetre_Fille &fenetre, const std::function<void()> &f, bool regard = false);

// The list of the 40 profiles, items "0" to "39".
QComboBox *Liste_Profils(const QString &nom, QWidget *parent);
// Selects item `profil` without running the list's handler (a row outside the list is
// refused by Profil_Naca first).
void Selectionne(QComboBox *liste, int profil);

// The "-" and "+" buttons beside a profile list, named nom_0 and nom_1.
std::array<QPushButton *, 2> Boutons_Voisins(const QString &nom, QWidget *parent);
// A picture of a section or of the bulb, measured in pixels, largeur twips wide.
Image_Vue *Image_Profil(const QString &nom, double largeur, QWidget *parent);

// A tab page's column, 2 pixels from its edges; its frames follow one another from the top
// and the caller ends it with a stretch.
QVBoxLayout *Colonne_Page(QWidget *page);
// A frame of that caption added to the column.
QGroupBox *Cadre_Page(QVBoxLayout *colonne, const QString &nom, const QString &titre);
// A frame's layout 4 pixels from its sides, 2 from its top and 4 from its bottom.
void Marges_Cadre(QLayout *l);

// Width, height and place of these windows at each activation: the tool-window size, at a
// quarter of the frame's inner width and height.
void Place_Fenetre_Profil(Fenetre_Fille &w, Contexte &ctx);

} // namespace gabarit
