#pragma once
// The tip of the day: one of four tips, drawn at random each time the window is activated.
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

#include "platform/Fenetre_Fille.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

namespace gabarit {

class Aastuce : public Fenetre_Fille {
    Q_OBJECT
public:
    static constexpr int NB_ASTUCES = 4;

    explicit Aastuce(Contexte &ctx);
    // Draws a tip at random and shows the window.
    void Affiche_Astuce();

    // Each activation: fixed size, one tip drawn, its frame alone shown.
    void Aastuce_Form_Activate();
    // "OK": hides the window.
    void Aastuce_cmdOK_Click();

    // The tip shown now (its frame is the visible one), -1 before the first draw.
    int Astuce_Affichee() const { return astuce_; }
    // Label2(k) captions; k from 0 to 7.
    static QString Texte_Label2(int k);

    // floor(r * 10) from draws r in [0, 1) until it is a tip number (0 to 3): each tip
    // has the same chance. The draws are bounded so a broken generator cannot hang us.
    static int Tire_Astuce(const std::function<double()> &hasard);
    // Seeds the generator of the draws: the runtime's std::rand, which the start-up seeds
    // from the clock with std::srand.
    static void Amorce_Hasard(std::uint32_t graine);
    // The next number in [0, 1) of that generator.
    static double Nombre_Aleatoire();

private:
    QFrame *Picture1_;
    std::array<QGroupBox *, NB_ASTUCES> Frame1_{};
    std::array<QLabel *, 8> Label2_{};
    QPushButton *cmdOK_;
    int astuce_ = -1;
    int tirages_ = 0; // activations so far; tells Affiche_Astuce whether one just happened
};

} // namespace gabarit
