// The splash: sound and folder, the timed captions, the hand-over.
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>

#include "shell/fenetres/Chargement.h"

using namespace gabarit;

namespace {
class ChargementTest : public ::testing::Test {
protected:
    void SetUp() override { dossier_ = QDir::currentPath(); }
    void TearDown() override { QDir::setCurrent(dossier_); }
    QString dossier_;
};
QLabel *Label(Chargement &c, const char *nom) { return c.findChild<QLabel *>(nom); }
} // namespace

TEST_F(ChargementTest, StartsWithItsTimersThePictureAndTheVersion) {
    QDir::setCurrent(QDir::tempPath());
    int fins = 0;
    Chargement c([&] { ++fins; });
    EXPECT_EQ(QDir::currentPath(), QCoreApplication::applicationDirPath());
    EXPECT_TRUE(c.isVisible());
    EXPECT_TRUE(c.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(c.palette().color(QPalette::Window), QColor(Qt::black));
    const int intervalles[4] = {5000, 1000, 2000, 3000};
    for (int k = 0; k < 4; ++k) {
        auto *t = c.findChild<QTimer *>(QStringLiteral("Timer%1").arg(k + 1));
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->interval(), intervalles[k]);
        EXPECT_TRUE(t->isActive());
        EXPECT_TRUE(t->isSingleShot());
    }
    QLabel *image = Label(c, "Image1");
    EXPECT_TRUE(image->isVisible());
    EXPECT_EQ(image->x(), (c.width() - image->width()) / 2);
    EXPECT_EQ(image->y(), (c.height() - image->height()) / 2);
    QLabel *version = Label(c, "Label5");
    EXPECT_EQ(version->text(), "Version 2.2.9");
    EXPECT_EQ(version->x() + version->width(), image->x() + image->width());
    EXPECT_EQ(version->y(), image->y());
    for (const char *n : {"Label1_0", "Label1_1", "Label1_2"})
        EXPECT_FALSE(Label(c, n)->isVisible()) << n;
    EXPECT_EQ(fins, 0);
}

TEST_F(ChargementTest, CaptionsComeOneByOneThenTheSplashHandsOver) {
    int fins = 0;
    Chargement c([&] { ++fins; });
    QLabel *image = Label(c, "Image1");
    const int g = image->x(), h = image->y(), iw = image->width(), ih = image->height();

    c.Chargement_Timer2_Timer(); // 1 s
    QLabel *l1 = Label(c, "Label1_1");
    EXPECT_TRUE(l1->isVisible());
    EXPECT_EQ(l1->text(), QString::fromUtf8("Tracé des voiliers modernes"));
    EXPECT_EQ(l1->pos(), QPoint(g, h + ih + l1->height()));
    EXPECT_FALSE(c.findChild<QTimer *>("Timer2")->isActive());
    EXPECT_FALSE(Label(c, "Label1_2")->isVisible());

    c.Chargement_Timer3_Timer(); // 2 s
    QLabel *l2 = Label(c, "Label1_2");
    EXPECT_TRUE(l2->isVisible());
    EXPECT_EQ(l2->text(), "Destiné au modelisme");
    EXPECT_EQ(l2->pos(), QPoint(g, h - l2->height()));

    c.Chargement_Timer4_Timer(); // 3 s: the credit line, flush right on the line of Label1(1)
    QLabel *l0 = Label(c, "Label1_0");
    EXPECT_TRUE(l0->isVisible());
    EXPECT_FALSE(l0->text().isEmpty());
    EXPECT_EQ(l0->x() + l0->width(), g + iw);
    EXPECT_EQ(l0->y(), l1->y());
    EXPECT_LE(l1->x() + l1->width(), l0->x()); // the two captions of one line do not overlap
    EXPECT_EQ(fins, 0);

    c.Chargement_Timer1_Timer(); // 5 s
    EXPECT_FALSE(c.isVisible());
    EXPECT_EQ(fins, 1);
    c.Chargement_Timer1_Timer(); // the main frame is never loaded twice
    EXPECT_EQ(fins, 1);
    for (int k = 1; k <= 4; ++k)
        EXPECT_FALSE(c.findChild<QTimer *>(QStringLiteral("Timer%1").arg(k))->isActive());
}

TEST_F(ChargementTest, EarlyEndStopsTheCaptionsThatHaveNotFired) {
    int fins = 0;
    Chargement c([&] { ++fins; });
    c.Chargement_Timer1_Timer();
    EXPECT_EQ(fins, 1);
    EXPECT_FALSE(c.findChild<QTimer *>("Timer4")->isActive());
    EXPECT_FALSE(Label(c, "Label1_0")->isVisible());
}
