// The help topics' rich-text reader: formatting runs, characters, damaged input.
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <gtest/gtest.h>
#include <random>

#include "platform/Lecteur_RTF.h"

using namespace gabarit;

namespace {
std::vector<Paragraphe_RTF> Lit(const char *rtf) { return Analyse_RTF(QByteArray(rtf)); }
QString Tout(const std::vector<Paragraphe_RTF> &ps) {
    QStringList l;
    for (const auto &p : ps)
        l << p.Texte();
    return l.join(QLatin1Char('|'));
}
} // namespace

TEST(Lecteur_RTF, RunsCarryBoldItalicUnderlineAndSize) {
    const auto ps = Lit("{\\rtf1\\ansi\\deff0 Normal {\\b gras} puis \\i italique\\i0 , "
                        "\\ul soulign\\ulnone\\fs36 grand\\par}");
    ASSERT_EQ(ps.size(), 1u);
    const auto &s = ps[0].segments;
    ASSERT_EQ(s.size(), 7u);
    EXPECT_EQ(s[0].texte, "Normal ");
    EXPECT_FALSE(s[0].gras);
    EXPECT_DOUBLE_EQ(s[0].taille_pt, 12.0);
    EXPECT_EQ(s[1].texte, "gras");
    EXPECT_TRUE(s[1].gras);
    EXPECT_EQ(s[2].texte, " puis "); // the group closed: bold is off again
    EXPECT_FALSE(s[2].gras);
    EXPECT_EQ(s[3].texte, "italique");
    EXPECT_TRUE(s[3].italique);
    EXPECT_EQ(s[4].texte, ", ");
    EXPECT_FALSE(s[4].italique);
    EXPECT_EQ(s[5].texte, "soulign");
    EXPECT_TRUE(s[5].souligne);
    EXPECT_EQ(s[6].texte, "grand");
    EXPECT_FALSE(s[6].souligne);
    EXPECT_DOUBLE_EQ(s[6].taille_pt, 18.0);
}

TEST(Lecteur_RTF, PlainResetsAndParagraphsSplit) {
    const auto ps = Lit("{\\rtf1 {\\b\\i\\fs40 A\\plain B}\\par\\qc\\sa120 C\\par\\pard D}");
    ASSERT_EQ(ps.size(), 3u);
    EXPECT_EQ(ps[1].espace_apres, 120);
    EXPECT_EQ(ps[2].espace_apres, 0);
    EXPECT_EQ(ps[0].segments[0].texte, "A");
    EXPECT_TRUE(ps[0].segments[0].gras && ps[0].segments[0].italique);
    EXPECT_DOUBLE_EQ(ps[0].segments[0].taille_pt, 20.0);
    EXPECT_EQ(ps[0].segments[1].texte, "B");
    EXPECT_FALSE(ps[0].segments[1].gras || ps[0].segments[1].italique);
    EXPECT_DOUBLE_EQ(ps[0].segments[1].taille_pt, 12.0);
    EXPECT_EQ(ps[1].Texte(), "C");
    EXPECT_EQ(ps[1].alignement, Paragraphe_RTF::Alignement::Centre);
    EXPECT_EQ(ps[2].Texte(), "D");
    EXPECT_EQ(ps[2].alignement, Paragraphe_RTF::Alignement::Gauche);
}

TEST(Lecteur_RTF, EightBitAndUnicodeCharactersGiveTheSameLetters) {
    const QString e = QString::fromUtf8("é");
    EXPECT_EQ(Tout(Lit("{\\rtf1\\ansi\\ansicpg1252 \\'e9}")), e);
    EXPECT_EQ(Tout(Lit("{\\rtf1 \\u233?}")), e);              // the stand-in '?' is skipped
    EXPECT_EQ(Tout(Lit("{\\rtf1 \\u233\\'e9 t}")), e + " t"); // so is an escaped stand-in
    EXPECT_EQ(Tout(Lit("{\\rtf1\\uc0 \\u233 x}")), e + "x");  // no stand-in at all
    EXPECT_EQ(Tout(Lit("{\\rtf1\\uc2 \\u8364 ab c}")), QString(QChar(0x20AC)) + " c");
    EXPECT_EQ(Tout(Lit("{\\rtf1 \\u-4064 ?}")), QString(QChar(0xF020))); // signed 16-bit
    // Windows-1252 letters that Latin-1 lacks, and raw 8-bit bytes in the text.
    EXPECT_EQ(Tout(Lit("{\\rtf1 \\'80\\'85\\'9c}")), QString::fromUtf8("€…œ"));
    EXPECT_EQ(Tout(Lit("{\\rtf1 D\xe9placement}")), QString::fromUtf8("Déplacement"));
    EXPECT_EQ(Tout(Lit("{\\rtf1 \\{a\\}\\\\ \\~b\\tab c\\line d}")),
              QString::fromUtf8("{a}\\ \u00a0b\tc\u2028d"));
}

TEST(Lecteur_RTF, HeaderTablesAndIgnorableGroupsAreNotShown) {
    const auto ps = Lit("{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Times;}}"
                        "{\\colortbl;\\red255\\green0\\blue0;}{\\stylesheet{\\s0 Normal;}}"
                        "{\\info{\\title Titre}{\\author Personne}}{\\*\\generator Outil;}"
                        "{\\*\\unknowndest cache}\\f0\\fs20 Vu{\\field{\\*\\fldinst HYPERLINK x}"
                        "{\\fldrslt  lien}}\\par}");
    EXPECT_EQ(Tout(ps), "Vu lien");
}

