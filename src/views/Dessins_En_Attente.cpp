#include "views/Dessins.h"

namespace gabarit {

void Echelle_Profil(Etat_Projet& , const Canvas& ) { throw Erreur_Gabarit("Echelle_Profil : en construction"); }

void Echelle_Coupe(Etat_Projet& , const Canvas& ) { throw Erreur_Gabarit("Echelle_Coupe : en construction"); }

void Echelle_Deplacement(Etat_Projet& , const Canvas& ) { throw Erreur_Gabarit("Echelle_Deplacement : en construction"); }

void Echelle_Voilure(Etat_Projet& , const Canvas& ) { throw Erreur_Gabarit("Echelle_Voilure : en construction"); }

void Echelle_3D(Etat_Projet& , const Canvas& ) { throw Erreur_Gabarit("Echelle_3D : en construction"); }

void Trace_Profile(Etat_Projet& , Interface_Shell& , Canvas& ) { throw Erreur_Gabarit("Trace_Profile : en construction"); }

void Trace_Vue_Dessus(Etat_Projet& , Interface_Shell& , Canvas& ) { throw Erreur_Gabarit("Trace_Vue_Dessus : en construction"); }

void Trace_Ligne_Flotte(Etat_Projet& , Interface_Shell& , Canvas& ) { throw Erreur_Gabarit("Trace_Ligne_Flotte : en construction"); }

void Trace_Couple(Etat_Projet& , Interface_Shell& , Canvas& ) { throw Erreur_Gabarit("Trace_Couple : en construction"); }

void Trace_Tableau_AR(Etat_Projet& , Interface_Shell& , Canvas& ) { throw Erreur_Gabarit("Trace_Tableau_AR : en construction"); }

void Trace_Lignes(Etat_Projet& , Interface_Shell& , Canvas& ) { throw Erreur_Gabarit("Trace_Lignes : en construction"); }

void Trace_Couples_TB_ET(Etat_Projet& , Interface_Shell& , Canvas& ) { throw Erreur_Gabarit("Trace_Couples_TB_ET : en construction"); }

void Trace_Couples_TB_MC(Etat_Projet& , Interface_Shell& , Canvas& ) { throw Erreur_Gabarit("Trace_Couples_TB_MC : en construction"); }

void Trace_Couples_MC_ET(Etat_Projet& , Interface_Shell& , Canvas& ) { throw Erreur_Gabarit("Trace_Couples_MC_ET : en construction"); }

void Trace_Couple_X(Etat_Projet& , Interface_Shell& , Canvas& ) { throw Erreur_Gabarit("Trace_Couple_X : en construction"); }

void Trace_Couples_3D(Etat_Projet& , Interface_Shell& , Canvas& ) { throw Erreur_Gabarit("Trace_Couples_3D : en construction"); }

void Trace_Voilure(Etat_Projet& , Interface_Shell& , Canvas& ) { throw Erreur_Gabarit("Trace_Voilure : en construction"); }

void Trace_Derive(Etat_Projet& , Interface_Shell& , Canvas& ) { throw Erreur_Gabarit("Trace_Derive : en construction"); }

void Trace_Safran(Etat_Projet& , Interface_Shell& , Canvas& ) { throw Erreur_Gabarit("Trace_Safran : en construction"); }

void Trace_Bulbe(Etat_Projet& , Interface_Shell& , Canvas& ) { throw Erreur_Gabarit("Trace_Bulbe : en construction"); }

void Trace_Axe_Centres(Etat_Projet& , Interface_Shell& , Canvas& ) { throw Erreur_Gabarit("Trace_Axe_Centres : en construction"); }

} // namespace gabarit
