#include "model/Acceptation_Projet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "model/Carene.h"
#include "model/Initialisation.h"
#include "model/Resultats.h"
#include "model/Voyants.h"
#include "rig/Table_Naca.h"

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

// The sizes of the boat, none of which can be below zero: a negative half-breadth draws the
// plan view as a figure-of-eight and inflates the righting moment; a negative bulb length
// gives a negative diameter. Positions, offsets, heights of items (coordinates), angles and
// exponents may take either sign, and so may freeboards.
struct Taille {
    int n;
    const char *nature;
};
constexpr Taille TAILLES[] = {
    // Hull form.
    {LONGUEUR_AV, "longueur"},
    {LONGUEUR_AR, "longueur"},
    {DEMI_LARGEUR_MAX, "largeur"},
    {HAUTEUR_MAX, "hauteur"},
    {LONGUEUR_AV_HAUT, "longueur"},
    {DEMI_LARGEUR_TA, "largeur"},
    {HAUTEUR_TA, "hauteur"},
    {HAUTEUR_ETRAVE, "hauteur"},
    {REPORT_TA, "longueur"},
    {LONGUEUR_ETRAVE, "longueur"},
    // Weights.
    {POIDS_TOTAL, "poids"},
    {POIDS_CARENE, "poids"},
    {Poids_Item(ITEM_SERVO1), "poids"},
    {Poids_Item(ITEM_SERVO2), "poids"},
    {Poids_Item(ITEM_BATTERIE), "poids"},
    {Poids_Item(ITEM_WINCH), "poids"},
    {Poids_Item(ITEM_RECEPTEUR), "poids"},
    {Poids_Item(ITEM_LIBRE), "poids"},
    {POIDS_BULBE, "poids"},
    // Sail plan: mast and sail heights, feet, tack heights, the mainsail head's length.
    {HAUTEUR_MAT, "hauteur"},
    {HAUTEUR_GV, "hauteur"},
    {LARGEUR_GV, "longueur"},
    {ENTRE_PONT_GV, "hauteur"},
    {POSITION_BASTA, "longueur"},
    {HAUTEUR_FOC, "hauteur"},
    {LARGEUR_FOC, "longueur"},
    {ENTRE_PONT_FOC, "hauteur"},
    // Keel, rudder and bulb.
    {CORDE_DERIVE_HAUT, "corde"},
    {CORDE_DERIVE_BAS, "corde"},
    {LONGUEUR_DERIVE, "longueur"},
    {CORDE_SAFRAN_HAUT, "corde"},
    {CORDE_SAFRAN_BAS, "corde"},
    {LONGUEUR_SAFRAN, "longueur"},
    {LONGUEUR_BULBE, "longueur"},
    {HAUTEUR_BULBE, "hauteur"},
};

// The values the program works out from others, and what from: every command's follow-up
// works them out again when one of those changes, so a typed one would not last.
struct Source {
    const char *quoi;         // what the records are, as the message names them
    std::vector<int> numeros; // the records
    bool listee = true;       // false where they are too many to list (the hull's form)
};
struct Derivee {
    int n;
    const char *nom;    // the value, as a sentence begins with it
    const char *pronom; // "il" or "elle", as its gender asks
    std::vector<Source> sources;
};

// Two records of every onboard item, in the record's order.
std::vector<int> Des_Items(int (*a)(int), int (*b)(int)) {
    std::vector<int> n;
    for (int i = 0; i < NB_ITEMS; ++i)
        n.insert(n.end(), {a(i), b(i)});
    return n;
}

