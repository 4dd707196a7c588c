#include "model/Memoire_Niveaux.h"

#include <bit>

#include "model/Erreur.h"

namespace gabarit {

namespace {

// A heel series on the largest hull the table holds walks a few hundred sections of at most
// 3000 levels; past this the memory starts again rather than grow (16 MB).
constexpr std::size_t NOMBRE_MAX = std::size_t{1} << 21;

// The shape law's base at the level z above the keel: u = z / D.
double Base_Niveau(double z, double D) { return D == 0 ? 0 : z / D; }

} // namespace

void Largeurs_Niveaux(std::vector<double> &largeurs, double D, double B, double a, double b,
                      double pas) {
    // The bases first, every level then the keel, so that the powers, most of the time, run
    // back to back; the half-breadth is B u^(a + b u).
    std::vector<double> bases;
    for (double z = D; z >= 0; z -= pas)
        bases.push_back(Base_Niveau(z, D));
    bases.push_back(Base_Niveau(0, D));
    largeurs.resize(bases.size());
    for (std::size_t j = 0; j < bases.size(); ++j)
        largeurs[j] = B * Puissance(bases[j], a + b * bases[j]);
}

const std::vector<double> &Memoire_Niveaux::Largeurs(double D, double B, double a, double b,
                                                     double pas) {
    const Cle cle{std::bit_cast<std::uint64_t>(D), std::bit_cast<std::uint64_t>(B),
                  std::bit_cast<std::uint64_t>(a), std::bit_cast<std::uint64_t>(b),
                  std::bit_cast<std::uint64_t>(pas)};
    if (const auto trouve = sections_.find(cle); trouve != sections_.end())
        return trouve->second;
    // Computed aside: a level that fails leaves nothing half-filled in the memory.
    std::vector<double> largeurs;
    Largeurs_Niveaux(largeurs, D, B, a, b, pas);
    if (nombre_ + largeurs.size() > NOMBRE_MAX) {
        sections_.clear();
        nombre_ = 0;
    }
    nombre_ += largeurs.size();
    return sections_.emplace(cle, std::move(largeurs)).first->second;
}

} // namespace gabarit
