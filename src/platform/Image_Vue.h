#pragma once
// The picture of a view window: a canvas in screen millimetres over a persistent image,
// so the view survives being covered and can be copied to the clipboard.
#include <QImage>
#include <QLineF>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

#include "interfaces/Canvas.h"

class QPainter;

namespace gabarit {

class Image_Vue : public QWidget, public Canvas {
    Q_OBJECT
public:
    explicit Image_Vue(QWidget *parent = nullptr);
    ~Image_Vue() override;

    // Canvas: millimetres of the screen, x to the right, y downward.
    void Efface() override;
    void Segment(double x1, double y1, double x2, double y2, std::uint32_t couleur) override;
    double Largeur() const override;
    double Hauteur() const override;
    // Caption of the window that holds the picture.
    std::string Legende() const override;

    // The persistent image as drawn so far.
    QImage Image();
    // Puts the segments still waiting onto the image (a drawing is done).
    void Acheve_Traits();
    // Puts the persistent image on the clipboard; false when it could not be placed.
    bool Copie_Presse_Papier();
    // Measures the picture in pixels rather than screen millimetres (the foil and bulb
    // pictures are laid out in pixels).
    void Mesure_En_Pixels() { pixels_par_unite_ = 1; }
    // Number of clears so far (tests see whether a view was redrawn).
    int Effacements() const { return effacements_; }
    // Colour a clear paints (white unless a chart wants a dark ground for light curves).
    void Fixe_Fond(const QColor &fond);

signals:
    void Clic();
    void Double_Clic();

protected:
    void paintEvent(QPaintEvent *ev) override;
    void resizeEvent(QResizeEvent *ev) override;
    void mousePressEvent(QMouseEvent *ev) override;
    void mouseReleaseEvent(QMouseEvent *ev) override;
    void mouseDoubleClickEvent(QMouseEvent *ev) override;

private:
    void Termine_Peintre();
    void Ajuste_Image();
    void Remplit_Fond();
    void Efface_Blocs();
    void Marque_Blocs(double x1, double y1, double x2, double y2);
    void Demande_Peinture();

    QImage image_;
    std::unique_ptr<QPainter> peintre_; // kept open across the segments of one drawing
    // Segments of one colour waiting to be drawn: a drawing makes thousands of short ones,
    // and the painter's cost per call outweighs the few pixels of each.
    std::vector<QLineF> lot_;
    std::uint32_t couleur_lot_ = 0;
    std::uint32_t couleur_stylo_ = 0;
    bool stylo_pret_ = false;
    // Blocks of the image drawn on since it was last all ground: a clear repaints only them.
    std::vector<unsigned char> blocs_;
    int blocs_x_ = 0, blocs_y_ = 0;
    bool blocs_sales_ = false;
    // A repaint of the whole picture is already asked and not done yet.
    bool peinture_demandee_ = false;
    bool presse_ = false;
    int effacements_ = 0;
    QColor fond_ = Qt::white;
    double pixels_par_unite_;
};

} // namespace gabarit
