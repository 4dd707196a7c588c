#include "platform/Image_Vue.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

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
    nouvelle.fill(fond_);
    image_ = nouvelle;
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
    image_.fill(fond_);
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
    image_.fill(fond_);
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
