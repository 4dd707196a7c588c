#include "model/Initialisation.h"

#include <iterator>
#include <string>
#include <vector>

#include "model/Carene.h"
#include "model/Fichier_Projet.h"
#include "model/Numeros.h"
#include "model/Saisie_Forme.h"
#include "model/Version.h"
#include "rig/Table_Naca.h"

namespace gabarit {

namespace {

// Characters of a UTF-8 text, by their codes (a stray byte counts as one character).
std::vector<char32_t> Caracteres(const std::string &s) {
    std::vector<char32_t> c;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const int n = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        char32_t v = n == 0 ? b : (b & (0x3F >> n));
        std::size_t k = 1;
        for (; k <= static_cast<std::size_t>(n) && i + k < s.size() &&
               (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
             ++k)
            v = (v << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        if (k != static_cast<std::size_t>(n) + 1)
            v = b, k = 1;
        c.push_back(v);
        i += k;
    }
    return c;
}

// What the upgrade of a file does, by the characters of its stamp "Version a.b.c": only
// texts of 1, 13 or 14 characters are tested; c11 is the minor digit, c13 the revision
// digit, and a missing character compares below every other one.
struct Mise_A_Jour {
    bool testee = false;  // a stamp the upgrade reads: the horizontal step is reset
    bool profils = false; // versions 2.0 and 2.1 numbered their foil profiles differently
    bool formes = false;  // before 2.2.9: no shape-variation indices, stale heel results
};

Mise_A_Jour Mise_A_Jour_Du_Tampon(const std::string &tampon) {
    const std::vector<char32_t> t = Caracteres(tampon);
    const std::size_t n = t.size();
    Mise_A_Jour m;
    if (n != 1 && n != 13 && n != 14)
        return m;
    const long c11 = n >= 11 ? static_cast<long>(t[10]) : -1;
    const long c13 = n >= 13 ? static_cast<long>(t[12]) : -1;
    m.testee = true;
    m.profils = c11 == '1' || c11 == '0';
    m.formes = (c13 != '9' || c11 < '2') && c11 <= '2';
    return m;
}

constexpr int PROFILS_ANCIENS[] = {NACA_DERIVE_HAUT,  NACA_DERIVE_BAS, NACA_SAFRAN_HAUT,
                                   NACA_SAFRAN_BAS,   ZERO_PROFILS,    NACA_BULBE_HAUT,
                                   NACA_BULBE_DESSUS, NACA_BULBE_BAS};

} // namespace

std::vector<int> Numeros_Mis_A_Jour(const std::string &tampon) {
    const Mise_A_Jour m = Mise_A_Jour_Du_Tampon(tampon);
    std::vector<int> n;
    if (m.profils)
        n.assign(std::begin(PROFILS_ANCIENS), std::end(PROFILS_ANCIENS));
    if (m.formes) {
        n.push_back(VARIATION_FORME_AV);
        n.push_back(VARIATION_FORME_AR);
        for (int k = 0; k < NB_GITES; ++k)
            n.push_back(Etat_Gite(k));
    }
    return n;
}

void Mise_A_Jour_Projet(Etat_Projet &e) {
    const Mise_A_Jour m = Mise_A_Jour_Du_Tampon(e.Texte_Projet[NB_VALEURS_PROJET]);
    if (m.testee) {
        if (m.profils)
            for (int n : PROFILS_ANCIENS)
                e.P(n) = 0;
        if (m.formes) {
            e.P(VARIATION_FORME_AV) = 2;
            e.P(VARIATION_FORME_AR) = 2;
            for (int k = 0; k < NB_GITES; ++k)
                e.P(Etat_Gite(k)) = 1;
        }
        Remet_Pas_Horizontal(e);
    }

    e.P(ZERO_INITIALISATION) = 0;
    e.P(Y_CARENE) = 0;
    e.Texte_Projet[NB_VALEURS_PROJET] = Texte_Version();
}

void Init_Projet(Etat_Projet &e, Interface_Shell &shell) {
    // The stability window's cant spinner mirrors the keel cant and the print window's quality
    // option the print quality; nothing below changes either, so one call serves both windows.
    shell.Init_Projet_Fenetres(e.P(ANGLE_BASCULE), e.P(QUALITE_IMPRESSION));
    Init_Tab(e);
    Mise_A_Jour_Projet(e);
    shell.Active_Menus();
}

void Init_Variables(Etat_Projet &e, Interface_Shell &shell) {
    const double L = e.L();
    e.Nom_Compar = NOM_MAITRE;
    e.Ech_Couple = 1;
    // The horizontal step goes back to its coarsest setting: ten steps along the hull.
    Remet_Pas_Horizontal(e);
    e.P(NB_PAS_HORIZONTAL) = Divise(L, e.P(PAS_HORIZONTAL));
    e.P(PAS_VERTICAL) = 2;
    e.X_Debut_Lignes = 0;
    e.X_Fin_Lignes = L;
    e.Cle_Vue = "TB_ET";
    shell.Texte_Statut(2, "TB_ET");
    e.Item_Choisi = 0;
    shell.Init_Variables_Fenetres();
    Lit_Table_Naca(e);
}

} // namespace gabarit
