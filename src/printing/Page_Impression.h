#pragma once
// What every printed template shares: the page origin and reference line, the header, the
// scales in twips per millimetre, the confirmation boxes and the way a job ends or fails.
#include <functional>
#include <string>
#include <vector>

#include "interfaces/Interface_Shell.h"
#include "interfaces/Surface_Impression.h"
#include "model/Etat_Projet.h"

namespace gabarit {

// 105 mm at the nominal calibration: the middle of the short side of a landscape A4 sheet.
inline constexpr double ORIGINE_Y_PAGE = 5953.5;
// The reference line runs across the whole landscape sheet.
inline constexpr double LONGUEUR_REFERENCE = 16000;
// 1440 twips per inch, rounded as the settings file keeps it.
inline constexpr double CALIBRE_NOMINAL = 56.7;

// A black line between two page points in twips, handed over in single precision; a point
// that is not a finite single-precision number is refused.
void Trait_Page(Surface_Impression &s, double x1, double y1, double x2, double y2);
// "Projet : " & Nom_Projet, then the template's own lines.
void Entete(const Etat_Projet &e, Surface_Impression &s, const std::vector<std::string> &lignes);
// The template's axis across the sheet at the height of ORIGINE_Y.
void Ligne_Reference(const Etat_Projet &e, Surface_Impression &s);
// Refuses working printer scales that are not positive finite numbers.
void Verifie_Echelles(const Etat_Projet &e);
// Refuses a profile number that is not a row of the NACA table (0 to 39) and gives the row.
// For the row chosen in a list, -1 means nothing is chosen.
int Verifie_Profil(double numero, bool choix_liste = false);

// The confirmation of a template (question, OK and Cancel, "Confirmation"): true on OK.
bool Confirme(Interface_Shell &shell, const std::string &texte);
// The reminder that the templates are laid out in landscape: true on OK.
bool Avertit_Paysage(Interface_Shell &shell);

// One print job: the drawing, then the end of the document. On any failure the job is
// dropped (nothing of it comes out), a stop message says why (once), and false is returned. The
// status reads "Pret" afterwards in every case.
bool Travail_Impression(Interface_Shell &shell, Surface_Impression &s,
                        const std::function<void()> &dessin);

// Shows the failure of a print that ended before its job began; a refusal the core has
// already shown is not shown again.
void Signale_Echec(Interface_Shell &shell, const std::exception &ex);

} // namespace gabarit
