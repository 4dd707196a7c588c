#pragma once
// Where every drawing goes: a picture measured in its own units (screen millimetres for the
// view windows, twips for the printer), x to the right, y downward.
#include <cstdint>
#include <string>
#include <vector>

namespace gabarit {

// Colours as RGB triples packed into one number: r + 256 g + 65536 b (255 is red, 65280
// green), the form the record and the lights use.
inline constexpr std::uint32_t RGB(int r, int g, int b) {
    return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
           (static_cast<std::uint32_t>(b) << 16);
}

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void Efface() = 0;
    virtual void Segment(double x1, double y1, double x2, double y2, std::uint32_t couleur) = 0;
    // Inner width and height of the picture, in its own units.
    virtual double Largeur() const = 0;
    virtual double Hauteur() const = 0;
    // Caption of the window that holds the picture ("Voilure" limits the profile's scale).
    virtual std::string Legende() const = 0;
};

// Keeps every segment as doubles, so drawing tests compare coordinates.
class Canvas_Enregistreur : public Canvas {
public:
    struct Trait {
        double x1, y1, x2, y2;
        std::uint32_t couleur;
    };
    Canvas_Enregistreur(double largeur, double hauteur, std::string legende = "")
        : largeur_(largeur), hauteur_(hauteur), legende_(std::move(legende)) {}

    std::vector<Trait> traits;
    int effacements = 0;

    void Efface() override {
        traits.clear();
        ++effacements;
    }
    void Segment(double x1, double y1, double x2, double y2, std::uint32_t c) override {
        traits.push_back({x1, y1, x2, y2, c});
    }
    double Largeur() const override { return largeur_; }
    double Hauteur() const override { return hauteur_; }
    std::string Legende() const override { return legende_; }

private:
    double largeur_, hauteur_;
    std::string legende_;
};

} // namespace gabarit
