#include "model/Saisie_Forme.h"

#include "model/Carene.h"
#include "model/Fichier_Projet.h"
#include "model/Numeros.h"

namespace gabarit {

std::optional<Refus_Forme> Verifie_Saisie_Forme(const Etat_Projet &e, const Saisie_Forme &s) {
    using M = Refus_Forme::Motif;
    auto refus = [](int boite, M motif, double mn = 0, double mx = 0) {
        Refus_Forme r;
        r.boite = boite;
        r.motif = motif;
        r.minimum = mn;
        r.maximum = mx;
        return std::optional<Refus_Forme>(r);
    };
    const auto &v = s.v;
    const double l_avant = e.L(), ln = v[13];

    // The hull table holds sections less than 300 mm deep and hulls up to 2000 mm long.
    for (int i : {0, 2, 4})
        if (v[i] >= HAUTEUR_MAX_TABLE)
            return refus(i, M::Trop_Profond, 0, HAUTEUR_MAX_TABLE);
    if (ln > LONGUEUR_MAX_TABLE)
        return refus(13, M::Trop_Long, 10, LONGUEUR_MAX_TABLE);

    // A typed value stays within its spinner's range, worked out from the new values; an
    // untouched box keeps the record's value even outside it.
    struct Borne {
        int i;
        double mn, mx;
    };
    const Borne bornes[] = {{0, 0, v[4]},           {1, 1, v[5]},    {2, 0, v[4]},
                            {3, 0, ln / 10},        {4, 20, 299},    {5, 20, ln / 2},
                            {6, 0, l_avant - v[3]}, {7, 0, l_avant}, {13, 10, LONGUEUR_MAX_TABLE}};
    for (const Borne &b : bornes)
        if (s.change[b.i] && (v[b.i] < b.mn || v[b.i] > b.mx))
            return refus(b.i, M::Hors_Plage, b.mn, b.mx);
    if (v[3] < 0)
        return refus(3, M::Hors_Plage, 0, ln / 10);

    if (v[6] <= 0 || v[6] >= l_avant)
        return refus(6, M::Station_Hors, 0, l_avant);
    if (v[7] < 0 || v[7] > l_avant)
        return refus(7, M::Station_Hors, 0, l_avant);

    // The length moves both stations; the parts forward of them do not change.
    const double avant_large = l_avant - v[7], avant_haut = l_avant - v[6];
    if (ln < avant_large || ln <= avant_haut) {
        auto r = refus(13, M::Longueur_Courte);
        r->avant_large = avant_large;
        r->avant_haut = avant_haut;
        return r;
    }
    if (v[14] < 0)
        return refus(14, M::Negatif);
    for (int i : {8, 9, 11, 10})
        if (s.t[i] < 0)
            return refus(i, M::Negatif);
    return std::nullopt;
}

void Stocke_Saisie_Forme(Etat_Projet &e, const Saisie_Forme &s) {
    const auto &v = s.v;
    // Every value as a project file gives it back, before the hull is computed from it.
    const auto stocke = [&e](int n, double x) { e.P(n) = Valeur_Fichier(x); };
    stocke(HAUTEUR_TA, v[0]);
    stocke(DEMI_LARGEUR_TA, v[1] / 2);
    stocke(HAUTEUR_ETRAVE, v[2]);
    stocke(LONGUEUR_ETRAVE, v[3]);
    stocke(HAUTEUR_MAX, v[4]);
    stocke(DEMI_LARGEUR_MAX, v[5] / 2);
    // The stations move within the old length, which stays unchanged ...
    stocke(POSITION_COUPLE_HAUT, v[6]);
    stocke(LONGUEUR_AV_HAUT, e.P(LONGUEUR_AV) + e.P(LONGUEUR_AR) - e.P(POSITION_COUPLE_HAUT));
    stocke(LONGUEUR_AR, v[7]);
    stocke(LONGUEUR_AV, e.P(POSITION_COUPLE_HAUT) + e.P(LONGUEUR_AV_HAUT) - e.P(LONGUEUR_AR));
    stocke(EXP_QUILLE_AR, s.t[10]);
    stocke(EXP_QUILLE_AV, s.t[11]);
    stocke(EXP_LIVET_AR, s.t[9]);
    stocke(EXP_LIVET_AV, s.t[8]);
    // ... then a new length grows or shrinks the hull at the stern.
    const double ln = v[13];
    stocke(LONGUEUR_AR, ln - e.P(LONGUEUR_AV));
    stocke(POSITION_COUPLE_HAUT, ln - e.P(LONGUEUR_AV_HAUT));
}

void Remet_Pas_Horizontal(Etat_Projet &e) { e.P(PAS_HORIZONTAL) = e.L() / 10; }

} // namespace gabarit
