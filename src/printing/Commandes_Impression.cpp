#include "printing/Commandes_Impression.h"

#include <cmath>
#include <exception>

#include "model/Carene.h"
#include "model/Numeros.h"
#include "printing/Calibration.h"
#include "printing/Impression_Couple.h"
#include "printing/Impression_Profils.h"
#include "printing/Page_Impression.h"

namespace gabarit {

std::vector<double> Stations_Serie(const Etat_Projet &e, double pas) {
    if (!(pas > 0) || !std::isfinite(pas))
        throw Erreur_Gabarit("le pas de la suite de couples doit être positif");
    Verifie_Longueur_Table(e);
    const double L = e.L();
    // Counted against one station per millimetre of the longest hull the table holds.
    if (!(L / pas <= NB_PAS_LONGUEUR_MAX))
        throw Erreur_Gabarit("le pas de la suite de couples est trop petit");
    long n = static_cast<long>(std::floor(L / pas));
    // The quotient may land a hair off a whole number.
    if (static_cast<double>(n + 1) * pas <= L)
        ++n;
    if (n > 0 && static_cast<double>(n) * pas > L)
        --n;
    std::vector<double> stations;
    for (long i = 0; i <= n; ++i)
        stations.push_back(static_cast<double>(i) * pas);
    return stations;
}

bool Imprime_Station(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s, double x,
                     bool qualite_bonne) {
    e.X_Couple = x;
    if (x == 0 && e.P(REPORT_TA) != 0)
        return Lance_Impression_Tableau(e, shell, s, qualite_bonne);
    return Lance_Impression_Couple(e, shell, s, qualite_bonne);
}

void Menu_Impression_Command2(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s,
                              int index, const Choix_Impression &choix) {
    if (!Avertit_Paysage(shell))
        return;
    try {
        switch (index) {
        case IMP_COUPLE_X:
            Imprime_Station(e, shell, s, choix.station, choix.qualite_bonne);
            break;
        case IMP_PROFILE_ARRIERE:
            Confirme_Profile_Arriere(e, shell, s);
            break;
        case IMP_PROFILE_AVANT:
            Confirme_Profile_Avant(e, shell, s);
            break;
        case IMP_LIVET_ECHELLE: {
            Echelles_Reduites reduites(e);
            Confirme_Livet_Echelle(e, shell, s);
            break;
        }
        case IMP_PROFILE_ECHELLE: {
            Echelles_Reduites reduites(e);
            Confirme_Profile_Echelle(e, shell, s);
            break;
        }
        case IMP_TABLEAU_ARRIERE:
            Imprime_Station(e, shell, s, 0, choix.qualite_bonne);
            break;
        case IMP_COUPLE_LARGE:
            e.X_Couple = e.P(LONGUEUR_AR);
            Lance_Impression_Couple(e, shell, s, choix.qualite_bonne);
            break;
        case IMP_COUPLE_HAUT:
            e.X_Couple = e.P(POSITION_COUPLE_HAUT);
            Lance_Impression_Couple(e, shell, s, choix.qualite_bonne);
            break;
        case IMP_COUPLES_AUTO:
            // One job, one sheet, per station.
            for (double x : Stations_Serie(e, choix.pas))
                if (!Imprime_Station(e, shell, s, x, choix.qualite_bonne))
                    break;
            break;
        default:
            break;
        }
    } catch (const std::exception &ex) {
        // Refused before any job began (a hull the reduced prints or the series cannot walk).
        Signale_Echec(shell, ex);
    }
}

} // namespace gabarit
