// The memory of the levels' half-breadths: every section and step keeps its own.
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

#include "model/Erreur.h"
#include "model/Memoire_Niveaux.h"

using namespace gabarit;

namespace {

void Attendu(const std::vector<double> &lu, const std::vector<double> &attendu) {
    ASSERT_EQ(lu.size(), attendu.size());
    for (std::size_t j = 0; j < lu.size(); ++j)
        EXPECT_DOUBLE_EQ(lu[j], attendu[j]) << j;
}

} // namespace

TEST(Memoire_Niveaux, ChaqueSectionEtChaquePasGardeSesLargeurs) {
    // A V-section (a = 1, b = 0) 10 deep and 10 wide: w = B z / D at z = D, D - pas, ..., 0,
    // then the keel. Each case differs from the one before by one number only, so a memory
    // that forgot one of them would hand back the previous list.
    Memoire_Niveaux m;
    const std::vector<double> v{10, 8, 6, 4, 2, 0, 0};
    Attendu(m.Largeurs(10, 10, 1, 0, 2), v);
    Attendu(m.Largeurs(10, 10, 1, 0, 2.5), {10, 7.5, 5, 2.5, 0, 0});
    Attendu(m.Largeurs(10, 20, 1, 0, 2), {20, 16, 12, 8, 4, 0, 0});
    Attendu(m.Largeurs(8, 10, 1, 0, 2), {10, 7.5, 5, 2.5, 0, 0});
    // w = B u^2 and w = B u^(1 + u), u = z / D.
    Attendu(m.Largeurs(10, 10, 2, 0, 2), {10, 6.4, 3.6, 1.6, 0.4, 0, 0});
    std::vector<double> loi;
    for (double u : {1.0, 0.8, 0.6, 0.4, 0.2, 0.0, 0.0})
        loi.push_back(10 * std::pow(u, 1 + u));
    Attendu(m.Largeurs(10, 10, 1, 1, 2), loi);
    // Back to the first section: its list is the one it had.
    Attendu(m.Largeurs(10, 10, 1, 0, 2), v);
}

TEST(Memoire_Niveaux, UneSectionRefuseeNeLaisseRien) {
    // A negative shape exponent: the keel level raises 0 to -1. The refusal comes again at
    // the second asking: nothing half-computed was kept.
    Memoire_Niveaux m;
    EXPECT_THROW(m.Largeurs(10, 10, -1, 0, 2), Erreur_Gabarit);
    EXPECT_THROW(m.Largeurs(10, 10, -1, 0, 2), Erreur_Gabarit);
}
