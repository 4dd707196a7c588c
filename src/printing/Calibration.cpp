#include "printing/Calibration.h"

#include <cmath>

#include "model/Carene.h"
#include "model/Numeros.h"
#include "printing/Page_Impression.h"
#include "shell/Demarrage.h"
#include "shell/Services_Projet.h"

namespace gabarit {

namespace {
double &Echelle(Etat_Projet &e, int numero) {
    return numero == CALIBRE_IMP_H ? e.Echelle_Imp_H : e.Echelle_Imp_V;
}
} // namespace

bool Corrige_Calibration(Etat_Projet &e, int numero, double delta) {
    if (numero != CALIBRE_IMP_H && numero != CALIBRE_IMP_V)
        return false;
    const double v = e.P(numero) + delta;
    // A hair under 0.1 still counts as 0.1: repeated steps of 0.1 are not exact.
    if (!std::isfinite(v) || v < PAS_CALIBRATION - 1e-9)
        return false;
    e.P(numero) = v;
    Echelle(e, numero) = v;
    return true;
}

void Init_Calibration(Etat_Projet &e) {
    e.P(CALIBRE_IMP_H) = e.P(CALIBRE_IMP_V) = CALIBRE_NOMINAL;
    e.Echelle_Imp_H = e.Echelle_Imp_V = CALIBRE_NOMINAL;
}

void Trace_Test_Calibration(const Etat_Projet &e, Surface_Impression &s) {
    Verifie_Echelles(e);
    Trait_Page(s, 1000, 1000, 1000 + 100 * e.Echelle_Imp_H, 1000);
    Trait_Page(s, 1000, 1000, 1000, 1000 + 100 * e.Echelle_Imp_V);
}

bool Imprime_Test_Calibration(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s) {
    if (!Avertit_Paysage(shell))
        return false;
    return Travail_Impression(shell, s, [&] { Trace_Test_Calibration(e, s); });
}

bool Sauve_Reglages_Impression(Etat_Projet &e, Interface_Shell &shell, bool qualite_bonne,
                               bool ecrivables) {
    e.P(QUALITE_IMPRESSION) = qualite_bonne ? 1 : 0;
    if (!ecrivables) {
        shell.Message("Le fichier de réglages " + NOM_REGLAGES +
                          " n'a pas pu être lu au démarrage : il n'est pas remplacé.",
                      MB_STOP, "Attention");
        return false;
    }
    try {
        Services().ecrit_reglages(e.Fichier_Programme(NOM_REGLAGES), e);
        return true;
    } catch (const std::exception &ex) {
        shell.Message(ex.what(), MB_STOP, "Attention");
        return false;
    }
}

Echelles_Reduites::Echelles_Reduites(Etat_Projet &e) : e_(e) {
    Verifie_Longueur_Table(e);
    const double facteur = Divise(260, e.L());
    const double h = Fini(e.P(CALIBRE_IMP_H) * facteur, "échelle réduite");
    const double v = Fini(e.P(CALIBRE_IMP_V) * facteur, "échelle réduite");
    e.Echelle_Imp_V = v;
    e.Echelle_Imp_H = h;
}

Echelles_Reduites::~Echelles_Reduites() {
    e_.Echelle_Imp_H = e_.P(CALIBRE_IMP_H);
    e_.Echelle_Imp_V = e_.P(CALIBRE_IMP_V);
}

} // namespace gabarit
