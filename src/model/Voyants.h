#pragma once
// The seven heel lights and their out-of-date flags Etat_Gite(k).
#include <array>

#include "interfaces/Interface_Shell.h"
#include "model/Etat_Projet.h"
#include "model/Numeros.h"

namespace gabarit {

// Paints light k red when Etat_Gite(k) holds 1, green otherwise.
void Affiche_Voyants(const Etat_Projet &e, Interface_Shell &shell);
// Marks every heel result out of date and turns the seven lights red.
void Invalide_Calculs(Etat_Projet &e, Interface_Shell &shell);

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
