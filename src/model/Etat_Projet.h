#pragma once
// The design state: what the program keeps for its whole run. One object of this type
// exists in the program; every procedure takes it explicitly, and every test builds its own.
#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "model/Erreur.h"
#include "model/Numeros.h"

namespace gabarit {

// Number of values of the record: 1 to 300 are the project, 301 to 311 the settings.
inline constexpr int NB_VALEURS = 311;
inline constexpr int NB_VALEURS_PROJET = 300;

// The hull table: station i = X / 10 (0 to 200), depth d below the sheer (0 to 300),
// quantity k (0 depth, 1 half-breadth, 2 area below d, 3 girth). Single precision.
class Table_Carene {
public:
    static constexpr int NB_STATIONS = 201;
    static constexpr int NB_PROFONDEURS = 301;
    static constexpr int NB_GRANDEURS = 4;

    Table_Carene()
        : v_(static_cast<std::size_t>(NB_STATIONS) * NB_PROFONDEURS * NB_GRANDEURS, 0.f) {}

    static bool Dans_Table(int i, int d, int k) {
        return i >= 0 && i < NB_STATIONS && d >= 0 && d < NB_PROFONDEURS && k >= 0 &&
               k < NB_GRANDEURS;
    }
    // Checked access: an index outside the table throws.
    float &operator()(int i, int d, int k) {
        const std::size_t n = Indice(i, d, k);
        auto &rangs = rangs_ouverts_[static_cast<std::size_t>(i)];
        if (d >= rangs)
            rangs = d + 1;
        return v_[n];
    }
    float operator()(int i, int d, int k) const { return v_[Indice(i, d, k)]; }
    // Zeroes the table. A hull fills a few hundred of its thousand kilobytes, and every
    // project read and hull edit refills it: only the rows opened for writing since the last
    // clearing are zeroed, the rest is zero already.
    void Vide() {
        for (std::size_t i = 0; i < rangs_ouverts_.size(); ++i) {
            const auto debut =
                v_.begin() + static_cast<std::ptrdiff_t>(i * NB_PROFONDEURS * NB_GRANDEURS);
            std::fill(debut, debut + rangs_ouverts_[i] * NB_GRANDEURS, 0.f);
            rangs_ouverts_[i] = 0;
        }
        nb_sections_ = 0;
        longueur_ = 0;
        forme_.clear();
    }

    // The hull the table was built for: its length and the depth of each of its sections,
    // which the girth walk needs again when the waterline moves.
    void Fixe_Sections(double longueur, int nb, const double *profondeurs) {
        longueur_ = longueur;
        nb_sections_ = nb;
        std::copy(profondeurs, profondeurs + nb, profondeur_section_.begin());
    }
    // The hull-form values of the record the table was built from (empty: none).
    void Fixe_Forme(std::vector<double> forme) { forme_ = std::move(forme); }
    const std::vector<double> &Forme() const { return forme_; }
    int Nb_Sections() const { return nb_sections_; }
    double Longueur() const { return longueur_; }
    double Profondeur_Section(int i) const {
        return profondeur_section_.at(static_cast<std::size_t>(i));
    }

private:
    // Inlined into the table's loops; the refusal stays out of line.
    static std::size_t Indice(int i, int d, int k) {
        if (!Dans_Table(i, d, k)) [[unlikely]]
            Refuse_Indice();
        return (static_cast<std::size_t>(i) * NB_PROFONDEURS + d) * NB_GRANDEURS + k;
    }
    [[noreturn]] static void Refuse_Indice();
    std::vector<float> v_;
    // Per station, the rows below which a value may be other than zero.
    std::array<int, NB_STATIONS> rangs_ouverts_{};
    int nb_sections_ = 0;
    double longueur_ = 0;
    std::array<double, NB_STATIONS> profondeur_section_{};
    std::vector<double> forme_;
};

struct Etat_Projet {
    // --- The project record and its texts (index 0 unused) ---
    std::array<double, NB_VALEURS + 1> Tab_Param{};
    std::array<std::string, NB_VALEURS_PROJET + 1> Texte_Projet{};
    std::array<std::string, NB_VALEURS_PROJET + 1> Num_Enreg{};
    // How many times each heel's floating position was found since the program started: a
    // command that bumped it computed that heel's results itself (Perime_Si_Change).
    std::array<unsigned long long, NB_GITES> Calculs_Gite{};
    // Likewise for each heel's righting moment and prismatic coefficient.
    std::array<unsigned long long, NB_GITES> Calculs_Moment{};
    std::array<unsigned long long, NB_GITES> Calculs_Coef{};
    // How many projects replaced the record whole (read from a file, or made by the assistant):
    // each came with its derived values worked out, so the command that took it need not work
    // them out again.
    unsigned long long Projets_Pris = 0;

    // The project as it was last read or saved (Projet_Enregistre.h): what a command that ends
    // or replaces it would lose. sans_fichier: made in memory, no file holds it.
    struct Projet_Enregistre {
        bool pris = false;
        bool sans_fichier = false;
        std::array<double, NB_VALEURS_PROJET + 1> valeurs{};
        std::array<std::string, NB_VALEURS_PROJET + 1> textes{};
    } Enregistre;

