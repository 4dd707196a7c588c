#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <tuple>

#include "model/fenetres/Menu_VarList.h"
#include "platform/Colonnes_Liste.h"
#include "platform/Nombres.h"
#include "platform/Twips.h"
#include "support/Banc_Fenetre.h"
#include "support/Coques_Essai.h"
#include "support/Locale_Essai.h"

using namespace gabarit;

namespace {
struct Banc : test::Banc_Fenetre {
    Banc() {
        e.P(1) = 530;
        e.P(2) = 470.5; // L = 1000.5
        e.P(22) = 3;
        e.P(23) = 471;
        e.P(57) = 1000; // a hull weight: the boat has something to float
        test::Greement_Simple(e, 1000);
        e.Texte_Projet[1] = "longueur avant";
        e.Texte_Projet[23] = "centre de gravite";
        e.Texte_Projet[300] = "Version 2.2.9";
    }
    Menu_VarList &Ouvre() {
        auto &w = ctx.Fenetre<Menu_VarList>();
        w.Montre();
        w.Remplit_Liste();
        return w;
    }
};

void Clique_Ligne(QListWidget *l, int ligne) {
    QListWidgetItem *it = l->item(ligne);
    l->scrollToItem(it);
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(it).center());
}

using test::Tape;

QString Simple(float v) {
    QLocale loc;
    loc.setNumberOptions(QLocale::OmitGroupSeparator);
    return loc.toString(static_cast<double>(v), 'g', 7);
}
} // namespace

TEST(Menu_VarList, ListeDesTroisCentsValeurs) {
    Banc b;
    Menu_VarList &w = b.Ouvre();
    EXPECT_EQ(w.windowTitle(), "Menu Liste des Variables");
    ASSERT_EQ(w.List1()->count(), 300);
    EXPECT_EQ(w.List1()->item(0)->text(), "1\t530\tlongueur avant");
    EXPECT_EQ(w.List1()->item(1)->text(), "2\t" + Texte_Nombre(470.5) + "\t");
    EXPECT_EQ(w.List1()->item(299)->text(), "300\t0\tVersion 2.2.9");
    EXPECT_EQ(w.List1()->currentRow(), 0);
    EXPECT_EQ(w.Label2_0()->text(), "1");
    EXPECT_EQ(w.Text1_0()->text(), "530");
    EXPECT_EQ(w.Text2()->text(), "longueur avant");
    // A comment longer than its box is read from its start.
    EXPECT_EQ(w.Text2()->cursorPosition(), 0);
    // Spinner of the station viewer: 0 to L rounded half to even, by 10 mm.
    EXPECT_EQ(w.UpDown2()->minimum(), 0);
    EXPECT_EQ(w.UpDown2()->maximum(), 1000);
    EXPECT_EQ(w.UpDown2()->increment(), 10);
    // Every activation gives the window its size back.
    EXPECT_EQ(w.Largeur_Externe(), Twips_En_Pixels(5940));
    EXPECT_EQ(w.Hauteur_Externe(), Twips_En_Pixels(6810));
}

// Where a heading stands in the list's viewport.
int Gauche_Dans(QWidget *etiquette, QListWidget *l) {
    return etiquette->mapToGlobal(QPoint(0, 0)).x() - l->viewport()->mapToGlobal(QPoint(0, 0)).x();
}

// Whether a line of the list shows ink between x0 and x1 (viewport pixels).
bool Encre(QListWidget *l, int ligne, int x0, int x1) {
    l->scrollToItem(l->item(ligne));
    const QImage image = l->viewport()->grab().toImage();
    const QRect r = l->visualItemRect(l->item(ligne));
    for (int x = x0; x < x1; ++x)
        for (int y = r.top(); y <= r.bottom(); ++y)
            if (qGray(image.pixel(x, y)) < 128)
                return true;
    return false;
}

TEST(Menu_VarList, LongNombreMontreSesPremiersChiffres) {
    Banc b;
    b.e.P(42) = 3948.82291666667; // the assistant's total weight, not rounded
    Menu_VarList &w = b.Ouvre();
    Clique_Ligne(w.List1(), 41);
    EXPECT_EQ(w.Text1_0()->text(), Texte_Nombre(3948.82291666667));
    EXPECT_EQ(w.Text1_0()->cursorPosition(), 0);
}

