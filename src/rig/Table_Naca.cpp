#include "rig/Table_Naca.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>

namespace gabarit {

namespace {

constexpr int NB_PROFILS = NB_PROFILS_NACA;
constexpr int NB_COLONNES = 29;
constexpr int NB_NOMBRES = NB_PROFILS * NB_COLONNES;

// Chord stations of the ordinates, % of chord from the nose: close together at the nose.
constexpr float STATIONS[26] = {0,  0.5f, 0.75f, 1.25f, 2.5f, 5,  7.5f, 10, 15, 20, 25, 30, 35,
                                40, 45,   50,    55,    60,   65, 70,   75, 80, 85, 90, 95, 100};

bool Separateur(char c) { return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Columns 0 to 26 are half-thicknesses in per cent of the chord: no section is thicker than
// its chord, so 50 % bounds them. Column 27 places the thickest point along the chord.
constexpr float DEMI_EPAISSEUR_MAX = 50;
bool Possible(int colonne, float v) {
    if (colonne < COL_POSITION_NACA)
        return v >= 0 && v <= DEMI_EPAISSEUR_MAX;
    if (colonne == COL_POSITION_NACA)
        return v >= 0 && v <= 100;
    return true; // read and kept; nothing uses it
}

} // namespace

int Profil_Naca(double valeur) {
    const double n = Arrondi(valeur);
    if (!(n >= 0 && n < NB_PROFILS))
        throw Refus_Profil("Le numéro de profil NACA doit être compris entre 0 et 39 (" +
                           Nombre_Message(valeur) + " demandé).");
    return static_cast<int>(n);
}

bool Table_Naca_Lue(const Etat_Projet &e) {
    for (const auto &profil : e.Table_Naca)
        if (profil[COL_EPAISSEUR_NACA] > 0)
            return true;
    return false;
}

void Pose_Stations_Naca(Etat_Projet &e) {
    for (int j = 0; j < 26; ++j)
        e.Stations_Naca[j] = STATIONS[j];
}

void Lit_Table_Naca(Etat_Projet &e) {
    // The stations are the program's own, so they are there even when the file is not.
    Pose_Stations_Naca(e);

    e.Nom_Fichier = "nacaa.ini";
    const std::string chemin = e.Fichier_Programme("nacaa.ini");
    std::error_code ec;
    std::ifstream f;
    if (!std::filesystem::is_directory(chemin, ec))
        f.open(chemin, std::ios::binary);
    if (!f.is_open())
        throw Erreur_Gabarit("Table des profils NACA introuvable : " + chemin);

    // Read into a scratch table: a short or damaged file must not leave half a table.
    float table[NB_PROFILS][NB_COLONNES]{};
    int n = 0;
    std::string mot;
    int ligne = 1, ligne_mot = 1; // where the number being read starts, for the messages
    const auto Prend_Mot = [&] {
        if (mot.empty())
            return;
        float v = 0;
        const char *debut = mot.data() + (mot[0] == '+' ? 1 : 0);
        const char *fin = mot.data() + mot.size();
        auto [p, err] = std::from_chars(debut, fin, v, std::chars_format::general);
        // The line where the number starts and what it holds, so the file can be mended.
        const auto Refuse = [&](const char *raison) {
            throw Erreur_Gabarit("Table des profils NACA illisible : " + chemin + " (ligne " +
                                 std::to_string(ligne_mot) + " : \"" + mot + "\" " + raison + ")");
        };
        if (err != std::errc() || p != fin || !std::isfinite(v))
            Refuse("n'est pas un nombre");
        const int colonne = n % NB_COLONNES;
        if (!Possible(colonne, v))
            Refuse(colonne < COL_POSITION_NACA
                       ? "ne peut pas être une demi-épaisseur de profil, de 0 à 50 % de la corde"
                       : "ne peut pas être la place du plus épais, de 0 à 100 % de la corde");
        table[n / NB_COLONNES][colonne] = v;
        ++n;
        mot.clear();
    };
    char c;
    while (n < NB_NOMBRES && f.get(c)) {
        if (Separateur(c)) {
            Prend_Mot();
            if (c == '\n')
                ++ligne;
        } else if (mot.size() < 64) {
            if (mot.empty())
                ligne_mot = ligne;
            mot += c;
        } else {
            throw Erreur_Gabarit("Table des profils NACA illisible : " + chemin + " (ligne " +
                                 std::to_string(ligne) + ")");
        }
    }
    if (n < NB_NOMBRES)
        Prend_Mot();
    if (n < NB_NOMBRES)
        throw Erreur_Gabarit("Table des profils NACA incomplète : " + chemin + " (" +
                             std::to_string(n) + " nombres sur " + std::to_string(NB_NOMBRES) +
                             ")");
    for (int i = 0; i < NB_PROFILS; ++i)
        for (int j = 0; j < NB_COLONNES; ++j)
            e.Table_Naca[i][j] = table[i][j];
}

} // namespace gabarit
