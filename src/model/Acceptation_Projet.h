#pragma once
// What a project must be for the program to take it: a hull the hull table holds, sizes that
// are not below zero, and values the project file can hold. Checked before anything of the
// current project changes.
#include <functional>
#include <string>
#include <vector>

#include "model/Etat_Projet.h"
#include "model/Fichier_Projet.h"
#include "model/Numeros.h"
#include "model/Resultats.h"

namespace gabarit {

// Reads the project file as Lit_Fichier_Projet does, then refuses (Erreur_Gabarit naming
// the file, with the reason) a project that holds a size below zero, or, once brought up to
// date, a profile number that is no row of the NACA table, a shape-variation index outside 1
// to 11, a hull the hull table would refuse, or that `verifie` refuses (given the project
// brought up to date; its Erreur_Gabarit gives the reason). The target is changed only when
// the project is taken.
void Lit_Projet_Accepte(const std::string &chemin, Cible_Projet cible,
                        const std::function<void(Etat_Projet &)> &verifie = {});

// Why v cannot take the place of P(n) in e ("" when it can): another value than the one the
// program sets itself in a record of the list of results (Refus_Resultat), a value the project file
// cannot hold in whole thousandths, a size below zero, a profile number that is no row of the
// NACA table, a shape-variation index outside 1 to 11, or one that makes the hull table refuse
// a hull it holds now (the message names the value, the record and the reason). The table
// decides by its own passes (Verifie_Carene_Table), so an edit it lets through the table takes.
std::string Refus_Valeur_Projet(const Etat_Projet &e, int n, double v);

// The records holding a profile number: keel, rudder (upper and lower sections) and bulb
// (upper side, top view, lower side).
inline constexpr int NUMEROS_PROFILS[] = {NACA_DERIVE_HAUT, NACA_DERIVE_BAS, NACA_SAFRAN_HAUT,
                                          NACA_SAFRAN_BAS,  NACA_BULBE_HAUT, NACA_BULBE_DESSUS,
                                          NACA_BULBE_BAS};
// Why v cannot be the profile number P(n), naming the value and the record: it is no row of
// the table, a whole number 0 to 39 (beyond them, Profil_Naca's reason). "" when it can, or
// when n holds no profile.
std::string Refus_Profil_Projet(int n, double v);

// The shape-variation indices P(VARIATION_FORME_AV) and P(VARIATION_FORME_AR), the power of
// the blend from the widest section's shape to the end's: 1 blends along the whole length,
// 11 keeps the widest section's shape nearly to the ends. The window offers no other.
inline constexpr int INDICE_FORME_MIN = 1;
inline constexpr int INDICE_FORME_MAX = 11;
// Why v cannot be the shape-variation index P(n), naming the value, the record and the range.
// "" when it can, or when n holds no such index.
std::string Refus_Indice_Forme(int n, double v);

// Why a comment cannot be kept for record n: it holds a character a record of the project file
// cannot hold (Caractere_Hors_Commentaire: a comma, a double quote, a line break, a tab, a
// control character, U+0080 to U+009F among them, one Windows-1252 has no byte for); the
// message names the first one. "" when it can. The comment
// is refused, never changed: the user decides what stands in its place.
std::string Refus_Commentaire(int n, const std::string &texte);

// The kind of size record n holds ("longueur", "largeur", "hauteur", "corde", "poids"), or
// nullptr when it may hold any sign (positions, offsets, angles, exponents, coordinates,
// results).
const char *Nature_Taille(int n);
// Why v cannot be the size P(n): below zero. "" when it can, or when n is no size.
std::string Refus_Taille(int n, double v);

// Why a text typed for P(n) is refused: it is not a number as the user's locale writes one
// (separateur: that locale's decimal separator).
std::string Refus_Texte_Valeur(int n, const std::string &texte, const std::string &separateur);

} // namespace gabarit
