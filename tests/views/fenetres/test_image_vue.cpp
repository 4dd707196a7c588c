// The picture widget: a canvas in screen millimetres over a persistent image.
#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>
#include <random>

#include "platform/Image_Vue.h"
#include "platform/Twips.h"

using namespace gabarit;

TEST(Image_Vue, Millimetres_Colours_And_Clear) {
    QWidget fenetre;
    fenetre.setWindowTitle(QStringLiteral("Forme Carene"));
    Image_Vue im(&fenetre);
    im.resize(378, 189); // 100 mm by 50 mm
    EXPECT_NEAR(im.Largeur(), 378 / PIXELS_PAR_MM, 1e-9);
    EXPECT_NEAR(im.Hauteur(), 50.006, 1e-2);
    EXPECT_EQ(im.Legende(), "Forme Carene");

    im.Efface();
    // A horizontal red line 10 mm down, from 0 to 20 mm: pixels 0 to 75 on row 37 or 38.
    im.Segment(0, 10, 20, 10, RGB(255, 0, 0));
    // A vertical blue line at 50 mm.
    im.Segment(50, 0, 50, 40, RGB(0, 0, 255));
    QImage i = im.Image();
    ASSERT_EQ(i.size(), QSize(378, 189));
    const int y = static_cast<int>(10 * PIXELS_PAR_MM);
    const QRgb rouge = qRgb(255, 0, 0), bleu = qRgb(0, 0, 255);
    EXPECT_TRUE(i.pixel(40, y) == rouge || i.pixel(40, y + 1) == rouge);
    EXPECT_NE(i.pixel(100, y), rouge);
    const int x = static_cast<int>(50 * PIXELS_PAR_MM);
    EXPECT_TRUE(i.pixel(x, 80) == bleu || i.pixel(x + 1, 80) == bleu);
    EXPECT_EQ(i.pixel(10, 150), qRgb(255, 255, 255));

    // Off-picture and impossible coordinates are ignored.
    im.Segment(0, 0, 1e300, 5, RGB(0, 0, 0));
    im.Segment(0, 0, std::nan(""), 5, RGB(0, 0, 0));

    im.Efface();
    EXPECT_EQ(im.Image().pixel(40, y), qRgb(255, 255, 255));
    EXPECT_EQ(im.Effacements(), 2);

    // The picture follows the widget's size at the next clear.
    im.resize(200, 100);
    im.Efface();
    EXPECT_EQ(im.Image().size(), QSize(200, 100));
}

