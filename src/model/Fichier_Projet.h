#pragma once
// The project file (*.cot, master *.mas): 300 records of three lines (number, value in
// whole thousandths, comment), CR LF, Windows-1252.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Etat_Projet.h"

namespace gabarit {

// The master project of the program folder: the defaults every new project starts from.
inline const std::string NOM_MAITRE = "tov0.mas";

// The three arrays a project file fills: the current project or the compared one.
struct Cible_Projet {
    std::array<double, NB_VALEURS + 1> &valeurs;
    std::array<std::string, NB_VALEURS_PROJET + 1> &textes;
    std::array<std::string, NB_VALEURS_PROJET + 1> &numeros;
};
inline Cible_Projet Projet_Courant(Etat_Projet &e) {
    return {e.Tab_Param, e.Texte_Projet, e.Num_Enreg};
}
inline Cible_Projet Projet_Compare(Etat_Projet &e) {
    return {e.Tab_Param_Compar, e.Texte_Projet2, e.Num_Enreg2};
}

// Reads the file into a temporary record and replaces values 1 to 300, the comments and the
// record numbers of the target only when all 900 lines were read and every value line is a
// number (but for the values an older version's file lacks, which the upgrade writes over:
// those read as 0). Values and comments are taken as the writer would write them again: each
// value to its thousandth, each comment without commas, double quotes, control characters
// nor blanks at its ends (the version stamp as it is). Throws Erreur_Gabarit with a French
// message naming the file, and the line and its text for a value that is not a number; the
// target is then unchanged.
void Lit_Fichier_Projet(const std::string &chemin, Cible_Projet cible);
// The name a project is written under, as the save dialog completes it before it asks whether
// to replace a file: the dots a name ends with are dropped, and a name without an extension
// gets ".cot", so the open dialog's project filter shows it ("bateau." and "bateau.." are
// "bateau.cot"); the dots a hidden name begins with are no extension (".bateau" is
// ".bateau.cot"). A name typed with another extension is kept as typed. "" when it names no
// project: nothing but dots, a project extension alone (".cot", ".mas"), or a folder's path
// ending in its separator ("", "x/").
std::string Nom_Avec_Extension(const std::string &nom);
// Stamps text 300 with the version, then writes atomically (temporary file, rename).
// Throws Erreur_Gabarit naming the file on failure; the old file stays whole.
void Ecrit_Fichier_Projet(const std::string &chemin, Etat_Projet &e);

// --- Helpers shared by the program's text files (project, settings) ---

// Line of a value as the files hold it, in whole thousandths: k for the value a line "k" reads
// as, at any size, so a value read from a file is written back as it was; any other value
// floor(v * 1000 + 1e-6). A blank in place of the sign of a number that is not negative and
// one blank behind ("56700 " -> " 56700 ", -3 -> "-3 ").
// Throws Erreur_Gabarit for a value that is not finite.
std::string Texte_Milliemes(double v);
// True when the file writes a and b alike, to the same whole thousandth: a value worked out
// again from a project just read (a centre of gravity, a waterline) is the one the file held.
// Values beyond what a file holds are alike only when equal.
bool Meme_Milliemes(double a, double b);
// The value a project file gives back for v: the thousandths the writer writes for it (the
// whole thousandth below v, but for a value a line already reads as), divided again as the
// reader divides them. A command stores values in this form, so what is saved reopens as it
// was.
double Valeur_Fichier(double v);
// A number line written as the files write whole numbers (" 12 ").
std::string Texte_Entier(long long n);
// Why a project file is refused at value line `ligne` (from 1) of record `numero`: the
// message names the file, the line and its text.
std::string Refus_Ligne_Valeur(const std::string &chemin, std::size_t ligne, int numero,
                               const std::string &texte);
// Strict C-locale decimal number (blanks around it allowed); false when the text is not a
// finite number.
bool Lit_Nombre_Fichier(const std::string &texte, double &valeur);
// A text line of a file: blanks at its ends dropped; a line that begins with a double quote
// is taken up to the next double quote.
std::string Champ_Texte(const std::string &ligne);
// Largest file and line the program's text files are read from. A project is 900 lines of
// numbers and comments (a comment is at most the editor's 32767 characters): 300 of the
// longest comments make 10 MB, and a project is usually 20 kB. A file or a line beyond these
// is no project nor settings file, and is refused before it is read into memory.
inline constexpr std::uintmax_t TAILLE_MAX_FICHIER = 16u << 20;
inline constexpr std::size_t LONGUEUR_MAX_LIGNE = 64u << 10;

// The first nb_max lines of a file, CR LF or LF, without their line ends. Throws
// Erreur_Gabarit naming the file when it cannot be read, is larger than TAILLE_MAX_FICHIER,
// or one of those lines is longer than LONGUEUR_MAX_LIGNE.
std::vector<std::string> Lit_Lignes_Fichier(const std::string &chemin, std::size_t nb_max);
// Writes a temporary file beside chemin, then renames it over chemin, so a failure leaves
// the old file whole. A link is written through to the file it names; the new file keeps
// the old one's permissions; a file the user made read-only is refused, never replaced.
// Throws Erreur_Gabarit naming the file.
void Ecrit_Fichier_Atomique(const std::string &chemin, const std::string &contenu);

// Files are Windows-1252; texts in memory are UTF-8. Characters 1252 cannot hold become '?'.
std::string Cp1252_Vers_Utf8(const std::string &octets);
std::string Utf8_Vers_Cp1252(const std::string &texte);
// The first character of a UTF-8 comment that a record of the file cannot hold, as the text
// writes it: a comma or a double quote (the old reading of a field ends there), a control
// character, C0 or C1 (a line break, NEL among them, a tab), a line or paragraph separator, or
// one Windows-1252 has no byte for. "" when there is none.
std::string Caractere_Hors_Commentaire(const std::string &texte);
// Comment as the writer puts it in a file: commas, double quotes and control characters, C0
// and C1 (line breaks, tabs, the five C1 codes Windows-1252 keeps bytes for), become blanks, and
// blanks at its ends are dropped, so the old reading of a field finds the same text and no record
// can shift.
std::string Commentaire_Fichier(const std::string &texte);

} // namespace gabarit
