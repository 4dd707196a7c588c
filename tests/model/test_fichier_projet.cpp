#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/Fichier_Projet.h"
#include "support/Chemins_Test.h"
#include "support/Maitre.h"

using namespace gabarit;
namespace fs = std::filesystem;

using test::Ecrit_Octets;
using test::Octets;

namespace {

// 900 lines of a plain project: value i is i - 150 + i/1000, comment "Valeur i".
std::vector<std::string> Lignes_Projet() {
    std::vector<std::string> l;
    for (int i = 1; i <= 300; ++i) {
        l.push_back(" " + std::to_string(i) + " ");
        const long long k = (i - 150) * 1000LL + i;
        l.push_back((k < 0 ? "" : " ") + std::to_string(k) + " ");
        l.push_back(i == 300 ? "Version 2.2.9" : "Valeur " + std::to_string(i));
    }
    return l;
}

std::string Joint(const std::vector<std::string> &lignes, const std::string &fin = "\r\n") {
    std::string s;
    for (auto &l : lignes)
        s += l + fin;
    return s;
}

double Valeur_Attendue(int i) { return ((i - 150) * 1000LL + i) / 1000.0; }

std::string Fichier_Temporaire(const std::string &nom = "projet.cot") {
    return (fs::path(test::Dossier_Temporaire()) / nom).string();
}

} // namespace

TEST(Fichier_Projet, MilliemesArrondisVersLeBasSansPerteALaRelecture) {
    EXPECT_EQ(Texte_Milliemes(0.0025), " 2 ");
    EXPECT_EQ(Texte_Milliemes(-0.0025), "-3 ");
    EXPECT_EQ(Texte_Milliemes(0.1), " 100 ");
    EXPECT_EQ(Texte_Milliemes(56.7), " 56700 ");
    EXPECT_EQ(Texte_Milliemes(56.78954), " 56789 ");
    EXPECT_EQ(Texte_Milliemes(-0.0004), "-1 ");
    EXPECT_EQ(Texte_Milliemes(1.001), " 1001 ");
    EXPECT_EQ(Texte_Milliemes(0.0), " 0 ");
    EXPECT_EQ(Texte_Milliemes(-0.0), " 0 ");
    EXPECT_EQ(Texte_Milliemes(-1e-10), " 0 ");
    EXPECT_EQ(Texte_Entier(7), " 7 ");
    EXPECT_THROW(Texte_Milliemes(std::nan("")), Erreur_Gabarit);
    EXPECT_THROW(Texte_Milliemes(HUGE_VAL), Erreur_Gabarit);
    // Finite, but not in thousandths: it would be written "inf" and read back as 0.
    EXPECT_THROW(Texte_Milliemes(2e305), Erreur_Gabarit);
    EXPECT_THROW(Texte_Milliemes(-2e305), Erreur_Gabarit);
    EXPECT_NO_THROW(Texte_Milliemes(1.7e305));
    // Beyond a long long, written from the double's own digits.
    EXPECT_EQ(Texte_Milliemes(-9.5e15), "-9500000000000000000 ");
    // Both written 134218606200: what the line reads as, and a value 1e-7 above it.
    EXPECT_TRUE(Meme_Milliemes(134218606.2, 134218606.2000001));
}

TEST(Fichier_Projet, LecturePlaceLesValeursLesTextesEtLesNumeros) {
    const std::string chemin = Fichier_Temporaire();
    Ecrit_Octets(chemin, Joint(Lignes_Projet()));
    Etat_Projet e;
    Lit_Fichier_Projet(chemin, Projet_Courant(e));
    for (int i = 1; i <= 300; ++i)
        ASSERT_DOUBLE_EQ(e.P(i), Valeur_Attendue(i)) << i;
    EXPECT_EQ(e.Texte_Projet[1], "Valeur 1");
    EXPECT_EQ(e.Texte_Projet[300], "Version 2.2.9");
    EXPECT_EQ(e.Num_Enreg[17], "17");
}