const std::vector<Derivee> &Derivees() {
    static const std::vector<Derivee> d = [] {
        std::vector<int> poids;
        for (int i = 0; i < NB_ITEMS; ++i)
            poids.push_back(Poids_Item(i));
        return std::vector<Derivee>{
            {POIDS_TOTAL,
             "Le poids total",
             "il",
             {{"des poids de la coque", {POIDS_CARENE}},
              {"des équipements", poids},
              {"du bulbe", {POIDS_BULBE}}}},
            // The bulb's station follows the keel tip, which the keel's rake moves aft.
            {CENTRE_GRAVITE_X,
             "Le centre de gravité en longueur",
             "il",
             {{"des positions et des poids de la coque", {X_CARENE, POIDS_CARENE}},
              {"des équipements", Des_Items(X_Item, Poids_Item)},
              {"du bulbe au bout de la quille",
               {POSITION_DERIVE, LONGUEUR_DERIVE, ANGLE_DERIVE, POSITION_BULBE, LONGUEUR_BULBE,
                POIDS_BULBE}}}},
            // The hull has no height of its own; the bulb hangs from the keel under the hull
            // bottom at the upright waterline.
            {CENTRE_GRAVITE_Z,
             "Le centre de gravité en hauteur",
             "il",
             {{"des hauteurs et des poids des équipements", Des_Items(Z_Item, Poids_Item)},
              {"du bulbe sous la quille",
               {POIDS_BULBE, POSITION_DERIVE, LONGUEUR_DERIVE, ANGLE_DERIVE, NACA_BULBE_HAUT,
                LONGUEUR_BULBE}},
              {"de la flottaison droite", {Franc_Bord_AR(0), Franc_Bord_AV(0)}},
              {"de la forme de la carène", Numeros_Forme_Carene(), false}}},
            // Where the bulb hangs along the hull: the keel tip, moved aft by the rake.
            {X_BULBE,
             "La position du bulbe",
             "elle",
             {{"du bulbe au bout de la quille",
               {POSITION_DERIVE, LONGUEUR_DERIVE, ANGLE_DERIVE, POSITION_BULBE, LONGUEUR_BULBE}}}},
            {HAUTEUR_BULBE,
             "La hauteur du bulbe",
             "elle",
             {{"des profils NACA du bulbe", {NACA_BULBE_HAUT, NACA_BULBE_BAS}},
              {"de sa longueur", {LONGUEUR_BULBE}}}},
        };
    }();
    return d;
}

// "a", "a et b", "a, b et c": the parts of a French list.
std::string Liste_Francaise(const std::vector<std::string> &parts) {
    std::string s;
    for (std::size_t i = 0; i < parts.size(); ++i)
        s += (i == 0 ? "" : i + 1 == parts.size() ? " et " : ", ") + parts[i];
    return s;
}

} // namespace

std::string Refus_Profil_Projet(int n, double v) {
    if (std::find(std::begin(NUMEROS_PROFILS), std::end(NUMEROS_PROFILS), n) ==
        std::end(NUMEROS_PROFILS))
        return "";
    // Judged as the project will keep it, to the file's thousandth.
    const double f = Valeur_Fichier(v);
    std::string raison;
    try {
        // The drawings take the nearest row: 2.4 would be drawn as row 2 and stored so by the
        // first window shown, a change nobody made.
        if (Profil_Naca(f) != f)
            raison = "le numéro de profil NACA doit être un nombre entier de 0 à 39 (" +
                     Nombre_Message(f) + " demandé).";
    } catch (const Refus_Profil &err) {
        raison = err.what();
        raison[0] = 'l'; // the table's reason, after the record it is given for
    }
    if (raison.empty())
        return "";
    return "Profil NACA " + Valeur_Message(f) + " refusé pour le n° " + std::to_string(n) + " : " +
           raison;
}

std::string Refus_Valeur_Derivee(int n) {
    for (const Derivee &d : Derivees()) {
        if (d.n != n)
            continue;
        std::vector<std::string> sources;
        for (const Source &s : d.sources) {
            std::vector<std::string> numeros;
            for (int i : s.numeros)
                if (s.listee)
                    numeros.push_back(std::to_string(i));
            sources.push_back(std::string(s.quoi) +
                              (numeros.empty() ? "" : " (n° " + Liste_Francaise(numeros) + ")"));
        }
        return std::string(d.nom) + " (n° " + std::to_string(n) + ") se calcule à partir " +
               Liste_Francaise(sources) + " : " + d.pronom + " n'est pas modifiable ici.";
    }
    return "";
}

const std::vector<int> &Numeros_Derives() {
    static const std::vector<int> n = [] {
        std::vector<int> d;
        for (const Derivee &x : Derivees())
            d.push_back(x.n);
        return d;
    }();
    return n;
}

const std::vector<int> &Sources_Derives() {
    static const std::vector<int> n = [] {
        std::vector<int> sources;
        for (const Derivee &x : Derivees())
            for (const Source &s : x.sources)
                for (int i : s.numeros)
                    if (std::find(sources.begin(), sources.end(), i) == sources.end())
                        sources.push_back(i);
        return sources;
    }();
    return n;
}

std::string Refus_Resultat(int n) {
    const std::string quoi = Nom_Resultat(n);
    if (quoi.empty())
        return "";
    return "Le n° " + std::to_string(n) + " (" + quoi +
           ") est un résultat de calcul : il n'est pas modifiable ici.";
}

std::string Refus_Commentaire(int n, const std::string &texte) {
    const std::string c = Caractere_Hors_Commentaire(texte);
    if (c.empty())
        return "";
    // A character the user cannot see is named rather than shown.
    std::string nom = "Le caractère « " + c + " »";
    if (c == "\n" || c == "\r" || c == "\u2028" || c == "\u2029")
        nom = "Le saut de ligne";
    else if (c == "\t")
        nom = "Le caractère de tabulation";
    else if (const auto u = static_cast<unsigned char>(c[0]);
             c.size() == 1 && (u < 0x20 || u == 0x7F)) {
        char code[8];
        std::snprintf(code, sizeof code, "%04X", static_cast<unsigned>(u));
        nom = std::string("Le caractère de contrôle U+") + code;
    }
    return nom + " ne peut pas être enregistré dans le fichier projet : commentaire du n° " +
           std::to_string(n) + " non modifié.";
}