    // The compared project (its settings, the values after NB_VALEURS_PROJET, never filled).
    std::array<double, NB_VALEURS + 1> Tab_Param_Compar{};
    std::array<std::string, NB_VALEURS_PROJET + 1> Texte_Projet2{};
    std::array<std::string, NB_VALEURS_PROJET + 1> Num_Enreg2{};

    // Checked access to value n (1 to 311).
    double &P(int n) { return Tab_Param[Numero(n)]; }
    double P(int n) const { return Tab_Param[Numero(n)]; }
    // Hull length: bow part plus stern part, on either side of the widest station.
    double L() const { return P(LONGUEUR_AV) + P(LONGUEUR_AR); }

    // --- Tables ---
    Table_Carene Tab_Carene;
    float Table_Naca[40][29]{};
    float Stations_Naca[26]{};

    // --- Shared working variables ---
    double X_Couple = 0;    // station of the section being computed, mm from the stern
    double Gite_Couple = 0; // heel used by the section geometry, degrees
    std::string Nom_Projet;
    std::string Nom_Fichier;
    std::string Nom_Compar;
    float Compteur = 0;
    std::string Mode_Couple; // "Complet" or "Demi"
    float Ech_Couple = 0;    // sections-view zoom
    double X_Debut_Lignes = 0, X_Fin_Lignes = 0;
    double Hauteur_Pont_Mat = 0;
    float X_Item_Choisi = 0; // -1 = none, 0 until the first pick
    int Item_Choisi = 0;
    int Init_En_Cours = 0;
    double Pas_Couple_Sauve = 0;                 // PAS_VERTICAL as the print window found it
    double Echelle_Imp_H = 0, Echelle_Imp_V = 0; // printer scales, twips per mm
    // View key of the sections view; the frame mirrors it in status panel 2.
    std::string Cle_Vue;

    // Outputs of Calcul_Couple (mm; levels measured downward from the waterline).
    double Franc_Bord = 0;
    double Hauteur_Couple = 0;
    double Demi_Largeur_Couple = 0;
    double Demi_Largeur_Pont = 0;
    double Tirant_Eau_Couple = 0;
    double Cote_Livet = 0;
    double Exp_Forme_A = 0;
    double Exp_Forme_B = 0;

    // The section a computation was working on, kept by one that works out another meanwhile.
    struct Sortie_Couple {
        double x, gite, franc_bord, hauteur, demi_largeur, demi_largeur_pont, tirant_eau, livet,
            forme_a, forme_b;
    };
    Sortie_Couple Sortie_Couple_Actuelle() const {
        return {
            X_Couple,          Gite_Couple,       Franc_Bord, Hauteur_Couple, Demi_Largeur_Couple,
            Demi_Largeur_Pont, Tirant_Eau_Couple, Cote_Livet, Exp_Forme_A,    Exp_Forme_B};
    }
    void Remet_Sortie_Couple(const Sortie_Couple &s) {
        X_Couple = s.x;
        Gite_Couple = s.gite;
        Franc_Bord = s.franc_bord;
        Hauteur_Couple = s.hauteur;
        Demi_Largeur_Couple = s.demi_largeur;
        Demi_Largeur_Pont = s.demi_largeur_pont;
        Tirant_Eau_Couple = s.tirant_eau;
        Cote_Livet = s.livet;
        Exp_Forme_A = s.forme_a;
        Exp_Forme_B = s.forme_b;
    }

    // Heeled section integration (mm2, mm) and the equilibrium's sums.
    double Surface_Immergee = 0, Surface_Immergee_1 = 0, Surface_Immergee_2 = 0;
    double Perimetre_Mouille = 0, Perimetre_Mouille_1 = 0, Perimetre_Mouille_2 = 0;
    double Volume_AV = 0, Volume_AR = 0;
    double Perimetre_AV = 0, Perimetre_AR = 0, Perimetre_Total = 0;

    // Oblique sections view.
    double Angle_Vue = 0;
    double Cos_Angle_Vue = 0;
    double Decalage_Vue = 0;

    // Rows of the sail window's list Menu_Voile.List1: height above the tack and width as
    // the list shows them, from the head down to the foot; refilled by every drawing of
    // either sail plan.
    struct Ligne_Voile {
        double hauteur, largeur;
        bool operator==(const Ligne_Voile &) const = default;
    };
    std::vector<Ligne_Voile> Liste_Voile;
    // The CLASS mainsail's widths at 3/4, 2/4 and 1/4 of the luff, to hundredths, as its last
    // drawing found them: the CLASS window's batten boxes show them.
    std::array<double, 3> Lattes_Class{};

    // The folder of the executable, where the data files lie ("" = current folder).
    std::string Dossier_Programme;
    // Path of a data file of the program folder.
    std::string Fichier_Programme(const std::string &nom) const {
        return Dossier_Programme.empty() ? nom : Dossier_Programme + "/" + nom;
    }

private:
    static std::size_t Numero(int n) {
        if (n < 1 || n > NB_VALEURS) [[unlikely]]
            Refuse_Numero(n);
        return static_cast<std::size_t>(n);
    }
    [[noreturn]] static void Refuse_Numero(int n);
};

} // namespace gabarit
