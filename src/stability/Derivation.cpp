#include "stability/Derivation.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>

#include "model/Fichier_Projet.h"
#include "model/Resultats.h"
#include "rig/Appendices.h"
#include "rig/Bulbe.h"
#include "rig/Voilure.h"
#include "stability/Centrage.h"

namespace gabarit {

namespace {

// A step of the derivation that met a figure that is not finite ("Calcul impossible :
// position du bulbe non finie"), told again naming what it was working out and the values
// that made it: the records it follows from beyond any model's size (a kilometre, a tonne),
// or all of them when none is.
template <class F>
void Etape(const Etat_Projet &e, const char *quoi, std::initializer_list<int> derivees, F f) {
    try {
        f();
    } catch (const Erreur_Non_Finie &err) {
        std::string raison = err.what();
        if (const std::string debut = "Calcul impossible : "; raison.rfind(debut, 0) == 0)
            raison.erase(0, debut.size());
        std::vector<int> toutes, demesurees;
        for (int d : derivees)
            for (int n : Sources_De(d))
                if (std::find(toutes.begin(), toutes.end(), n) == toutes.end()) {
                    toutes.push_back(n);
                    if (!(std::fabs(e.P(n)) < 1e6))
                        demesurees.push_back(n);
                }
        std::string valeurs;
        for (int n : demesurees.empty() ? toutes : demesurees)
            valeurs += (valeurs.empty() ? "" : ", ") + std::string("n° ") + std::to_string(n) +
                       " = " + Valeur_Message(e.P(n));
        throw Erreur_Gabarit(std::string(quoi) + " ne peut pas être calculé avec " + valeurs +
                             " : " + raison + ".");
    }
}

} // namespace

std::vector<int> Derive_Valeurs(Etat_Projet &e) {
    const auto avant = e.Tab_Param;
    try {
        // The bulb height is checked before anything is stored; the centre of gravity stores
        // nothing when it refuses.
        const std::optional<double> h = Hauteur_Bulbe(e);
        Etape(e, "Le centre de gravité", {POIDS_TOTAL, CENTRE_GRAVITE_X, CENTRE_GRAVITE_Z, X_BULBE},
              [&] { Calcul_Centre_Gravite(e); });
        if (h)
            e.P(HAUTEUR_BULBE) = *h;
        Calcul_Figures_Voilure(e);
        // The areas the sail asks of the keel and rudder read the sail area just worked out.
        Etape(e, "Le plan anti-dérive",
              {SURFACE_DERIVE, ALLONGEMENT_DERIVE, CENTRE_ANTI_DERIVE, SURFACE_SAFRAN,
               ALLONGEMENT_SAFRAN},
              [&] { Calcul_Appendices(e); });
    } catch (...) {
        e.Tab_Param = avant;
        throw;
    }
    std::vector<int> changees;
    for (int n = 1; n <= NB_VALEURS_PROJET; ++n) {
        const auto i = static_cast<std::size_t>(n);
        if (e.Tab_Param[i] == avant[i])
            continue;
        e.Tab_Param[i] = Valeur_Fichier(e.Tab_Param[i]);
        if (!Meme_Milliemes(e.Tab_Param[i], avant[i]))
            changees.push_back(n);
    }
    return changees;
}

const std::vector<int> &Numeros_Derivation() {
    static const std::vector<int> numeros = [] {
        std::vector<int> n = Sources_Derives();
        n.insert(n.end(), Numeros_Derives().begin(), Numeros_Derives().end());
        return n;
    }();
    return numeros;
}

} // namespace gabarit
