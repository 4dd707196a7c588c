#include "platform/Image_Vue.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <cstring>

#include "model/Registres.h"
#include "platform/Twips.h"

namespace gabarit {

namespace {

QColor Couleur(std::uint32_t c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

// A drawing far off the picture (a huge scale from a tiny zoom) must not upset the painter.
bool Raisonnable(double v) { return std::isfinite(v) && std::fabs(v) < 1e6; }

// Side of the blocks a clear repaints, pixels.
constexpr int BLOC = 16;
// Pixels a one-pixel line may reach beyond its ends' pixels, with room to spare.
constexpr int MARGE = 2;
// Segments kept waiting at most.
constexpr std::size_t LOT_MAX = 4096;

} // namespace

Image_Vue::Image_Vue(QWidget *parent) : QWidget(parent), pixels_par_unite_(PIXELS_PAR_MM) {
    setObjectName(QStringLiteral("Picture1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    Ajuste_Image();
}

Image_Vue::~Image_Vue() { Termine_Peintre(); }

void Image_Vue::Termine_Peintre() {
    if (peintre_) {
        peintre_->end();
        peintre_.reset();
        stylo_pret_ = false;
    }
}

void Image_Vue::Ajuste_Image() {
    const QSize taille(std::max(1, width()), std::max(1, height()));
    if (image_.size() == taille)
        return;
    Termine_Peintre();
    // What waited was meant for the picture that is dropped.
    lot_.clear();
    QImage nouvelle(taille, QImage::Format_RGB32);
    image_ = nouvelle;
    blocs_x_ = (taille.width() + BLOC - 1) / BLOC;
    blocs_y_ = (taille.height() + BLOC - 1) / BLOC;
    blocs_.assign(static_cast<std::size_t>(blocs_x_) * blocs_y_, 0);
    Remplit_Fond();
}

// The whole image in the ground colour.
void Image_Vue::Remplit_Fond() {
    image_.fill(fond_);
    std::fill(blocs_.begin(), blocs_.end(), 0);
    blocs_sales_ = false;
}

// Notes the blocks a segment (picture units) may colour: in each band of blocks, those under
// the part of the segment that crosses the band, so a long slanting line does not take in
// its whole bounding box.
void Image_Vue::Marque_Blocs(double x1, double y1, double x2, double y2) {
    const double s = pixels_par_unite_;
    double ax = x1 * s, ay = y1 * s, bx = x2 * s, by = y2 * s;
    if (ay > by) {
        std::swap(ax, bx);
        std::swap(ay, by);
    }
    const int l = image_.width(), h = image_.height();
    const int gauche = static_cast<int>(std::floor(std::min(ax, bx))) - MARGE;
    const int droite = static_cast<int>(std::ceil(std::max(ax, bx))) + MARGE;
    const int haut = static_cast<int>(std::floor(ay)) - MARGE;
    const int bas = static_cast<int>(std::ceil(by)) + MARGE;
    if (droite < 0 || bas < 0 || gauche >= l || haut >= h)
        return; // wholly off the picture
    const int bande0 = std::max(haut, 0) / BLOC, bande1 = std::min(bas, h - 1) / BLOC;
    const double pente = by > ay ? (bx - ax) / (by - ay) : 0; // used where by > ay
    for (int bande = bande0; bande <= bande1; ++bande) {
        int x0 = gauche, x1 = droite;
        if (bande0 < bande1 && by > ay) {
            // The rows of the band and the margin about them, met by the segment.
            const double ya = std::clamp<double>(bande * BLOC - MARGE, ay, by);
            const double yb = std::clamp<double>((bande + 1) * BLOC + MARGE, ay, by);
            const double xa = ax + (ya - ay) * pente, xb = ax + (yb - ay) * pente;
            x0 = std::max(x0, static_cast<int>(std::floor(std::min(xa, xb))) - MARGE);
            x1 = std::min(x1, static_cast<int>(std::ceil(std::max(xa, xb))) + MARGE);
        }
        if (x1 < 0 || x0 >= l)
            continue;
        unsigned char *rang = blocs_.data() + static_cast<std::size_t>(bande) * blocs_x_;
        std::fill(rang + std::max(x0, 0) / BLOC, rang + std::min(x1, l - 1) / BLOC + 1, 1);
    }
    blocs_sales_ = true;
}

// Puts the ground back on the blocks drawn on since the image was last all ground: the rest
// is ground already.
void Image_Vue::Efface_Blocs() {
    const int l = image_.width(), h = image_.height();
    // One row of ground, copied over each row of the blocks.
    QImage fond(l, 1, QImage::Format_RGB32);
    fond.fill(fond_);
    const QRgb *rang_fond = reinterpret_cast<const QRgb *>(fond.constScanLine(0));
    uchar *pixels = image_.bits();
    const qsizetype pas = image_.bytesPerLine();
    for (int by = 0; by < blocs_y_; ++by) {
        const unsigned char *rang = blocs_.data() + static_cast<std::size_t>(by) * blocs_x_;
        for (int bx = 0; bx < blocs_x_;) {
            if (!rang[bx]) {
                ++bx;
                continue;
            }
            int fin = bx;
            while (fin < blocs_x_ && rang[fin])
                ++fin;
            const int x0 = bx * BLOC, x1 = std::min(fin * BLOC, l);
            const int y1 = std::min((by + 1) * BLOC, h);
            for (int y = by * BLOC; y < y1; ++y)
                std::memcpy(pixels + y * pas + x0 * sizeof(QRgb), rang_fond + x0,
                            static_cast<std::size_t>(x1 - x0) * sizeof(QRgb));
            bx = fin;
        }
    }
    std::fill(blocs_.begin(), blocs_.end(), 0);
    blocs_sales_ = false;
}

void Image_Vue::Demande_Peinture() {
    // Until the picture is painted, the whole of it is already to be repainted.
    if (peinture_demandee_)
        return;
    update();
    peinture_demandee_ = isVisible() && updatesEnabled();
}

void Image_Vue::Efface() {
    ++effacements_;
    Termine_Peintre();
    // Segments not drawn yet would be covered at once.
    lot_.clear();
    Ajuste_Image();
    if (blocs_sales_)
        Efface_Blocs();
    Demande_Peinture();
    Libere_Registres();
}

void Image_Vue::Segment(double x1, double y1, double x2, double y2, std::uint32_t couleur) {
    if (!Raisonnable(x1) || !Raisonnable(y1) || !Raisonnable(x2) || !Raisonnable(y2))
        return;
    Ajuste_Image();
    if (!lot_.empty() && couleur != couleur_lot_)
        Acheve_Traits();
    if (lot_.empty())
        couleur_lot_ = couleur;
    lot_.emplace_back(QPointF(x1, y1), QPointF(x2, y2));
    Marque_Blocs(x1, y1, x2, y2);
    if (lot_.size() >= LOT_MAX)
        Acheve_Traits();
    Demande_Peinture();
    Libere_Registres();
}

void Image_Vue::Acheve_Traits() {
    if (lot_.empty())
        return;
    if (!peintre_) {
        peintre_ = std::make_unique<QPainter>(&image_);
        // One unit of the drawings is a screen millimetre, or a pixel.
        peintre_->scale(pixels_par_unite_, pixels_par_unite_);
    }
    if (!stylo_pret_ || couleur_stylo_ != couleur_lot_) {
        QPen stylo(Couleur(couleur_lot_));
        stylo.setWidth(0); // cosmetic: one pixel whatever the scale
        peintre_->setPen(stylo);
        couleur_stylo_ = couleur_lot_;
        stylo_pret_ = true;
    }
    // Each line is drawn on its own, as one call per segment would draw it.
    peintre_->drawLines(lot_.data(), static_cast<int>(lot_.size()));
    lot_.clear();
    Libere_Registres();
}

void Image_Vue::Fixe_Fond(const QColor &fond) {
    fond_ = fond;
    Termine_Peintre();
    lot_.clear();
    Remplit_Fond();
    Demande_Peinture();
}

double Image_Vue::Largeur() const { return width() / pixels_par_unite_; }
double Image_Vue::Hauteur() const { return height() / pixels_par_unite_; }

std::string Image_Vue::Legende() const {
    const QWidget *p = parentWidget();
    return p ? p->windowTitle().toStdString() : std::string();
}

QImage Image_Vue::Image() {
    Acheve_Traits();
    Termine_Peintre();
    return image_;
}

bool Image_Vue::Copie_Presse_Papier() {
    QClipboard *presse = QGuiApplication::clipboard();
    if (!presse)
        return false;
    presse->clear();
    presse->setImage(Image());
    return true;
}

void Image_Vue::paintEvent(QPaintEvent *) {
    peinture_demandee_ = false;
    Acheve_Traits();
    Termine_Peintre();
    QPainter p(this);
    p.fillRect(rect(), fond_);
    p.drawImage(0, 0, image_);
}

void Image_Vue::resizeEvent(QResizeEvent *ev) {
    QWidget::resizeEvent(ev);
    Ajuste_Image();
}

void Image_Vue::mousePressEvent(QMouseEvent *ev) {
    if (ev->button() == Qt::LeftButton)
        presse_ = true;
    QWidget::mousePressEvent(ev);
}

void Image_Vue::mouseReleaseEvent(QMouseEvent *ev) {
    const bool clic = presse_ && ev->button() == Qt::LeftButton && rect().contains(ev->pos());
    presse_ = false;
    if (clic)
        emit Clic();
}

void Image_Vue::mouseDoubleClickEvent(QMouseEvent *ev) {
    presse_ = false;
    if (ev->button() == Qt::LeftButton)
        emit Double_Clic();
}

} // namespace gabarit