TEST(Menu_VarList, ValeursEntieresSousLeursTitres) {
    // A centre of effort to 15 digits, a large negative value, then through "Valide" a wider
    // one: under either locale each number and value ends before the next column starts, and
    // each heading stands at its column.
    for (bool francais : {false, true}) {
        SCOPED_TRACE(francais ? "fr" : "C");
        test::Locale_Essai locale(francais ? test::Francais() : QLocale::c());
        Banc b;
        b.e.P(103) = 659.640907989797;
        b.e.P(104) = -1234567.891;
        b.e.Texte_Projet[103] = "centre velique";
        b.e.Tab_Carene(0, 0, 1) = -1234567.f; // a half-breadth wider than its heading
        Menu_VarList &w = b.Ouvre();
        QListWidget *l = w.List1();
        auto *d = qobject_cast<Colonnes_Liste *>(l->itemDelegate());
        ASSERT_TRUE(d);
        const auto Verifie = [&](const char *titres[3]) {
            int large[2] = {0, 0};
            for (int i = 0; i < l->count(); ++i) {
                const QStringList p = l->item(i)->text().split(QLatin1Char('\t'));
                for (int k : {0, 1})
                    large[k] = std::max(large[k], l->fontMetrics().horizontalAdvance(p[k]));
            }
            EXPECT_LT(d->Debut(0) + large[0], d->Debut(1));
            EXPECT_LT(d->Debut(1) + large[1], d->Debut(2));
            for (int k = 0; k < 3; ++k)
                EXPECT_EQ(Gauche_Dans(w.findChild<QLabel *>(titres[k]), l), d->Debut(k)) << k;
            // A heading wider than every text under it ("Hauteur" over the depth rows 0 and
            // 1) still ends before the next one begins.
            for (int k = 0; k < 2; ++k) {
                QLabel *t = w.findChild<QLabel *>(titres[k]);
                EXPECT_LT(Gauche_Dans(t, l) + t->sizeHint().width(), d->Debut(k + 1)) << k;
            }
        };
        const char *variables[3] = {"Label1_0", "Label1_1", "Label1_2"};
        Verifie(variables);
        // Drawn there: the comment begins at its column, nothing between it and the value.
        const int fin =
            d->Debut(1) + l->fontMetrics().horizontalAdvance(Texte_Nombre(659.640907989797));
        EXPECT_FALSE(Encre(l, 102, fin + 1, d->Debut(2)));
        EXPECT_TRUE(Encre(l, 102, d->Debut(2), d->Debut(2) + 3));
        Clique_Ligne(l, 93); // the head line's return: no value derived from others
        Tape(w.Text1_0(), Texte_Nombre(-1.23456789012345e300));
        QTest::mouseClick(w.Command2(), Qt::LeftButton);
        ASSERT_LT(b.e.P(94), -1.2e300);
        Verifie(variables);

        w.SSTab1()->setCurrentIndex(0);
        Tape(w.Text3(), "0");
        emit w.UpDown2()->MouseUp();
        l = w.List2();
        ASSERT_EQ(l->count(), 2);
        d = qobject_cast<Colonnes_Liste *>(l->itemDelegate());
        ASSERT_TRUE(d);
        const char *couple[3] = {"Label4_0", "Label4_2", "Label13"};
        Verifie(couple);
    }
}

TEST(Menu_VarList, ValideStockeNettoieEtPasseALaSuivante) {
    Banc b;
    Menu_VarList &w = b.Ouvre();
    Clique_Ligne(w.List1(), 21);
    EXPECT_EQ(w.Label2_0()->text(), "22");
    EXPECT_EQ(w.Text1_0()->text(), "3");
    Tape(w.Text1_0(), Texte_Nombre(12.5));
    Tape(w.Text2(), QStringLiteral("  echelle vue profil  "));
    QTest::mouseClick(w.Command2(), Qt::LeftButton);
    EXPECT_EQ(b.e.P(22), 12.5);
    EXPECT_EQ(b.e.Texte_Projet[22], "echelle vue profil");
    EXPECT_EQ(w.List1()->item(21)->text(), "22\t" + Texte_Nombre(12.5) + "\techelle vue profil");
    // The line after the edited one comes up.
    EXPECT_EQ(w.List1()->currentRow(), 22);
    EXPECT_EQ(w.Label2_0()->text(), "23");
    EXPECT_EQ(w.Text1_0()->text(), "471");
    EXPECT_EQ(w.Text2()->text(), "centre de gravite");
    // Nothing recomputed, nothing marked out of date.
    EXPECT_EQ(b.shell.peintures_voyants, 0);

    // Servo 1's weight: the total weight follows it, and the list shown again by the
    // command's follow-up keeps the line that came up.
    Clique_Ligne(w.List1(), 59);
    Tape(w.Text1_0(), QStringLiteral("500"));
    QTest::mouseClick(w.Command2(), Qt::LeftButton);
    EXPECT_EQ(b.e.P(42), 1500);
    EXPECT_EQ(w.List1()->item(41)->text(), "42\t1500\t");
    EXPECT_EQ(w.List1()->currentRow(), 60);
    EXPECT_TRUE(w.List1()->item(60)->isSelected());
    EXPECT_EQ(w.Label2_0()->text(), "61");
}

