#pragma once
// Around a long computation: the toolbar and top menus are off while it runs, and on every
// way out, failures included, the menus come back, the please-wait window goes and the
// status reads "Pret".
#include "interfaces/Interface_Shell.h"

namespace gabarit {

class Garde_Menus {
public:
    explicit Garde_Menus(Interface_Shell &s, bool desactive = true) : s_(s) {
        if (desactive)
            s_.Desactive_Menus();
    }
    ~Garde_Menus() { Fin_Calcul(s_); }
    Garde_Menus(const Garde_Menus &) = delete;
    Garde_Menus &operator=(const Garde_Menus &) = delete;

    // The closing steps of a computation: please-wait hidden, menus on, "Pret".
    static void Fin_Calcul(Interface_Shell &s) noexcept {
        try {
            s.Montre_Attente(false);
            s.Active_Menus();
            s.Texte_Statut(1, "Pret");
        } catch (...) {
        }
    }

private:
    Interface_Shell &s_;
};

} // namespace gabarit