TEST(Fichier_Projet, FinsDeLigneBlancsEtLignesEnTrop) {
    const std::string dossier = test::Dossier_Temporaire();
    auto l = Lignes_Projet();
    Ecrit_Octets(dossier + "/crlf.cot", Joint(l));
    Ecrit_Octets(dossier + "/lf.cot", Joint(l, "\n"));
    // Blanks and tabs around numbers and texts, and a tail the reader must ignore.
    auto l2 = l;
    l2[1] = "\t  -148999\t ";
    l2[2] = "   Valeur 1   ";
    l2[4] = "+0";
    // Lines finer than a thousandth (hand edits) are taken as the writer writes them again.
    l2[7] = " 1100000.2 ";
    l2[10] = "-0.5";
    // Where doubles lie further apart than any fixed margin: read and written as its digits say.
    l2[13] = " 134218606200 ";
    for (int k = 0; k < 40; ++k)
        l2.push_back("ligne " + std::to_string(k) + ", en trop");
    Ecrit_Octets(dossier + "/blancs.cot", Joint(l2));
    Etat_Projet a, b, c;
    Lit_Fichier_Projet(dossier + "/crlf.cot", Projet_Courant(a));
    Lit_Fichier_Projet(dossier + "/lf.cot", Projet_Courant(b));
    Lit_Fichier_Projet(dossier + "/blancs.cot", Projet_Courant(c));
    EXPECT_EQ(a.Tab_Param, b.Tab_Param);
    EXPECT_EQ(a.Texte_Projet, b.Texte_Projet);
    EXPECT_EQ(c.P(1), -148.999);
    EXPECT_EQ(c.Texte_Projet[1], "Valeur 1");
    EXPECT_EQ(c.P(2), 0);
    EXPECT_EQ(c.P(3), 1100);
    EXPECT_EQ(c.P(4), -0.001);
    EXPECT_EQ(c.P(5), 134218606.2);
    EXPECT_EQ(Texte_Milliemes(c.P(5)), " 134218606200 ");
    EXPECT_EQ(c.Texte_Projet[300], "Version 2.2.9");
    EXPECT_EQ(c.P(300), a.P(300));
}

TEST(Fichier_Projet, NumerosEnregistrementGardesCommeTexteJamaisVerifies) {
    const std::string chemin = Fichier_Temporaire();
    auto l = Lignes_Projet();
    l[0] = "abc";
    l[3] = "";
    l[6] = " 299 ";
    Ecrit_Octets(chemin, Joint(l));
    Etat_Projet e;
    Lit_Fichier_Projet(chemin, Projet_Courant(e));
    EXPECT_EQ(e.Num_Enreg[1], "abc");
    EXPECT_EQ(e.Num_Enreg[2], "");
    EXPECT_EQ(e.Num_Enreg[3], "299");
    for (int i = 1; i <= 300; ++i)
        ASSERT_DOUBLE_EQ(e.P(i), Valeur_Attendue(i)) << i;
}

TEST(Fichier_Projet, LigneDeValeurEndommageeRefuseeEnNommantLaLigne) {
    // Each damage on its own record: the file is refused, the message names the line (the
    // second of record i: 3 i - 1) and its text, and the target keeps what it held.
    struct Cas {
        int i;
        const char *texte;
        const char *raison;
    };
    const char *pas_nombre = "n'est pas un nombre.";
    const char *trop_grand = "n'est pas un nombre que le fichier peut contenir.";
    for (const Cas &c :
         {Cas{1, "abc", pas_nombre}, Cas{2, "", pas_nombre}, Cas{5, "12,5", pas_nombre},
          Cas{42, "inf", pas_nombre}, Cas{57, "nan", pas_nombre}, Cas{60, "0x10", pas_nombre},
          Cas{107, "1.5.2", pas_nombre}, Cas{186, "- 3", pas_nombre}, Cas{250, "+-2", pas_nombre},
          Cas{299, " 1.8e308 ", trop_grand}, Cas{300, "-1e309", trop_grand}}) {
        SCOPED_TRACE(c.i);
        const std::string chemin = Fichier_Temporaire("abime.cot");
        auto l = Lignes_Projet();
        l[static_cast<std::size_t>(3 * c.i - 2)] = c.texte;
        Ecrit_Octets(chemin, Joint(l));
        Etat_Projet e;
        e.P(c.i) = 7.5;
        e.Texte_Projet[1] = "avant";
        const auto avant = e.Tab_Param;
        try {
            Lit_Fichier_Projet(chemin, Projet_Courant(e));
            ADD_FAILURE() << "read";
        } catch (const Erreur_Gabarit &err) {
            EXPECT_EQ(std::string(err.what()), "Fichier projet endommagé : " + chemin + "\nLigne " +
                                                   std::to_string(3 * c.i - 1) + " (valeur n° " +
                                                   std::to_string(c.i) + ") : « " + c.texte +
                                                   " » " + c.raison);
        }
        EXPECT_EQ(e.Tab_Param, avant);
        EXPECT_EQ(e.Texte_Projet[1], "avant");
    }
    double v = 0;
    EXPECT_TRUE(Lit_Nombre_Fichier(" 1.5e3 ", v));
    EXPECT_EQ(v, 1500);
}

