#pragma once
// The bulb window: the three NACA profiles of the ballast bulb (top view, upper and lower
// halves of the side view), both views drawn with their main dimensions, the bulb height
// stored for the righting moment, the mass figure from a metal reference, and the two
// full-size prints. Opened by "Profils NACA" of the appendages window's "Bulbe" tab.
#include <array>

#include "rig/fenetres/Fenetre_Comp.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace gabarit {

class Image_Vue;

class Comp_Bulbe : public Fenetre_Comp {
    Q_OBJECT
public:
    explicit Comp_Bulbe(Contexte &ctx);

    QTabWidget *SSTab1() const { return SSTab1_; }
    QComboBox *Combo1() const { return Combo1_; }
    QComboBox *Combo2() const { return Combo2_; }
    QPushButton *Command3(int i) const { return Command3_[static_cast<std::size_t>(i)]; }
    QPushButton *Command6(int i) const { return Command6_[static_cast<std::size_t>(i)]; }
    QRadioButton *Option1(int i) const { return Option1_[static_cast<std::size_t>(i)]; }
    Image_Vue *Picture1() const { return Picture1_; }
    Image_Vue *Picture2() const { return Picture2_; }
    // Value labels 1 and 6 (thickest points of the side view's halves), 3 (width), 4
    // (thickest point of the top view), 5 (height).
    QLabel *Label6(int i) const { return Label6_[static_cast<std::size_t>(i)]; }
    QLineEdit *Text1() const { return Text1_; }
    QPushButton *Command1() const { return Command1_; }
    QPushButton *Command5() const { return Command5_; }
    QPushButton *Command7() const { return Command7_; }
    QLabel *Label2_1() const { return Label2_1_; }

    // Size and place, the NACA table read again, both views drawn from the record.
    void Activation() override;

private:
    void Cree_Dessus(QWidget *page);
    void Cree_Cote(QWidget *page);
    void Cree_Masse(QWidget *page);
    bool Inferieur() const; // Option1(0) "Inferieur": Combo2 shows the lower half
    void Choix_Dessus();    // the list's profile stored, then drawn
    void Dessine_Dessus();
    void Choix_Cote();
    void Dessine_Cote();
    void Selectionne_Cote();
    void Voisin(QComboBox *liste, int sens, void (Comp_Bulbe::*choix)());
    void Calcul_Masse_Bulbe();

    QTabWidget *SSTab1_;
    QComboBox *Combo1_, *Combo2_;
    std::array<QPushButton *, 2> Command3_{}, Command6_{};
    std::array<QRadioButton *, 2> Option1_{};
    Image_Vue *Picture1_, *Picture2_;
    std::array<QLabel *, 7> Label6_{}; // 1, 3, 4, 5 and 6 are used
    QLineEdit *Text1_;
    QPushButton *Command1_, *Command5_, *Command7_;
    QLabel *Label2_1_;
};

} // namespace gabarit
