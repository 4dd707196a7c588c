#include "stability/Saisie_Deplacement.h"

namespace gabarit {

namespace {
// The order in which the window reads and shows its boxes: each weight, then its station.
constexpr int ORDRE[NB_CHAMPS_DEPLACEMENT] = {0, 8, 1, 9, 2, 10, 3, 11, 4, 12, 5, 13, 6, 14, 7, 15};
} // namespace

Plage_Deplacement Plage_Champ_Deplacement(int champ, double L) {
    if (champ == 3)
        return {0, 1000}; // the battery
    if (champ == 5 || champ == 6)
        return {0, 5000}; // hull and bulb
    if (champ < 8)
        return {0, 500};
    if (champ == 14)
        return {20, 80}; // per cent of the bulb's length
    return {0, Arrondi(L)};
}

std::optional<Refus_Deplacement> Verifie_Deplacement(const Etat_Projet &e,
                                                     const Saisie_Deplacement &s) {
    for (int i : ORDRE) {
        const auto &v = s[static_cast<std::size_t>(i)];
        const Plage_Deplacement p = Plage_Champ_Deplacement(i, e.L());
        if (v && !(*v >= p.minimum && *v <= p.maximum)) {
            Refus_Deplacement r;
            r.champ = i;
            r.minimum = p.minimum;
            r.maximum = p.maximum;
            return r;
        }
    }
    // The weights as they would stand: a zero total leaves no centre of gravity to find and
    // nothing for the waterline to carry, and later hull edits would fail on it.
    double total = 0;
    for (int i = 0; i < 8; ++i) {
        const auto &v = s[static_cast<std::size_t>(i)];
        total += v ? Arrondi(*v) : e.P(ELEMENT_DEPLACEMENT[i]);
    }
    if (!(total > 0)) {
        Refus_Deplacement r;
        r.motif = Refus_Deplacement::Motif::Poids_Nul;
        return r;
    }
    return std::nullopt;
}

void Stocke_Deplacement(Etat_Projet &e, const Saisie_Deplacement &s) {
    for (int i : ORDRE)
        if (const auto &v = s[static_cast<std::size_t>(i)])
            e.P(ELEMENT_DEPLACEMENT[i]) = Arrondi(*v);
}

} // namespace gabarit