TEST(Menu_VarList, CommentaireSansVirguleNiGuillemetNiSautDeLigne) {
    Banc b;
    Menu_VarList &w = b.Ouvre();
    // A character Windows-1252 has no byte for: one box naming it, nothing stored, the text
    // kept in its box with that character chosen.
    Clique_Ligne(w.List1(), 0);
    Tape(w.Text1_0(), QStringLiteral("531"));
    // Pasted: the key simulator has no key for such a character.
    const QString colle = QString::fromUtf8("Poids ≈ 4 kg → lest");
    w.Text2()->selectAll();
    w.Text2()->insert(colle);
    QTest::mouseClick(w.Command2(), Qt::LeftButton);
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.messages[0].texte.toStdString(),
              "Le caractère « ≈ » ne peut pas être enregistré dans le fichier projet : "
              "commentaire du n° 1 non modifié.");
    EXPECT_EQ(b.messages[0].style, MB_EXCLAMATION);
    EXPECT_EQ(b.e.P(1), 530);
    EXPECT_EQ(b.e.Texte_Projet[1], "longueur avant");
    EXPECT_EQ(w.List1()->currentRow(), 0);
    EXPECT_EQ(w.Text2()->text(), colle);
    EXPECT_EQ(w.focusWidget(), w.Text2());
    EXPECT_EQ(w.Text2()->selectedText(), QString::fromUtf8("≈"));
    // So is one that would end the file's field, or a line, named: never changed to a blank.
    for (auto [texte, c, nom] : {std::tuple{"AV, en mm", ",", "Le caractère « , »"},
                                 {"\"plomb\"", "\"", "Le caractère « \" »"},
                                 {"1\r\n2", "\r", "Le saut de ligne"},
                                 {"1\u20292", "\u2029", "Le saut de ligne"},
                                 {"AV\tAR", "\t", "Le caractère de tabulation"},
                                 {"bip\x07", "\x07", "Le caractère de contrôle U+0007"},
                                 {"1\u00852", "\u0085", "Le saut de ligne"},
                                 {"\u0080", "\u0080", "Le caractère de contrôle U+0080"},
                                 {"bip\u008D", "\u008D", "Le caractère de contrôle U+008D"},
                                 {"a\u009Fb", "\u009F", "Le caractère de contrôle U+009F"}}) {
        w.Text2()->setText(QString::fromUtf8(texte));
        QTest::mouseClick(w.Command2(), Qt::LeftButton);
        EXPECT_EQ(b.messages.back().texte.toStdString(),
                  std::string(nom) + " ne peut pas être enregistré dans le fichier projet : "
                                     "commentaire du n° 1 non modifié.");
        EXPECT_EQ(w.Text2()->selectedText(), QString::fromUtf8(c));
        b.messages.pop_back(); // one box a click: the counts below stay
    }
    EXPECT_EQ(b.e.P(1), 530);
    EXPECT_EQ(b.e.Texte_Projet[1], "longueur avant");
    // The characters it has, the euro sign and the curly quotes among them, are kept.
    w.Text2()->selectAll();
    w.Text2()->insert(QString::fromUtf8("Poids ‘env.’ 4 kg œuvre 30 €"));
    QTest::mouseClick(w.Command2(), Qt::LeftButton);
    EXPECT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.e.P(1), 531);
    EXPECT_EQ(b.e.Texte_Projet[1], "Poids ‘env.’ 4 kg œuvre 30 €");
    // An accent pasted as a combining mark is checked as the letter the file holds: taken.
    Clique_Ligne(w.List1(), 0);
    w.Text2()->setText(QString::fromUtf8("Lest e\u0301troit"));
    QTest::mouseClick(w.Command2(), Qt::LeftButton);
    EXPECT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.e.Texte_Projet[1], "Lest étroit");
}

