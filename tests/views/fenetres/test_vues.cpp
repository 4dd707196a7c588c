// The four view windows driven as a user would: open, resize, click, double-click.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMdiArea>
#include <QTest>
#include <QToolBar>
#include <functional>
#include <gtest/gtest.h>

#include "fenetres/Contexte.h"
#include "model/fenetres/Menu_FG.h"
#include "platform/Nombres.h"
#include "platform/Twips.h"
#include "views/fenetres/ACoup.h"
#include "views/fenetres/ADeplacement.h"
#include "views/fenetres/AProfile.h"
#include "views/fenetres/AVoile.h"
#include "views/fenetres/Projet_Essai.h"
#include "views/fenetres/Redessine.h"

using namespace gabarit;

namespace {

// The recording shell, with a hook run when the core lets events run.
struct Shell_Evenements : Shell_Enregistreur {
    std::function<void()> pendant_evenements;
    void Laisse_Evenements() override {
        Shell_Enregistreur::Laisse_Evenements();
        if (pendant_evenements)
            pendant_evenements();
    }
};

// A frame's client area with the four views, the shell recording what the core asks.
struct Banc {
    std::unique_ptr<Etat_Projet> e = essai::Projet_Essai();
    Shell_Evenements shell;
    QMdiArea zone;
    Contexte ctx{*e, shell, &zone};
    QAction presse{QStringLiteral("Presse Papier")};

    Banc() {
        presse.setCheckable(true);
        ctx.PressePapier = &presse;
        zone.resize(1000, 700);
        zone.show();
    }
    template <class W> W &Ouvre(int gauche = 10, int haut = 10, int l = 400, int h = 300) {
        W &w = ctx.Fenetre<W>();
        w.Montre();
        w.Deplace(gauche, haut, l, h);
        QApplication::processEvents();
        return w;
    }
};

int Effacements(Fenetre_Vue &w) { return w.Picture1->Effacements(); }

bool Blanche(const QImage &im) {
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            if (im.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

} // namespace

TEST(Vues, Open_Resize_Each_View) {
    Banc b;
    struct Cas {
        Fenetre_Vue *w;
        const char *nom;
        const char *legende;
    };
    Cas cas[] = {{&b.Ouvre<AProfile>(), "AProfile", "Forme Carene"},
                 {&b.Ouvre<ACoup>(), "ACoup", "Couples"},
                 {&b.Ouvre<ADeplacement>(), "ADeplacement", "Deplacement/Appendice"},
                 {&b.Ouvre<AVoile>(), "AVoile", "Voilure"}};
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(c.w->objectName(), c.nom);
        EXPECT_EQ(c.w->windowTitle(), c.legende);
        EXPECT_EQ(c.w->findChild<Image_Vue *>(QStringLiteral("Picture1")), c.w->Picture1);
        EXPECT_EQ(c.w->Picture1->Legende(), c.legende);
        // Resizing the window fills its client area with the picture and redraws it.
        const int avant = Effacements(*c.w);
        c.w->Deplace(20, 20, 500, 360);
        QApplication::processEvents();
        // The sections window keeps its toolbar above the picture.
        const QToolBar *barre = c.w->findChild<QToolBar *>(QStringLiteral("Toolbar1"));
        const int haut = barre ? barre->sizeHint().height() : 0;
        EXPECT_EQ(barre != nullptr, c.w->objectName() == "ACoup");
        EXPECT_EQ(c.w->Picture1->geometry(), c.w->rect().adjusted(0, haut, 0, 0));
        EXPECT_NEAR(c.w->Picture1->Largeur(), c.w->width() / PIXELS_PAR_MM, 1e-9);
        EXPECT_NEAR(c.w->Picture1->Hauteur(), (c.w->height() - haut) / PIXELS_PAR_MM, 1e-9);
        EXPECT_GT(Effacements(*c.w), avant);
        if (c.w->objectName() != "AVoile")
            EXPECT_FALSE(Blanche(c.w->Picture1->Image()));
    }
}

TEST(Vues, Each_View_Draws_Into_Its_Own_Picture) {
    Banc b;
    AProfile &profil = b.Ouvre<AProfile>();
    ACoup &coupe = b.Ouvre<ACoup>(420, 10);
    coupe.Active();
    const int p0 = Effacements(profil), c0 = Effacements(coupe);
    Redessine_Profil(b.ctx);
    EXPECT_EQ(Effacements(profil), p0 + 1);
    EXPECT_EQ(Effacements(coupe), c0);
    EXPECT_EQ(b.zone.activeSubWindow(), profil.Cadre());
    coupe.Picture1->Efface();
    Redessine_Profil(b.ctx);
    EXPECT_FALSE(Blanche(profil.Picture1->Image()));
    EXPECT_TRUE(Blanche(coupe.Picture1->Image()));
}

TEST(Vues, Hidden_Minimised_Or_Maximised_Views_Are_Skipped) {
    Banc b;
    AProfile &profil = b.Ouvre<AProfile>();
    ACoup &coupe = b.Ouvre<ACoup>(420, 10);
    ADeplacement &depl = b.Ouvre<ADeplacement>(10, 320);
    AVoile &voile = b.Ouvre<AVoile>(420, 320);
    profil.Cadre()->showMinimized();
    depl.Cadre()->showMaximized();
    voile.Cache();
    QApplication::processEvents();
    const int p0 = Effacements(profil), c0 = Effacements(coupe), d0 = Effacements(depl),
              v0 = Effacements(voile);
    Redessine_Profil(b.ctx);
    Redessine_Deplacement(b.ctx);
    Redessine_Voilure(b.ctx);
    EXPECT_EQ(Effacements(profil), p0);
    EXPECT_EQ(Effacements(depl), d0);
    EXPECT_EQ(Effacements(voile), v0);
    // Only the sections view is open in normal state: only it is redrawn, and it is active.
    Redessine_Tout(b.ctx);
    EXPECT_EQ(Effacements(profil), p0);
    EXPECT_EQ(Effacements(depl), d0);
    EXPECT_EQ(Effacements(voile), v0);
    EXPECT_GT(Effacements(coupe), c0); // the framings clear the picture again
    EXPECT_EQ(b.zone.activeSubWindow(), coupe.Cadre());
    // Back to normal size: the resize redraws it.
    profil.Cadre()->showNormal();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Effacements(profil) > p0; }, 2000));
}

