#include "model/Resultats.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "model/Etat_Projet.h"
#include "model/Numeros.h"
#include "model/Voyants.h"

namespace gabarit {

namespace {

// What a derived value is worked out from: records the message lists, or names only where
// they are too many (the hull's form).
struct Source {
    const char *quoi;
    std::vector<int> numeros;
    bool listee = true;
};

struct Resultat {
    int n;
    std::string nom;             // what it holds, as the editor's message names it
    std::string phrase;          // derived values: the value as a sentence begins with it
    const char *pronom;          // derived values: "il" or "elle", as its gender asks
    std::vector<Source> sources; // derived values: what they follow from
    bool Derive() const { return !sources.empty(); }
};

// Two records of every onboard item, in the record's order.
std::vector<int> Des_Items(int (*a)(int), int (*b)(int)) {
    std::vector<int> n;
    for (int i = 0; i < NB_ITEMS; ++i)
        n.insert(n.end(), {a(i), b(i)});
    return n;
}

std::vector<Resultat> Construit() {
    std::vector<int> poids;
    for (int i = 0; i < NB_ITEMS; ++i)
        poids.push_back(Poids_Item(i));
    const Source flottaison{"de la flottaison droite", {Franc_Bord_AR(0), Franc_Bord_AV(0)}};
    const Source forme{"de la forme de la carène", Numeros_Forme_Carene(), false};
    const Source gv{"de la grand-voile", {HAUTEUR_GV, LARGEUR_GV, ENTRE_PONT_GV, EXP_CHUTE_GV}};
    const Source classe{"du plan CLASS", {OPTION_CLASS, COEF_ROOF_A, COEF_ROOF_B, COEF_ROOF_C}};
    const Source foc{"du foc", {HAUTEUR_FOC, LARGEUR_FOC, ENTRE_PONT_FOC}};
    const Source pied{"de la position du mât", {POSITION_MAT}};
    const Source mat{"du mât", {HAUTEUR_MAT, POSITION_MAT}};
    const Source derive{"des cordes et de la longueur de la dérive",
                        {CORDE_DERIVE_HAUT, CORDE_DERIVE_BAS, LONGUEUR_DERIVE}};
    const Source safran{"des cordes et de la longueur du safran",
                        {CORDE_SAFRAN_HAUT, CORDE_SAFRAN_BAS, LONGUEUR_SAFRAN}};
    const auto derivee = [](int n, const char *nom, const char *phrase, const char *pronom,
                            std::vector<Source> sources) {
        return Resultat{n, nom, phrase, pronom, std::move(sources)};
    };
    const auto resultat = [](int n, std::string nom) {
        return Resultat{n, std::move(nom), "", "", {}};
    };
    const char *zero = "valeur que les calculs remettent à zéro";
    std::vector<Resultat> r = {
        derivee(POIDS_TOTAL, "poids total", "Le poids total", "il",
                {{"des poids de la coque", {POIDS_CARENE}},
                 {"des équipements", poids},
                 {"du bulbe", {POIDS_BULBE}}}),
        // The bulb's station follows the keel tip, which the keel's rake moves aft.
        derivee(CENTRE_GRAVITE_X, "centre de gravité en longueur",
                "Le centre de gravité en longueur", "il",
                {{"des positions et des poids de la coque", {X_CARENE, POIDS_CARENE}},
                 {"des équipements", Des_Items(X_Item, Poids_Item)},
                 {"du bulbe au bout de la quille",
                  {POSITION_DERIVE, LONGUEUR_DERIVE, ANGLE_DERIVE, POSITION_BULBE, LONGUEUR_BULBE,
                   POIDS_BULBE}}}),
        // The hull has no height of its own; the bulb hangs from the keel under the hull
        // bottom at the upright waterline.
        derivee(CENTRE_GRAVITE_Z, "centre de gravité en hauteur", "Le centre de gravité en hauteur",
                "il",
                {{"des hauteurs et des poids des équipements", Des_Items(Z_Item, Poids_Item)},
                 {"du bulbe sous la quille",
                  {POIDS_BULBE, POSITION_DERIVE, LONGUEUR_DERIVE, ANGLE_DERIVE, NACA_BULBE_HAUT,
                   LONGUEUR_BULBE}},
                 flottaison,
                 forme}),
        // Where the bulb hangs along the hull: the keel tip, moved aft by the rake.
        derivee(
            X_BULBE, "position du bulbe", "La position du bulbe", "elle",
            {{"du bulbe au bout de la quille",
              {POSITION_DERIVE, LONGUEUR_DERIVE, ANGLE_DERIVE, POSITION_BULBE, LONGUEUR_BULBE}}}),
        derivee(HAUTEUR_BULBE, "hauteur du bulbe", "La hauteur du bulbe", "elle",
                {{"des profils NACA du bulbe", {NACA_BULBE_HAUT, NACA_BULBE_BAS}},
                 {"de sa longueur", {LONGUEUR_BULBE}}}),
        // The sail plan, free or CLASS; heights stand on the deck at the mast, which the hull
        // and the upright waterline place.
        derivee(SURFACE_GV, "surface de grand-voile", "La surface de grand-voile", "elle",
                {gv, classe}),
        derivee(CENTRE_GV_X, "position du centre de grand-voile",
                "La position du centre de grand-voile", "elle", {pied, gv, classe}),
        derivee(CENTRE_GV_Z, "hauteur du centre de grand-voile",
                "La hauteur du centre de grand-voile", "elle",
                {pied, gv, classe, flottaison, forme}),
        derivee(SURFACE_FOC, "surface du foc", "La surface du foc", "elle", {foc}),
        derivee(SURFACE_VOILURE, "surface de voilure", "La surface de voilure", "elle",
                {gv, classe, foc}),
        derivee(CENTRE_VELIQUE_X, "position du centre vélique", "La position du centre vélique",
                "elle", {mat, gv, classe, foc}),
        derivee(CENTRE_VELIQUE_Z, "hauteur du centre vélique", "La hauteur du centre vélique",
                "elle", {mat, gv, classe, foc, flottaison, forme}),
        // The appendages; the areas they are asked for follow the sail area.
        derivee(SURFACE_DERIVE, "surface de la dérive", "La surface de la dérive", "elle",
                {derive}),
        derivee(ALLONGEMENT_DERIVE, "allongement de la dérive", "L'allongement de la dérive", "il",
                {derive}),
        derivee(RATIO_DERIVE, "surface de dérive que demande la voilure",
                "La surface de dérive que demande la voilure", "elle", {gv, classe, foc}),
        derivee(CENTRE_ANTI_DERIVE, "position du centre anti-dérive",
                "La position du centre anti-dérive", "elle",
                {{"de la dérive",
                  {POSITION_DERIVE, CORDE_DERIVE_HAUT, CORDE_DERIVE_BAS, LONGUEUR_DERIVE}},
                 {"du safran",
                  {POSITION_SAFRAN, CORDE_SAFRAN_HAUT, CORDE_SAFRAN_BAS, LONGUEUR_SAFRAN}}}),
        derivee(SURFACE_SAFRAN, "surface du safran", "La surface du safran", "elle", {safran}),
        derivee(ALLONGEMENT_SAFRAN, "allongement du safran", "L'allongement du safran", "il",
                {safran}),
        derivee(RATIO_SAFRAN, "surface de safran que demande la voilure",
                "La surface de safran que demande la voilure", "elle", {gv, classe, foc}),
        // Left by the last righting moment stored, at the heel it was worked out for.
        resultat(CENTRE_GRAVITE_Y, "position latérale du centre de gravité au dernier moment "
                                   "calculé"),
        resultat(Y_BULBE, "position latérale du bulbe au dernier moment calculé"),
        resultat(Z_BULBE, "profondeur du bulbe au dernier moment calculé"),
        resultat(COEF_PRISMATIQUE, "dernier coefficient prismatique calculé"),
        resultat(VOLUME_CARENE, "volume de carène à 0°"),
        resultat(SURFACE_THEORIQUE, "surface de voilure que porte le moment à 30°"),
        // Set to zero by a computation or by every read, read by none.
        resultat(ZERO_EQUILIBRE, zero),
        resultat(ZERO_INITIALISATION, zero),
        resultat(ZERO_APPENDICES, zero),
        resultat(ZERO_CENTRAGE, zero),
        resultat(MARQUE_SERIE, zero),
        // The hull's own lateral position: on the centreline, set again at every read.
        resultat(Y_CARENE, "position latérale de la coque, que chaque lecture remet à zéro"),
    };
    // Every heel's results, in the order of Numeros_Resultats_Gite, and its flag.
    const char *const noms[] = {"franc-bord arrière",      "franc-bord avant",
                                "volume immergé",          "surface mouillée",
                                "coefficient prismatique", "moment de redressement"};
    for (int k = 0; k < NB_GITES; ++k) {
        const std::string gite = " à " + std::to_string(5 * k) + "°";
        const std::vector<int> n = Numeros_Resultats_Gite(k);
        for (std::size_t i = 0; i < std::size(noms); ++i)
            r.push_back(resultat(n[i], noms[i] + gite));
        r.push_back(resultat(Etat_Gite(k), "état du calcul" + gite));
    }
    return r;
}

// The list, indexed by record number (nullptr: a record the user types).
const std::array<const Resultat *, NB_VALEURS_PROJET + 1> &Table() {
    static const std::vector<Resultat> liste = Construit();
    static const std::array<const Resultat *, NB_VALEURS_PROJET + 1> table = [] {
        std::array<const Resultat *, NB_VALEURS_PROJET + 1> t{};
        for (const Resultat &r : liste)
            t.at(static_cast<std::size_t>(r.n)) = &r;
        return t;
    }();
    return table;
}

const Resultat *Trouve(int n) {
    return n >= 1 && n <= NB_VALEURS_PROJET ? Table()[static_cast<std::size_t>(n)] : nullptr;
}

// "a", "a et b", "a, b et c": the parts of a French list.
std::string Liste_Francaise(const std::vector<std::string> &parts) {
    std::string s;
    for (std::size_t i = 0; i < parts.size(); ++i)
        s += (i == 0 ? "" : i + 1 == parts.size() ? " et " : ", ") + parts[i];
    return s;
}

// The records of the list that pass `garde`, in increasing order.
template <class Garde> std::vector<int> Numeros(Garde garde) {
    std::vector<int> n;
    for (int i = 1; i <= NB_VALEURS_PROJET; ++i)
        if (const Resultat *r = Trouve(i); r && garde(*r))
            n.push_back(i);
    return n;
}

} // namespace

const std::vector<int> &Numeros_Resultats() {
    static const std::vector<int> n = Numeros([](const Resultat &) { return true; });
    return n;
}

std::string Nom_Resultat(int n) {
    const Resultat *r = Trouve(n);
    return r ? r->nom : "";
}

const std::vector<int> &Numeros_Derives() {
    static const std::vector<int> n = Numeros([](const Resultat &r) { return r.Derive(); });
    return n;
}

const std::vector<int> &Sources_Derives() {
    static const std::vector<int> n = [] {
        std::vector<int> sources;
        for (int d : Numeros_Derives())
            for (int i : Sources_De(d))
                if (std::find(sources.begin(), sources.end(), i) == sources.end())
                    sources.push_back(i);
        return sources;
    }();
    return n;
}

std::vector<int> Sources_De(int n) {
    std::vector<int> sources;
    if (const Resultat *r = Trouve(n))
        for (const Source &s : r->sources)
            for (int i : s.numeros)
                if (std::find(sources.begin(), sources.end(), i) == sources.end())
                    sources.push_back(i);
    return sources;
}

std::string Refus_Resultat(int n) {
    const Resultat *r = Trouve(n);
    if (!r)
        return "";
    if (!r->Derive())
        return "Le n° " + std::to_string(n) + " (" + r->nom +
               ") est un résultat de calcul : il n'est pas modifiable ici.";
    std::vector<std::string> sources;
    for (const Source &s : r->sources) {
        std::vector<std::string> numeros;
        for (int i : s.numeros)
            if (s.listee)
                numeros.push_back(std::to_string(i));
        sources.push_back(std::string(s.quoi) +
                          (numeros.empty() ? "" : " (n° " + Liste_Francaise(numeros) + ")"));
    }
    return r->phrase + " (n° " + std::to_string(n) + ") se calcule à partir " +
           Liste_Francaise(sources) + " : " + r->pronom + " n'est pas modifiable ici.";
}

} // namespace gabarit
