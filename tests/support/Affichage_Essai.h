#pragma once
// The stability window's pictures and labels as the core sees them, recorded.
#include <optional>
#include <vector>

#include "interfaces/Canvas.h"
#include "shell/Serie_Gite.h"

namespace gabarit::test {

struct Affichage_Essai : Fenetres_Serie {
    // Picture2 and Picture3 at the window's size in millimetres.
    Canvas_Enregistreur picture2{45, 38};
    Canvas_Enregistreur picture3{57, 38};
    std::vector<std::optional<double>> moments;
    std::vector<double> surfaces, coefficients;
    int caches = 0, comparaisons = 0;

    Canvas &Picture2() override { return picture2; }
    Canvas *Picture3() override { return &picture3; }
    void Montre_Moment(std::optional<double> m) override { moments.push_back(m); }
    void Montre_Surface_Theorique(double s) override { surfaces.push_back(s); }
    void Montre_Coef_Pris(double r) override { coefficients.push_back(r); }
    void Cache_Fenetres() override { ++caches; }
    void Rafraichit_Comparaison() override { ++comparaisons; }
};

} // namespace gabarit::test