TEST(Fichier_Projet, CeQuUneAncienneVersionNeTientPasSeLitCommeZero) {
    // The values the upgrade writes over may be missing from an older file: their lines read
    // as 0 there. Every other line, or a file of this version, is refused as damaged.
    struct Cas {
        const char *tampon;
        int i;
        bool lu;
    };
    for (const Cas &c :
         {Cas{"Version 2.1.4", 18, true}, Cas{"Version 2.1.4", 158, true},
          Cas{"Version 2.1.4", 107, true}, Cas{"Version 2.1.4", 27, false},
          Cas{"Version 2.2.8", 192, true}, Cas{"Version 2.2.8", 161, false}, Cas{"V", 108, true},
          Cas{"Version 2.2.9", 107, false}, Cas{"Version 2.2.8.1", 186, false},
          // Quoted with a blank: 14 characters, the upgrade reads its own characters.
          Cas{"\" Version 2.2.9\"", 186, true}}) {
        SCOPED_TRACE(std::string(c.tampon) + " " + std::to_string(c.i));
        auto l = Lignes_Projet();
        l[899] = c.tampon; // comment of record 300
        l[static_cast<std::size_t>(3 * c.i - 2)] = "";
        const std::string chemin = Fichier_Temporaire("ancien.cot");
        Ecrit_Octets(chemin, Joint(l));
        Etat_Projet e;
        e.P(c.i) = 7.5;
        if (c.lu) {
            Lit_Fichier_Projet(chemin, Projet_Courant(e));
            EXPECT_EQ(e.P(c.i), 0);
            EXPECT_DOUBLE_EQ(e.P(c.i + 1), Valeur_Attendue(c.i + 1));
            EXPECT_EQ(e.Texte_Projet[300], Champ_Texte(c.tampon));
        } else {
            EXPECT_THROW(Lit_Fichier_Projet(chemin, Projet_Courant(e)), Erreur_Gabarit);
            EXPECT_EQ(e.P(c.i), 7.5);
        }
    }
}

TEST(Fichier_Projet, VirguleOuGuillemetDansUnCommentaireNeDecaleRienEtSeLitCommeIlSEcrit) {
    const std::string chemin = Fichier_Temporaire();
    auto l = Lignes_Projet();
    l[2] = "Longueur AV, en mm, de la quille";
    l[5] = "\"Longueur AR, en mm\" suite ignoree";
    l[8] = "\"Sans fin de guillemet, ici";
    l[11] = "\" Lest\tplomb \"";
    l[14] = "\x9DLest\x81\x8F\x90plomb\x8D"; // 1252's bytes for C1 controls
    Ecrit_Octets(chemin, Joint(l));
    Etat_Projet e;
    Lit_Fichier_Projet(chemin, Projet_Courant(e));
    // Each comma, tab or blank end as the writer leaves it.
    EXPECT_EQ(e.Texte_Projet[1], "Longueur AV  en mm  de la quille");
    EXPECT_EQ(e.Texte_Projet[2], "Longueur AR  en mm");
    EXPECT_EQ(e.Texte_Projet[3], "Sans fin de guillemet  ici");
    EXPECT_EQ(e.Texte_Projet[4], "Lest plomb");
    EXPECT_EQ(e.Texte_Projet[5], "Lest   plomb");
    for (int i = 1; i <= 300; ++i)
        ASSERT_DOUBLE_EQ(e.P(i), Valeur_Attendue(i)) << i;
}

