#pragma once
// Sail plans on the V hull, whose deck stands 10 mm above the water everywhere (so the deck
// at the mast is Hauteur_Pont_Mat = -10 below the datum), with every width worked by hand.
#include "model/Etat_Projet.h"
#include "model/Numeros.h"
#include "support/Coques_Essai.h"

namespace gabarit::test {

// A mast of 100 at station 150; a mainsail from the deck to the masthead (luff 100) with a
// foot of 50 and a straight leech; a jib from the deck to the masthead with a foot of 30. The
// combined width at y above the deck is 80 - 0.8 y. Centre of effort stored as 7, 8.
inline Etat_Projet Petit_Greement() {
    Etat_Projet e = Coque_V();
    e.P(HAUTEUR_MAT) = 100;
    e.P(POSITION_MAT) = 150;
    e.P(HAUTEUR_GV) = 100;
    e.P(LARGEUR_GV) = 50;
    e.P(ENTRE_PONT_GV) = 0;
    e.P(EXP_CHUTE_GV) = 1;
    e.P(HAUTEUR_FOC) = 100;
    e.P(LARGEUR_FOC) = 30;
    e.P(ENTRE_PONT_FOC) = 0;
    e.P(CENTRE_VELIQUE_X) = 7;
    e.P(CENTRE_VELIQUE_Z) = 8;
    return e;
}

// A mast 1000 tall at station 100; a mainsail of luff 800 (tack 50 above the deck, head at
// 850) and foot 400 whose leech has the given exponent; a jib from 20 to 600 on the mast with
// a foot of 150; the head line 30 aft of the masthead, back to the deck at station 40. Drawn at 0.1
// unit per mm, waterline at 180, stern at 10. Centre of effort stored as 80, 300.
inline Etat_Projet Grand_Greement(double exposant) {
    Etat_Projet e = Coque_V();
    e.P(ECHELLE_VUE) = 0.1;
    e.P(ORIGINE_Y) = 180;
    e.P(ORIGINE_X) = 10;
    e.P(HAUTEUR_MAT) = 1000;
    e.P(POSITION_MAT) = 100;
    e.P(HAUTEUR_GV) = 850;
    e.P(LARGEUR_GV) = 400;
    e.P(ENTRE_PONT_GV) = 50;
    e.P(EXP_CHUTE_GV) = exposant;
    e.P(POSITION_BASTA) = 30;
    e.P(RETOUR_BASTA) = 40;
    e.P(HAUTEUR_FOC) = 600;
    e.P(LARGEUR_FOC) = 150;
    e.P(ENTRE_PONT_FOC) = 20;
    e.P(CENTRE_VELIQUE_X) = 80;
    e.P(CENTRE_VELIQUE_Z) = 300;
    return e;
}

} // namespace gabarit::test
