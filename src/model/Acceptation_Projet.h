#pragma once
// What a project must be for the program to take it: a hull the hull table holds, sizes that
// are not below zero, and values the project file can hold. Checked before anything of the
// current project changes.
#include <functional>
#include <string>

#include "model/Etat_Projet.h"
#include "model/Fichier_Projet.h"

namespace gabarit {

// Reads the project file as Lit_Fichier_Projet does, then refuses (Erreur_Gabarit naming
// the file, with the reason) a project that holds a size below zero, or whose hull, once
// brought up to date, the hull table would refuse, or that `verifie` refuses (given the
// project brought up to date; its Erreur_Gabarit gives the reason). The target is changed only
// when the project is taken.
void Lit_Projet_Accepte(const std::string &chemin, Cible_Projet cible,
                        const std::function<void(Etat_Projet &)> &verifie = {});

// Why v cannot take the place of P(n) in e ("" when it can): a value the project file cannot
// hold in whole thousandths, a size below zero, or one that makes the hull table refuse a
// hull it holds now (the message names the value, the record and the reason). The table
// decides by its own passes (Verifie_Carene_Table), so an edit it lets through the table
// takes.
std::string Refus_Valeur_Projet(const Etat_Projet &e, int n, double v);

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
