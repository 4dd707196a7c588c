#pragma once
// The heel series: every heel-dependent result for 0 to 30 degrees in one run. The floating
// position at each heel from 30 down to 0 (the lights turn green one by one), the righting
// moments, the prismatic coefficients from 30 down to 0 and, from the main toolbar, the
// wetted surfaces at 5 to 30.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "interfaces/Canvas.h"
#include "interfaces/Interface_Shell.h"
#include "interfaces/Shell_Muet.h"
#include "model/Etat_Projet.h"
#include "model/Memoire_Niveaux.h"
#include "stability/Redressement.h"

namespace gabarit {

// What the series asks of the windows besides the shell: the stability window's pictures,
// labels and "Precision" box, and the hiding of every child window.
class Fenetres_Serie : public Affichage_Stabilite {
public:
    virtual void Cache_Fenetres() {}
    // The coefficient picture (none: the coefficients are computed without their curve).
    virtual Canvas *Picture3() { return nullptr; }
    virtual bool Precision() const { return false; }
    virtual void Montre_Coef_Pris(double coefficient) {}
};

// The series run where nothing is shown: on a copy of the project the program checks.
class Fenetres_Muettes : public Fenetres_Serie {
public:
    Canvas &Picture2() override { return image_; }

private:
    Canvas_Muet image_;
};

// The main toolbar runs every pass; the sections toolbar leaves the wetted surfaces that the
// floating positions stored.
enum class Passes_Gite { Toutes, Sans_Surfaces };

// The whole series. The toolbar and menus are locked while it runs and given back on every
// way out (please-wait hidden, "Pret"); ANGLE_GITE ends at 0. A heel that cannot float keeps
// its light red and gets no other result; the series goes on with the others. A keel station
// where no section stands skips the righting moments and leaves every light red; the series
// goes on. Any other refusal stops the series. Whatever it has to tell is told once, in one
// box at its end (the heels that could not float named: "Calcul de flottaison impossible à
// 20°, 25° et 30°"), and the series then throws it on as already shown (Calcul_Partiel), so the
// command ends refused without a second box and keeps what the series completed. On every way out,
// a heel whose results were not all computed keeps its light red.
void Calcul_Gite_Serie(Etat_Projet &e, Interface_Shell &shell, Fenetres_Serie &fenetres,
                       Passes_Gite passes);

// What the lights mean for this boat, decided by the series alone: the series run from the
// project's own values on a copy where nothing is shown and nothing is told. On the copy a
// heel stands green only where it floated and every result of it was worked out; a heel that
// cannot float (the upright one among them) stays red and the others go on. The open keeps a
// file's light green only where this copy is green and holds the file's results.
std::unique_ptr<const Etat_Projet> Gites_Du_Bateau(const Etat_Projet &e);

// "Calcul de flottaison impossible" naming the heels (degrees, in order): " à 20°", " à 25° et
// 30°", " à 20°, 25° et 30°".
std::string Message_Flottaison_Impossible(const std::vector<int> &gites);

// The series' wetted-surface pass: Surface_Mouillee_Gite(1) to (6) from the heeled girths
// every 10 mm, the mean girth over L / 10 + 1 times L, in 1000 mm2, for the heels under a green
// light alone (a red one has no floating position of this hull). Lets no events run. Returns
// the heels it measured. memoire: the half-breadths kept across the heels (none: computed
// every time).
std::array<bool, NB_GITES> Calcul_Surfaces_Mouillees(Etat_Projet &e, Interface_Shell &shell,
                                                     Memoire_Niveaux *memoire = nullptr);

} // namespace gabarit
