#pragma once
// The record's numbers by name: P(POIDS_TOTAL) rather than P(42). The numbering is the
// project file's and the parameter editor's, so it never changes. Lengths are mm, masses g,
// angles degrees unless said.
#include "model/Erreur.h"

namespace gabarit {

// The program's own pi for its computations (the keel's rake and cant, the heel of the
// righting moment, the bulb's volume); the drawings use 3.141593.
inline constexpr double PI_QUILLE = 3.14116;

// --- Hull form ---
inline constexpr int LONGUEUR_AV = 1; // widest station to the bow
inline constexpr int LONGUEUR_AR = 2; // widest station, from the stern
inline constexpr int EXP_LIVET_AV = 3;
inline constexpr int EXP_LIVET_AR = 4;
inline constexpr int DEMI_LARGEUR_MAX = 5; // half-breadth at the sheer at the widest station
inline constexpr int HAUTEUR_MAX = 6;      // keel to sheer at POSITION_COUPLE_HAUT
inline constexpr int FORME_MC_A = 7;
inline constexpr int FORME_MC_B = 8;
inline constexpr int LONGUEUR_AV_HAUT = 9;      // L - POSITION_COUPLE_HAUT
inline constexpr int POSITION_COUPLE_HAUT = 10; // deepest station, from the stern
inline constexpr int EXP_QUILLE_AV = 11;
inline constexpr int EXP_QUILLE_AR = 12;
inline constexpr int VOLUME_CARENE = 13;   // upright volume, 100 cm3
inline constexpr int DEMI_LARGEUR_TA = 14; // half-breadth at the transom
inline constexpr int HAUTEUR_TA = 15;
inline constexpr int FORME_TA_A = 16;
inline constexpr int FORME_TA_B = 17;
inline constexpr int NACA_DERIVE_HAUT = 18; // profile numbers are rows 0 to 39 of the table
inline constexpr int FORME_AV_A = 19;
inline constexpr int FORME_AV_B = 20;
inline constexpr int HAUTEUR_ETRAVE = 21;
inline constexpr int REPORT_TA = 35;       // inclined transom: keel at station 0, sheer here
inline constexpr int LONGUEUR_ETRAVE = 36; // raked stem, horizontal length
inline constexpr int VARIATION_FORME_AV = 107;
inline constexpr int VARIATION_FORME_AR = 108;

// --- Computation settings and drawing scratch ---
inline constexpr int ECHELLE_VUE = 22; // picture units per mm of the drawing in progress
inline constexpr int NACA_DERIVE_BAS = 25;
inline constexpr int ANGLE_GITE = 26; // the user's heel, 0 to 30
inline constexpr int PAS_HORIZONTAL = 27;
inline constexpr int ANGLE_ROTATION = 29; // oblique sections view
inline constexpr int PAS_VERTICAL = 37;
inline constexpr int COEF_PRISMATIQUE = 39; // last one computed
inline constexpr int ORIGINE_Y = 40;
inline constexpr int ORIGINE_X = 41;
inline constexpr int NB_PAS_HORIZONTAL = 231;
// Set to 0 and read by nothing: by the heeled search, and at every project initialisation.
inline constexpr int ZERO_EQUILIBRE = 31;
inline constexpr int ZERO_INITIALISATION = 38;

// --- Weights and centres ---
inline constexpr int CENTRE_GRAVITE_X = 23;
inline constexpr int CENTRE_GRAVITE_Y = 24;
inline constexpr int CENTRE_GRAVITE_Z = 28;
inline constexpr int X_CARENE = 32;
inline constexpr int Y_CARENE = 33;
inline constexpr int Y_BULBE = 34;
inline constexpr int POIDS_TOTAL = 42;
inline constexpr int POIDS_CARENE = 57;
// Six onboard items (servo 1, servo 2, battery, winch, receiver, free item), three values
// each from X_SERVO1: station, height, weight; their lateral positions from Y_SERVO1.
inline constexpr int NB_ITEMS = 6;
inline constexpr int X_SERVO1 = 58;
inline constexpr int Y_SERVO1 = 76;
inline constexpr int X_Item(int i) { return X_SERVO1 + 3 * i; }
inline constexpr int Z_Item(int i) { return X_SERVO1 + 3 * i + 1; }
inline constexpr int Poids_Item(int i) { return X_SERVO1 + 3 * i + 2; }
inline constexpr int Y_Item(int i) { return Y_SERVO1 + i; }
inline constexpr int ITEM_SERVO1 = 0; // the items' indices i
inline constexpr int ITEM_SERVO2 = 1;
inline constexpr int ITEM_BATTERIE = 2;
inline constexpr int ITEM_WINCH = 3;
inline constexpr int ITEM_RECEPTEUR = 4;
inline constexpr int ITEM_LIBRE = 5;
inline constexpr int POSITION_BULBE = 162; // keel tip along the bulb, %
inline constexpr int POIDS_BULBE = 170;
inline constexpr int ITEM_HAUTEUR = 171; // stability window's item: its height number - 1
inline constexpr int ITEM_LATERAL = 172; // its lateral number
inline constexpr int X_BULBE = 180;
inline constexpr int Z_BULBE = 181;
inline constexpr int Z_BULBE_BAS = 182;
inline constexpr int ANGLE_BASCULE = 228; // keel cant
inline constexpr int ZERO_CENTRAGE = 130; // set to 0 by the centring, read by none

// --- Sail plan ---
inline constexpr int HAUTEUR_MAT = 82;
inline constexpr int POSITION_MAT = 83;
inline constexpr int HAUTEUR_GV = 84;
inline constexpr int LARGEUR_GV = 85;
inline constexpr int ENTRE_PONT_GV = 86;
inline constexpr int EXP_CHUTE_GV = 87;
inline constexpr int NACA_SAFRAN_HAUT = 88;
inline constexpr int SURFACE_GV = 89;
inline constexpr int CENTRE_GV_X = 90;
inline constexpr int CENTRE_GV_Z = 91;
inline constexpr int NACA_SAFRAN_BAS = 92;
inline constexpr int POSITION_BASTA = 93;
inline constexpr int RETOUR_BASTA = 94;
inline constexpr int HAUTEUR_FOC = 96;
inline constexpr int LARGEUR_FOC = 97;
inline constexpr int ENTRE_PONT_FOC = 98;
inline constexpr int SURFACE_FOC = 99;
inline constexpr int SURFACE_VOILURE = 102;
inline constexpr int CENTRE_VELIQUE_X = 103;
inline constexpr int CENTRE_VELIQUE_Z = 104;
inline constexpr int SURFACE_THEORIQUE = 229;
inline constexpr int OPTION_CLASS = 279; // 1 = CLASS sail plan, 0 = free plan
inline constexpr int COEF_ROOF_A = 284;
inline constexpr int COEF_ROOF_B = 285;
inline constexpr int COEF_ROOF_C = 286;

// --- Appendages ---
inline constexpr int POSITION_DERIVE = 110;
inline constexpr int CORDE_DERIVE_HAUT = 111;
inline constexpr int CORDE_DERIVE_BAS = 112;
inline constexpr int LONGUEUR_DERIVE = 113;
inline constexpr int ANGLE_DERIVE = 115;
inline constexpr int SURFACE_DERIVE = 122;
inline constexpr int ALLONGEMENT_DERIVE = 123;
inline constexpr int RATIO_DERIVE = 125;
inline constexpr int CENTRE_ANTI_DERIVE = 126;
inline constexpr int ZERO_APPENDICES = 109; // set to 0 by the appendage figures, read by none
inline constexpr int POSITION_SAFRAN = 136;
inline constexpr int CORDE_SAFRAN_HAUT = 137;
inline constexpr int CORDE_SAFRAN_BAS = 138;
inline constexpr int LONGUEUR_SAFRAN = 139;
inline constexpr int ANGLE_SAFRAN = 141;
inline constexpr int SURFACE_SAFRAN = 148;
inline constexpr int ALLONGEMENT_SAFRAN = 149;
inline constexpr int RATIO_SAFRAN = 151;
// Set to 0 with the profile numbers when a file of version 2.0 or 2.1 is read; read by none.
inline constexpr int ZERO_PROFILS = 158;
inline constexpr int NACA_BULBE_HAUT = 159;
inline constexpr int NACA_BULBE_DESSUS = 160;
inline constexpr int NACA_BULBE_BAS = 161;
inline constexpr int LONGUEUR_BULBE = 165;
inline constexpr int HAUTEUR_BULBE = 166;

// --- Settings (the lines of tov.ini) ---
inline constexpr int CALIBRE_IMP_H = 301; // twips per mm
inline constexpr int CALIBRE_IMP_V = 302;
inline constexpr int SANS_ASTUCE = 305;
inline constexpr int QUALITE_IMPRESSION = 306;

// --- Results per heel ---
// The seven heels 0, 5, ..., 30 are k = heel / 5 = 0 to 6. Every heel result has one record
// per heel; the freeboards of 30 degrees sit apart, after those of 0 to 25.
inline constexpr int NB_GITES = 7;
inline constexpr int Franc_Bord_AR(int k) { return k == 6 ? 55 : 43 + k; }
inline constexpr int Franc_Bord_AV(int k) { return k == 6 ? 56 : 49 + k; }
inline constexpr int Etat_Gite(int k) { return 186 + k; } // 1 = out of date
inline constexpr int Coef_Prismatique_Gite(int k) { return 193 + k; }
inline constexpr int Surface_Mouillee_Gite(int k) { return 200 + k; } // 1000 mm2
inline constexpr int Volume_Gite(int k) { return 207 + k; }
inline constexpr int Moment_Redressement(int k) { return 214 + k; } // g x mm
// Put to 0 by the righting-moment series; nothing reads it.
inline constexpr int MARQUE_SERIE = 230;

// The index k of a heel of 0, 5, ..., 30 degrees, or -1 for any other heel: the record holds
// results for those seven alone, so a caller refuses any other with its own message.
inline constexpr int Indice_Gite(double gite) {
    for (int k = 0; k < NB_GITES; ++k)
        if (gite == 5.0 * k)
            return k;
    return -1;
}

} // namespace gabarit
