#pragma once
// The new-project assistant's core: a new project from an overall length and a hull type,
// built on the master project tov0.mas.
#include <string>

#include "interfaces/Interface_Shell.h"
#include "model/Etat_Projet.h"

namespace gabarit {

enum class Type_Carene { Large = 0, Normal = 1, Fin = 2 };

inline constexpr double LONGUEUR_MIN_ASSISTANT = 500;
inline constexpr double LONGUEUR_MAX_ASSISTANT = 2000;
inline constexpr const char *MESSAGE_LONGUEUR = "Erreur dans le choix de la longueur";
inline constexpr const char *NOM_NOUVEAU_PROJET = "MonProjet.cot";

// F(x): x rounded toward zero to a multiple of 10 mm.
double Arrondi_Dizaine(double x);
// Short hulls (under 800 mm) are always built "Large".
Type_Carene Type_Impose(double longueur, Type_Carene choisi);
// Lengths the hull table can hold and the ratios suit: 500 to 2000 mm.
bool Longueur_Acceptee(double longueur);

// The values the assistant derives from the rounded length L and the type, written over the
// master's in e (hull, rig, appendages, weights and their stations).
void Derive_Valeurs_Assistant(Etat_Projet &e, double L, Type_Carene type);

struct Resultat_Assistant {
    enum class Etat { Refusee, Echec, Reussie } etat = Etat::Refusee;
    Type_Carene type = Type_Carene::Normal; // the type used, "Large" forced for short hulls
    double longueur = 0;                    // L, the rounded length (0 before the master read)
    std::string erreur;                     // what failed, for Echec
};

// Builds the new project in a copy of e (master read from the program folder, derived values
// to a file's thousandth, name, heel flags and lights, Init_Projet, Calcul_Tab, Calcul_Centrage,
// sail plan, appendages, bulb height, the upright moment and coefficient) and replaces e with
// it only when every step succeeded; the new project then counts as changed until it is saved,
// since no file holds it. A refused length
// or a failure leaves e untouched (the lights repainted from it); no message is shown here.
Resultat_Assistant Cree_Nouveau_Projet(Etat_Projet &e, Interface_Shell &shell, double longueur,
                                       Type_Carene type);

} // namespace gabarit