TEST(Menu_VarList, ValeurNonNumeriqueRienNEstStocke) {
    Banc b;
    Menu_VarList &w = b.Ouvre();
    Clique_Ligne(w.List1(), 22);
    for (const QString &t : {QStringLiteral("abc"), QString()}) {
        Tape(w.Text1_0(), t);
        Tape(w.Text2(), QStringLiteral("autre"));
        QListWidgetItem *avant = w.List1()->item(22);
        QTest::mouseClick(w.Command2(), Qt::LeftButton);
        EXPECT_EQ(b.e.P(23), 471);
        EXPECT_EQ(b.e.Texte_Projet[23], "centre de gravite");
        EXPECT_EQ(w.List1()->item(22), avant); // not refilled
        EXPECT_EQ(w.List1()->currentRow(), 22);
    }
}

TEST(Menu_VarList, ValeurQueLaTableOuLeFichierNeTiennentPasRefusee) {
    Banc b;
    const Etat_Projet caisson = test::Coque_Caisson(1000, 50, 100);
    b.e.Tab_Param = caisson.Tab_Param;
    b.e.P(57) = 1000;
    Menu_VarList &w = b.Ouvre();
    struct Cas {
        int ligne;
        QString texte;
        const char *raison;
    };
    const std::string moins = "Valeur " + test::Au_Separateur("-0.45") +
                              " refusée pour le n° 7 : la table de carène ne peut pas la prendre.";
    // A hull 3500 mm long, a section 300 mm deep, a value whose thousandths overflow, a
    // negative shape exponent at the keel (0 to a negative power) and a half-breadth no
    // float holds: what the table refuses, named.
    for (const Cas &c :
         {Cas{0, QStringLiteral("2500"), "trop longue"}, Cas{5, QStringLiteral("300"), "trop haut"},
          Cas{93, QStringLiteral("2e305"), "trop grande"},
          Cas{6, Texte_Nombre(-0.45), moins.c_str()},
          Cas{13, QStringLiteral("4e38"), "Valeur 4e+38 refusée pour le n° 14"}}) {
        SCOPED_TRACE(c.raison);
        b.messages.clear();
        Clique_Ligne(w.List1(), c.ligne);
        const double avant = b.e.P(c.ligne + 1);
        Tape(w.Text1_0(), c.texte);
        QTest::mouseClick(w.Command2(), Qt::LeftButton);
        ASSERT_EQ(b.messages.size(), 1u);
        EXPECT_TRUE(b.messages[0].texte.contains(QString::fromUtf8(c.raison)))
            << b.messages[0].texte.toStdString();
        EXPECT_EQ(b.messages[0].style, MB_EXCLAMATION);
        EXPECT_EQ(b.e.P(c.ligne + 1), avant);
        EXPECT_EQ(w.List1()->currentRow(), c.ligne);
        EXPECT_EQ(w.Text1_0()->text(), c.texte);
        EXPECT_EQ(w.focusWidget(), w.Text1_0());
    }
    // Within the table: taken.
    b.messages.clear();
    Clique_Ligne(w.List1(), 0);
    Tape(w.Text1_0(), QStringLiteral("500"));
    QTest::mouseClick(w.Command2(), Qt::LeftButton);
    EXPECT_TRUE(b.messages.empty());
    EXPECT_EQ(b.e.P(1), 500);
    // So is a shape index the file keeps as 11.
    Clique_Ligne(w.List1(), 106);
    Tape(w.Text1_0(), Texte_Nombre(11.0004));
    QTest::mouseClick(w.Command2(), Qt::LeftButton);
    EXPECT_TRUE(b.messages.empty());
    EXPECT_EQ(b.e.P(107), 11);
}

