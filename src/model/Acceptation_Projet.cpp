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

std::string Refus_Commentaire(int n, const std::string &texte) {
    const std::string c = Caractere_Hors_Commentaire(texte);
    if (c.empty())
        return "";
    // A character the user cannot see is named rather than shown: the C0 controls and DEL are
    // one byte, the C1 controls (U+0080 to U+009F) 0xC2 and one byte more; NEL is a line break.
    const auto u = static_cast<unsigned char>(c.back());
    const bool c0 = c.size() == 1 && (u < 0x20 || u == 0x7F);
    const bool c1 = c.size() == 2 && c[0] == '\xC2' && u <= 0x9F;
    std::string nom = "Le caractère « " + c + " »";
    if (c == "\n" || c == "\r" || c == "\u0085" || c == "\u2028" || c == "\u2029")
        nom = "Le saut de ligne";
    else if (c == "\t")
        nom = "Le caractère de tabulation";
    else if (c0 || c1) {
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
    if (!Meme_Milliemes(v, e.P(n)))
        if (std::string resultat = Refus_Resultat(n); !resultat.empty())
            return resultat;
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
