#include "model/Voyants.h"

#include <iterator>

#include "model/Fichier_Projet.h"

namespace gabarit {

void Affiche_Voyants(const Etat_Projet &e, Interface_Shell &shell) {
    std::array<int, NB_GITES> couleurs{};
    for (int k = 0; k < NB_GITES; ++k)
        couleurs[static_cast<std::size_t>(k)] =
            e.P(Etat_Gite(k)) == 1 ? COULEUR_ROUGE : COULEUR_VERTE;
    shell.Peint_Voyants(couleurs);
}

void Invalide_Calculs(Etat_Projet &e, Interface_Shell &shell) {
    for (int k = 0; k < NB_GITES; ++k)
        e.P(Etat_Gite(k)) = 1;
    Affiche_Voyants(e, shell);
}

void Gite_Calculee(Etat_Projet &e, int k) {
    e.P(Etat_Gite(k)) = 0;
    ++e.Calculs_Gite.at(static_cast<std::size_t>(k));
}

void Gites_Vertes_Calculees(Etat_Projet &e) {
    for (int k = 0; k < NB_GITES; ++k)
        if (e.P(Etat_Gite(k)) == 0) {
            const auto i = static_cast<std::size_t>(k);
            ++e.Calculs_Gite[i];
            ++e.Calculs_Moment[i];
            ++e.Calculs_Coef[i];
        }
}

std::vector<int> Numeros_Resultats_Gite(int k) {
    std::vector<int> n = {Franc_Bord_AR(k),         Franc_Bord_AV(k),
                          Volume_Gite(k),           Surface_Mouillee_Gite(k),
                          Coef_Prismatique_Gite(k), Moment_Redressement(k)};
    if (k == 0)
        n.push_back(VOLUME_CARENE);
    if (k == NB_GITES - 1)
        n.push_back(SURFACE_THEORIQUE);
    return n;
}

const std::vector<int> &Numeros_Forme_Carene() {
    static const std::vector<int> numeros = [] {
        std::vector<int> n;
        // Every record the section geometry reads.
        for (int i = LONGUEUR_AV; i <= HAUTEUR_ETRAVE; ++i)
            if (i != VOLUME_CARENE && i != NACA_DERIVE_HAUT)
                n.push_back(i);
        for (int i : {REPORT_TA, LONGUEUR_ETRAVE, VARIATION_FORME_AV, VARIATION_FORME_AR})
            n.push_back(i);
        return n;
    }();
    return numeros;
}

bool Change(const std::vector<int> &numeros, const Etat_Projet &avant, const Etat_Projet &apres) {
    for (int n : numeros)
        if (!Meme_Milliemes(apres.P(n), avant.P(n)))
            return true;
    return false;
}

const std::vector<int> &Numeros_Calculs_Gite() {
    static const std::vector<int> numeros = [] {
        std::vector<int> n = Numeros_Forme_Carene();
        // Weights, their stations and lateral positions, and the centre of gravity.
        for (int i : {CENTRE_GRAVITE_X, POIDS_TOTAL, X_CARENE, Y_CARENE, POIDS_CARENE, POIDS_BULBE})
            n.push_back(i);
        for (int i = 0; i < NB_ITEMS; ++i)
            for (int j : {X_Item(i), Poids_Item(i), Y_Item(i)})
                n.push_back(j);
        // Keel, bulb and cant.
        for (int i : {POSITION_DERIVE, LONGUEUR_DERIVE, ANGLE_DERIVE, POSITION_BULBE,
                      LONGUEUR_BULBE, HAUTEUR_BULBE, ANGLE_BASCULE})
            n.push_back(i);
        return n;
    }();
    return numeros;
}

Empreinte_Gites Empreinte(const Etat_Projet &e) {
    Empreinte_Gites r;
    const auto &numeros = Numeros_Calculs_Gite();
    r.valeurs.reserve(numeros.size());
    for (int n : numeros)
        r.valeurs.push_back(e.P(n));
    r.calculs = e.Calculs_Gite;
    return r;
}

bool Perime_Si_Change(Etat_Projet &e, Interface_Shell &shell, const Empreinte_Gites &avant,
                      bool calculs_tenus) {
    const auto &numeros = Numeros_Calculs_Gite();
    bool change = false;
    for (std::size_t i = 0; i < numeros.size() && !change; ++i)
        change = !Meme_Milliemes(e.P(numeros[i]), avant.valeurs.at(i));
    bool rougit = false;
    for (int k = 0; k < NB_GITES; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const bool calculee = e.Calculs_Gite[i] != avant.calculs[i];
        // Not computed for the values the project now holds: computed from others, or not
        // computed while the values moved.
        if ((calculee ? !calculs_tenus : change) && e.P(Etat_Gite(k)) != 1) {
            e.P(Etat_Gite(k)) = 1;
            rougit = true;
        }
    }
    if (rougit)
        Affiche_Voyants(e, shell);
    return rougit;
}

Garde_Gites::~Garde_Gites() {
    try {
        bool repeint = false;
        for (int k = 0; k < NB_GITES; ++k)
            if (!fait[static_cast<std::size_t>(k)] && e_.P(Etat_Gite(k)) != 1) {
                e_.P(Etat_Gite(k)) = 1;
                repeint = true;
            }
        if (repeint)
            Affiche_Voyants(e_, s_);
    } catch (...) {
        // A guard runs while a refusal unwinds: painting the lights must not end the program.
    }
}

} // namespace gabarit