TEST(Fichier_Projet, FichierCourtOuAbsentLaisseLaCibleInchangee) {
    const std::string chemin = Fichier_Temporaire("court.cot");
    auto l = Lignes_Projet();
    l.resize(899);
    Ecrit_Octets(chemin, Joint(l));
    Etat_Projet e;
    e.P(1) = 42;
    e.Texte_Projet[1] = "avant";
    e.Num_Enreg[1] = "n";
    const auto valeurs = e.Tab_Param;
    try {
        Lit_Fichier_Projet(chemin, Projet_Courant(e));
        FAIL() << "un fichier de 899 lignes doit etre refuse";
    } catch (const Erreur_Gabarit &err) {
        EXPECT_NE(std::string(err.what()).find(chemin), std::string::npos) << err.what();
    }
    EXPECT_EQ(e.Tab_Param, valeurs);
    EXPECT_EQ(e.Texte_Projet[1], "avant");
    EXPECT_EQ(e.Num_Enreg[1], "n");

    // The last line without its line end still counts.
    Ecrit_Octets(chemin, Joint(Lignes_Projet()).substr(0, Joint(Lignes_Projet()).size() - 2));
    Lit_Fichier_Projet(chemin, Projet_Courant(e));
    EXPECT_EQ(e.Texte_Projet[300], "Version 2.2.9");

    const std::string absent = test::Dossier_Temporaire() + "/absent.cot";
    try {
        Lit_Fichier_Projet(absent, Projet_Courant(e));
        FAIL();
    } catch (const Erreur_Gabarit &err) {
        EXPECT_NE(std::string(err.what()).find("absent.cot"), std::string::npos);
    }
    EXPECT_THROW(Lit_Fichier_Projet(test::Dossier_Temporaire(), Projet_Courant(e)), Erreur_Gabarit);
}

TEST(Fichier_Projet, FichierOuLigneDemesuresRefusesAvantLecture) {
    Etat_Projet e;
    e.P(1) = 42;
    const auto valeurs = e.Tab_Param;
    auto refus = [&](const std::string &chemin) {
        try {
            Lit_Fichier_Projet(chemin, Projet_Courant(e));
        } catch (const Erreur_Gabarit &err) {
            return std::string(err.what());
        }
        return std::string("lu");
    };
    // One byte over 16 MB, sparse: refused by its size alone.
    const std::string gros = Fichier_Temporaire("gros.cot");
    Ecrit_Octets(gros, Joint(Lignes_Projet()));
    fs::resize_file(gros, (std::uintmax_t{16} << 20) + 1);
    EXPECT_EQ(refus(gros), "Fichier trop grand : " + gros + " (16777217 octets ; 16 Mo au plus)");

    // A comment of 65537 characters on record 1: refused at its line, not read to its end.
    auto l = Lignes_Projet();
    l[2] = std::string(65537, 'x');
    const std::string long_ = Fichier_Temporaire("long.cot");
    Ecrit_Octets(long_, Joint(l));
    EXPECT_EQ(refus(long_), "Ligne 3 trop longue dans le fichier : " + long_ + " (64 ko au plus)");
    EXPECT_EQ(e.Tab_Param, valeurs);

    // The longest comment the parameter editor takes (32767 characters) is read whole.
    l[2] = std::string(32767, 'y');
    Ecrit_Octets(long_, Joint(l));
    EXPECT_EQ(refus(long_), "lu");
    EXPECT_EQ(e.Texte_Projet[1], std::string(32767, 'y'));
    EXPECT_DOUBLE_EQ(e.P(2), Valeur_Attendue(2));
}

TEST(Fichier_Projet, LigneDe64koLueUneDePlusRefusee) {
    // A comment of 65,536 characters is read, whether CR LF or LF ends its line; one more is
    // refused at its line, the third of the file.
    for (const char *fin : {"\r\n", "\n"})
        for (std::size_t n : {65536u, 65537u}) {
            SCOPED_TRACE(std::to_string(n) + (fin[0] == '\r' ? " CR LF" : " LF"));
            auto l = Lignes_Projet();
            l[2] = std::string(n, 'x');
            const std::string chemin = Fichier_Temporaire("ligne.cot");
            Ecrit_Octets(chemin, Joint(l, fin));
            Etat_Projet e;
            try {
                Lit_Fichier_Projet(chemin, Projet_Courant(e));
                EXPECT_EQ(n, 65536u);
                EXPECT_EQ(e.Texte_Projet[1], l[2]);
            } catch (const Erreur_Gabarit &err) {
                EXPECT_EQ(n, 65537u);
                EXPECT_EQ(std::string(err.what()),
                          "Ligne 3 trop longue dans le fichier : " + chemin + " (64 ko au plus)");
            }
        }
}

