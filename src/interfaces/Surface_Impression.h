#pragma once
// Where every template goes: one sheet of the printer, in twips (1440 per inch), the origin
// at the top-left corner of the printable area and y downward. Drawing on it starts a job;
// Fin_Document sends the sheet and the next drawing starts another job.
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace gabarit {

class Surface_Impression {
public:
    virtual ~Surface_Impression() = default;
    // A straight black line between two points of the sheet, in twips.
    virtual void Ligne(float x1, float y1, float x2, float y2) = 0;
    // One line of text (UTF-8) at the current text position, which starts at the top-left
    // corner of each sheet and moves down one line after each text.
    virtual void Texte(const std::string &ligne) = 0;
    // Ends the job: the sheet goes out.
    virtual void Fin_Document() = 0;
    // Drops the job under way: nothing of it comes out. Never throws.
    virtual void Abandonne() noexcept = 0;
    // A number as the user's regional format writes it (the numbers of the header lines).
    virtual std::string Nombre(double v) const = 0;
};

// Keeps every sheet with its texts and lines, for tests and benchmarks. It can be told to
// fail as a printer would, after a given number of lines.
class Surface_Enregistreur : public Surface_Impression {
public:
    struct Trait {
        float x1, y1, x2, y2;
    };
    struct Feuille {
        std::vector<std::string> textes;
        std::vector<Trait> traits;
        bool terminee = false;
        bool abandonnee = false;
    };

    std::vector<Feuille> feuilles;
    char separateur_decimal = '.'; // the regional format's decimal separator
    long echec_apres = -1;         // lines accepted before the "printer" fails; -1 never

    void Ligne(float x1, float y1, float x2, float y2) override {
        if (echec_apres >= 0 && lignes_ >= echec_apres)
            throw std::runtime_error("Erreur de l'imprimante");
        ++lignes_;
        Courante().traits.push_back({x1, y1, x2, y2});
    }
    void Texte(const std::string &ligne) override { Courante().textes.push_back(ligne); }
    void Fin_Document() override {
        Courante().terminee = true;
        ouverte_ = false;
    }
    void Abandonne() noexcept override {
        if (ouverte_)
            feuilles.back().abandonnee = true;
        ouverte_ = false;
    }
    std::string Nombre(double v) const override {
        char texte[40];
        std::snprintf(texte, sizeof texte, "%.15g", v == 0 ? 0.0 : v);
        std::string s = texte;
        for (char &c : s)
            if (c == '.')
                c = separateur_decimal;
        return s;
    }

    // Sheets that went out whole.
    int Terminees() const {
        int n = 0;
        for (const Feuille &f : feuilles)
            n += f.terminee;
        return n;
    }

private:
    Feuille &Courante() {
        if (!ouverte_) {
            feuilles.emplace_back();
            ouverte_ = true;
        }
        return feuilles.back();
    }
    bool ouverte_ = false;
    long lignes_ = 0;
};

} // namespace gabarit
