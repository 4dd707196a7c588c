#pragma once
// The appendages window "Menu Appendice": rudder, keel and bulb dimensions, the keel and
// rudder figures, and the way to their foil sections.
#include <array>

#include "platform/Fenetre_Fille.h"
#include "rig/Appendices.h"
#include "rig/fenetres/Champ_Spin.h"

class QLabel;
class QLineEdit;
class QMdiSubWindow;
class QPushButton;
class QTabWidget;

namespace gabarit {

class Menu_Appendice : public Fenetre_Fille {
    Q_OBJECT
public:
    explicit Menu_Appendice(Contexte &ctx);

    // Affiche_Appendice: the record in the spin controls and the figures in the labels; does
    // nothing while the window is hidden.
    void Affiche_Appendice();
    void Affiche_Valeurs() override { Affiche_Appendice(); }
    // Lire_Appendice: the eleven spin controls into the record.
    void Lire_Appendice();

    QTabWidget *SSTab1() const { return SSTab1_; }
    UpDown *UpDown1(int i) const { return Champ(i).fleches; }
    QLineEdit *Text1(int i) const { return Champ(i).texte; }
    // Field captions 0 to 8, 10, 13 and the "Info" captions and offsets 14 to 23.
    QLabel *Label1(int i) const;
    QLabel *Label2(int i) const { return Label2_[static_cast<std::size_t>(i)]; }
    QLabel *Label3(int i) const { return Label3_[static_cast<std::size_t>(i)]; }
    QLabel *Label4() const { return Label4_; }
    QLabel *Label5() const { return Label5_; }
    QLabel *Label6() const { return Label6_; }
    // "Valide": 0, 2 and 4.
    QPushButton *Command1(int i) const { return Command1_[static_cast<std::size_t>(i / 2)]; }
    QPushButton *Command2() const { return Command2_; }
    QPushButton *Command3() const { return Command3_; }
    QPushButton *Command4() const { return Command4_; }

private:
    void Construit();
    QWidget *Onglet(int reglage, std::initializer_list<int> champs, int info, int valide,
                    QPushButton *&naca);
    void Info_Ligne(QWidget *cadre, int rang, int legende, const char *texte, QLabel *valeur);
    // The "Info" frame Frame1(frame) of a foil: its real and theoretical areas and aspect
    // ratio (figures prefixe(0..2), captions Label1(legendes)), then the offset of the
    // centres (caption Label1(decalage), figure Label1(decalage + 1)).
    void Infos_Plan(QWidget *page, int frame, const QString &prefixe,
                    std::array<QLabel *, 3> &chiffres, std::array<int, 3> legendes, int decalage);

    // Handlers, by what they do.
    void Valide_Clic();          // Command1 "Valide"
    void Ouvre_Profils_Safran(); // Command2 "Profils NACA" of "Safran"
    void Ouvre_Profils_Derive(); // Command3 of "Derive"
    void Ouvre_Profils_Bulbe();  // Command4 of "Bulbe"
    void Fleche_Appui();         // any spin control pressed: heel results out of date
    void Form_Activate(QMdiSubWindow *w);

    bool Verifie_Saisies();

    Champ_Spin &Champ(int i) { return Champs_[static_cast<std::size_t>(i)]; }
    const Champ_Spin &Champ(int i) const { return Champs_[static_cast<std::size_t>(i)]; }

    QTabWidget *SSTab1_ = nullptr;
    std::array<Champ_Spin, NB_CHAMPS_APPENDICE> Champs_{};
    std::array<QLabel *, 24> Info_{}; // Label1(14) to Label1(23)
    std::array<QLabel *, 3> Label2_{};
    std::array<QLabel *, 3> Label3_{};
    QLabel *Label4_ = nullptr;
    QLabel *Label5_ = nullptr;
    QLabel *Label6_ = nullptr;
    std::array<QPushButton *, 3> Command1_{};
    QPushButton *Command2_ = nullptr;
    QPushButton *Command3_ = nullptr;
    QPushButton *Command4_ = nullptr;
};

} // namespace gabarit
