#pragma once
// The master with values at the edges the open takes: shape-variation indices 1 and 11, the
// first and the last NACA rows in keel, rudder and bulb records, and comments with accents the
// Windows-1252 file holds; saved as the program saves it with every view drawn, its heel
// results and its sail figures (the mainsail's centre stands on the deck at the waterline)
// computed for it.
#include <memory>
#include <string>

#include "interfaces/Shell_Muet.h"
#include "model/Carene.h"
#include "model/Etat_Projet.h"
#include "model/Fichier_Projet.h"
#include "shell/Serie_Gite.h"
#include "shell/Suivi_Commande.h"
#include "support/Maitre.h"
#include "views/Dessins.h"

namespace gabarit::test {

struct Valeur_Limite {
    int n;
    double v;
};
inline constexpr Valeur_Limite VALEURS_LIMITES[] = {
    {107, 1}, {108, 11}, {18, 39}, {25, 0}, {88, 39}, {92, 0}, {159, 0}, {160, 39}, {161, 39}};
struct Commentaire_Limite {
    int n;
    const char *texte;
};
inline constexpr Commentaire_Limite COMMENTAIRES_LIMITES[] = {
    {5, "Demi-largeur à l'œil du maître-couple (mm)"},
    {107, "Variation de forme à l'avant, étrave « fine »"},
    {160, "Profil NACA du bulbe vu de dessus : 39°"}};

// That project written at `chemin`, then `change` made to it without computing anything again.
template <class F> void Ecrit_Projet_Limites(const std::string &chemin, F change) {
    auto e = std::make_unique<Etat_Projet>();
    Shell_Muet muet;
    Prepare_Maitre(*e, muet);
    for (const Valeur_Limite &l : VALEURS_LIMITES)
        e->P(l.n) = l.v;
    for (const Commentaire_Limite &c : COMMENTAIRES_LIMITES)
        e->Texte_Projet[static_cast<std::size_t>(c.n)] = c.texte;
    Calcul_Tab(*e);
    Derive_Valeurs(*e);
    Fenetres_Muettes fenetres;
    Calcul_Gite_Serie(*e, muet, fenetres, Passes_Gite::Toutes);
    e->Gite_Couple = 0; // the sails drawn upright
    Canvas_Muet voilure;
    Echelle_Voilure(*e, voilure);
    Trace_Voile_Projet(*e, muet, voilure);
    change(*e);
    Ecrit_Fichier_Projet(chemin, *e);
}
inline void Ecrit_Projet_Limites(const std::string &chemin) {
    Ecrit_Projet_Limites(chemin, [](Etat_Projet &) {});
}

} // namespace gabarit::test
