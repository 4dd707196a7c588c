#pragma once
// A shell that passes every call on to another one: the base of the shells that count or hold
// back the boxes a part of the program tells, and pass everything else through unchanged. A
// method added to Interface_Shell is passed on here too.
#include "interfaces/Interface_Shell.h"

namespace gabarit {

class Shell_Relais : public Interface_Shell {
public:
    explicit Shell_Relais(Interface_Shell &suivant) : suivant_(suivant) {}

    void Texte_Statut(int panneau, const std::string &texte) override {
        suivant_.Texte_Statut(panneau, texte);
    }
    std::string Lit_Statut(int panneau) const override { return suivant_.Lit_Statut(panneau); }
    void Progression(double minimum, double maximum, double valeur) override {
        suivant_.Progression(minimum, maximum, valeur);
    }
    void Laisse_Evenements() override { suivant_.Laisse_Evenements(); }
    int Message(const std::string &texte, int style, const std::string &titre) override {
        return suivant_.Message(texte, style, titre);
    }
    void Peint_Voyants(const std::array<int, 7> &couleurs) override {
        suivant_.Peint_Voyants(couleurs);
    }
    void Montre_Attente(bool visible) override { suivant_.Montre_Attente(visible); }
    void Joue_Son(const std::string &fichier) override { suivant_.Joue_Son(fichier); }
    void Desactive_Menus() override { suivant_.Desactive_Menus(); }
    void Active_Menus() override { suivant_.Active_Menus(); }
    void Init_Projet_Fenetres(double angle_bascule, double qualite_impression) override {
        suivant_.Init_Projet_Fenetres(angle_bascule, qualite_impression);
    }
    void Init_Variables_Fenetres() override { suivant_.Init_Variables_Fenetres(); }
    void Efface_Bulbe_Cote() override { suivant_.Efface_Bulbe_Cote(); }

protected:
    Interface_Shell &suivant_;
};

} // namespace gabarit