const char *Nature_Taille(int n) {
    for (const Taille &t : TAILLES)
        if (t.n == n)
            return t.nature;
    return nullptr;
}

std::string Refus_Taille(int n, double v) {
    const char *nature = Nature_Taille(n);
    if (!nature || !(v < 0))
        return "";
    const std::string article = std::string(nature) == "poids" ? "un " : "une ";
    return "Valeur " + Valeur_Message(v) + " refusée pour le n° " + std::to_string(n) + " : " +
           article + nature + " ne peut pas être négati" + (article == "un " ? "f." : "ve.");
}

std::string Refus_Indice_Forme(int n, double v) {
    if (n != VARIATION_FORME_AV && n != VARIATION_FORME_AR)
        return "";
    const double f = Valeur_Fichier(v);
    if (f >= INDICE_FORME_MIN && f <= INDICE_FORME_MAX)
        return "";
    return "Indice de variation de forme " + Valeur_Message(f) + " refusé pour le n° " +
           std::to_string(n) + " : il doit être compris entre 1 et 11.";
}

std::string Refus_Texte_Valeur(int n, const std::string &texte, const std::string &separateur) {
    return "Valeur « " + texte + " » refusée pour le n° " + std::to_string(n) +
           " : ce n'est pas un nombre (séparateur décimal : « " + separateur + " »).";
}

void Lit_Projet_Accepte(const std::string &chemin, Cible_Projet cible,
                        const std::function<void(Etat_Projet &)> &verifie) {
    auto lu = std::make_unique<Etat_Projet>();
    Lit_Fichier_Projet(chemin, Projet_Courant(*lu));
    for (const Taille &t : TAILLES) {
        const std::string refus = Refus_Taille(t.n, lu->P(t.n));
        if (!refus.empty())
            throw Erreur_Gabarit("Projet refusé : " + chemin + "\n" + refus);
    }
    // The hull as the initialisation will leave it: older files get their shape indices.
    auto a_jour = std::make_unique<Etat_Projet>();
    a_jour->Tab_Param = lu->Tab_Param;
    a_jour->Texte_Projet[NB_VALEURS_PROJET] = lu->Texte_Projet[NB_VALEURS_PROJET];
    Mise_A_Jour_Projet(*a_jour);
    // The profiles and shape indices once brought up to date: older files held something else
    // there.
    std::string refus;
    for (int n : NUMEROS_PROFILS)
        if (refus.empty())
            refus = Refus_Profil_Projet(n, a_jour->P(n));
    for (int n : {VARIATION_FORME_AV, VARIATION_FORME_AR})
        if (refus.empty())
            refus = Refus_Indice_Forme(n, a_jour->P(n));
    if (refus.empty())
        refus = Refus_Table(a_jour->Tab_Param);
    if (refus.empty() && verifie) {
        try {
            verifie(*a_jour);
        } catch (const Erreur_Gabarit &err) {
            refus = err.what();
        }
    }
    if (!refus.empty())
        throw Erreur_Gabarit("Projet refusé : " + chemin + "\n" + refus);
    for (std::size_t i = 1; i <= NB_VALEURS_PROJET; ++i) {
        cible.valeurs[i] = lu->Tab_Param[i];
        cible.textes[i] = std::move(lu->Texte_Projet[i]);
        cible.numeros[i] = std::move(lu->Num_Enreg[i]);
    }
}

std::string Refus_Valeur_Projet(const Etat_Projet &e, int n, double v) {
    // The value shown for a derived record or a result, typed again with its comment, is
    // taken.
    if (!Meme_Milliemes(v, e.P(n))) {
        if (std::string derivee = Refus_Valeur_Derivee(n); !derivee.empty())
            return derivee;
        if (std::string resultat = Refus_Resultat(n); !resultat.empty())
            return resultat;
    }
    if (!std::isfinite(v * 1000))
        return "Valeur trop grande pour le n° " + std::to_string(n) +
               " : le fichier projet ne peut pas la contenir.";
    if (std::string taille = Refus_Taille(n, v); !taille.empty())
        return taille;
    if (std::string profil = Refus_Profil_Projet(n, v); !profil.empty())
        return profil;
    if (std::string indice = Refus_Indice_Forme(n, v); !indice.empty())
        return indice;
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