TEST(Image_Vue, Copy_And_Clicks) {
    QWidget fenetre;
    Image_Vue im(&fenetre);
    im.resize(120, 80);
    fenetre.resize(120, 80);
    fenetre.show();
    im.Efface();
    im.Segment(1, 1, 20, 20, RGB(0, 128, 0));
    ASSERT_TRUE(im.Copie_Presse_Papier());
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(120, 80));

    int clics = 0, doubles = 0;
    QObject::connect(&im, &Image_Vue::Clic, [&] { ++clics; });
    QObject::connect(&im, &Image_Vue::Double_Clic, [&] { ++doubles; });
    QTest::mouseClick(&im, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clics, 1);
    // A double click as the system sends it: a click, then the second press comes as the double
    // click. Its release is no second click.
    QTest::mouseClick(&im, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseDClick(&im, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clics, 2);
    EXPECT_EQ(doubles, 1);
    // The right button clicks nothing; a press dragged off the picture neither.
    QTest::mouseClick(&im, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mousePress(&im, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&im, Qt::LeftButton, {}, QPoint(200, 10));
    EXPECT_EQ(clics, 2);
    EXPECT_EQ(doubles, 1);
}

namespace {

struct Trait_Essai {
    double x1, y1, x2, y2;
    std::uint32_t couleur;
};

// Crossing lines of several colours (the later colour wins where they cross), runs of one
// colour, fractional ends, a point, and lines running off every side of a 300 x 200 picture.
const Trait_Essai TRAITS[] = {
    {5, 5, 70, 45, RGB(255, 0, 0)},
    {5, 45, 70, 5, RGB(0, 0, 255)},
    {10.37, 20.71, 10.37, 20.71, RGB(0, 0, 0)},
    {0.13, 30.5, 79.2, 30.5, RGB(0, 255, 0)},
    {40.26, -10, 40.26, 60, RGB(0, 255, 0)},
    {-5, 12.3, 90, 13.1, RGB(0, 255, 0)},
    {60.5, 48.2, 61.7, 49.9, RGB(255, 0, 0)},
    {61.7, 49.9, 63.1, 51.4, RGB(255, 0, 0)},
    {25, 25, 45, 25, RGB(0, 0, 255)},
    {35, 15, 35, 35, RGB(255, 0, 0)},
};

// What a painter drawing each segment on its own, in turn, leaves on a white picture.
QImage Dessin_Un_Par_Un(QSize taille) {
    QImage ref(taille, QImage::Format_RGB32);
    ref.fill(Qt::white);
    QPainter p(&ref);
    p.scale(PIXELS_PAR_MM, PIXELS_PAR_MM);
    for (const Trait_Essai &t : TRAITS) {
        QPen stylo(QColor(static_cast<int>(t.couleur & 0xFF),
                          static_cast<int>((t.couleur >> 8) & 0xFF),
                          static_cast<int>(t.couleur >> 16)));
        stylo.setWidth(0);
        p.setPen(stylo);
        p.drawLine(QPointF(t.x1, t.y1), QPointF(t.x2, t.y2));
    }
    return ref;
}

} // namespace

TEST(Image_Vue, Segments_Drawn_As_Each_Alone_In_Turn) {
    Image_Vue im;
    im.resize(300, 200);
    im.Efface();
    for (const Trait_Essai &t : TRAITS)
        im.Segment(t.x1, t.y1, t.x2, t.y2, t.couleur);
    const QImage ref = Dessin_Un_Par_Un(QSize(300, 200));
    // The blue diagonal crosses the red one after it: blue at the crossing.
    const QPoint croix(static_cast<int>(37.5 * PIXELS_PAR_MM),
                       static_cast<int>(25 * PIXELS_PAR_MM));
    bool bleu = false;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            bleu = bleu || ref.pixel(croix + QPoint(dx, dy)) == qRgb(0, 0, 255);
    ASSERT_TRUE(bleu);
    EXPECT_EQ(im.Image(), ref);
}

TEST(Image_Vue, Each_Paint_Shows_What_Was_Drawn_Before_It) {
    QWidget fenetre;
    Image_Vue im(&fenetre);
    fenetre.resize(300, 200);
    im.resize(300, 200);
    fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
    int peintures = 0;
    struct Compteur : QObject {
        int &n;
        explicit Compteur(int &c) : n(c) {}
        bool eventFilter(QObject *, QEvent *ev) override {
            if (ev->type() == QEvent::Paint)
                ++n;
            return false;
        }
    } compteur(peintures);
    im.installEventFilter(&compteur);
    QApplication::processEvents();

    im.Efface();
    const std::size_t moitie = std::size(TRAITS) / 2;
    for (std::size_t i = 0; i < moitie; ++i)
        im.Segment(TRAITS[i].x1, TRAITS[i].y1, TRAITS[i].x2, TRAITS[i].y2, TRAITS[i].couleur);
    // The drawing lets events run: the picture is painted with what is drawn so far.
    peintures = 0;
    QApplication::processEvents();
    EXPECT_EQ(peintures, 1);
    // The rest, then another turn of the event loop: painted again, whole.
    for (std::size_t i = moitie; i < std::size(TRAITS); ++i)
        im.Segment(TRAITS[i].x1, TRAITS[i].y1, TRAITS[i].x2, TRAITS[i].y2, TRAITS[i].couleur);
    QApplication::processEvents();
    EXPECT_EQ(peintures, 2);
    EXPECT_EQ(im.grab().toImage().convertToFormat(QImage::Format_RGB32),
              Dessin_Un_Par_Un(QSize(300, 200)));
}

TEST(Image_Vue, A_Clear_Leaves_Only_The_Ground) {
    // Whatever was drawn since the last clear: dots and tiny strokes on and beside pixel edges
    // and the edges of the blocks a clear works by, each alone; then segments of every length
    // and slope with fractional ends, some off the picture. On a white ground in millimetres
    // and on a dark one in pixels.
    const QColor sombre(0, 0, 64);
    std::mt19937 gen(20261207);
    for (int cas = 0; cas < 2; ++cas) {
        Image_Vue im;
        if (cas == 1) {
            im.Mesure_En_Pixels();
            im.Fixe_Fond(sombre);
        }
        im.resize(333, 217);
        QImage vide(333, 217, QImage::Format_RGB32);
        vide.fill(cas == 0 ? QColor(Qt::white) : sombre);
        const double k = cas == 0 ? 1 / PIXELS_PAR_MM : 1; // picture units per pixel
        auto propre = [&] {
            const bool dessine = im.Image() != vide;
            im.Efface();
            return dessine && im.Image() == vide;
        };
        for (int p = 16; p <= 208; p += 16)
            for (double d : {-1.0, -0.5, 0.0, 0.5}) {
                const double a = (p + d) * k, b = (p / 2 + d) * k;
                im.Segment(a, b, a, b, RGB(0, 255, 0));
                EXPECT_TRUE(propre()) << "dot " << p << " " << d;
                im.Segment(a, b, a + 0.6 * k, b, RGB(0, 255, 0));
                EXPECT_TRUE(propre()) << "across " << p << " " << d;
                im.Segment(b, a, b, a + 0.6 * k, RGB(0, 255, 0));
                EXPECT_TRUE(propre()) << "down " << p << " " << d;
                im.Segment(a - 70 * k, b, a, b, RGB(0, 255, 0));
                EXPECT_TRUE(propre()) << "long across " << p << " " << d;
                im.Segment(b, a - 70 * k, b, a, RGB(0, 255, 0));
                EXPECT_TRUE(propre()) << "long down " << p << " " << d;
                im.Segment(a - 40 * k, b - 2 * k, a + 40 * k, b + 2 * k, RGB(0, 255, 0));
                EXPECT_TRUE(propre()) << "shallow " << p << " " << d;
                im.Segment(b + 2 * k, a - 40 * k, b - 2 * k, a + 40 * k, RGB(0, 255, 0));
                EXPECT_TRUE(propre()) << "steep " << p << " " << d;
            }
        std::uniform_real_distribution<double> pos(-80, 420), court(-40, 40);
        for (int passe = 0; passe < 2; ++passe) {
            for (int i = 0; i < 300; ++i) {
                const double x = pos(gen), y = pos(gen);
                const bool long_trait = i % 10 == 0;
                im.Segment(x * k, y * k, (long_trait ? pos(gen) : x + court(gen)) * k,
                           (long_trait ? pos(gen) : y + court(gen)) * k, RGB(255, i % 256, 0));
            }
            EXPECT_TRUE(propre()) << "pass " << passe;
        }
    }
}
