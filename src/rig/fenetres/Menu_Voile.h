#pragma once
// The sail-plan window "Menu Voile Libre": mast, mainsail and jib dimensions, the choice of
// the free or the CLASS sail plan, and the sail figures.
#include <array>

#include "fenetres/Fenetre_Peinte.h"
#include "rig/fenetres/Champ_Spin.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace gabarit {

class Menu_VoileClass;

class Menu_Voile : public Fenetre_Peinte {
    Q_OBJECT
public:
    explicit Menu_Voile(Contexte &ctx);

    // Affiche_Voile: the record in the controls, the figures in the labels of both sail
    // windows; does nothing while this window is hidden.
    void Affiche_Voile();
    void Affiche_Valeurs() override { Affiche_Voile(); }
    // List1 from the last sail drawing's widths.
    void Remplit_Liste();

    QTabWidget *SSTab1() const { return SSTab1_; }
    UpDown *UpDown1(int i) const { return Champ(i).fleches; }
    // Text1(3) is the leech exponent's box.
    QLineEdit *Text1(int i) const;
    QLabel *Label1(int i) const { return Champ(i).legende; }
    QLabel *Label2(int i) const { return Label2_[static_cast<std::size_t>(i)]; }
    QLabel *Label4(int i) const { return Label4_[static_cast<std::size_t>(i)]; }
    QLabel *Label5(int i) const { return Label5_[static_cast<std::size_t>(i)]; }
    QLabel *Label6(int i) const { return Label6_[static_cast<std::size_t>(i)]; }
    QListWidget *List1() const { return List1_; }
    QRadioButton *Option1(int i) const { return Option1_[static_cast<std::size_t>(i)]; }
    // "Valide": 0, 2 and 4.
    QPushButton *Command1(int i) const { return Command1_[static_cast<std::size_t>(i / 2)]; }
    QPushButton *Command2(int i) const { return Command2_[static_cast<std::size_t>(i)]; }
    QPushButton *Command3() const { return Command3_; }
    QCheckBox *Check1() const { return Check1_; }
    QGroupBox *Frame4() const { return Frame4_; }

protected:
    // The window's size, the CLASS box from the record, then Affiche_Voile.
    void Peint() override;

private:
    void Construit();
    QWidget *Onglet_Grand_Voile();
    QWidget *Onglet_Foc();
    QWidget *Onglet_Mat();
    QWidget *Onglet_Voilure();
    QGroupBox *Reglage(QWidget *parent, int frame, std::initializer_list<int> champs);

    // Handlers, by what they do.
    void Valide_Clic();             // Command1 "Valide"
    void Bascule_Class(bool coche); // Check1 "Option CLASS"
    void Applique_Class(bool coche);
    void Pas_Exposant_Appui(int index); // Command2 "+" / "-", on mouse down
    void Libre_Vers_Class();            // Command3 "Libre / Class"

    bool Verifie_Saisies();
    // The CLASS window's batten boxes; false (its tab and box shown, the user told) when one
    // does not hold a number.
    bool Lit_Lattes(std::array<double, 3> &lattes);
    // Lire_Voile: the controls into the record; false (message shown, nothing stored) when
    // the plan is refused. In the CLASS plan the free plan's exponent refuses nothing.
    bool Lire_Voile(bool classe);
    void Montre_Class(Menu_VoileClass &c);
    // The CLASS fit of the battens; when refused, "Calcul Impossible", the stored law stays
    // and the boxes show its battens again: false.
    bool Ajuste_Lattes(const std::array<double, 3> &lattes);
    // The derivation (the sail figures of the plan as it stands); its refusal ends the command,
    // untold when the battens' fit was refused (ajuste false) and said so already.
    void Derive_Sans_Second_Message(Etat_Projet &e, bool ajuste);
    void Message(const QString &texte);

    Champ_Spin &Champ(int i) { return Champs_[static_cast<std::size_t>(i)]; }
    const Champ_Spin &Champ(int i) const { return Champs_[static_cast<std::size_t>(i)]; }

    QTabWidget *SSTab1_ = nullptr;
    std::array<Champ_Spin, NB_CHAMPS_VOILE> Champs_{}; // index 3 unused
    QLineEdit *Exposant_ = nullptr;                    // Text1(3)
    std::array<QLabel *, 6> Label2_{};
    std::array<QLabel *, 6> Label4_{};
    std::array<QLabel *, 4> Label5_{};
    std::array<QLabel *, 12> Label6_{};
    QListWidget *List1_ = nullptr;
    std::array<QRadioButton *, 2> Option1_{};
    std::array<QPushButton *, 3> Command1_{};
    std::array<QPushButton *, 2> Command2_{};
    QPushButton *Command3_ = nullptr;
    QCheckBox *Check1_ = nullptr;
    QGroupBox *Frame4_ = nullptr;
};

} // namespace gabarit
