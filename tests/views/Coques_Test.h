#pragma once
// Small hulls whose sections are worked out by hand, for the drawing tests.
#include <cstdint>

#include <gtest/gtest.h>

#include "model/Etat_Projet.h"
#include "model/Geometrie_Couple.h"
#include "views/Canvas.h"

namespace gabarit::test {

// L = 200 mm. Every section is a V, y = B z / D (a = 1, b = 0), depth D = 40 everywhere,
// freeboard 10 at every heel, so the draught is 30 everywhere. Half-breadth 50 from the stern
// to the widest station X = 100, then straight in to 0 at the bow. Vertical transom, no
// rake.
inline Etat_Projet Coque_V() {
    Etat_Projet e;
    e.P(1) = 100;
    e.P(2) = 100;
    e.P(3) = 1;
    e.P(4) = 1;
    e.P(5) = 50;
    e.P(14) = 50;
    e.P(6) = 40;
    e.P(15) = 40;
    e.P(21) = 40;
    e.P(9) = 100;
    e.P(10) = 100;
    e.P(11) = 1;
    e.P(12) = 1;
    e.P(7) = e.P(16) = e.P(19) = 1;
    e.P(8) = e.P(17) = e.P(20) = 0;
    e.P(107) = e.P(108) = 1;
    for (int n = 43; n <= 56; ++n)
        e.P(n) = 10;
    e.P(37) = 2;
    e.P(27) = 20;
    return e;
}

// The same hull with an inclined transom over 25 mm and a raked stem over 20 mm. In the
// transom region the cut lies h = 40 - 1.6 X below the sheer: top level Cote_Livet =
// 30 - 1.6 X, top half-breadth 2 X. Forward of 180 the keel rises along the stem: draught
// 2 (200 - X) - 10.
inline Etat_Projet Coque_Tableau() {
    Etat_Projet e = Coque_V();
    e.P(35) = 25;
    e.P(36) = 20;
    return e;
}

struct Attendu {
    double x1, y1, x2, y2;
    std::uint32_t c;
};

inline void Compare(const Canvas_Enregistreur::Trait &t, const Attendu &a, double tol = 1e-9) {
    EXPECT_NEAR(t.x1, a.x1, tol);
    EXPECT_NEAR(t.y1, a.y1, tol);
    EXPECT_NEAR(t.x2, a.x2, tol);
    EXPECT_NEAR(t.y2, a.y2, tol);
    EXPECT_EQ(t.couleur, a.c);
}

inline int Compte(const Canvas_Enregistreur &c, std::uint32_t couleur) {
    int n = 0;
    for (const auto &t : c.traits)
        n += t.couleur == couleur;
    return n;
}

inline constexpr std::uint32_t NOIR = RGB(0, 0, 0);
inline constexpr std::uint32_t BLEU = RGB(0, 0, 255);
inline constexpr std::uint32_t ROUGE = RGB(255, 0, 0);
inline constexpr std::uint32_t VERT = RGB(0, 255, 0);
inline constexpr std::uint32_t JAUNE = RGB(255, 255, 0);

} // namespace gabarit::test
