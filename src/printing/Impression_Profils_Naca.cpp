#include "printing/Impression_Profils_Naca.h"

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "model/Numeros.h"
#include "printing/Page_Impression.h"

namespace gabarit {

namespace {

// The record values of one foil: its two profile numbers and two chords.
struct Appendice {
    const char *confirmation;
    const char *nom;
    int naca_haut, naca_bas, corde_haut, corde_bas;
};

constexpr Appendice DERIVE{"Impression Dérive...  ", "Dérive",          NACA_DERIVE_HAUT,
                           NACA_DERIVE_BAS,          CORDE_DERIVE_HAUT, CORDE_DERIVE_BAS};
constexpr Appendice SAFRAN{"Impression Safran...  ", "Safran",          NACA_SAFRAN_HAUT,
                           NACA_SAFRAN_BAS,          CORDE_SAFRAN_HAUT, CORDE_SAFRAN_BAS};

// One sheet of NACA outlines: the profiles refused before anything, the confirmation, then
// the job: the scales checked, the chord line or axis at 105 mm with the leading edge at the
// left edge, the heading's lines, the reference line and the outline.
template <class V, class D>
bool Feuille_Naca(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s,
                  const char *confirmation, V &&verifie,
                  const std::function<std::vector<std::string>()> &entete, D &&contour) {
    // A profile outside the table is refused before the job begins.
    try {
        verifie();
    } catch (const std::exception &ex) {
        Signale_Echec(shell, ex);
        return false;
    }
    if (!Confirme(shell, confirmation))
        return false;
    return Travail_Impression(shell, s, [&] {
        Verifie_Echelles(e);
        e.P(ORIGINE_Y) = ORIGINE_Y_PAGE;
        e.P(ORIGINE_X) = 0;
        Entete(e, s, entete());
        Ligne_Reference(e, s);
        contour();
    });
}

bool Imprime_Appendice(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s,
                       const Appendice &a, bool superieur, int profil) {
    const int numero = superieur ? a.naca_haut : a.naca_bas;
    int k = 0;
    const auto verifie = [&] {
        k = Verifie_Profil(profil, true);
        Verifie_Profil(e.P(numero));
    };
    const auto entete = [&]() -> std::vector<std::string> {
        return {std::string(a.nom) + (superieur ? " Supérieur" : " Inférieur"),
                "Profils Naca n° : " + s.Nombre(e.P(numero))};
    };
    return Feuille_Naca(e, shell, s, a.confirmation, verifie, entete, [&] {
        // Millimetres per per cent of chord, in single precision.
        const float m = static_cast<float>(e.P(superieur ? a.corde_haut : a.corde_bas) / 100);
        const double ox = e.P(ORIGINE_X), oy = e.P(ORIGINE_Y);
        const double eh = e.Echelle_Imp_H, ev = e.Echelle_Imp_V;
        for (int j = 0; j < 25; ++j) {
            const float x1 = e.Stations_Naca[j] * m, x2 = e.Stations_Naca[j + 1] * m;
            const float v1 = e.Table_Naca[k][j] * m, v2 = e.Table_Naca[k][j + 1] * m;
            Trait_Page(s, ox + x1 * eh, oy + v1 * ev, ox + x2 * eh, oy + v2 * ev);
            Trait_Page(s, ox + x1 * eh, oy - v1 * ev, ox + x2 * eh, oy - v2 * ev);
        }
    });
}

// The bulb's outline: profile dessous below the axis, dessus above it, 25 segments each.
void Contour_Bulbe(const Etat_Projet &e, Surface_Impression &s, int dessous, int dessus) {
    // Millimetres per per cent of the bulb length, in single precision.
    const float lr = static_cast<float>(e.P(LONGUEUR_BULBE) / 100);
    const double ox = e.P(ORIGINE_X), oy = e.P(ORIGINE_Y);
    const double eh = e.Echelle_Imp_H, ev = e.Echelle_Imp_V;
    auto x = [&](int j) { return ox + eh * lr * e.Stations_Naca[j]; };
    for (int j = 0; j < 25; ++j) {
        Trait_Page(s, x(j), oy + ev * e.Table_Naca[dessous][j] * lr, x(j + 1),
                   oy + ev * e.Table_Naca[dessous][j + 1] * lr);
        Trait_Page(s, x(j), oy - ev * e.Table_Naca[dessus][j] * lr, x(j + 1),
                   oy - ev * e.Table_Naca[dessus][j + 1] * lr);
    }
}

} // namespace

bool Imprime_Profil_Derive(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s,
                           bool superieur, int profil) {
    return Imprime_Appendice(e, shell, s, DERIVE, superieur, profil);
}

bool Imprime_Profil_Safran(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s,
                           bool superieur, int profil) {
    return Imprime_Appendice(e, shell, s, SAFRAN, superieur, profil);
}

bool Imprime_Bulbe_Dessus(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s,
                          int profil) {
    int k = 0;
    const auto verifie = [&] {
        k = Verifie_Profil(profil, true);
        Verifie_Profil(e.P(NACA_BULBE_DESSUS));
    };
    const auto entete = [&]() -> std::vector<std::string> {
        return {"Vue de dessus", "Bulbe Profils Naca n° : " + s.Nombre(e.P(NACA_BULBE_DESSUS))};
    };
    return Feuille_Naca(e, shell, s, "Impression bulbe...  ", verifie, entete,
                        [&] { Contour_Bulbe(e, s, k, k); });
}

bool Imprime_Bulbe_Cote(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s) {
    int haut = 0, bas = 0;
    const auto verifie = [&] {
        haut = Verifie_Profil(e.P(NACA_BULBE_HAUT));
        bas = Verifie_Profil(e.P(NACA_BULBE_BAS));
    };
    const auto entete = [&]() -> std::vector<std::string> {
        return {"Vue de Coté Asymétique",
                "Bulbe Profils Naca Supérieur n° : " + s.Nombre(e.P(NACA_BULBE_HAUT)),
                "Bulbe Profils Naca Inférieur n° : " + s.Nombre(e.P(NACA_BULBE_BAS))};
    };
    return Feuille_Naca(e, shell, s, "Impression bulbe...  ", verifie, entete,
                        [&] { Contour_Bulbe(e, s, bas, haut); });
}

} // namespace gabarit
