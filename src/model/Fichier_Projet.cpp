#include "model/Fichier_Projet.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "model/Initialisation.h"
#include "model/Version.h"

#if defined(__unix__) || defined(__APPLE__)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace gabarit {

namespace {

constexpr int LIGNES_PAR_ENREGISTREMENT = 3;
constexpr std::size_t NB_LIGNES_PROJET =
    static_cast<std::size_t>(NB_VALEURS_PROJET) * LIGNES_PAR_ENREGISTREMENT;

bool Est_Blanc(char c) { return c == ' ' || c == '\t'; }

std::string Sans_Blancs(const std::string &s) {
    std::size_t debut = 0, fin = s.size();
    while (debut < fin && Est_Blanc(s[debut]))
        ++debut;
    while (fin > debut && Est_Blanc(s[fin - 1]))
        --fin;
    return s.substr(debut, fin - debut);
}

// Code points of 0x80 to 0x9F in Windows-1252; the five unassigned bytes keep their C1 code,
// as Windows itself maps them, so they survive a round trip.
constexpr char32_t CP1252_80_9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void Ajoute_Utf8(std::string &s, char32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Next code point of a UTF-8 text from position i (advanced); a byte that does not begin a
// valid sequence gives U+FFFD and is skipped alone.
char32_t Point_Suivant(const std::string &s, std::size_t &i) {
    const auto o = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b = o(i);
    int suite = 0;
    char32_t c = 0, minimum = 0;
    if (b < 0x80) {
        ++i;
        return b;
    } else if ((b & 0xE0) == 0xC0) {
        suite = 1, c = b & 0x1F, minimum = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        suite = 2, c = b & 0x0F, minimum = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        suite = 3, c = b & 0x07, minimum = 0x10000;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + static_cast<std::size_t>(suite) >= s.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k <= suite; ++k) {
        const unsigned char x = o(i + static_cast<std::size_t>(k));
        if ((x & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (x & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return 0xFFFD;
    }
    i += static_cast<std::size_t>(suite) + 1;
    return c;
}

// C0 and C1 controls and DEL: line breaks (NEL is U+0085), tabs, and codes no one sees.
// Windows-1252 has bytes for five C1 codes, but they are no letters either.
bool Controle(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

char Octet_Cp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int k = 0; k < 32; ++k)
        if (CP1252_80_9F[k] == c)
            return static_cast<char>(0x80 + k);
    return '?';
}

} // namespace

std::string Cp1252_Vers_Utf8(const std::string &octets) {
    std::string s;
    s.reserve(octets.size());
    for (char ch : octets) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80)
            s += ch;
        else if (b < 0xA0)
            Ajoute_Utf8(s, CP1252_80_9F[b - 0x80]);
        else
            Ajoute_Utf8(s, b);
    }
    return s;
}

std::string Utf8_Vers_Cp1252(const std::string &texte) {
    std::string s;
    s.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size();)
        s += Octet_Cp1252(Point_Suivant(texte, i));
    return s;
}

std::string Caractere_Hors_Commentaire(const std::string &texte) {
    for (std::size_t i = 0; i < texte.size();) {
        const std::size_t debut = i;
        const char32_t c = Point_Suivant(texte, i);
        if (c == U',' || c == U'"' || Controle(c) || (c != U'?' && Octet_Cp1252(c) == '?'))
            return texte.substr(debut, i - debut);
    }
    return "";
}

std::string Nom_Avec_Extension(const std::string &nom) {
    const std::string f = std::filesystem::path(nom).filename().string();
    // Trailing dots name no extension: "bateau.." is "bateau", as Windows names it too.
    const std::size_t fin = f.find_last_not_of('.');
    const std::size_t debut = f.find_first_not_of('.');
    if (debut == std::string::npos) // "", "x/" or only dots: no file named
        return "";
    const std::string sans_points = nom.substr(0, nom.size() - (f.size() - fin - 1));
    const std::string radical = f.substr(debut, fin + 1 - debut);
    if (radical.find('.') != std::string::npos)
        return sans_points;
    // ".cot" or ".mas" alone is a project extension without a name ("cot" is a name).
    const auto extension = [&](const char *x) {
        return std::equal(radical.begin(), radical.end(), x, x + std::strlen(x),
                          [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a + 32 : a) == b; });
    };
    if (debut > 0 && (extension("cot") || extension("mas")))
        return "";
    return sans_points + ".cot";
}

