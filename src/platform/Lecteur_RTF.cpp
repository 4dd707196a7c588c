#include "platform/Lecteur_RTF.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace gabarit {

QChar Caractere_1252(unsigned char o) {
    // 0x80 to 0x9F differ from Latin-1; the five holes stay as their byte value.
    static const char16_t haut[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    if (o >= 0x80 && o <= 0x9F)
        return QChar(haut[o - 0x80]);
    return QChar(static_cast<char16_t>(o));
}

QString Paragraphe_RTF::Texte() const {
    QString t;
    for (const auto &s : segments)
        t += s.texte;
    return t;
}

namespace {

struct Etat_Groupe {
    bool gras = false;
    bool italique = false;
    bool souligne = false;
    double taille_pt = 12.0;
    int uc = 1; // characters that follow a \u as its 8-bit stand-in
    Paragraphe_RTF::Alignement alignement = Paragraphe_RTF::Alignement::Gauche;
    int espace_avant = 0, espace_apres = 0;
    bool ignore = false; // inside a destination whose text is not shown
};

// Groups whose text is never shown: tables of fonts, colours and styles, document
// information, pictures, headers and footers, and field instructions.
bool Est_Destination_Ignoree(const QByteArray &mot) {
    static const char *const noms[] = {
        "fonttbl",   "colortbl",          "stylesheet",   "info",      "pict",
        "header",    "headerl",           "headerr",      "headerf",   "footer",
        "footerl",   "footerr",           "footerf",      "fldinst",   "object",
        "listtable", "listoverridetable", "rsidtbl",      "generator", "filetbl",
        "revtbl",    "xmlnstbl",          "latentstyles", "themedata", "colorschememapping",
        "datastore", "footnote",          "annotation",   "author",    "operator",
        "title",     "subject",           "keywords",     "comment",   "doccomm",
        "company",   "nonshppict",        "shp",          "pgdsctbl",  "mmathPr"};
    for (const char *n : noms)
        if (mot == n)
            return true;
    return false;
}

class Analyseur {
public:
    explicit Analyseur(const QByteArray &d) : d_(d) {}

    std::vector<Paragraphe_RTF> Lit() {
        pile_.push_back(Etat_Groupe{});
        int i = 0;
        const int n = static_cast<int>(d_.size());
        // Skip what precedes the document's opening brace.
        while (i < n && d_[i] != '{')
            ++i;
        bool ouvert = false;
        while (i < n) {
            const unsigned char c = static_cast<unsigned char>(d_[i]);
            if (c == '{') {
                pile_.push_back(pile_.back());
                a_sauter_ = 0;
                ouvert = true;
                ++i;
            } else if (c == '}') {
                a_sauter_ = 0;
                ++i;
                if (pile_.size() > 1)
                    pile_.pop_back();
                if (ouvert && pile_.size() == 1)
                    break; // the document's own group is closed: the rest is not text
            } else if (c == '\\') {
                i = Controle(i + 1);
            } else if (c == '\r' || c == '\n' || c == 0) {
                ++i;
            } else {
                Caractere(Caractere_1252(c));
                ++i;
            }
        }
        Fin_Paragraphe(true);
        return std::move(paragraphes_);
    }

private:
    Etat_Groupe &G() { return pile_.back(); }

    static bool Lettre(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool Chiffre(char c) { return c >= '0' && c <= '9'; }
    static int Hexa(char c) {
        if (Chiffre(c))
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    // Reads what follows a backslash at i; returns the index after it.
    int Controle(int i) {
        const int n = static_cast<int>(d_.size());
        if (i >= n)
            return i; // a file cut just after a backslash
        const char c = d_[i];
        if (!Lettre(c)) {
            return Symbole(i);
        }
        int debut = i;
        while (i < n && Lettre(d_[i]))
            ++i;
        QByteArray mot = d_.mid(debut, std::min(i - debut, 32));
        bool a_param = false;
        long long param = 0;
        bool negatif = false;
        if (i < n && d_[i] == '-' && i + 1 < n && Chiffre(d_[i + 1])) {
            negatif = true;
            ++i;
        }
        int chiffres = 0;
        while (i < n && Chiffre(d_[i])) {
            // Absurdly long numbers are cut, not overflowed.
            if (chiffres < 10)
                param = param * 10 + (d_[i] - '0');
            ++chiffres;
            a_param = true;
            ++i;
        }
        if (negatif)
            param = -param;
        if (i < n && d_[i] == ' ')
            ++i; // the delimiting blank belongs to the control word
        if (mot == "bin") {
            // Raw bytes follow: never read them as text.
            const long long saut = a_param && param > 0 ? param : 0;
            return static_cast<int>(std::min<long long>(n, i + saut));
        }
        Mot(mot, a_param,
            static_cast<int>(std::clamp<long long>(param, -2147483647LL, 2147483647LL)));
        return i;
    }

    int Symbole(int i) {
        const int n = static_cast<int>(d_.size());
        const char c = d_[i];
        switch (c) {
        case '\\':
        case '{':
        case '}':
            Caractere(QChar(static_cast<char16_t>(static_cast<unsigned char>(c))));
            return i + 1;
        case '\'': {
            if (i + 2 >= n)
                return n; // cut in the middle of the escape
            const int h = Hexa(d_[i + 1]), l = Hexa(d_[i + 2]);
            if (h >= 0 && l >= 0)
                Caractere(Caractere_1252(static_cast<unsigned char>(h * 16 + l)));
            return i + 3;
        }
        case '~':
            Caractere(QChar(0x00A0));
            return i + 1;
        case '_':
            Caractere(QChar(0x2011));
            return i + 1;
        case '-':
            if (a_sauter_ > 0)
                --a_sauter_;
            return i + 1; // optional hyphen: not shown
        case '*':
            etoile_ = true;
            return i + 1;
        case '\r':
        case '\n':
            Mot("par", false, 0);
            return i + 1;
        case '\t':
            Caractere(QChar('\t'));
            return i + 1;
        default:
            return i + 1;
        }
    }

    void Mot(const QByteArray &mot, bool a_param, int p) {
        const bool etoile = etoile_;
        etoile_ = false;
        if (etoile || Est_Destination_Ignoree(mot)) {
            G().ignore = true;
            return;
        }
        if (a_sauter_ > 0) {
            // A control word standing in for the previous \u character.
            --a_sauter_;
            return;
        }
        Etat_Groupe &g = G();
        const bool actif = !a_param || p != 0;
        if (mot == "par" || mot == "sect" || mot == "page" || mot == "row") {
            Fin_Paragraphe(false);
        } else if (mot == "line") {
            Caractere(QChar(QChar::LineSeparator));
        } else if (mot == "tab" || mot == "cell") {
            Caractere(QChar('\t'));
        } else if (mot == "b") {
            g.gras = actif;
        } else if (mot == "i") {
            g.italique = actif;
        } else if (mot == "ul" || mot == "uld" || mot == "uldb" || mot == "ulw" ||
                   mot == "uldash" || mot == "ulwave" || mot == "ulth") {
            g.souligne = actif;
        } else if (mot == "ulnone") {
            g.souligne = false;
        } else if (mot == "fs") {
            // Half points; a size of nothing or of hundreds of points is a damaged file.
            if (a_param && p > 0 && p <= 1000)
                g.taille_pt = p / 2.0;
        } else if (mot == "plain") {
            g.gras = g.italique = g.souligne = false;
            g.taille_pt = 12.0;
        } else if (mot == "pard") {
            g.alignement = Paragraphe_RTF::Alignement::Gauche;
            g.espace_avant = g.espace_apres = 0;
        } else if (mot == "sb" || mot == "sa") {
            // Twips; anything beyond a page is a damaged file.
            const int e = a_param ? std::clamp(p, 0, 14400) : 0;
            (mot == "sb" ? g.espace_avant : g.espace_apres) = e;
        } else if (mot == "ql") {
            g.alignement = Paragraphe_RTF::Alignement::Gauche;
        } else if (mot == "qc") {
            g.alignement = Paragraphe_RTF::Alignement::Centre;
        } else if (mot == "qr") {
            g.alignement = Paragraphe_RTF::Alignement::Droite;
        } else if (mot == "qj") {
            g.alignement = Paragraphe_RTF::Alignement::Justifie;
        } else if (mot == "uc") {
            if (a_param && p >= 0 && p <= 10)
                g.uc = p;
        } else if (mot == "u") {
            if (a_param) {
                int code = p < 0 ? p + 65536 : p;
                if (code > 0 && code <= 0xFFFF)
                    Caractere(QChar(static_cast<char16_t>(code)));
                a_sauter_ = g.uc;
            }
        } else if (mot == "emdash") {
            Caractere(QChar(0x2014));
        } else if (mot == "endash") {
            Caractere(QChar(0x2013));
        } else if (mot == "lquote") {
            Caractere(QChar(0x2018));
        } else if (mot == "rquote") {
            Caractere(QChar(0x2019));
        } else if (mot == "ldblquote") {
            Caractere(QChar(0x201C));
        } else if (mot == "rdblquote") {
            Caractere(QChar(0x201D));
        } else if (mot == "bullet") {
            Caractere(QChar(0x2022));
        }
        // Any other word changes nothing that the help viewer shows.
    }

    void Caractere(QChar ch) {
        if (G().ignore)
            return;
        if (a_sauter_ > 0) {
            --a_sauter_;
            return;
        }
        const Etat_Groupe &g = G();
        auto &segs = courant_.segments;
        if (!segs.empty()) {
            Segment_RTF &s = segs.back();
            if (s.gras == g.gras && s.italique == g.italique && s.souligne == g.souligne &&
                s.taille_pt == g.taille_pt) {
                s.texte += ch;
                return;
            }
        }
        Segment_RTF s;
        s.texte = QString(ch);
        s.gras = g.gras;
        s.italique = g.italique;
        s.souligne = g.souligne;
        s.taille_pt = g.taille_pt;
        segs.push_back(std::move(s));
    }

    void Fin_Paragraphe(bool fin_document) {
        // A file cut inside a skipped group still keeps the text read before it.
        if (G().ignore && !fin_document)
            return;
        // The text after the last paragraph mark is a paragraph only if it holds something.
        if (fin_document && courant_.segments.empty())
            return;
        courant_.alignement = G().alignement;
        courant_.espace_avant = G().espace_avant;
        courant_.espace_apres = G().espace_apres;
        paragraphes_.push_back(std::move(courant_));
        courant_ = Paragraphe_RTF{};
    }

    const QByteArray &d_;
    std::vector<Etat_Groupe> pile_;
    std::vector<Paragraphe_RTF> paragraphes_;
    Paragraphe_RTF courant_;
    int a_sauter_ = 0;
    bool etoile_ = false;
};

std::vector<Paragraphe_RTF> Texte_Simple(const QByteArray &d) {
    std::vector<Paragraphe_RTF> r;
    Paragraphe_RTF p;
    QString ligne;
    auto fin = [&] {
        Paragraphe_RTF q;
        if (!ligne.isEmpty()) {
            Segment_RTF s;
            s.texte = ligne;
            q.segments.push_back(s);
        }
        r.push_back(std::move(q));
        ligne.clear();
    };
    for (int i = 0; i < d.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(d[i]);
        if (c == '\r') {
            fin();
            if (i + 1 < d.size() && d[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            fin();
        } else if (c != 0) {
            ligne += Caractere_1252(c);
        }
    }
    if (!ligne.isEmpty())
        fin();
    return r;
}

} // namespace

std::vector<Paragraphe_RTF> Analyse_RTF(const QByteArray &tout) {
    // A help topic is a few kilobytes: past 64 MB a file is not one, and the reader's
    // indexes stay well inside an int.
    constexpr qsizetype MAXIMUM = 64 * 1024 * 1024;
    const QByteArray rtf = tout.size() > MAXIMUM ? tout.left(MAXIMUM) : tout;
    int debut = 0;
    while (debut < rtf.size() &&
           (rtf[debut] == ' ' || rtf[debut] == '\r' || rtf[debut] == '\n' || rtf[debut] == '\t'))
        ++debut;
    if (!rtf.mid(debut, 5).startsWith("{\\rtf"))
        return Texte_Simple(rtf);
    Analyseur a(rtf);
    return a.Lit();
}

void Remplit_Document(QTextDocument &doc, const std::vector<Paragraphe_RTF> &paragraphes) {
    doc.clear();
    QTextCursor c(&doc);
    // One edit block: the layout runs once at its end, not after every insertion (a topic of
    // a few hundred kilobytes would otherwise take tens of seconds).
    c.beginEditBlock();
    bool premier = true;
    for (const auto &p : paragraphes) {
        QTextBlockFormat bf;
        switch (p.alignement) {
        case Paragraphe_RTF::Alignement::Gauche:
            bf.setAlignment(Qt::AlignLeft);
            break;
        case Paragraphe_RTF::Alignement::Centre:
            bf.setAlignment(Qt::AlignHCenter);
            break;
        case Paragraphe_RTF::Alignement::Droite:
            bf.setAlignment(Qt::AlignRight);
            break;
        case Paragraphe_RTF::Alignement::Justifie:
            bf.setAlignment(Qt::AlignJustify);
            break;
        }
        // Twips to points, the unit of the document's margins.
        bf.setTopMargin(p.espace_avant / 20.0);
        bf.setBottomMargin(p.espace_apres / 20.0);
        if (premier)
            c.setBlockFormat(bf);
        else
            c.insertBlock(bf);
        premier = false;
        for (const auto &s : p.segments) {
            QTextCharFormat f;
            f.setFontWeight(s.gras ? QFont::Bold : QFont::Normal);
            f.setFontItalic(s.italique);
            f.setFontUnderline(s.souligne);
            f.setFontPointSize(s.taille_pt);
            c.insertText(s.texte, f);
        }
    }
    c.endEditBlock();
}

} // namespace gabarit
