#include "rig/Bulbe.h"

#include <cmath>

#include "model/Fichier_Projet.h"
#include "model/Geometrie_Couple.h"
#include "model/Numeros.h"
#include "rig/Profils_Naca.h"
#include "rig/Table_Naca.h"
#include "views/Dessins.h"

namespace gabarit {

namespace {

// Millimetres per per cent of the bulb length, in single precision.
float Lr(const Etat_Projet &e) { return static_cast<float>(e.P(LONGUEUR_BULBE) / 100); }

// A single-precision figure of a label, refused when the bulb length makes it overflow.
double Montre(float v) { return Fini(Valeur_Simple(v), "dimension du bulbe"); }

} // namespace

std::optional<double> Hauteur_Bulbe(const Etat_Projet &e) {
    const int haut = Profil_Naca(e.P(NACA_BULBE_HAUT));
    const int bas = Profil_Naca(e.P(NACA_BULBE_BAS));
    if (!Table_Naca_Lue(e))
        return std::nullopt;
    return Montre((e.Table_Naca[bas][COL_EPAISSEUR_NACA] + e.Table_Naca[haut][COL_EPAISSEUR_NACA]) *
                  Lr(e));
}

double Profondeur_Axe_Bulbe(Etat_Projet &e) {
    const int haut = Profil_Naca(e.P(NACA_BULBE_HAUT));
    // No hull bottom to hang the keel from behind the transom or ahead of the stem: told as
    // the side view tells it.
    Verifie_Axe_Derive(e);
    // The hull bottom at the keel station, upright; the section the caller was working on,
    // its station and heel, are given back however this ends.
    struct Section_Gardee {
        Etat_Projet &e;
        const Etat_Projet::Sortie_Couple section;
        ~Section_Gardee() { e.Remet_Sortie_Couple(section); }
    } garde{e, e.Sortie_Couple_Actuelle()};
    e.X_Couple = e.P(POSITION_DERIVE);
    e.Gite_Couple = 0;
    Calcul_Couple(e);
    // The keel's rake with the program's pi of the keel.
    const double bout = (e.P(LONGUEUR_DERIVE) + e.Tirant_Eau_Couple) *
                        std::cos(e.P(ANGLE_DERIVE) * PI_QUILLE / 180);
    return Stockable(bout + static_cast<double>(e.Table_Naca[haut][COL_EPAISSEUR_NACA] * Lr(e)),
                     "profondeur du bulbe");
}

Affichage_Bulbe_Dessus Trace_Bulbe_Dessus(Etat_Projet &e, int profil, Canvas &c) {
    if (profil < 0)
        throw Refus_Profil("Aucun profil n'est choisi pour la vue de dessus.");
    const int k = Profil_Naca(profil);
    Affichage_Bulbe_Dessus a;
    if (Table_Naca_Lue(e)) {
        a.diametre = Montre(2 * e.Table_Naca[k][COL_EPAISSEUR_NACA] * Lr(e));
        a.position = Valeur_Simple(e.Table_Naca[k][COL_POSITION_NACA]);
    }

    const double s = Echelle_Section(c);
    e.P(ECHELLE_VUE) = s;
    c.Efface();
    Trace_Contour_Naca(e, k, k, s, c);
    return a;
}

Affichage_Bulbe_Cote Trace_Bulbe_Cote(Etat_Projet &e, Canvas &c) {
    const int haut = Profil_Naca(e.P(NACA_BULBE_HAUT));
    const int bas = Profil_Naca(e.P(NACA_BULBE_BAS));
    Affichage_Bulbe_Cote a;
    // The label's figure; the record's is the derivation's, worked out the same way.
    a.hauteur = Hauteur_Bulbe(e);
    if (a.hauteur) {
        a.position_haut = Valeur_Simple(e.Table_Naca[haut][COL_POSITION_NACA]);
        a.position_bas = Valeur_Simple(e.Table_Naca[bas][COL_POSITION_NACA]);
    }

    const double s = Echelle_Section(c);
    e.P(ECHELLE_VUE) = s;
    c.Efface();
    Trace_Contour_Naca(e, bas, haut, s, c);
    return a;
}

float Volume_Bulbe(const Etat_Projet &e) {
    const int dessus = Profil_Naca(e.P(NACA_BULBE_DESSUS));
    const int bas = Profil_Naca(e.P(NACA_BULBE_BAS));
    const int haut = Profil_Naca(e.P(NACA_BULBE_HAUT));
    const float lr = Lr(e);
    const float *st = e.Stations_Naca;
    // Circle area at station k, radius the mean of the three half-thicknesses (mm).
    const auto aire = [&](int k) {
        const float r = (e.Table_Naca[dessus][k] * lr + e.Table_Naca[bas][k] * lr +
                         e.Table_Naca[haut][k] * lr) /
                        3;
        return static_cast<double>(r) * r * PI_QUILLE; // the square in double
    };
    float v = 0;
    for (int k = 0; k <= 24; ++k) {
        const float tranche = (st[k + 1] * lr - st[k] * lr) * lr;
        v = static_cast<float>(v + (aire(k) + aire(k + 1)) / 2 * tranche);
    }
    Fini(v, "volume du bulbe");
    return v;
}

double Masse_Bulbe(float volume, double reference) {
    // A metal of no or negative mass gives no bulb mass worth showing.
    if (!(reference > 0))
        throw Refus_Profil("La masse de référence doit être supérieure à 0.");
    return Fini(Int(reference * (static_cast<double>(volume) / 10000)), "masse du bulbe");
}

} // namespace gabarit
