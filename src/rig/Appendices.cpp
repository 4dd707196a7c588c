#include "rig/Appendices.h"

#include <cmath>

#include "model/Numeros.h"

namespace gabarit {

namespace {
// Twice the span squared over the area, cut to two decimals; no area, no ratio.
double Allongement(double envergure, double surface) {
    if (surface == 0)
        return 0;
    return Fix(Divise(envergure * envergure, surface) * 200) / 100;
}

// The appendage area the sail area calls for, in dm2 cut to two decimals.
double Ratio(double surface_voilure, double diviseur) {
    return Fix(surface_voilure / diviseur * 100) / 100;
}
// Cut down to hundredths. A value that already has two decimals keeps them: 2.3 x 100 is
// 229.99999999999997 in binary, which would show 2.29.
double Centiemes(double v) { return Int(v * 100 + 1e-7) / 100; }
} // namespace

Resultats_Appendices Mesure_Appendices(const Etat_Projet &e) {
    Resultats_Appendices r{};
    r.surface_derive =
        Fix(Stockable((e.P(CORDE_DERIVE_HAUT) + e.P(CORDE_DERIVE_BAS)) * e.P(LONGUEUR_DERIVE) / 2,
                      "surface de la dérive"));
    r.allongement_derive = Allongement(e.P(LONGUEUR_DERIVE), r.surface_derive);
    r.ratio_derive = Fini(Ratio(e.P(SURFACE_VOILURE), 217382), "surface que demande la voilure");
    r.surface_safran =
        Fix(Stockable((e.P(CORDE_SAFRAN_HAUT) + e.P(CORDE_SAFRAN_BAS)) * e.P(LONGUEUR_SAFRAN) / 2,
                      "surface du safran"));
    r.allongement_safran = Allongement(e.P(LONGUEUR_SAFRAN), r.surface_safran);
    r.ratio_safran = Fini(Ratio(e.P(SURFACE_VOILURE), 869519), "surface que demande la voilure");
    // Keel: the middle of its root chord (30 % ahead, 70 % behind the axis). Rudder: the aft
    // end of its root chord.
    const double k = e.P(POSITION_DERIVE) - 0.2 * e.P(CORDE_DERIVE_HAUT);
    const double s = e.P(POSITION_SAFRAN) - 0.7 * e.P(CORDE_SAFRAN_HAUT);
    const double total = r.surface_safran + r.surface_derive;
    if (total != 0)
        r.centre_anti_derive = Stockable((k * r.surface_derive + s * r.surface_safran) / total,
                                         "position du centre anti-dérive");
    return r;
}

void Calcul_Appendices(Etat_Projet &e) {
    const Resultats_Appendices r = Mesure_Appendices(e);
    e.P(SURFACE_DERIVE) = r.surface_derive;
    e.P(ALLONGEMENT_DERIVE) = r.allongement_derive;
    e.P(RATIO_DERIVE) = r.ratio_derive;
    e.P(SURFACE_SAFRAN) = r.surface_safran;
    e.P(ALLONGEMENT_SAFRAN) = r.allongement_safran;
    e.P(RATIO_SAFRAN) = r.ratio_safran;
    if (r.centre_anti_derive)
        e.P(CENTRE_ANTI_DERIVE) = *r.centre_anti_derive;
    e.P(ZERO_APPENDICES) = 0;
}

Chiffres_Appendice Calcule_Chiffres_Appendice(const Etat_Projet &e) {
    Chiffres_Appendice c{};
    c.safran_surface = e.P(SURFACE_SAFRAN) / 10000;
    c.safran_theorique = e.P(RATIO_SAFRAN);
    c.safran_allongement = e.P(ALLONGEMENT_SAFRAN);
    c.derive_surface = Centiemes(e.P(SURFACE_DERIVE) / 10000);
    c.derive_theorique = Centiemes(e.P(RATIO_DERIVE));
    c.derive_allongement = e.P(ALLONGEMENT_DERIVE);
    c.decalage_centres = Decalage_Centres(e);
    c.naca_dessus = e.P(NACA_BULBE_DESSUS);
    return c;
}

std::array<Bornes, NB_CHAMPS_APPENDICE> Bornes_Appendice(const Etat_Projet &e) {
    const double l = Fini(e.L(), "longueur");
    // The limits are whole numbers of the spin controls: a length from a damaged file must
    // not overflow them (the hull table holds 2000 mm at most anyway).
    if (!(std::fabs(l) < 1e9))
        throw Erreur_Gabarit("Longueur de coque hors limites : " + Nombre_Message(l) + " mm");
    const int tout = static_cast<int>(Arrondi(l)), moitie = static_cast<int>(Arrondi(l / 2));
    std::array<Bornes, NB_CHAMPS_APPENDICE> b{};
    b[0] = {0, tout};
    b[1] = {0, 300};
    b[2] = {0, 300};
    b[3] = {0, moitie};
    b[4] = {0, 45};
    b[5] = {0, tout};
    b[6] = {0, moitie};
    b[7] = {0, moitie};
    b[8] = {20, 80};
    b[10] = {0, 280};
    b[13] = {0, moitie};
    return b;
}

} // namespace gabarit
