#pragma once
// The shell interface served by the main frame's widgets.
#include "shell/Interface_Shell.h"

class QMainWindow;

namespace gabarit {

class Shell_Qt : public Interface_Shell {
public:
    explicit Shell_Qt(QMainWindow* cadre) : cadre_(cadre) {}
    void Texte_Statut(int, const std::string&) override {}
    std::string Lit_Statut(int) const override { return {}; }
    void Progression(double, double, double) override {}
    void Laisse_Evenements() override {}
    int Message(const std::string&, int, const std::string&) override { return REPONSE_OK; }
    void Peint_Voyants(const std::array<int, 7>&) override {}
    void Montre_Attente(bool) override {}
    void Joue_Son(const std::string&) override {}
    void Desactive_Menus() override {}
    void Active_Menus() override {}

private:
    QMainWindow* cadre_;
};

} // namespace gabarit
