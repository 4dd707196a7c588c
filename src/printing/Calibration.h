#pragma once
// The printer calibration in twips per millimetre, CALIBRE_IMP_H across and CALIBRE_IMP_V
// down, and the
// working scales Echelle_Imp_H and Echelle_Imp_V that every template reads.
#include "interfaces/Interface_Shell.h"
#include "interfaces/Surface_Impression.h"
#include "model/Etat_Projet.h"

namespace gabarit {

// The step of the "+" and "-" buttons, and the smallest calibration they leave.
inline constexpr double PAS_CALIBRATION = 0.1;

// The calibration numero (CALIBRE_IMP_H or CALIBRE_IMP_V) moves by delta and its working
// scale follows. A calibration of 0
// or less means nothing on paper: the step that would leave less than 0.1 is refused
// (returns false, nothing changes).
bool Corrige_Calibration(Etat_Projet &e, int numero, double delta);
// "Init par défault": both calibrations and both scales 56.7.
void Init_Calibration(Etat_Projet &e);

// The test print after the landscape warning: an L whose legs measure 100 mm across and
// 100 mm down on a calibrated printer. Returns true when the sheet went out.
bool Imprime_Test_Calibration(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s);
// The L itself.
void Trace_Test_Calibration(const Etat_Projet &e, Surface_Impression &s);

// "Sauve": QUALITE_IMPRESSION from the quality option (0 "moyenne", 1 "bonne"), then tov.ini
// written through the settings writer. A file that was not read at start is not written over, and
// a failed write is reported; both return false.
bool Sauve_Reglages_Impression(Etat_Projet &e, Interface_Shell &shell, bool qualite_bonne,
                               bool ecrivables);

// The scales of the reduced prints, which fit the hull length onto 260 mm of paper, for
// the life of this object; the calibration comes back on every way out. A hull length of 0
// (or one the hull table cannot hold) is refused before either scale changes.
class Echelles_Reduites {
public:
    explicit Echelles_Reduites(Etat_Projet &e);
    ~Echelles_Reduites();
    Echelles_Reduites(const Echelles_Reduites &) = delete;
    Echelles_Reduites &operator=(const Echelles_Reduites &) = delete;

private:
    Etat_Projet &e_;
};

} // namespace gabarit
