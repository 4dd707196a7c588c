#pragma once
// The twin foil-section windows of the keel (Comp_Derive) and the rudder (Comp_Safran): the
// choice of the upper and lower sections' NACA profiles, the chosen section drawn with its
// thickness and the place of its thickest point, the sizing of both chords to wanted
// thicknesses, and the full-size print. They differ only by their twin table.
#include <array>

#include "rig/fenetres/Fenetre_Comp.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace gabarit {

class Contexte;
class Image_Vue;
struct Plan_Naca;

// What tells the keel window from the rudder window.
struct Jumeau_Profil {
    const char *nom;            // the window's name
    const char *legende;        // its caption
    const char *longueur_avant; // caption beside the thickest point's place
    const Plan_Naca &plan;      // record numbers of the fin
    void (*imprime)(Contexte &, int profil);
};

class Fenetre_Profil_Naca : public Fenetre_Comp {
    Q_OBJECT
public:
    Fenetre_Profil_Naca(Contexte &ctx, const Jumeau_Profil &jumeau);

    QTabWidget *SSTab1() const { return SSTab1_; }
    QComboBox *Combo1() const { return Combo1_; }
    QPushButton *Command3(int i) const { return Command3_[static_cast<std::size_t>(i)]; }
    QRadioButton *Option1(int i) const { return Option1_[static_cast<std::size_t>(i)]; }
    Image_Vue *Picture1() const { return Picture1_; }
    QLabel *Label6(int i) const { return i == 3 ? Label6_3_ : Label6_4_; } // 3 and 4
    QPushButton *Command1() const { return Command1_; }
    QLineEdit *Text2(int i) const { return Text2_[static_cast<std::size_t>(i)]; }
    QPushButton *Command2() const { return Command2_; }

    // Size, place, list and drawing from the record: what coming to the window does.
    void Activation() override;

private:
    bool Inferieur() const;
    int Numero_Profil() const; // record number of the chosen section's profile
    void Dessine();
    void Selectionne_Section();
    void Choix_Profil();
    void Profil_Voisin(int sens);
    void Impression();
    void Dimensionne_Clic();

    const Jumeau_Profil &jumeau_;
    QTabWidget *SSTab1_;
    QComboBox *Combo1_;
    std::array<QPushButton *, 2> Command3_{};
    std::array<QRadioButton *, 2> Option1_{};
    Image_Vue *Picture1_;
    QFrame *Line1_;
    QLabel *Label6_3_, *Label6_4_;
    QPushButton *Command1_;
    std::array<QLineEdit *, 2> Text2_{};
    QPushButton *Command2_;
};

} // namespace gabarit