TEST(Fichier_Projet, LectureNeTouchePasAuxReglagesNiAuProjetNonCible) {
    const std::string chemin = Fichier_Temporaire();
    Ecrit_Octets(chemin, Joint(Lignes_Projet()));
    Etat_Projet e;
    for (int j = 301; j <= 311; ++j)
        e.P(j) = j * 0.5;
    Lit_Fichier_Projet(chemin, Projet_Courant(e));
    for (int j = 301; j <= 311; ++j)
        EXPECT_EQ(e.P(j), j * 0.5);

    Etat_Projet c;
    c.P(5) = 9;
    Lit_Fichier_Projet(chemin, Projet_Compare(c));
    EXPECT_EQ(c.P(5), 9);
    EXPECT_DOUBLE_EQ(c.Tab_Param_Compar[5], Valeur_Attendue(5));
    EXPECT_EQ(c.Texte_Projet2[5], "Valeur 5");
    EXPECT_EQ(c.Num_Enreg2[5], "5");
    EXPECT_EQ(c.Texte_Projet[5], "");
}

TEST(Fichier_Projet, EcritureFormatExactEtTamponDeVersion) {
    Etat_Projet e;
    e.P(1) = 0.0025;
    e.P(2) = -0.0025;
    e.P(3) = 56.7;
    e.Texte_Projet[1] = "Longueur";
    e.Texte_Projet[300] = "Version 2.1.4";
    const std::string chemin = Fichier_Temporaire();
    Ecrit_Fichier_Projet(chemin, e);
    EXPECT_EQ(e.Texte_Projet[300], "Version 2.2.9");
    const std::string o = Octets(chemin);
    EXPECT_EQ(o.substr(0, 48),
              " 1 \r\n 2 \r\nLongueur\r\n 2 \r\n-3 \r\n\r\n 3 \r\n 56700 \r\n\r\n");
    EXPECT_EQ(o.substr(o.size() - 27), " 300 \r\n 0 \r\nVersion 2.2.9\r\n");
    // 900 lines, every one ended by CR LF and no bare LF.
    int lf = 0, crlf = 0;
    for (std::size_t k = 0; k < o.size(); ++k)
        if (o[k] == '\n') {
            ++lf;
            crlf += k > 0 && o[k - 1] == '\r';
        }
    EXPECT_EQ(lf, 900);
    EXPECT_EQ(crlf, 900);
    EXPECT_FALSE(fs::exists(chemin + ".tmp"));
}

TEST(Fichier_Projet, UnMillemeNeSePerdPlusAuFilDesEnregistrements) {
    const std::string chemin = Fichier_Temporaire();
    Etat_Projet e;
    e.P(1) = 1.001;
    e.P(2) = -2.001;
    e.P(3) = 0.0025;
    // Large values, where doubles lie further apart than a fixed margin: 2^40 + 1 thousandths.
    e.P(4) = 1099511627.777;
    e.P(5) = -134218606.2;
    e.P(6) = 134218606.2;
    for (int fois = 0; fois < 5; ++fois) {
        Ecrit_Fichier_Projet(chemin, e);
        Lit_Fichier_Projet(chemin, Projet_Courant(e));
    }
    EXPECT_EQ(e.P(1), 1.001);
    EXPECT_EQ(e.P(2), -2.001);
    EXPECT_EQ(e.P(3), 0.002);
    EXPECT_EQ(e.P(4), 1099511627.777);
    EXPECT_EQ(e.P(5), -134218606.2);
    EXPECT_EQ(e.P(6), 134218606.2);
}

