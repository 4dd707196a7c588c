#pragma once
// A small reader of rich-text files, enough for the help topics: bold, italic, underline,
// font size, paragraphs and their alignment, 8-bit (Windows-1252) and Unicode characters.
// Tables, pictures, fonts and colours are skipped. Any input, however damaged, gives a
// document: a missing brace or a file cut short loses only what is missing.
#include <QByteArray>
#include <QString>
#include <vector>

class QTextDocument;

namespace gabarit {

struct Segment_RTF {
    QString texte;
    bool gras = false;
    bool italique = false;
    bool souligne = false;
    double taille_pt = 12.0; // rich text counts in half points; \fs24 is 12 pt
};

struct Paragraphe_RTF {
    enum class Alignement { Gauche, Centre, Droite, Justifie };
    Alignement alignement = Alignement::Gauche;
    int espace_avant = 0;              // twips (\sb), space above the paragraph
    int espace_apres = 0;              // twips (\sa), space below it
    std::vector<Segment_RTF> segments; // neighbours with the same format are merged
    QString Texte() const;
};

// Reads a rich-text file's bytes. A text that does not start with "{\rtf" is taken as plain
// Windows-1252 text, one paragraph per line.
std::vector<Paragraphe_RTF> Analyse_RTF(const QByteArray &rtf);

// Replaces the document's content with the paragraphs.
void Remplit_Document(QTextDocument &doc, const std::vector<Paragraphe_RTF> &paragraphes);

// Windows-1252 byte to its character (0x81, 0x8D, 0x8F, 0x90, 0x9D have none: kept as is).
QChar Caractere_1252(unsigned char octet);

} // namespace gabarit
