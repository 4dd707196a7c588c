#pragma once
// The seven heel lights and their out-of-date flags Etat_Gite(k).
#include <array>
#include <string>
#include <vector>

#include "interfaces/Interface_Shell.h"
#include "model/Etat_Projet.h"
#include "model/Numeros.h"

namespace gabarit {

// Paints light k red when Etat_Gite(k) holds 1, green otherwise.
void Affiche_Voyants(const Etat_Projet &e, Interface_Shell &shell);
// Marks every heel result out of date and turns the seven lights red.
void Invalide_Calculs(Etat_Projet &e, Interface_Shell &shell);

// Heel k's floating position was found for the project as it stands: its flag goes to 0 and
// its count of computations moves on (the light is painted by the caller).
void Gite_Calculee(Etat_Projet &e, int k);

// The heels whose flag is 0 hold results computed for the project as it now stands (a
// project just read, whose results the open has checked): they count as computed, so the
// command that read them does not turn them red. Flags are left as they are.
void Gites_Vertes_Calculees(Etat_Projet &e);

// The records holding heel k's results, which its light stands for: its freeboards, immersed
// volume, wetted surface, prismatic coefficient and righting moment, upright the hull volume
// too, and at 30 degrees the sail area its moment carries. Its flag Etat_Gite(k) apart.
std::vector<int> Numeros_Resultats_Gite(int k);

// The records the heel results are computed from: the hull form the table is built from, the
// weight and station of every mass and the centre of gravity the flotation and the equilibrium
// read, the lateral positions, keel, bulb and cant the righting moment reads, and the keel and
// bulb geometry that moves the bulb's station in the centre of gravity. Results the
// computations store themselves (volumes, freeboards, the heeled bulb, the lateral centre) are
// not in it, nor the view and step settings.
const std::vector<int> &Numeros_Calculs_Gite();
// Its first part: the records the section geometry reads, the hull form alone.
const std::vector<int> &Numeros_Forme_Carene();
// True when a record of `numeros` holds in `apres` what a file would write otherwise than in
// `avant`.
bool Change(const std::vector<int> &numeros, const Etat_Projet &avant, const Etat_Projet &apres);

// The set's values and the heels' counts of computations, taken before a command.
struct Empreinte_Gites {
    std::vector<double> valeurs;
    std::array<unsigned long long, NB_GITES> calculs{};
};
Empreinte_Gites Empreinte(const Etat_Projet &e);

// After a command: when a record of the set no longer holds what it held in `avant`, every
// heel the command did not compute itself is out of date and its light turns red. A command
// that changed none of them leaves the lights as they were. calculs_tenus false: what the
// command computed was worked from values that changed after it (a value cut to a file's
// thousandth, a centre of gravity worked out again): the heels it computed are out of date
// too. True when a light turned red.
bool Perime_Si_Change(Etat_Projet &e, Interface_Shell &shell, const Empreinte_Gites &avant,
                      bool calculs_tenus = true);

// Whatever way a computation over the seven heels ends (a refusal included), every heel it did
// not complete goes under a red light: what the record holds for it belongs to another hull or
// another run, and no display nor the comparison may take it as current. Nothing here turns a
// light green: only a floating position found does.
class Garde_Gites {
public:
    Garde_Gites(Etat_Projet &e, Interface_Shell &s) : e_(e), s_(s) {}
    ~Garde_Gites();
    Garde_Gites(const Garde_Gites &) = delete;
    Garde_Gites &operator=(const Garde_Gites &) = delete;
    // Heels whose results the computation completed.
    std::array<bool, NB_GITES> fait{};

private:
    Etat_Projet &e_;
    Interface_Shell &s_;
};

} // namespace gabarit
