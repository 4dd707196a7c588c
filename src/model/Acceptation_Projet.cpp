#include "model/Acceptation_Projet.h"

#include <cmath>
#include <memory>
#include <string>

#include "model/Carene.h"
#include "model/Initialisation.h"

namespace gabarit {

namespace {

// The table's reason for refusing this record's hull, "" when it holds it.
std::string Refus_Table(const std::array<double, NB_VALEURS + 1> &valeurs) {
    auto e = std::make_unique<Etat_Projet>();
    e->Tab_Param = valeurs;
    try {
        Verifie_Carene_Table(*e);
    } catch (const Erreur_Gabarit &err) {
        return err.what();
    }
    return "";
}

} // namespace

void Lit_Projet_Accepte(const std::string &chemin, Cible_Projet cible) {
    auto lu = std::make_unique<Etat_Projet>();
    Lit_Fichier_Projet(chemin, Projet_Courant(*lu));
    // The hull as the initialisation will leave it: older files get their shape indices.
    auto a_jour = std::make_unique<Etat_Projet>();
    a_jour->Tab_Param = lu->Tab_Param;
    a_jour->Texte_Projet[NB_VALEURS_PROJET] = lu->Texte_Projet[NB_VALEURS_PROJET];
    Mise_A_Jour_Projet(*a_jour);
    const std::string refus = Refus_Table(a_jour->Tab_Param);
    if (!refus.empty())
        throw Erreur_Gabarit("Projet refusé : " + chemin + "\n" + refus);
    for (std::size_t i = 1; i <= NB_VALEURS_PROJET; ++i) {
        cible.valeurs[i] = lu->Tab_Param[i];
        cible.textes[i] = std::move(lu->Texte_Projet[i]);
        cible.numeros[i] = std::move(lu->Num_Enreg[i]);
    }
}

std::string Refus_Valeur_Projet(const Etat_Projet &e, int n, double v) {
    if (!std::isfinite(v * 1000))
        return "Valeur trop grande : le fichier projet ne peut pas la contenir.";
    if (!Refus_Table(e.Tab_Param).empty())
        return ""; // a hull the table refuses already: the edit may be its repair
    auto copie = std::make_unique<Etat_Projet>();
    copie->Tab_Param = e.Tab_Param;
    copie->P(n) = v;
    const std::string refus = Refus_Table(copie->Tab_Param);
    if (refus.empty())
        return "";
    return "Valeur " + Valeur_Message(v) + " refusée pour le n° " + std::to_string(n) +
           " : la table de carène ne peut pas la prendre.\n" + refus;
}

} // namespace gabarit
