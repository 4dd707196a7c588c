#pragma once
// The print window: single sections and series at full size, the transom, the aft and
// forward profiles, the reduced sheer line and side profile, and the printer's calibration,
// test print, quality, setup and save.
#include <array>

#include "platform/Fenetre_Fille.h"

class QLabel;
class QLineEdit;
class QMdiSubWindow;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace gabarit {

class UpDown;

class Menu_Impression : public Fenetre_Fille {
    Q_OBJECT
public:
    explicit Menu_Impression(Contexte &ctx);

    // The window's load: its size, and the copy of the vertical step PAS_VERTICAL that its
    // unload
    // gives back. Done once until the window is closed.
    void Menu_Impression_Form_Load();
    // The quality option from QUALITE_IMPRESSION: "bonne" for any value but 0.
    void Selectionne_Qualite(double qualite);
    // The window's activation: the station spinner reaches the hull length, the quality
    // option follows QUALITE_IMPRESSION, the calibration is shown.
    void Menu_Impression_Form_Activate();
    bool Qualite_Bonne() const;

    QTabWidget *SSTab1() const { return SSTab1_; }
    QLineEdit *Text1() const { return Text1_; }
    QLineEdit *Text2() const { return Text2_; }
    UpDown *UpDown1() const { return UpDown1_; }
    UpDown *UpDown2() const { return UpDown2_; }
    // Buttons 0 to 7 and 10; nullptr for the others.
    QPushButton *Command2(int i) const;
    QRadioButton *Option1(int i) const { return Option1_[static_cast<std::size_t>(i)]; }

protected:
    // Closing the window unloads it: PAS_VERTICAL gets the copy back.
    void Au_Fermeture() override;

private:
    void Cree_Onglet_Couple();
    void Cree_Onglet_Generale();
    void Cree_Onglet_Reglage();
    // Runs a button's command: nothing while a computation runs; failures are reported.
    void Execute(const std::function<void()> &f);
    void Menu_Impression_Command2_Click(int index);
    void Menu_Impression_Command3_Click();
    void Menu_Impression_Command1_Click();
    void Menu_Impression_Command5_Click();
    void Corrige(int numero, double delta);
    void Menu_Impression_Command4_Click();
    void Menu_Impression_Form_Unload();
    void Affiche_Calibration();
    // The typed station or step, checked against its spinner's range; false after a
    // message when it is not a number in range.
    bool Lit_Entier(QLineEdit *t, UpDown *u, const QString &nom, double &valeur);
    // The last station or step taken by an arrow or by "Valide", for that spinner.
    double &Bonne_Valeur(const UpDown *u) { return u == UpDown1_ ? station_ : pas_; }

    QTabWidget *SSTab1_;
    QLineEdit *Text1_ = nullptr, *Text2_ = nullptr;
    UpDown *UpDown1_ = nullptr, *UpDown2_ = nullptr;
    std::array<QPushButton *, 11> Command2_{};
    std::array<QRadioButton *, 2> Option1_{};
    QLabel *Valeur_H_ = nullptr, *Valeur_V_ = nullptr;
    bool charge_ = false;
    double station_ = 0, pas_ = 10; // whole mm, the spinners' starting values
};

// The project initialisation's step: the window is created (and loaded) and its quality
// option follows QUALITE_IMPRESSION.
void Init_Projet_Impression(Contexte &ctx, double qualite);
// The menu item "Impression": loads the window if it was closed and shows it.
void Montre_Menu_Impression(Contexte &ctx);

} // namespace gabarit
