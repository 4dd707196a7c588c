#pragma once
// The comparison window: the current project against a second project file, in gaps (sliders),
// righting-moment bars, sail-per-moment bars and the wetted-surface chart.
#include <QTimer>
#include <array>

#include "platform/Fenetre_Fille.h"
#include "stability/Comparaison.h"

class QFrame;
class QGroupBox;
class QLabel;
class QMdiSubWindow;
class QPushButton;
class QSlider;
class QTabWidget;

namespace gabarit {

class Image_Vue;

class Menu_Compar : public Fenetre_Fille {
    Q_OBJECT
public:
    explicit Menu_Compar(Contexte &ctx);

    // Comparer_Projets run from the window: refused, the window hides and says why; a
    // compared file that cannot be read is reported and the window keeps what it showed.
    void Comparer();

    QTabWidget *SSTab1() const { return SSTab1_; }
    // "Calcul" of the tabs "Choix" (0), "Stabilite " (1), "Rapport" (4); nullptr otherwise.
    QPushButton *Command1(int i) const;
    QPushButton *Command2() const { return Command2_; }
    QSlider *Slider1(int k) const { return Slider1_.at(static_cast<std::size_t>(k)); }
    // The label that shows gap k (Label11(0..4), Label12(6) and Label12(5)).
    QLabel *Valeur_Ecart(int k) const;
    QLabel *Label5(int i) const { return Label5_.at(static_cast<std::size_t>(i)); }
    QLabel *Label21(int i) const { return Label21_.at(static_cast<std::size_t>(i)); }
    QFrame *Shape1(int i) const { return Shape1_.at(static_cast<std::size_t>(i)); }
    QFrame *Shape2(int i) const { return Shape2_.at(static_cast<std::size_t>(i)); }
    QFrame *Shape4(int i) const { return Shape4_.at(static_cast<std::size_t>(i)); }
    QFrame *Shape5(int i) const { return Shape5_.at(static_cast<std::size_t>(i)); }
    Image_Vue *Picture2() const { return Picture2_; }

protected:
    void hideEvent(QHideEvent *ev) override;

private:
    void Construit();
    void Construit_Choix(QWidget *page);
    void Construit_Stabilite(QWidget *page);
    void Construit_Rapport(QWidget *page);
    void Construit_Surface(QWidget *page);
    QPushButton *Bouton_Calcul(QWidget *page, int index, double x, double y);

    void Menu_Compar_Form_Activate(QMdiSubWindow *w);
    void Activation();
    void Activation_Commande();
    void Menu_Compar_Command1_Click();
    void Menu_Compar_Command2_Click();
    // The file dialog, then the chosen project read and compared.
    void Choisit_Projet_Compare();
    void Noms();
    void Affiche(const Figures_Comparaison &f);
    void Message_Lecture(const std::exception &ex);

    QTabWidget *SSTab1_ = nullptr;
    std::array<QPushButton *, 3> Command1_{}; // indexes 0, 1 and 4
    QPushButton *Command2_ = nullptr;
    QLabel *Label2_ = nullptr, *Label9_ = nullptr;
    QLabel *Label3_ = nullptr, *Label4_ = nullptr, *Label13_ = nullptr, *Label14_ = nullptr;
    QLabel *Label18_ = nullptr, *Label19_ = nullptr;
    std::array<QSlider *, 7> Slider1_{};
    std::array<QLabel *, 5> Label11_{};
    std::array<QLabel *, 7> Label12_{};
    std::array<QLabel *, 7> Label5_{};
    std::array<QLabel *, 4> Label21_{};
    std::array<QFrame *, 7> Shape1_{}, Shape2_{}, Shape4_{}, Shape5_{};
    QWidget *Picture1_ = nullptr, *Picture3_1_ = nullptr;
    Image_Vue *Picture2_ = nullptr;
    bool en_activation_ = false;
    bool activation_attendue_ = false;
    // An activation that came during a computation runs once it is over.
    QTimer activation_differee_;
};

// The toolbar key "Comparaison de 2 Projets": its sound, the window at its size, shown.
void Montre_Comparaison(Contexte &ctx);

} // namespace gabarit
