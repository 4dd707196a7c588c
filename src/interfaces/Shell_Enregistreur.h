#pragma once
// A shell that records what the core asked of it: for tests and benchmarks.
#include <deque>
#include <string>
#include <vector>

#include "interfaces/Interface_Shell.h"

namespace gabarit {

class Shell_Enregistreur : public Interface_Shell {
public:
    struct Message_Recu {
        std::string texte;
        int style;
        std::string titre;
    };

    std::array<std::string, 4> statuts{};
    std::vector<std::string> historique_statut1;
    double progression_min = 0, progression_max = 0, progression_valeur = 0;
    int evenements = 0;
    std::vector<Message_Recu> messages;
    // Answers given to the next message boxes; by default OUI to a Yes/No question, NON
    // (discard) to the save question, OK to the rest.
    std::deque<int> reponses;
    std::array<int, 7> voyants{};
    int peintures_voyants = 0;
    bool attente_visible = false;
    int attente_montree = 0;
    std::vector<std::string> sons;
    bool menus_actifs = true;
    int desactivations = 0, activations = 0;
    int effacements_bulbe_cote = 0;

    void Texte_Statut(int panneau, const std::string &texte) override {
        if (panneau >= 1 && panneau <= 3)
            statuts[static_cast<std::size_t>(panneau)] = texte;
        if (panneau == 1)
            historique_statut1.push_back(texte);
    }
    std::string Lit_Statut(int panneau) const override {
        return panneau >= 1 && panneau <= 3 ? statuts[static_cast<std::size_t>(panneau)] : "";
    }
    void Progression(double mn, double mx, double v) override {
        progression_min = mn;
        progression_max = mx;
        progression_valeur = v;
    }
    void Laisse_Evenements() override { ++evenements; }
    int Message(const std::string &texte, int style, const std::string &titre) override {
        messages.push_back({texte, style, titre});
        if (!reponses.empty()) {
            int r = reponses.front();
            reponses.pop_front();
            return r;
        }
        return style == MB_OUI_NON       ? REPONSE_OUI
               : style == MB_ENREGISTRER ? REPONSE_NON
                                         : REPONSE_OK;
    }
    void Peint_Voyants(const std::array<int, 7> &c) override {
        voyants = c;
        ++peintures_voyants;
    }
    void Montre_Attente(bool v) override {
        attente_visible = v;
        if (v)
            ++attente_montree;
    }
    void Joue_Son(const std::string &f) override { sons.push_back(f); }
    void Desactive_Menus() override {
        menus_actifs = false;
        ++desactivations;
    }
    void Active_Menus() override {
        menus_actifs = true;
        ++activations;
    }
    void Efface_Bulbe_Cote() override { ++effacements_bulbe_cote; }
};

} // namespace gabarit