TEST(Vues, A_Redraw_Asked_During_Another_Waits_For_It) {
    Banc b;
    AProfile &profil = b.Ouvre<AProfile>();
    b.Ouvre<ACoup>(420, 10);
    QApplication::processEvents();
    // The body plan at 10 degrees floats the hull first, letting events run at every
    // station: a click on the profile then must not draw in the middle of it.
    b.e->P(26) = 10;
    const int p0 = Effacements(profil);
    int pendant = -1;
    bool occupe = false;
    b.shell.pendant_evenements = [&] {
        if (pendant < 0) {
            Redessine_Profil(b.ctx);
            pendant = Effacements(profil);
            occupe = b.ctx.Occupe();
        }
    };
    Redessine_Coupe(b.ctx);
    b.shell.pendant_evenements = nullptr;
    EXPECT_EQ(pendant, p0);
    EXPECT_TRUE(occupe);
    EXPECT_FALSE(b.ctx.Occupe());
    EXPECT_EQ(b.e->P(188), 0); // the hull was floated at 10 degrees
    // It runs once the other is done.
    EXPECT_TRUE(QTest::qWaitFor([&] { return Effacements(profil) == p0 + 1; }, 2000));
}

TEST(Vues, View_Key_Goes_To_Panel_2) {
    Banc b;
    ACoup &coupe = b.Ouvre<ACoup>();
    for (const char *cle : {"TB_ET", "TB_MC", "MC_ET", "X", "3D", ""}) {
        SCOPED_TRACE(cle);
        b.e->Cle_Vue = cle;
        const int c0 = Effacements(coupe);
        Redessine_Coupe(b.ctx);
        EXPECT_EQ(b.shell.statuts[2], cle);
        EXPECT_GT(Effacements(coupe), c0);
        EXPECT_EQ(Blanche(coupe.Picture1->Image()), std::string(cle).empty());
    }
}

TEST(Vues, Single_Section_Follows_The_Station_Box) {
    Banc b;
    b.Ouvre<ACoup>();
    b.e->Cle_Vue = "X";
    b.e->X_Couple = 77;
    // No hull-form window: the stern section.
    Redessine_Coupe(b.ctx);
    EXPECT_EQ(b.e->X_Couple, 0);
    Menu_FG &fg = b.ctx.Fenetre<Menu_FG>();
    auto *texte = fg.findChild<QLineEdit *>(QStringLiteral("Text2"));
    ASSERT_NE(texte, nullptr);
    texte->setText(Texte_Nombre(250));
    Redessine_Coupe(b.ctx);
    EXPECT_EQ(b.e->X_Couple, 250);
    texte->setText(QStringLiteral("abc"));
    EXPECT_THROW(Redessine_Coupe(b.ctx), Erreur_Gabarit);
}