TEST(Fichier_Projet, AccentsEnWindows1252AllerRetour) {
    Etat_Projet e;
    e.Texte_Projet[1] = "Quille à bulbe, lestée «plomb» 3€";
    e.Texte_Projet[2] = "Ωmega ✓";
    e.Texte_Projet[3] = "  \"Guillemets\" et\r\nsaut de ligne\t ";
    e.Texte_Projet[4] = "";
    e.Texte_Projet[5] = "Œuvre ‘n’ Ÿ";
    const std::string chemin = Fichier_Temporaire();
    Ecrit_Fichier_Projet(chemin, e);
    const std::string o = Octets(chemin);
    // In the file: one byte a character, 0xE0 for à and 0x80 for the euro sign.
    EXPECT_NE(o.find("Quille \xE0 bulbe  lest\xE9"
                     "e \xABplomb\xBB 3\x80\r\n"),
              std::string::npos);
    Etat_Projet r;
    Lit_Fichier_Projet(chemin, Projet_Courant(r));
    EXPECT_EQ(r.Texte_Projet[1], "Quille à bulbe  lestée «plomb» 3€");
    EXPECT_EQ(r.Texte_Projet[2], "?mega ?");
    EXPECT_EQ(r.Texte_Projet[3], "Guillemets  et  saut de ligne");
    EXPECT_EQ(r.Texte_Projet[4], "");
    EXPECT_EQ(r.Texte_Projet[5], "Œuvre ‘n’ Ÿ");
    // Every byte of 1252 survives a round trip through UTF-8.
    std::string tous;
    for (int b = 1; b < 256; ++b)
        tous += static_cast<char>(b);
    EXPECT_EQ(Utf8_Vers_Cp1252(Cp1252_Vers_Utf8(tous)), tous);
    EXPECT_EQ(Utf8_Vers_Cp1252("\xC3"), "?");
    EXPECT_EQ(Utf8_Vers_Cp1252("a\xFF"
                               "b"),
              "a?b");
    // What the editor checks: the first character a comment cannot hold, whole. Every byte of
    // 1252 but the controls, the comma and the double quote can.
    std::erase_if(tous, [](unsigned char c) {
        return c < 0x20 || c == 0x7F || std::strchr(",\"\x81\x8D\x8F\x90\x9D", c);
    });
    EXPECT_EQ(Caractere_Hors_Commentaire(Cp1252_Vers_Utf8(tous)), "");
    EXPECT_EQ(Caractere_Hors_Commentaire("Poids ? 4 kg ≈ → lest"), "≈");
    EXPECT_EQ(Caractere_Hors_Commentaire("lest 🐟 plomb, 2 kg"), "🐟");
}

TEST(Fichier_Projet, EcritureRateeGardeLAncienFichierEntier) {
    const std::string dossier = test::Dossier_Temporaire();
    const std::string chemin = dossier + "/projet.cot";
    Etat_Projet e;
    e.P(1) = 12;
    Ecrit_Fichier_Projet(chemin, e);
    const std::string avant = Octets(chemin);
    e.P(1) = 99;

    // The temporary file cannot be created.
    fs::create_directory(chemin + ".tmp");
    try {
        Ecrit_Fichier_Projet(chemin, e);
        FAIL();
    } catch (const Erreur_Gabarit &err) {
        EXPECT_NE(std::string(err.what()).find(chemin), std::string::npos);
    }
    EXPECT_EQ(Octets(chemin), avant);
    EXPECT_TRUE(fs::is_directory(chemin + ".tmp"));
    fs::remove(chemin + ".tmp");

    // The disk is full while writing.
    if (fs::exists("/dev/full")) {
        fs::create_symlink("/dev/full", chemin + ".tmp");
        EXPECT_THROW(Ecrit_Fichier_Projet(chemin, e), Erreur_Gabarit);
        EXPECT_EQ(Octets(chemin), avant);
        EXPECT_FALSE(fs::exists(fs::symlink_status(chemin + ".tmp")));
    }

    // A value that is not a number, or too large for its thousandths, never reaches the file.
    for (double v : {std::nan(""), 1.8e305}) {
        e.P(7) = v;
        EXPECT_THROW(Ecrit_Fichier_Projet(chemin, e), Erreur_Gabarit);
        EXPECT_EQ(Octets(chemin), avant);
        EXPECT_FALSE(fs::exists(chemin + ".tmp"));
    }

    e.P(7) = 0;
    EXPECT_THROW(Ecrit_Fichier_Projet(dossier + "/absent/projet.cot", e), Erreur_Gabarit);
}

