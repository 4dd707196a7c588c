#include "model/Memoire_Niveaux.h"

#include <bit>

#include "model/Geometrie_Couple.h"

namespace gabarit {

namespace {

// A heel series on the largest hull the table holds walks a few hundred sections of at most
// 3000 levels; past this the memory starts again rather than grow (16 MB).
constexpr std::size_t NOMBRE_MAX = std::size_t{1} << 21;

} // namespace

void Largeurs_Niveaux(std::vector<double> &largeurs, double D, double B, double a, double b,
                      double pas) {
    // The heights first, every level then the keel, so that the section law, most of the
    // time, runs back to back. A section of no depth has its top at the keel, whose height
    // may be -0: it is taken as +0, as the keel itself.
    std::vector<double> hauteurs;
    for (double z = D; z >= 0; z -= pas)
        hauteurs.push_back(D == 0 ? 0 : z);
    hauteurs.push_back(0);
    largeurs.resize(hauteurs.size());
    for (std::size_t j = 0; j < hauteurs.size(); ++j)
        largeurs[j] = Demi_Largeur_Niveau(hauteurs[j], D, B, a, b);
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
