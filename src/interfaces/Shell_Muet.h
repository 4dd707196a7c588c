#pragma once
// A shell and a picture that show nothing: for the computations the program runs on a copy of
// the project to check or complete its results, where no window may move, no box come up and
// no event run.
#include "interfaces/Canvas.h"
#include "interfaces/Interface_Shell.h"

namespace gabarit {

class Shell_Muet : public Interface_Shell {
public:
    void Texte_Statut(int, const std::string &) override {}
    std::string Lit_Statut(int) const override { return {}; }
    void Progression(double, double, double) override {}
    void Laisse_Evenements() override {}
    // Nothing here asks: a question would stand for "no".
    int Message(const std::string &, int style, const std::string &) override {
        return style == MB_OUI_NON ? REPONSE_NON : REPONSE_OK;
    }
    void Peint_Voyants(const std::array<int, 7> &) override {}
    void Montre_Attente(bool) override {}
    void Joue_Son(const std::string &) override {}
    void Desactive_Menus() override {}
    void Active_Menus() override {}
};

// The stability window's picture size, so a computation drawn nowhere takes the same scale.
class Canvas_Muet : public Canvas {
public:
    Canvas_Muet(double largeur = 400, double hauteur = 300) : l_(largeur), h_(hauteur) {}
    void Efface() override {}
    void Segment(double, double, double, double, std::uint32_t) override {}
    double Largeur() const override { return l_; }
    double Hauteur() const override { return h_; }
    std::string Legende() const override { return {}; }

private:
    double l_, h_;
};

} // namespace gabarit
