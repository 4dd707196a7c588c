#pragma once
// An independent replay of the heeled floating position, written from the hull's laws and
// the search's rules rather than from the program's code, so tests can pin the freeboards,
// volume and wetted surface the program must find. Single precision where the search holds
// its values in single precision.
#include <cmath>
#include <gtest/gtest.h>

#include "model/Etat_Projet.h"
#include "model/Numeros.h"

namespace gabarit::test {

struct Resultat_Modele {
    double franc_bord_ar = 0, franc_bord_av = 0; // mm
    double volume = 0;                           // Int(walked volume), cm3
    float surface = 0;                           // wetted surface, 1000 mm2, single
    float volume_ar = 0, volume_av = 0;
    bool flotte = false;
};

class Equilibre_Modele {
public:
    explicit Equilibre_Modele(const Etat_Projet &e) : p_(e.Tab_Param) {}

    // The search at heel phi (degrees) from both freeboards at 0, or the last state reached
    // within max_passes passes (flotte false then).
    Resultat_Modele Cherche(double phi, int max_passes = 5000) const {
        const double L = l(), Xs = std::floor(p_[23] / 10) * 10, poids = p_[42];
        const float demi = static_cast<float>(poids / 2), poids_f = static_cast<float>(poids);
        Resultat_Modele r;
        float per = 0;
        auto passe = [&](double pas_h, double pas_v, bool girths) {
            float va = 0, vf = 0, ga = 0, gf = 0;
            for (double X = 0; X <= Xs; X += pas_h)
                Ajoute(X, phi, pas_v, r, va, ga);
            for (double X = Xs; X <= L; X += pas_h)
                Ajoute(X, phi, pas_v, r, vf, gf);
            const double na = std::floor(Xs / pas_h), nf = std::floor((L - Xs) / pas_h);
            r.volume_ar = static_cast<float>(va / na * Xs / 1000);
            r.volume_av = static_cast<float>(vf / nf * (L - Xs) / 1000);
            if (girths)
                per = static_cast<float>(ga / (na + 1) * Xs / 1000) +
                      static_cast<float>(gf / (nf + 1) * (L - Xs) / 1000);
        };
        int n = 0;
        do { // coarse: raise 2 mm the halves that carry too much
            passe(L / 10, 2, true);
            const bool ar = r.volume_ar > demi, av = r.volume_av >= demi;
            r.franc_bord_ar += ar ? 2 : 0;
            r.franc_bord_av += av ? 2 : 0;
            if (++n > max_passes)
                return r;
        } while (poids_f < r.volume_ar + r.volume_av);
        while (poids_f >= r.volume_ar + r.volume_av) { // fine: sink 1 mm those short of half
            passe(L / 80, 1, false);
            r.franc_bord_ar -= r.volume_ar < demi ? 1 : 0;
            r.franc_bord_av -= r.volume_av < demi ? 1 : 0;
            if (++n > max_passes)
                return r;
        }
        r.volume = std::floor(r.volume_ar + r.volume_av);
        r.surface = static_cast<float>(std::trunc(per * 100.0f)) / 100.0f;
        r.flotte = true;
        return r;
    }

private:
    const std::array<double, NB_VALEURS + 1> &p_;
    double l() const { return p_[1] + p_[2]; }