TEST(Lecteur_RTF, DamagedInputEndsWithoutCrashOrHang) {
    // Truncated in every possible place: each prefix reads to a result.
    const QByteArray bon("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\b Titre\\b0\\par "
                         "Caract\\'e8re \\u233? {\\i fin}\\par}");
    for (int n = 0; n <= bon.size(); ++n)
        Analyse_RTF(bon.left(n));
    EXPECT_EQ(Tout(Analyse_RTF(bon.left(bon.size() - 8))),
              QString::fromUtf8("Titre|Caractère é f"));
    // Unclosed groups: the text read so far is kept.
    EXPECT_EQ(Tout(Lit("{\\rtf1 {\\b {\\i texte")), "texte");
    // Extra closing braces end the document, never pop below it.
    EXPECT_EQ(Tout(Lit("{\\rtf1 a}} b}")), "a");
    // Escapes cut short, absurd parameters and a binary blob longer than the file.
    EXPECT_EQ(Tout(Lit("{\\rtf1 x\\'e")), "x");
    EXPECT_EQ(Tout(Lit("{\\rtf1 x\\")), "x");
    EXPECT_EQ(Tout(Lit("{\\rtf1 \\fs99999999999999999999 y\\u99999999999999 ?z}")), "yz");
    EXPECT_EQ(Tout(Lit("{\\rtf1 a{\\*\\blipuid \\bin900000 zz}")), "a");
    EXPECT_EQ(Tout(Lit("{\\rtf1 \\uc99999 \\u233 abc}")), QString::fromUtf8("ébc"));
    // Deep nesting reads in one pass.
    QByteArray profond("{\\rtf1 ");
    profond += QByteArray(100000, '{') + "fond" + QByteArray(100000, '}') + "}";
    EXPECT_EQ(Tout(Analyse_RTF(profond)), "fond");
}

TEST(Lecteur_RTF, NonRichTextIsShownAsPlainLines) {
    const auto ps = Analyse_RTF(QByteArray("Ligne un\r\nLigne d\xe9ux\nfin"));
    ASSERT_EQ(ps.size(), 3u);
    EXPECT_EQ(ps[1].Texte(), QString::fromUtf8("Ligne déux"));
    EXPECT_TRUE(Analyse_RTF(QByteArray()).empty());
}

TEST(Lecteur_RTF, DocumentKeepsParagraphsAndCharacterFormats) {
    QTextDocument doc;
    doc.setPlainText("ancien contenu");
    Remplit_Document(doc, Lit("{\\rtf1 {\\b\\fs32 Titre}\\par\\qr Texte {\\ul vu}\\par}"));
    ASSERT_EQ(doc.blockCount(), 2);
    QTextBlock b = doc.firstBlock();
    EXPECT_EQ(b.text(), "Titre");
    QTextFragment f = b.begin().fragment();
    EXPECT_EQ(f.charFormat().fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(f.charFormat().fontPointSize(), 16.0);
    b = b.next();
    EXPECT_EQ(b.text(), "Texte vu");
    EXPECT_TRUE(b.blockFormat().alignment() & Qt::AlignRight);
    QTextBlock::iterator it = b.begin();
    EXPECT_FALSE(it.fragment().charFormat().fontUnderline());
    ++it;
    EXPECT_EQ(it.fragment().text(), "vu");
    EXPECT_TRUE(it.fragment().charFormat().fontUnderline());
}

TEST(Lecteur_RTF, LongTopicFilledInOneEdit) {
    // 400 paragraphs of mixed formats: the document is laid out once, at the end, rather than
    // after each of its 1200 insertions.
    QByteArray rtf("{\\rtf1 ");
    for (int i = 0; i < 400; ++i)
        rtf += "Ligne {\\b grasse} et {\\i penchee}\\par ";
    rtf += "}";
    QTextDocument doc;
    doc.setPlainText("ancien contenu");
    int changements = 0;
    QObject::connect(&doc, &QTextDocument::contentsChanged, [&] { ++changements; });
    Remplit_Document(doc, Analyse_RTF(rtf));
    EXPECT_EQ(doc.blockCount(), 400);
    EXPECT_EQ(changements, 2); // the clearing, then the whole topic
}

TEST(Lecteur_RTF, RandomTokenSoupAlwaysGivesADocument) {
    // Pieces of rich text thrown together at random: every mix must read and fill a document.
    const char *const morceaux[] = {"{",     "}",         "\\",     "\\'",    "\\'e",  "\\'e9",
                                    "\\u",   "\\u233",    "\\u-5",  "\\uc3 ", "\\bin", "\\bin3 ",
                                    "\\*",   "\\fonttbl", "\\b",    "\\b0",   "\\fs",  "\\fs99999",
                                    "\\par", "\\sa-5",    "\\pard", "\\qc",   " ",     "x",
                                    "\xe9",  "\r\n",      "123",    "-",      "\\~",   "\\\\"};
    std::mt19937 g(7);
    for (int k = 0; k < 3000; ++k) {
        QByteArray d("{\\rtf1 ");
        const int n = static_cast<int>(g() % 40);
        for (int i = 0; i < n; ++i)
            d += morceaux[g() % (sizeof(morceaux) / sizeof(*morceaux))];
        QTextDocument doc;
        Remplit_Document(doc, Analyse_RTF(d));
        ASSERT_GE(doc.blockCount(), 1);
    }
}