TEST(Menu_VarList, RefusDitUneFoisEnNommantLaValeur) {
    // Under either locale: a text that is not a number as that locale writes one, a value the
    // file cannot hold, a size below zero, a profile the table does not have, a value the
    // program works out. One box naming the record; nothing stored.
    struct Cas {
        bool francais;
        int n;
        const char *texte;
        const char *message; // "" when taken
    };
    const std::string abc = "Valeur « abc » refusée pour le n° 23 : ce n'est pas un nombre "
                            "(séparateur décimal : « . »).";
    const std::string nan = "Valeur « nan » refusée pour le n° 94 : ce n'est pas un nombre "
                            "(séparateur décimal : « , »).";
    const std::string virgule = "Valeur « 1,5 » refusée pour le n° 94 : ce n'est pas un "
                                "nombre (séparateur décimal : « . »).";
    const std::string point = "Valeur « 1.5 » refusée pour le n° 94 : ce n'est pas un nombre "
                              "(séparateur décimal : « , »).";
    const std::string grande =
        "Valeur trop grande pour le n° 94 : le fichier projet ne peut pas la contenir.";
    const std::string negative =
        "Valeur -50 refusée pour le n° 5 : une largeur ne peut pas être négative.";
    // Every profile number is a row 0 to 39 of the NACA table.
    const std::string profil = "Profil NACA 45 refusé pour le n° 18 : le numéro de profil NACA "
                               "doit être compris entre 0 et 39 (45 demandé).";
    // Its number as the user typed it, with the decimal comma.
    const std::string profil_fr = "Profil NACA 2,4 refusé pour le n° 18 : le numéro de profil "
                                  "NACA doit être un nombre entier de 0 à 39 (2,4 demandé).";
    // A value worked out from others is told as such; the one shown, typed again, is taken.
    const std::string hauteur =
        "La hauteur du bulbe (n° 166) se calcule à partir des profils NACA du bulbe (n° 159 et "
        "161) et de sa longueur (n° 165) : elle n'est pas modifiable ici.";
    // A result of the computations likewise.
    const std::string franc_bord = "Le n° 43 (franc-bord arrière à 0°) est un résultat de "
                                   "calcul : il n'est pas modifiable ici.";
    for (const Cas &c :
         {Cas{false, 23, "abc", abc.c_str()}, Cas{false, 94, "1,5", virgule.c_str()},
          Cas{false, 94, "2e305", grande.c_str()}, Cas{false, 94, "1.5", ""},
          Cas{true, 94, "nan", nan.c_str()}, Cas{true, 94, "1.5", point.c_str()},
          Cas{true, 5, "-50", negative.c_str()}, Cas{true, 94, "1,5", ""},
          Cas{false, 18, "45", profil.c_str()}, Cas{true, 18, "2,4", profil_fr.c_str()},
          Cas{true, 166, "40", hauteur.c_str()}, Cas{true, 42, "1,5", ""},
          Cas{false, 43, "99", franc_bord.c_str()}}) {
        SCOPED_TRACE(std::string(c.francais ? "fr " : "C ") + c.texte);
        test::Locale_Essai locale(c.francais ? test::Francais() : QLocale::c());
        Banc b;
        b.e.P(5) = 60;
        b.e.P(94) = 2;
        b.e.P(25) = 7;
        b.e.P(42) = 1.5;
        Menu_VarList &w = b.Ouvre();
        Clique_Ligne(w.List1(), c.n - 1);
        const double avant = b.e.P(c.n);
        Tape(w.Text1_0(), QString::fromUtf8(c.texte));
        QTest::mouseClick(w.Command2(), Qt::LeftButton);
        if (*c.message == 0) {
            EXPECT_TRUE(b.messages.empty());
            EXPECT_EQ(b.e.P(c.n), 1.5);
            continue;
        }
        ASSERT_EQ(b.messages.size(), 1u);
        EXPECT_EQ(b.messages[0].texte.toStdString(), c.message);
        EXPECT_EQ(b.messages[0].style, MB_EXCLAMATION);
        EXPECT_EQ(b.e.P(c.n), avant);
        EXPECT_EQ(w.List1()->currentRow(), c.n - 1);
        EXPECT_EQ(w.focusWidget(), w.Text1_0());
    }
}