TEST(Fichier_Projet, FixturesAnciennesEtEndommagees) {
    const std::string f = test::Dossier_Fixtures();
    Etat_Projet e;
    Lit_Fichier_Projet(f + "/ancien_2_2_8.cot", Projet_Courant(e));
    EXPECT_EQ(e.Texte_Projet[300], "Version 2.2.8");
    EXPECT_EQ(e.Texte_Projet[7], "Réglage n° 7");
    EXPECT_EQ(e.P(1), 600);

    Lit_Fichier_Projet(f + "/ancien_2_2_10_lf.cot", Projet_Courant(e));
    EXPECT_EQ(e.Texte_Projet[300], "Version 2.2.10");

    Lit_Fichier_Projet(f + "/endommage_lisible.cot", Projet_Courant(e));
    EXPECT_EQ(e.Num_Enreg[1], "abc");
    EXPECT_EQ(e.Texte_Projet[1], "Longueur AV  en mm");
    EXPECT_EQ(e.Texte_Projet[2], "Longueur AR  en mm");
    EXPECT_EQ(e.P(1), 600);
    EXPECT_EQ(e.P(2), 400);
    EXPECT_EQ(e.P(3), 1.8);
    EXPECT_EQ(e.P(173), 2.75);
    EXPECT_EQ(e.Texte_Projet[300], "Version 2.2.9");
    // Saved and read again: the comments come back as they were shown.
    Etat_Projet relu;
    const std::string copie = Fichier_Temporaire();
    Ecrit_Fichier_Projet(copie, e);
    Lit_Fichier_Projet(copie, Projet_Courant(relu));
    EXPECT_EQ(relu.Texte_Projet, e.Texte_Projet);

    const auto avant = e.Tab_Param;
    EXPECT_THROW(Lit_Fichier_Projet(f + "/endommage_court.cot", Projet_Courant(e)), Erreur_Gabarit);
    EXPECT_EQ(e.Tab_Param, avant);
    // The total weight's line holds letters O for zeros.
    try {
        Lit_Fichier_Projet(f + "/endommage_valeur.cot", Projet_Courant(e));
        ADD_FAILURE() << "read";
    } catch (const Erreur_Gabarit &err) {
        EXPECT_NE(std::string(err.what()).find("Ligne 125 (valeur n° 42) : « 4OOO » n'est pas"),
                  std::string::npos)
            << err.what();
    }
    EXPECT_EQ(e.Tab_Param, avant);
}

TEST(Fichier_Projet, EcritureGardeLesDroitsPasseParLesLiensEtRespecteLaLectureSeule) {
    using fs::perms;
    const std::string d = test::Dossier_Temporaire();
    const std::string chemin = d + "/prive.cot", lien = d + "/lien.cot";
    auto valeur_lue = [&] {
        Etat_Projet r;
        Lit_Fichier_Projet(chemin, Projet_Courant(r));
        return r.P(1);
    };
    Etat_Projet e;
    e.P(1) = 5;
    Ecrit_Fichier_Projet(chemin, e);
    // A private project stays private.
    fs::permissions(chemin, perms::owner_read | perms::owner_write);
    e.P(1) = 6;
    Ecrit_Fichier_Projet(chemin, e);
    EXPECT_EQ(fs::status(chemin).permissions() & perms::mask,
              perms::owner_read | perms::owner_write);
    EXPECT_EQ(valeur_lue(), 6);
    // Saved through a link, the link stays and the file it names gets the project.
    fs::create_symlink("prive.cot", lien);
    e.P(1) = 7;
    Ecrit_Fichier_Projet(lien, e);
    EXPECT_TRUE(fs::is_symlink(lien));
    EXPECT_EQ(valeur_lue(), 7);
    EXPECT_EQ(fs::status(chemin).permissions() & perms::mask,
              perms::owner_read | perms::owner_write);
    // Made read-only by the user: refused with a message, directly or through the link.
    fs::permissions(chemin, perms::owner_read | perms::group_read | perms::others_read);
    const std::string avant = Octets(chemin);
    e.P(1) = 8;
    for (const std::string &nom : {chemin, lien}) {
        try {
            Ecrit_Fichier_Projet(nom, e);
            ADD_FAILURE() << "replaced " << nom;
        } catch (const Erreur_Gabarit &err) {
            EXPECT_NE(std::string(err.what()).find("lecture seule"), std::string::npos);
            EXPECT_NE(std::string(err.what()).find(nom), std::string::npos);
        }
    }
    EXPECT_EQ(Octets(chemin), avant);
    EXPECT_TRUE(fs::is_symlink(lien));
    EXPECT_EQ(fs::status(chemin).permissions() & perms::mask,
              perms::owner_read | perms::group_read | perms::others_read);
    for (const auto &f : fs::directory_iterator(d))
        EXPECT_EQ(f.path().extension(), ".cot") << f.path();
}