    // Area (mm2) and girth (mm) of the station at X, heeled phi, walked every pas mm.
    void Ajoute(double X, double phi, double pas, const Resultat_Modele &r, float &v,
                float &g) const {
        const double L = l(), F = (r.franc_bord_av - r.franc_bord_ar) / L * X + r.franc_bord_ar;
        if (X < p_[35] || X == L)
            return;
        // Shape pair blended from the master section towards the bow or the transom.
        const bool av = X >= p_[10];
        const double u = av ? std::pow(X - p_[10], p_[107]) / std::pow(p_[9], p_[107])
                            : std::pow(p_[10] - X, p_[108]) / std::pow(p_[10], p_[108]);
        const double a = p_[7] + (p_[av ? 19 : 16] - p_[7]) * u;
        const double b = p_[8] + (p_[av ? 20 : 17] - p_[8]) * u;
        double B;
        if (X <= p_[2]) {
            const double div = std::pow(p_[2], p_[4]);
            B = p_[5] - (p_[5] - p_[14]) * std::pow(p_[2] - X, p_[4]) / (div == 0 ? 1 : div);
        } else {
            B = p_[5] - p_[5] * std::pow(X - p_[2], p_[3]) / std::pow(p_[1], p_[3]);
        }
        double D = X <= p_[10] ? p_[6] - (p_[6] - p_[15]) * std::pow(p_[10] - X, p_[12]) /
                                             std::pow(p_[10], p_[12])
                               : p_[6] - (p_[6] - p_[21]) * std::pow(X - p_[10] + p_[36], p_[11]) /
                                             std::pow(p_[9], p_[11]);
        if (p_[36] != 0 && X >= L - p_[36])
            D = p_[21] / p_[36] * (L - X); // the keel rises along the raked stem
        const double T = D - F;

        const double rad = phi * 3.141593 / 180, c = std::cos(rad), s = std::sin(rad);
        double S = 0, s1 = 0, s2 = 0, G1 = 0, G2 = 0, y1p = 0, h1p = 0, y2p = 0, h2p = 0;
        int N = 0;
        bool premier = true;
        auto niveau = [&](double z, bool aire) {
            const double q = D == 0 ? 0 : z / D, w = B * std::pow(q, a + b * q), h = z - T;
            const double y1 = w * c - h * s, h1 = w * s + h * c;
            const double y2 = -w * c - h * s, h2 = -w * s + h * c;
            if (aire && h2 < 0) {
                const float W = static_cast<float>(std::fabs(h1 > 0 ? h2 : h1 - h2) / s);
                ++N;
                const double k = std::sqrt((y2 / c) * (y2 / c) - y2 * y2);
                s2 = std::fabs(h2) > k ? std::fabs(y2 / c) : std::fabs(h2 / s);
                if (static_cast<float>(s2) < W)
                    s1 = W - s2;
            }
            if (aire)
                S += s1 + s2;
            if (!premier) {
                G1 += h1 <= 0 ? std::hypot(y1 - y1p, h1 - h1p) : 0;
                G2 += h2 <= 0 ? std::hypot(y2 - y2p, h2 - h2p) : 0;
            }
            premier = false;
            y1p = y1, h1p = h1, y2p = y2, h2p = h2;
        };
        for (double z = D; z >= 0; z -= pas)
            niveau(z, true);
        niveau(0, false);
        // Closing segments from the turned keel point to where the keel lies upright.
        G1 += h1p < 0 ? std::hypot(y1p, h1p + T) : 0;
        G2 += h2p < 0 ? std::hypot(y2p, h2p + T) : 0;
        v = static_cast<float>(v + (N == 0 ? 0 : S / N * (N - 1) * pas));
        g = static_cast<float>(g + (G1 + G2));
    }
};

// The program's floating position at heel 5k against the replay's; its wetted surface too
// unless a later pass has replaced it.
inline void Compare_Modele(const Etat_Projet &e, int k, const Resultat_Modele &m,
                           bool surface = true) {
    ASSERT_TRUE(m.flotte);
    EXPECT_EQ(e.P(Franc_Bord_AR(k)), m.franc_bord_ar) << k;
    EXPECT_EQ(e.P(Franc_Bord_AV(k)), m.franc_bord_av) << k;
    EXPECT_EQ(e.P(Volume_Gite(k)), m.volume) << k;
    if (surface) // the single-precision quotient
        EXPECT_EQ(e.P(Surface_Mouillee_Gite(k)), m.surface) << k;
    EXPECT_EQ(e.P(Etat_Gite(k)), 0) << k;
}

} // namespace gabarit::test
