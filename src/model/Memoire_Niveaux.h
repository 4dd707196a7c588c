#pragma once
// Half-breadths of a section's levels, kept for the walks that come back to the section.
// A heeled walk turns every level by the heel and measures it from the waterline, but the
// level's half-breadth depends only on the section's depth, breadth and shape law and on the
// vertical step: the equilibrium walks the same stations pass after pass while only the
// freeboards move, and the heel series walks them again at every heel. Each half-breadth
// costs a power; the memory computes it once.
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

namespace gabarit {

// The half-breadths of the levels z = D, D - pas, D - 2 pas, ... (by repeated subtraction,
// while z >= 0), then of the keel z = 0, for the section of depth D, sheer half-breadth B and
// shape law (a, b), in that order. Throws Erreur_Gabarit, as Puissance does, at the first
// level that cannot be computed.
void Largeurs_Niveaux(std::vector<double> &largeurs, double D, double B, double a, double b,
                      double pas);

class Memoire_Niveaux {
public:
    // Largeurs_Niveaux, computed once for a section and step met before with the very same
    // numbers (equal bits give equal half-breadths). Valid until the next call.
    const std::vector<double> &Largeurs(double D, double B, double a, double b, double pas);

private:
    using Cle = std::array<std::uint64_t, 5>;
    std::map<Cle, std::vector<double>> sections_;
    std::size_t nombre_ = 0; // half-breadths held
};

} // namespace gabarit