std::string Commentaire_Fichier(const std::string &texte) {
    std::string s;
    s.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const auto o = static_cast<unsigned char>(texte[i]);
        // A C1 control is two bytes in UTF-8 (0xC2, then 0x80 to 0x9F): one blank.
        if (o == 0xC2 && i + 1 < texte.size() && static_cast<unsigned char>(texte[i + 1]) >= 0x80 &&
            static_cast<unsigned char>(texte[i + 1]) <= 0x9F) {
            s += ' ';
            ++i;
        } else {
            s += (o == ',' || o == '"' || o < 0x20 || o == 0x7F) ? ' ' : texte[i];
        }
    }
    return Sans_Blancs(s);
}

std::string Texte_Entier(long long n) { return (n < 0 ? "" : " ") + std::to_string(n) + " "; }

namespace {
// The whole number of thousandths a file writes for v. A value a line k reads as (the double
// nearest k / 1000) is written k again, from its digits: above about 1.3e11 thousandths the
// spacing of doubles outgrows any fixed margin. Any other value goes to the thousandth below,
// the small margin keeping 1.001 (just under 1001 thousandths once multiplied) at 1001.
double Milliemes(double v) {
    const double k = std::nearbyint(v * 1000.0);
    if (k / 1000.0 == v)
        return k + 0.0;
    return std::floor(v * 1000.0 + 1e-6) + 0.0;
}
} // namespace

bool Meme_Milliemes(double a, double b) {
    if (a == b)
        return true;
    if (!(std::fabs(a) < 1e300 && std::fabs(b) < 1e300))
        return false;
    return Milliemes(a) == Milliemes(b);
}

double Valeur_Fichier(double v) {
    // A value no file can hold is left to the checks that refuse it.
    if (!std::isfinite(v * 1000.0))
        return v;
    return Milliemes(v) / 1000.0;
}

std::string Texte_Milliemes(double v) {
    // v x 1000 is checked too: a finite value above 1.8e305 would be written "inf".
    if (!std::isfinite(v) || !std::isfinite(v * 1000.0))
        throw Erreur_Gabarit("Valeur non finie ou trop grande : impossible de l'écrire dans un "
                             "fichier");
    const double k = Milliemes(v);
    if (std::fabs(k) < 9.0e18)
        return Texte_Entier(static_cast<long long>(k));
    char tampon[400];
    std::snprintf(tampon, sizeof tampon, "%.0f", k);
    return (k < 0 ? "" : " ") + std::string(tampon) + " ";
}

bool Lit_Nombre_Fichier(const std::string &texte, double &valeur) {
    std::string s = Sans_Blancs(texte);
    // from_chars takes no '+' sign, but project files may hold one ("+12"): skip it.
    const std::size_t debut = !s.empty() && s[0] == '+' ? 1 : 0;
    if (debut >= s.size() || (debut == 1 && s[1] == '-'))
        return false;
    // Only plain decimal forms: no "inf", "nan" nor hexadecimal.
    for (std::size_t k = debut; k < s.size(); ++k) {
        const char c = s[k];
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return false;
    }
    double v = 0;
    const char *fin = s.data() + s.size();
    auto [p, ec] = std::from_chars(s.data() + debut, fin, v, std::chars_format::general);
    if (ec != std::errc() || p != fin || !std::isfinite(v))
        return false;
    valeur = v;
    return true;
}

std::string Refus_Ligne_Valeur(const std::string &chemin, std::size_t ligne, int numero,
                               const std::string &texte) {
    // The text as the file holds it, cut where a screen line would end.
    constexpr std::size_t MONTRE = 40;
    std::string montre = Cp1252_Vers_Utf8(texte.substr(0, MONTRE));
    if (texte.size() > MONTRE)
        montre += "...";
    // A number written right but beyond what a double holds (1.8e308) is said as such.
    std::string s = Sans_Blancs(texte);
    if (!s.empty() && s[0] == '+')
        s.erase(0, 1);
    double v = 0;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    const bool chiffres =
        !s.empty() && p == s.data() + s.size() &&
        (ec == std::errc::result_out_of_range ||
         (ec == std::errc() && std::isfinite(v) && !std::isfinite(v / 1000.0 * 1000.0)));
    return "Fichier projet endommagé : " + chemin + "\nLigne " + std::to_string(ligne) +
           " (valeur n° " + std::to_string(numero) + ") : « " + montre + " » " +
           (chiffres ? "n'est pas un nombre que le fichier peut contenir."
                     : "n'est pas un nombre.");
}

std::string Champ_Texte(const std::string &ligne) {
    std::string s = Sans_Blancs(ligne);
    if (!s.empty() && s[0] == '"') {
        // A quoted field runs to the next double quote, its blanks kept, as it always did.
        const std::size_t q = s.find('"', 1);
        return q == std::string::npos ? s.substr(1) : s.substr(1, q - 1);
    }
    return s;
}

