#pragma once
// The CLASS sail plan's companion window: the mainsail's three reference battens, which the
// user adjusts, the diagonals and the offset of the centres, and two help texts. It has no
// handlers of its own: the sail window fills it, shows it and reads it.
#include <array>
#include <optional>

#include "platform/Fenetre_Fille.h"
#include "rig/Saisie_Voile.h"

class QLabel;
class QLineEdit;
class QTabWidget;
class QPlainTextEdit;

namespace gabarit {

class Menu_VoileClass : public Fenetre_Fille {
    Q_OBJECT
public:
    explicit Menu_VoileClass(Contexte &ctx);

    // Batten boxes Text2(0..2): the widths at 3/4, 2/4 and 1/4 of the luff.
    void Montre_Lattes(const std::array<double, 3> &lattes);
    // The typed battens; empty when a box does not hold a number, whose index then goes to
    // illisible.
    std::optional<std::array<double, 3>> Lit_Lattes(int *illisible = nullptr) const;
    // Luff, foot, diagonals and the offset of the centres.
    void Affiche(const Chiffres_Voile &c);
    // Left 0, its top at the client height less the sail window's height, the tool-window size.
    void Place(int hauteur_menu_voile);

    QTabWidget *SSTab1() const { return SSTab1_; }
    QLineEdit *Text2(int i) const { return Text2_[static_cast<std::size_t>(i)]; }
    QLabel *Label2(int i) const { return Label2_[static_cast<std::size_t>(i)]; }
    QLabel *Label3(int i) const { return Label3_[static_cast<std::size_t>(i)]; }
    QPlainTextEdit *Text1(int i) const { return Text1_[static_cast<std::size_t>(i)]; }

private:
    QTabWidget *SSTab1_;
    std::array<QLineEdit *, 3> Text2_{};
    std::array<QLabel *, 9> Label2_{};
    std::array<QLabel *, 3> Label3_{};
    std::array<QPlainTextEdit *, 2> Text1_{};
};

} // namespace gabarit
