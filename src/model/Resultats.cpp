#include "model/Resultats.h"

#include <algorithm>
#include <iterator>

#include "model/Numeros.h"
#include "model/Voyants.h"

namespace gabarit {

namespace {

struct Resultat {
    int n;
    const char *nom;
};

// The figures that are not one heel's own.
constexpr Resultat AUTRES[] = {
    // Left by the last righting moment stored, at the heel it was worked out for.
    {CENTRE_GRAVITE_Y, "position latérale du centre de gravité au dernier moment calculé"},
    {Y_BULBE, "position latérale du bulbe au dernier moment calculé"},
    {Z_BULBE, "profondeur du bulbe au dernier moment calculé"},
    {COEF_PRISMATIQUE, "dernier coefficient prismatique calculé"},
    // The sail plan.
    {SURFACE_GV, "surface de grand-voile"},
    {CENTRE_GV_X, "position du centre de grand-voile"},
    {CENTRE_GV_Z, "hauteur du centre de grand-voile"},
    {SURFACE_FOC, "surface du foc"},
    {SURFACE_VOILURE, "surface de voilure"},
    {CENTRE_VELIQUE_X, "position du centre vélique"},
    {CENTRE_VELIQUE_Z, "hauteur du centre vélique"},
    // The appendages.
    {SURFACE_DERIVE, "surface de la dérive"},
    {ALLONGEMENT_DERIVE, "allongement de la dérive"},
    {RATIO_DERIVE, "surface de dérive que demande la voilure"},
    {CENTRE_ANTI_DERIVE, "position du centre anti-dérive"},
    {SURFACE_SAFRAN, "surface du safran"},
    {ALLONGEMENT_SAFRAN, "allongement du safran"},
    {RATIO_SAFRAN, "surface de safran que demande la voilure"},
    // Set to zero by a computation, read by none.
    {ZERO_EQUILIBRE, "valeur que les calculs remettent à zéro"},
    {ZERO_INITIALISATION, "valeur que les calculs remettent à zéro"},
    {ZERO_APPENDICES, "valeur que les calculs remettent à zéro"},
    {ZERO_CENTRAGE, "valeur que les calculs remettent à zéro"},
    {MARQUE_SERIE, "valeur que les calculs remettent à zéro"},
};

} // namespace

const std::vector<int> &Numeros_Resultats() {
    static const std::vector<int> numeros = [] {
        std::vector<int> n;
        for (int k = 0; k < NB_GITES; ++k) {
            for (int r : Numeros_Resultats_Gite(k))
                n.push_back(r);
            n.push_back(Etat_Gite(k));
        }
        for (const Resultat &r : AUTRES)
            n.push_back(r.n);
        std::sort(n.begin(), n.end());
        return n;
    }();
    return numeros;
}

std::string Nom_Resultat(int n) {
    for (const Resultat &r : AUTRES)
        if (r.n == n)
            return r.nom;
    if (n == VOLUME_CARENE)
        return "volume de carène à 0°";
    if (n == SURFACE_THEORIQUE)
        return "surface de voilure que porte le moment à 30°";
    // In the order of Numeros_Resultats_Gite.
    static const char *const noms[] = {"franc-bord arrière",      "franc-bord avant",
                                       "volume immergé",          "surface mouillée",
                                       "coefficient prismatique", "moment de redressement"};
    for (int k = 0; k < NB_GITES; ++k) {
        const std::string gite = " à " + std::to_string(5 * k) + "°";
        const std::vector<int> r = Numeros_Resultats_Gite(k);
        for (std::size_t i = 0; i < std::size(noms); ++i)
            if (r[i] == n)
                return noms[i] + gite;
        if (n == Etat_Gite(k))
            return "état du calcul" + gite;
    }
    return "";
}

} // namespace gabarit