namespace {
Erreur_Gabarit Trop_Longue(std::size_t ligne, const std::string &chemin) {
    return Erreur_Gabarit("Ligne " + std::to_string(ligne) +
                          " trop longue dans le fichier : " + chemin + " (" +
                          std::to_string(LONGUEUR_MAX_LIGNE >> 10) + " ko au plus)");
}
} // namespace

std::vector<std::string> Lit_Lignes_Fichier(const std::string &chemin, std::size_t nb_max) {
    // Regular files only: a folder cannot be read, and opening a named pipe or a device would
    // wait for a writer that never comes.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(chemin, ec))
        throw Erreur_Gabarit("Impossible de lire le fichier : " + chemin);
    // A file far larger than a project (a film, a disk image chosen by mistake) is refused
    // before a byte of it is read.
    const std::uintmax_t taille = std::filesystem::file_size(chemin, ec);
    if (ec)
        throw Erreur_Gabarit("Impossible de lire le fichier : " + chemin);
    if (taille > TAILLE_MAX_FICHIER)
        throw Erreur_Gabarit("Fichier trop grand : " + chemin + " (" + std::to_string(taille) +
                             " octets ; " + std::to_string(TAILLE_MAX_FICHIER >> 20) +
                             " Mo au plus)");
    std::ifstream f(chemin, std::ios::binary);
    if (!f)
        throw Erreur_Gabarit("Impossible de lire le fichier : " + chemin);
    // Each line is read into a bounded buffer: one that fills it without a line end (the
    // file may have grown since its size was taken) is refused, never grown without end.
    std::vector<char> tampon(LONGUEUR_MAX_LIGNE + 2);
    const auto capacite = static_cast<std::streamsize>(tampon.size());
    std::vector<std::string> lignes;
    while (lignes.size() < nb_max) {
        f.getline(tampon.data(), capacite);
        if (f.bad())
            throw Erreur_Gabarit("Erreur de lecture du fichier : " + chemin);
        std::streamsize n = f.gcount();
        if (f.fail()) {
            if (f.eof() && n == 0)
                break; // end of file
            throw Trop_Longue(lignes.size() + 1, chemin);
        }
        if (!f.eof())
            --n; // the line end was read too
        std::string ligne(tampon.data(), static_cast<std::size_t>(n));
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.pop_back();
        // The buffer holds one character more than a line may (room for its CR): a line
        // ended by LF alone, or the last one, is measured here.
        if (ligne.size() > LONGUEUR_MAX_LIGNE)
            throw Trop_Longue(lignes.size() + 1, chemin);
        lignes.push_back(std::move(ligne));
    }
    return lignes;
}

namespace {

// The file a path names, through any links (a link to a project is written through, not
// replaced by a plain file). A link that names nothing yet gives the path it names.
std::filesystem::path Fichier_Vise(const std::string &chemin) {
    namespace fs = std::filesystem;
    fs::path p = chemin;
    std::error_code ec;
    for (int n = 0; n < 40 && fs::is_symlink(p, ec); ++n) {
        const fs::path lien = fs::read_symlink(p, ec);
        if (ec)
            break;
        p = lien.is_absolute() ? lien : p.parent_path() / lien;
    }
    return p;
}

// A file the user made read-only (no write permission for its owner, or none for us).
bool Lecture_Seule(const std::filesystem::path &p, std::filesystem::perms &droits) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status st = fs::status(p, ec);
    if (ec || !fs::exists(st))
        return false;
    droits = st.permissions();
    if ((droits & fs::perms::owner_write) == fs::perms::none)
        return true;
#if defined(__unix__) || defined(__APPLE__)
    return access(p.c_str(), W_OK) != 0;
#else
    return false;
#endif
}

} // namespace

void Ecrit_Fichier_Atomique(const std::string &chemin, const std::string &contenu) {
    namespace fs = std::filesystem;
    const fs::path cible = Fichier_Vise(chemin);
    fs::perms droits = fs::perms::unknown;
    if (Lecture_Seule(cible, droits))
        throw Erreur_Gabarit("Le fichier " + chemin +
                             " est en lecture seule : il n'a pas été remplacé.");
    const std::string temporaire = cible.string() + ".tmp";
    std::FILE *f = std::fopen(temporaire.c_str(), "wb");
    if (!f)
        throw Erreur_Gabarit("Impossible d'écrire le fichier : " + chemin);
    bool ok = true;
#if defined(__unix__) || defined(__APPLE__)
    // The new file keeps the permissions of the one it replaces (a private 600 stays so),
    // set before anything is written into it.
    if (droits != fs::perms::unknown)
        ok = fchmod(fileno(f), static_cast<mode_t>(droits & fs::perms::mask)) == 0;
#endif
    ok = ok && std::fwrite(contenu.data(), 1, contenu.size(), f) == contenu.size();
    ok = std::fflush(f) == 0 && ok;
#if defined(__unix__) || defined(__APPLE__)
    // On disk before the rename, so a crash cannot leave an empty project behind.
    ok = ok && fsync(fileno(f)) == 0;
#endif
    ok = std::fclose(f) == 0 && ok;
    std::error_code ec;
    if (ok) {
        fs::rename(temporaire, cible, ec);
        ok = !ec;
    }
    if (!ok) {
        std::remove(temporaire.c_str());
        throw Erreur_Gabarit("Impossible d'écrire le fichier : " + chemin);
    }
}

