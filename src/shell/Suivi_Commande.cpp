#include "shell/Suivi_Commande.h"

#include <algorithm>

#include "interfaces/Shell_Muet.h"
#include "model/Carene.h"
#include "model/Fichier_Projet.h"
#include "model/Numeros.h"
#include "model/Projet_Enregistre.h"
#include "model/Resultats.h"
#include "model/Voyants.h"
#include "shell/Serie_Gite.h"
#include "stability/Coef_Prismatique.h"
#include "stability/Derivation.h"

namespace gabarit {

namespace {

bool Lue_Par_Les_Gites(int n) {
    static const std::array<bool, NB_VALEURS + 1> lues = [] {
        std::array<bool, NB_VALEURS + 1> l{};
        for (int i : Numeros_Calculs_Gite())
            l[static_cast<std::size_t>(i)] = true;
        return l;
    }();
    return lues[static_cast<std::size_t>(n)];
}

} // namespace

void Complete_Gites(Etat_Projet &e, Interface_Shell &s, const Etat_Projet &avant) {
    const bool entrees = Change(Numeros_Calculs_Gite(), avant, e);
    const bool forme = Change(Numeros_Forme_Carene(), avant, e);
    std::array<bool, NB_GITES> moment{}, coef{};
    bool rien = true;
    for (int k = 0; k < NB_GITES; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (e.P(Etat_Gite(k)) != 0 || e.Calculs_Gite[i] == avant.Calculs_Gite[i])
            continue;
        // A heel that was out of date, or whose waterline moved, has a moment and a coefficient
        // of another boat unless the command worked them out; a heel floated again on an
        // unchanged hull keeps its coefficient, and its moment if no input moved.
        const bool neuve =
            avant.P(Etat_Gite(k)) != 0 || Change({Franc_Bord_AR(k), Franc_Bord_AV(k)}, avant, e);
        moment[i] = e.Calculs_Moment[i] == avant.Calculs_Moment[i] && (neuve || entrees);
        coef[i] = e.Calculs_Coef[i] == avant.Calculs_Coef[i] && (neuve || forme);
        rien = rien && !moment[i] && !coef[i];
    }
    if (rien)
        return;
    bool repeint = false;
    for (int k = 0; k < NB_GITES; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if ((moment[i] || coef[i]) && !Complete_Gite(e, k, moment[i], coef[i]))
            repeint = true;
    }
    if (repeint)
        Affiche_Voyants(e, s);
}

bool Complete_Gite(Etat_Projet &e, int k, bool moment, bool coef) {
    const auto i = static_cast<std::size_t>(k);
    // Worked out on a copy: the view settings, the user's heel and the last figures drawn stay
    // as the command left them.
    auto copie = std::make_unique<Etat_Projet>(e);
    Shell_Muet muet;
    Fenetres_Muettes affichage; // a moment worked out on a copy is drawn nowhere
    try {
        copie->P(ANGLE_GITE) = 5.0 * k;
        if (moment) {
            // No water at the keel station: this heel has no moment to stand beside.
            if (!Calcul_Redressement(*copie, affichage))
                throw Erreur_Gabarit("Moment de redressement incalculable");
            // With the bulb and centre it was worked from, as every moment stored, to the
            // thousandth a file keeps: this follows the cut of what the command stored.
            for (int n : {Moment_Redressement(k), Z_BULBE, Y_BULBE, CENTRE_GRAVITE_Y})
                e.P(n) = Valeur_Fichier(copie->P(n));
            if (k == NB_GITES - 1)
                e.P(SURFACE_THEORIQUE) = copie->P(SURFACE_THEORIQUE);
            ++e.Calculs_Moment[i];
        }
        if (coef) {
            Calcul_Coef_Pris(*copie, muet, nullptr, false);
            e.P(Coef_Prismatique_Gite(k)) = copie->P(Coef_Prismatique_Gite(k));
            ++e.Calculs_Coef[i];
        }
        return true;
    } catch (const Erreur_Gabarit &) {
        e.P(Etat_Gite(k)) = 1;
        return false;
    }
}

Avant_Commande Avant(const Etat_Projet &e) { return {std::make_unique<const Etat_Projet>(e)}; }

void Retablit(Etat_Projet &e, Interface_Shell &s, const Avant_Commande &avant) {
    // The project and what is worked out from it; the windows' working variables (the station
    // shown, the item chosen, the view key) stay as the command left them, as do the windows.
    const Etat_Projet &a = *avant.etat;
    e.Tab_Param = a.Tab_Param;
    e.Texte_Projet = a.Texte_Projet;
    e.Num_Enreg = a.Num_Enreg;
    e.Calculs_Gite = a.Calculs_Gite;
    e.Calculs_Moment = a.Calculs_Moment;
    e.Calculs_Coef = a.Calculs_Coef;
    e.Enregistre = a.Enregistre;
    e.Projets_Pris = a.Projets_Pris;
    e.Nom_Projet = a.Nom_Projet;
    e.Tab_Carene = a.Tab_Carene;
    Affiche_Voyants(e, s);
}

bool Suit_Commande(Etat_Projet &e, Interface_Shell &s, const Avant_Commande &avant) {
    const Etat_Projet &a = *avant.etat;
    // What the command stored, as a file gives it back. An input of the heel results cut here
    // was computed from uncut: what the command computed from it no longer holds.
    bool entree_coupee = false, coupee = false;
    for (int n = 1; n <= NB_VALEURS_PROJET; ++n) {
        const double v = e.P(n);
        if (Valeur_De_Travail(n) || v == a.P(n))
            continue;
        const double f = Valeur_Fichier(v);
        if (f != v) {
            e.P(n) = f;
            coupee = true;
            entree_coupee = entree_coupee || Lue_Par_Les_Gites(n);
        }
    }
    // The hull table follows the hull, whichever window changed it: the upright flotation
    // reads the table, the heeled one the sections, and both must float the same boat. The
    // section a window shows is left where it was.
    if (Change(Numeros_Forme_Carene(), a, e) && !Table_Du_Bateau(e)) {
        const Etat_Projet::Sortie_Couple section = e.Sortie_Couple_Actuelle();
        Calcul_Tab(e);
        e.Remet_Sortie_Couple(section);
    }
    // A project the command took whole (read, or made by the assistant) came with its derived
    // values worked out.
    bool touchee = entree_coupee;
    if (e.Projets_Pris == a.Projets_Pris)
        for (int n : Numeros_Derivation())
            touchee = touchee || e.P(n) != a.P(n);
    const auto avant_derivation = e.Tab_Param;
    const std::vector<int> derivees = touchee ? Derive_Valeurs(e) : std::vector<int>{};
    // A derived value the heel results read (the weight, the centre, the bulb) moved: what the
    // command computed was worked from the old one.
    const bool derivee = std::any_of(derivees.begin(), derivees.end(), Lue_Par_Les_Gites);
    const bool derivee_touchee = avant_derivation != e.Tab_Param;
    Perime_Si_Change(e, s, Empreinte(a), !(entree_coupee || derivee));
    const auto valeurs = e.Tab_Param;
    Complete_Gites(e, s, a);
    // Derived values the command's own derivation moved (a window works them out before its
    // views show them) are behind in the other windows too.
    const bool derivees_bougees = std::any_of(Numeros_Derives().begin(), Numeros_Derives().end(),
                                              [&](int n) { return e.P(n) != a.P(n); });
    return coupee || derivee_touchee || derivees_bougees || valeurs != e.Tab_Param;
}

} // namespace gabarit