TEST(Menu_VarList, DerniereLigneStockeeSansSelectionApres) {
    Banc b;
    Menu_VarList &w = b.Ouvre();
    Clique_Ligne(w.List1(), 299);
    Tape(w.Text1_0(), "7");
    QTest::mouseClick(w.Command2(), Qt::LeftButton);
    EXPECT_EQ(b.e.P(300), 7);
    EXPECT_EQ(w.List1()->item(299)->text(), "300\t7\tVersion 2.2.9");
    EXPECT_EQ(w.List1()->currentRow(), -1);
    // With no line selected "Valide" stores nothing.
    Tape(w.Text1_0(), "9");
    QTest::mouseClick(w.Command2(), Qt::LeftButton);
    EXPECT_EQ(b.e.P(300), 7);
}

TEST(Menu_VarList, TableDeCareneDUneStation) {
    Banc b;
    Table_Carene &t = b.e.Tab_Carene;
    for (int d = 0; d <= 4; ++d) {
        t(2, d, 0) = static_cast<float>(d);
        t(2, d, 1) = d == 4 ? 0.f : 40.f - 10.f * d + 0.456f;
        t(2, d, 2) = 1000.129f * d;
        t(2, d, 3) = 2.5f * d;
    }
    Menu_VarList &w = b.Ouvre();
    w.SSTab1()->setCurrentIndex(0);
    // Two steps of the spinner: station 20 mm, index 2.
    QTest::mouseClick(w.UpDown2()->boutonHaut(), Qt::LeftButton);
    QTest::mouseClick(w.UpDown2()->boutonHaut(), Qt::LeftButton);
    EXPECT_EQ(w.Text3()->text(), "20");
    ASSERT_EQ(w.List2()->count(), 5); // sheer to keel, the keel row included
    EXPECT_EQ(w.List2()->currentRow(), 0);
    EXPECT_EQ(w.List2()->item(1)->text(),
              "1\t" + Simple(30.45f) + "\t" + Simple(1000.12f) + "\t" + Simple(2.5f));
    EXPECT_EQ(w.List2()->item(4)->text(), "4\t0\t" + Simple(4000.51f) + "\t10");

    // 15 and 25 both give index 2 (halves to even).
    for (const char *texte : {"15", "25"}) {
        Tape(w.Text3(), texte);
        emit w.UpDown2()->MouseUp();
        EXPECT_EQ(w.List2()->count(), 5) << texte;
    }
    // Beyond the bow the table holds zeros: one row, selected.
    Tape(w.Text3(), "1500");
    emit w.UpDown2()->MouseUp();
    ASSERT_EQ(w.List2()->count(), 1);
    EXPECT_EQ(w.List2()->item(0)->text(), "0\t0\t0\t0");
    EXPECT_EQ(w.List2()->currentRow(), 0);
    // Outside the table, or not a number: the list stays empty.
    for (const char *texte : {"2006", "-6", "abc", "", "1e300"}) {
        Tape(w.Text3(), texte);
        emit w.UpDown2()->MouseUp();
        EXPECT_EQ(w.List2()->count(), 0) << texte;
    }
}

TEST(Menu_VarList, LaFlecheRepartDeLaStationTapee) {
    Banc b;
    Menu_VarList &w = b.Ouvre();
    w.SSTab1()->setCurrentIndex(0);
    QTest::mouseClick(w.UpDown2()->boutonHaut(), Qt::LeftButton);
    EXPECT_EQ(w.Text3()->text(), "10");
    // A station typed in the box is where the next step of the arrows starts.
    Tape(w.Text3(), "780");
    QTest::mouseClick(w.UpDown2()->boutonHaut(), Qt::LeftButton);
    EXPECT_EQ(w.Text3()->text(), "790");
    Tape(w.Text3(), "500");
    QTest::mouseClick(w.UpDown2()->boutonBas(), Qt::LeftButton);
    EXPECT_EQ(w.Text3()->text(), "490");
    // Not a number: the arrows go on from where they were.
    Tape(w.Text3(), "abc");
    QTest::mouseClick(w.UpDown2()->boutonHaut(), Qt::LeftButton);
    EXPECT_EQ(w.Text3()->text(), "500");
}

TEST(Menu_VarList, SectionTropProfondeArreteeALaLigne200) {
    Banc b;
    for (int d = 0; d <= 300; ++d)
        b.e.Tab_Carene(5, d, 1) = 1.f;
    Menu_VarList &w = b.Ouvre();
    Tape(w.Text3(), "50");
    emit w.UpDown2()->MouseUp();
    EXPECT_EQ(w.List2()->count(), 201);
    EXPECT_EQ(w.List2()->currentRow(), -1);
}