void Lit_Fichier_Projet(const std::string &chemin, Cible_Projet cible) {
    const std::vector<std::string> lignes = Lit_Lignes_Fichier(chemin, NB_LIGNES_PROJET);
    if (lignes.size() < NB_LIGNES_PROJET)
        throw Erreur_Gabarit("Fichier projet incomplet : " + chemin + " (" +
                             std::to_string(lignes.size()) + " lignes sur " +
                             std::to_string(NB_LIGNES_PROJET) + ")");

    // Three lines a record, matched by position alone: the record number is kept as text and
    // never checked, and a comma in a comment cannot move the records that follow.
    std::array<double, NB_VALEURS_PROJET + 1> valeurs{};
    std::array<std::string, NB_VALEURS_PROJET + 1> textes{}, numeros{};
    for (int i = 1; i <= NB_VALEURS_PROJET; ++i) {
        const std::size_t l = static_cast<std::size_t>(i - 1) * LIGNES_PAR_ENREGISTREMENT;
        numeros[i] = Cp1252_Vers_Utf8(Champ_Texte(lignes[l]));
        textes[i] = Cp1252_Vers_Utf8(Champ_Texte(lignes[l + 2]));
        // A comment is shown as the next save writes it (a comma of a hand edit becomes a
        // blank), so the editor shows what the file will hold and nothing looks changed. The
        // version stamp stays as read: the upgrade reads it by its characters, and every
        // read and save stamps it again.
        if (i < NB_VALEURS_PROJET)
            textes[i] = Commentaire_Fichier(textes[i]);
    }
    // A value line that is not a number is damage: read as 0 it would reach the computations
    // and, at the next save, the file. Only the values an older version's file does not hold,
    // which the upgrade writes over, are read as 0 as they always were.
    const std::vector<int> mis_a_jour = Numeros_Mis_A_Jour(textes[NB_VALEURS_PROJET]);
    for (int i = 1; i <= NB_VALEURS_PROJET; ++i) {
        const std::size_t l = static_cast<std::size_t>(i - 1) * LIGNES_PAR_ENREGISTREMENT + 1;
        double v = 0;
        // Taken as the file keeps it: a line finer than a thousandth (a hand edit) is cut as
        // the writer cuts it, so what is checked now is what the next save writes.
        if (Lit_Nombre_Fichier(lignes[l], v) && std::isfinite(v / 1000.0 * 1000.0))
            valeurs[i] = Valeur_Fichier(v / 1000.0);
        else if (std::find(mis_a_jour.begin(), mis_a_jour.end(), i) == mis_a_jour.end())
            throw Erreur_Gabarit(Refus_Ligne_Valeur(chemin, l + 1, i, lignes[l]));
    }
    // Values 301 to 311 are the settings: a project never touches them.
    for (int i = 1; i <= NB_VALEURS_PROJET; ++i) {
        cible.valeurs[static_cast<std::size_t>(i)] = valeurs[static_cast<std::size_t>(i)];
        cible.textes[static_cast<std::size_t>(i)] = std::move(textes[static_cast<std::size_t>(i)]);
        cible.numeros[static_cast<std::size_t>(i)] =
            std::move(numeros[static_cast<std::size_t>(i)]);
    }
}

void Ecrit_Fichier_Projet(const std::string &chemin, Etat_Projet &e) {
    e.Texte_Projet[NB_VALEURS_PROJET] = Texte_Version();
    std::string contenu;
    contenu.reserve(NB_LIGNES_PROJET * 24);
    for (int i = 1; i <= NB_VALEURS_PROJET; ++i) {
        const double v = e.P(i);
        if (!std::isfinite(v) || !std::isfinite(v * 1000.0))
            throw Erreur_Gabarit(
                "Valeur " + std::to_string(i) +
                " non finie ou trop grande : impossible d'écrire le fichier : " + chemin);
        contenu += Texte_Entier(i) + "\r\n";
        contenu += Texte_Milliemes(v) + "\r\n";
        contenu +=
            Utf8_Vers_Cp1252(Commentaire_Fichier(e.Texte_Projet[static_cast<std::size_t>(i)]));
        contenu += "\r\n";
    }
    Ecrit_Fichier_Atomique(chemin, contenu);
}

} // namespace gabarit
