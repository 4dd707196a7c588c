#pragma once
// Checks of the segments a drawing leaves on the recording canvas.
#include <cstdint>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "interfaces/Canvas.h"
#include "model/Erreur.h"

namespace gabarit::test {

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

// What the core says when it refuses f; "" when f ran through.
inline std::string Refus_De(const std::function<void()> &f) {
    try {
        f();
    } catch (const Erreur_Gabarit &err) {
        return err.what();
    }
    return "";
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
