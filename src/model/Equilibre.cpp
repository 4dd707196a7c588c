#include "model/Equilibre.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/Carene.h"
#include "model/Flottaison.h"
#include "model/Integration_Gite.h"
#include "model/Numeros.h"
#include "model/Registres.h"
#include "model/Voyants.h"

namespace gabarit {

namespace {

// Bounds of the search, from what the hull table holds rather than from the record: every
// section is less than 300 mm deep and the hull at most 2000 mm long. A sheer higher above
// the water than the table's depth plus half its length (a beam as wide as the longest hull,
// heeled 30 degrees, lifts it less) leaves nothing immersed. Both ends sunk deeper than the
// table's depth: the hull is under water and still too light, no position exists. One end
// alone may go deeper (the waterline pivots about the other end), but each half spans at
// least a tenth of the hull, so ten times the whole range puts its half under water.
constexpr double FRANC_BORD_MAX = HAUTEUR_MAX_TABLE + LONGUEUR_MAX_TABLE / 2;
constexpr double FRANC_BORD_MIN = -HAUTEUR_MAX_TABLE;
constexpr double FRANC_BORD_MIN_SEUL = -10 * (HAUTEUR_MAX_TABLE + FRANC_BORD_MAX);
// Sinking passes in a row that add no volume before the search gives up: what moves is
// wholly under water.
constexpr int PASSES_SANS_PROGRES = 3;

// Record numbers of one heel's results, k = heel / 5 (1 to 6).
struct Cases_Gite {
    int franc_bord_ar, franc_bord_av, etat, volume, surface;
};

Cases_Gite Cases(int k) {
    return {Franc_Bord_AR(k), Franc_Bord_AV(k), Etat_Gite(k), Volume_Gite(k),
            Surface_Mouillee_Gite(k)};
}

// Steps of a half-walk: a half shorter than one step cannot be measured.
double Nombre_Pas(double longueur, double pas) { return Int(longueur / pas); }

// Whatever way the search ends: the walk steps are put back and the please-wait window is
// hidden; unless it succeeded, the heel's freeboards are put back too.
class Garde_Recherche {
public:
    Garde_Recherche(Etat_Projet &e, Interface_Shell &s, int fb_ar, int fb_av)
        : e_(e), s_(s), pas_vertical_(e.P(PAS_VERTICAL)), pas_horizontal_(e.P(PAS_HORIZONTAL)),
          fb_ar_(fb_ar), fb_av_(fb_av), franc_bord_ar_(e.P(fb_ar)), franc_bord_av_(e.P(fb_av)) {}
    ~Garde_Recherche() {
        e_.P(PAS_VERTICAL) = pas_vertical_;
        e_.P(PAS_HORIZONTAL) = pas_horizontal_;
        if (!reussi) {
            e_.P(fb_ar_) = franc_bord_ar_;
            e_.P(fb_av_) = franc_bord_av_;
        }
        s_.Montre_Attente(false);
    }
    Garde_Recherche(const Garde_Recherche &) = delete;
    Garde_Recherche &operator=(const Garde_Recherche &) = delete;
    // Puts the steps back now (the results are stored after this).
    void Remet_Pas() {
        e_.P(PAS_VERTICAL) = pas_vertical_;
        e_.P(PAS_HORIZONTAL) = pas_horizontal_;
    }
    bool reussi = false;

private:
    Etat_Projet &e_;
    Interface_Shell &s_;
    double pas_vertical_, pas_horizontal_;
    int fb_ar_, fb_av_;
    double franc_bord_ar_, franc_bord_av_;
};

std::string Texte_Gite(double gite) {
    // The heel is a whole number of degrees here (5 to 30).
    return std::to_string(static_cast<long>(gite));
}

} // namespace

bool Calcul_Equilibre(Etat_Projet &e, Interface_Shell &shell, Memoire_Niveaux *memoire,
                      Echec_Flottaison echec_dit) {
    // The heel is taken once: a heel button pressed while the search lets events run
    // cannot redirect its freeboards or its results.
    const double gite = e.P(ANGLE_GITE);
    e.Gite_Couple = gite;
    e.Angle_Vue = 0;
    Libere_Registres();
    if (gite == 0)
        return echec_dit == Echec_Flottaison::Message ? Calcul_Flottaison(e, shell)
                                                      : Calcul_Flottaison_Muette(e, shell);

    // 0 went to the upright flotation above.
    const int k = Indice_Gite(gite);
    if (k <= 0)
        throw Erreur_Gabarit("Angle de gîte inconnu : " + Nombre_Message(gite));
    const Cases_Gite c = Cases(k);
    if (e.P(c.etat) == 0)
        return true;
    // A refusal part way leaves this heel out of date too (a flag of neither 0 nor 1 becomes
    // 1, its light red).
    Garde_Gites feu(e, shell);
    feu.fait.fill(true);
    feu.fait[static_cast<std::size_t>(k)] = false;
    // A hull the table refuses is refused here too, with the table's message, before
    // anything moves: its depths would make every walk and every pass run away.
    Verifie_Carene_Table(e);

    const double L = e.L();
    const double Xs = Int(e.P(CENTRE_GRAVITE_X) / 10) * 10;
    const double poids = e.P(POIDS_TOTAL);
    const float poids_f = static_cast<float>(poids);
    const float demi_poids = static_cast<float>(poids / 2);

    shell.Montre_Attente(true);
    Garde_Recherche garde(e, shell, c.franc_bord_ar, c.franc_bord_av);
    // No position at this heel: whatever the record holds for it belongs to another hull or
    // weight. Its light goes red before the box comes up.
    auto echec = [&]() {
        e.P(c.etat) = 1;
        Affiche_Voyants(e, shell);
        if (echec_dit == Echec_Flottaison::Message)
            shell.Message("Calcul de flottaison impossible", MB_STOP, "Attention !");
        return false;
    };
    // Each half needs a whole coarse step (L / 10) to be measured, and a weight of zero or
    // less can never be carried by a positive volume: both are refused before anything moves.
    if (!(L > 0) || !(poids > 0) || Nombre_Pas(Xs, L / 10) < 1 || Nombre_Pas(L - Xs, L / 10) < 1)
        return echec();

    double pas_v = 2, pas_h = L / 10; // coarse steps
    e.P(PAS_VERTICAL) = pas_v;
    e.P(PAS_HORIZONTAL) = pas_h;
    // The search starts from the deepest position it considers: the sheer at the waterline.
    e.P(c.franc_bord_ar) = 0;
    e.P(c.franc_bord_av) = 0;
    shell.Texte_Statut(3, "Gite :" + Texte_Gite(gite));
    e.P(ZERO_EQUILIBRE) = 0;

    float vol_ar = 0, vol_av = 0, per_ar = 0, per_av = 0, per_total = 0;

    // Pass after pass the same stations are walked with the same steps; only the freeboards
    // move, and they do not change the half-breadths.
    Memoire_Niveaux memoire_propre;
    Memoire_Niveaux &largeurs = memoire ? *memoire : memoire_propre;

    // One walk of both halves; the split station is walked in both.
    auto demi_marche = [&](double debut, double fin, bool progres, float &volume, float &per,
                           bool perimetres) {
        volume = 0;
        if (perimetres)
            per = 0;
        double X = debut;
        for (; X <= fin; X += pas_h) {
            e.X_Couple = X;
            e.Gite_Couple = gite;
            Integre_Couple_Gite(e, gite, pas_v, true, &largeurs);
            volume = static_cast<float>(volume + e.Surface_Immergee);
            if (perimetres)
                per = static_cast<float>(per + e.Perimetre_Mouille);
            if (progres)
                shell.Progression(0, Xs, X);
            shell.Laisse_Evenements();
            Libere_Registres();
        }
        // The walk leaves the station past its last step (past the bow after a search): later
        // callers read X_Couple from there.
        e.X_Couple = X;
    };
    auto passe = [&](bool perimetres) {
        shell.Progression(0, Xs, 0);
        Libere_Registres();
        demi_marche(0, Xs, true, vol_ar, per_ar, perimetres);
        demi_marche(Xs, L, false, vol_av, per_av, perimetres);
        const double na = Nombre_Pas(Xs, pas_h), nf = Nombre_Pas(L - Xs, pas_h);
        vol_ar = static_cast<float>(Divise(vol_ar, na) * Xs / 1000);
        vol_av = static_cast<float>(Divise(vol_av, nf) * (L - Xs) / 1000);
        if (perimetres) {
            per_ar = static_cast<float>(per_ar / (na + 1) * Xs / 1000);
            per_av = static_cast<float>(per_av / (nf + 1) * (L - Xs) / 1000);
            per_total = per_ar + per_av;
        }
    };

    // Coarse phase: raise the ends that carry too much. It always runs at least once, so
    // the wetted surface is measured whatever the weight.
    do {
        passe(true);
        if (vol_ar > demi_poids)
            e.P(c.franc_bord_ar) += pas_v;
        if (vol_av >= demi_poids)
            e.P(c.franc_bord_av) += pas_v;
        if (e.P(c.franc_bord_ar) > FRANC_BORD_MAX || e.P(c.franc_bord_av) > FRANC_BORD_MAX)
            return echec();
    } while (poids_f < static_cast<float>(vol_ar + vol_av));

    // Fine phase: sink the ends that carry too little, 1 mm at a time. A sheer under water
    // at one end (a negative freeboard) is a floating position like any other.
    pas_v = 1;
    pas_h = L / 80;
    e.P(PAS_VERTICAL) = pas_v;
    e.P(PAS_HORIZONTAL) = pas_h;
    float volume_prec = 0;
    int sans_progres = 0;
    while (poids_f >= static_cast<float>(vol_ar + vol_av)) {
        const double ar = e.P(c.franc_bord_ar), av = e.P(c.franc_bord_av);
        if ((ar < FRANC_BORD_MIN && av < FRANC_BORD_MIN) || ar < FRANC_BORD_MIN_SEUL ||
            av < FRANC_BORD_MIN_SEUL)
            return echec();
        passe(false);
        const float volume = vol_ar + vol_av;
        sans_progres = volume > 0 && volume <= volume_prec ? sans_progres + 1 : 0;
        if (sans_progres >= PASSES_SANS_PROGRES)
            return echec();
        volume_prec = volume;
        bool bouge = false;
        if (vol_ar < demi_poids) {
            e.P(c.franc_bord_ar) -= pas_v;
            bouge = true;
        }
        if (vol_av < demi_poids) {
            e.P(c.franc_bord_av) -= pas_v;
            bouge = true;
        }
        shell.Laisse_Evenements();
        // Both halves at exactly half the weight: nothing would ever move again.
        if (!bouge && poids_f >= static_cast<float>(vol_ar + vol_av))
            return echec();
    }

    garde.Remet_Pas();
    garde.reussi = true;
    e.Volume_AR = vol_ar;
    e.Volume_AV = vol_av;
    e.Perimetre_AR = per_ar;
    e.Perimetre_AV = per_av;
    e.Perimetre_Total = per_total;
    Gite_Calculee(e, k);
    feu.fait[static_cast<std::size_t>(k)] = true;
    e.P(c.volume) = Int(static_cast<float>(vol_ar + vol_av));
    // Two decimals, worked out in single precision: the record keeps the single quotient
    // (266.54 is stored as 266.540009...), so a saved file holds the thousandths it gives.
    const float centiemes = std::trunc(per_total * 100.0f);
    e.P(c.surface) = centiemes / 100.0f;
    e.Gite_Couple = gite;
    Affiche_Voyants(e, shell);
    return true;
}

} // namespace gabarit
