#pragma once
// The drag box of the section-shape editor: a 1815-twip square with a fixed target (three
// circles and the two diagonals) and a red marker. Mouse positions are reported in twips of
// the box, y downward; the window maps them to the section law's pair (a, b).
#include <QWidget>

namespace gabarit {

// Marker place (twips, top left corner) of a pair, and the pair of a place.
inline double Editeur_X_De_A(double a) { return a * 1000; }
inline double Editeur_Y_De_B(double b) { return b * 400 + 500; }
inline double Editeur_A_De_X(double x) { return x / 1000; }
inline double Editeur_B_De_Y(double y) { return (y - 500) / 400; }

class Editeur_Forme : public QWidget {
    Q_OBJECT
public:
    static constexpr double COTE = 1815;    // side of the box, twips
    static constexpr double MARQUEUR = 135; // marker diameter, twips

    explicit Editeur_Forme(QWidget *parent = nullptr);

    // The marker Shape1, placed by its top left corner in twips.
    QWidget *Marqueur() const { return marqueur_; }
    void Place_Marqueur(double x, double y);
    double X_Marqueur() const { return x_; }
    double Y_Marqueur() const { return y_; }

signals:
    void Souris_Deplacee(Qt::MouseButtons boutons, double x, double y);
    void Souris_Relachee();

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseMoveEvent(QMouseEvent *ev) override;
    void mouseReleaseEvent(QMouseEvent *ev) override;

private:
    QWidget *marqueur_;
    double x_ = 0, y_ = 0;
};

} // namespace gabarit