TEST(Vues, Double_Click_Leaves_The_View_Alone_Over_The_Frame) {
    Banc b;
    AProfile &profil = b.Ouvre<AProfile>();
    ACoup &coupe = b.Ouvre<ACoup>(420, 10);
    ADeplacement &depl = b.Ouvre<ADeplacement>(10, 320);
    QTest::mouseDClick(coupe.Picture1, Qt::LeftButton, {}, QPoint(20, 20));
    QApplication::processEvents();
    EXPECT_FALSE(profil.Visible());
    EXPECT_FALSE(depl.Visible());
    EXPECT_TRUE(coupe.Visible());
    EXPECT_EQ(coupe.Etat_Fenetre(), Fenetre_Fille::Etat::Normal);
    EXPECT_EQ(coupe.Cadre()->geometry(), QRect(0, 0, b.ctx.Largeur_Cadre(), b.ctx.Hauteur_Cadre()));
    // Hiding every child window also works with nothing open.
    Cache_Fenetres(b.ctx);
    EXPECT_FALSE(coupe.Visible());
    Cache_Fenetres(b.ctx);
}

TEST(Vues, Click_Redraws_And_Copies_Once) {
    Banc b;
    AProfile &profil = b.Ouvre<AProfile>();
    AVoile &voile = b.Ouvre<AVoile>(420, 10);
    QClipboard *presse = QApplication::clipboard();
    presse->clear();

    // Unchecked: the click only redraws.
    int p0 = Effacements(profil);
    QTest::mouseClick(profil.Picture1, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(Effacements(profil), p0 + 1);
    EXPECT_TRUE(presse->image().isNull());

    // Checked: the next click copies that view and unchecks the item.
    b.presse.setChecked(true);
    QTest::mouseClick(profil.Picture1, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_FALSE(b.presse.isChecked());
    const QImage copie = presse->image();
    ASSERT_FALSE(copie.isNull());
    EXPECT_EQ(copie.size(), profil.Picture1->size());
    EXPECT_FALSE(Blanche(copie));
    // A second click, on another view, only redraws.
    presse->clear();
    const int v0 = Effacements(voile);
    b.e->P(102) = 5;
    QTest::mouseClick(voile.Picture1, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_GT(Effacements(voile), v0);
    EXPECT_TRUE(presse->image().isNull());
    // A view looked at stores nothing: the sail window's commands store the areas.
    EXPECT_EQ(b.e->P(102), 5);
}

TEST(Vues, A_Refused_Drawing_Says_Why_Once) {
    // A section step of 0 (from a file): the sections view stays blank and says why, once,
    // however often it is clicked or resized; drawn again, then refused again, it says so
    // again.
    Banc b;
    ACoup &coupe = b.Ouvre<ACoup>();
    b.e->P(27) = 0;
    b.shell.messages.clear();
    QTest::mouseClick(coupe.Picture1, Qt::LeftButton, {}, QPoint(30, 30));
    ASSERT_EQ(b.shell.messages.size(), 1u);
    EXPECT_EQ(b.shell.messages[0].texte, "Le pas horizontal (n° 27) vaut 0 mm : les couples ne "
                                         "peuvent pas être dessinés. Donner un pas supérieur à 0.");
    EXPECT_EQ(b.shell.messages[0].style, MB_EXCLAMATION);
    EXPECT_TRUE(Blanche(coupe.Picture1->Image()));
    QTest::mouseClick(coupe.Picture1, Qt::LeftButton, {}, QPoint(30, 30));
    coupe.Deplace(10, 10, 450, 320);
    QApplication::processEvents();
    EXPECT_EQ(b.shell.messages.size(), 1u);

    b.e->P(27) = 100;
    QTest::mouseClick(coupe.Picture1, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(b.shell.messages.size(), 1u);
    EXPECT_FALSE(Blanche(coupe.Picture1->Image()));
    b.e->P(27) = 0;
    QTest::mouseClick(coupe.Picture1, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(b.shell.messages.size(), 2u);
}

TEST(Vues, A_Heel_Series_Refused_From_The_Sections_Toolbar_Says_Why_Once) {
    // A transom no float can hold (4e38 mm): the series' heeled search refuses the hull. The
    // key says why, once; the body plan redrawn after it does not say it again.
    Banc b;
    ACoup &coupe = b.Ouvre<ACoup>();
    b.e->P(14) = 4e38;
    b.shell.messages.clear();
    coupe.ACoup_Toolbar1_ButtonClick(QStringLiteral("Calcul_Gite"));
    QApplication::processEvents();
    int dits = 0;
    for (const auto &m : b.shell.messages)
        if (m.texte.find("demi-largeur 4e+38 mm") != std::string::npos)
            ++dits;
    EXPECT_EQ(dits, 1);
    EXPECT_FALSE(b.ctx.Occupe());
    EXPECT_TRUE(b.shell.menus_actifs);
}
