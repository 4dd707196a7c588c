// The picture widget: a canvas in screen millimetres over a persistent image.
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <gtest/gtest.h>

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
