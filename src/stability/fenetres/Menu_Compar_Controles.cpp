// The comparison window's controls, laid out in twips as the window was drawn.
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/Controles.h"
#include "platform/Image_Vue.h"
#include "platform/Twips.h"
#include "stability/fenetres/Menu_Compar.h"

namespace gabarit {

namespace {

// Colours of the two projects: the current one light yellow (yellow on the surface chart),
// the compared one green (a lighter green on the "Rapport" tab). The greens are bright
// enough to read on the dark ground of the charts.
const QColor JAUNE_CLAIR(255, 255, 128);
const QColor JAUNE(255, 255, 0);
const QColor VERT(0, 176, 0);
const QColor VERT_CLAIR(0, 192, 0);
// Dark ground of the three pictures, so light yellow and green both stand out.
const QColor FOND(32, 32, 32);
// Height of a line of text, twips: room for the accents of the window's type ("Gîte").
constexpr double LIGNE = 240;

// A file name too long for its label keeps its end, where the file's own name is.
class Etiquette_Nom : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        const QRect r = contentsRect();
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter,
                   fontMetrics().elidedText(text(), Qt::ElideLeft, r.width()));
    }
};

QLabel *Etiquette(QWidget *parent, const QString &nom, const QString &texte, double x, double y,
                  double l, Qt::Alignment a = Qt::AlignLeft | Qt::AlignVCenter) {
    QLabel *e = Place(gabarit::Etiquette(parent, nom, texte), x, y, l, LIGNE);
    e->setAlignment(a);
    return e;
}

QLabel *Nom(QWidget *parent, const QString &nom, double x, double y, double l) {
    auto *e = new Etiquette_Nom(parent);
    e->setObjectName(nom);
    Place(e, x, y, l, LIGNE);
    return e;
}

QFrame *Rectangle(QWidget *parent, const QString &nom, const QColor &c) {
    auto *f = new QFrame(parent);
    f->setObjectName(nom);
    f->setFrameShape(QFrame::Box);
    f->setLineWidth(1);
    f->setAutoFillBackground(true);
    QPalette p = f->palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::WindowText, Qt::black);
    f->setPalette(p);
    return f;
}

// A legend square beside a project's name.
QFrame *Carre(QWidget *parent, int index, const QColor &c, double x, double y) {
    QFrame *f = Rectangle(parent, QStringLiteral("Shape3_%1").arg(index), c);
    Place(f, x, y + 15, 180, 180);
    return f;
}

QWidget *Image_Barres(QWidget *parent, const QString &nom, double x, double y, double l, double h) {
    auto *w = new QWidget(parent);
    w->setObjectName(nom);
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, FOND);
    w->setPalette(p);
    Place(w, x, y, l, h);
    return w;
}

// A gap's slider: -100 to 100 per cent, shown, not set by hand.
QSlider *Curseur(QWidget *parent, int k, double x, double y, double l) {
    auto *s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(QStringLiteral("Slider1_%1").arg(k));
    s->setRange(-100, 100);
    s->setValue(0);
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(50);
    s->setFocusPolicy(Qt::NoFocus);
    s->setAttribute(Qt::WA_TransparentForMouseEvents);
    Place(s, x, y, l, 330);
    return s;
}

} // namespace

QPushButton *Menu_Compar::Bouton_Calcul(QWidget *page, int index, double x, double y) {
    auto *b = new QPushButton(QStringLiteral("Calcul"), page);
    b->setObjectName(QStringLiteral("Command1_%1").arg(index));
    Place(b, x, y, 975, 315);
    connect(b, &QPushButton::clicked, this, [this] { Menu_Compar_Command1_Click(); });
    return b;
}

void Menu_Compar::Construit() {
    Police_8(this);
    SSTab1_ = Onglets(this, 0);
    const char *onglets[] = {"Choix", "Stabilite ", "Rapport", "Surface"};
    QWidget *pages[4];
    for (int i = 0; i < 4; ++i) {
        pages[i] = new QWidget;
        SSTab1_->addTab(pages[i], QString::fromLatin1(onglets[i]));
    }
    Construit_Choix(pages[0]);
    Construit_Stabilite(pages[1]);
    Construit_Rapport(pages[2]);
    Construit_Surface(pages[3]);
}

void Menu_Compar::Construit_Choix(QWidget *page) {
    auto *cadre = new QGroupBox(page);
    cadre->setObjectName(QStringLiteral("Frame1_0"));
    Place(cadre, 45, 0, 2955, 2265);
    auto *titre =
        Etiquette(cadre, QStringLiteral("Label1_16"),
                  QStringLiteral("Vous effectuez une comparaison entre le Projet :"), 90, 90, 2790);
    titre->setWordWrap(true);
    Place(titre, 90, 90, 2790, 420);
    Carre(cadre, 2, JAUNE_CLAIR, 90, 540);
    Label2_ = Nom(cadre, QStringLiteral("Label2"), 330, 540, 2550);
    Etiquette(cadre, QStringLiteral("Label10_0"), QStringLiteral("Et ,"), 90, 825, 600);
    Carre(cadre, 3, VERT, 90, 1095);
    Label9_ = Nom(cadre, QStringLiteral("Label9"), 330, 1095, 2550);
    Label9_->setText(QStringLiteral("A definir !"));
    Etiquette(cadre, QStringLiteral("Label10_1"), QStringLiteral("Ou ,"), 90, 1425, 600);
    Command2_ = new QPushButton(QStringLiteral("Choix"), cadre);
    Command2_->setObjectName(QStringLiteral("Command2"));
    Place(Command2_, 690, 1380, 975, 315);
    connect(Command2_, &QPushButton::clicked, this, [this] { Menu_Compar_Command2_Click(); });
    auto *feux = Etiquette(cadre, QStringLiteral("Label10_2"),
                           QStringLiteral("Attention feux vets sur les 2 Proj"), 90, 1830, 2790);
    QPalette p = feux->palette();
    p.setColor(QPalette::WindowText, QColor(255, 0, 0));
    feux->setPalette(p);

    auto *ecarts = new QGroupBox(page);
    ecarts->setObjectName(QStringLiteral("Frame2_0"));
    Place(ecarts, 3090, 0, 2565, 2265);
    const char *legendes[5] = {"Largeur", "Longeur", "Hauteur", "Poids", "Voilure"};
    for (int k = 0; k < 5; ++k) {
        const double y = 90 + 435 * k;
        Label12_[static_cast<std::size_t>(k)] =
            Etiquette(ecarts, QStringLiteral("Label12_%1").arg(k), QString::fromLatin1(legendes[k]),
                      45, y + 60, 720);
        Slider1_[static_cast<std::size_t>(k)] = Curseur(ecarts, k, 765, y, 975);
        Label11_[static_cast<std::size_t>(k)] =
            Etiquette(ecarts, QStringLiteral("Label11_%1").arg(k), {}, 1740, y + 60, 780,
                      Qt::AlignRight | Qt::AlignVCenter);
    }
    Command1_[0] = Bouton_Calcul(page, 0, 45, 2325);
}

void Menu_Compar::Construit_Stabilite(QWidget *page) {
    Picture1_ = Image_Barres(page, QStringLiteral("Picture1"), 45, 30, 5115, 2175);
    for (int i = 0; i < 7; ++i) {
        const double x = 30 + 720 * i;
        auto *a = Rectangle(Picture1_, QStringLiteral("Shape1_%1").arg(i), JAUNE_CLAIR);
        auto *b = Rectangle(Picture1_, QStringLiteral("Shape2_%1").arg(i), VERT);
        Place(a, x, 2175, 375, 2175);
        Place(b, x + 360, 2175, 375, 2175);
        Shape1_[static_cast<std::size_t>(i)] = a;
        Shape2_[static_cast<std::size_t>(i)] = b;
        if (i < 6)
            Etiquette(page, QStringLiteral("Label15_%1").arg(i), QStringLiteral("%1°").arg(5 * i),
                      45 + x, 2205, 735, Qt::AlignCenter);
        Label5_[static_cast<std::size_t>(i)] = Etiquette(page, QStringLiteral("Label5_%1").arg(i),
                                                         {}, 45 + x, 2400, 735, Qt::AlignCenter);
    }
    Carre(page, 0, JAUNE_CLAIR, 45, 2640);
    Label3_ = Nom(page, QStringLiteral("Label3"), 285, 2640, 1980);
    Carre(page, 1, VERT, 2340, 2640);
    Label4_ = Nom(page, QStringLiteral("Label4"), 2580, 2640, 1980);
    Command1_[1] = Bouton_Calcul(page, 1, 4620, 2595);
}

void Menu_Compar::Construit_Rapport(QWidget *page) {
    Etiquette(page, QStringLiteral("Label6_0"), QStringLiteral(" Voilure / Stabilite"), 45, 15,
              2595);
    Picture3_1_ = Image_Barres(page, QStringLiteral("Picture3_1"), 45, 240, 2595, 2055);
    for (int i = 0; i < 7; ++i) {
        const double x = 30 + 360 * i;
        auto *a = Rectangle(Picture3_1_, QStringLiteral("Shape4_%1").arg(i), JAUNE_CLAIR);
        auto *b = Rectangle(Picture3_1_, QStringLiteral("Shape5_%1").arg(i), VERT_CLAIR);
        Place(a, x, 2055, 195, 2055);
        Place(b, x + 180, 2055, 195, 2055);
        Shape4_[static_cast<std::size_t>(i)] = a;
        Shape5_[static_cast<std::size_t>(i)] = b;
    }
    Etiquette(page, QStringLiteral("Label8_0"), QStringLiteral("Gite 0"), 45, 2310, 1200);
    Etiquette(page, QStringLiteral("Label8_5"), QStringLiteral("30"), 1440, 2310, 1200,
              Qt::AlignRight | Qt::AlignVCenter);

    const char *cadres[2] = {"Voilure / Poid", "Voilure / Stabilite"};
    const int valeurs[2] = {6, 5}; // Label12(6) shows slider 5, Label12(5) slider 6
    for (int j = 0; j < 2; ++j) {
        auto *g = new QGroupBox(QString::fromLatin1(cadres[j]), page);
        g->setObjectName(QStringLiteral("Frame3_%1").arg(j));
        Place(g, 2790, 15 + 855 * j, 2865, 780);
        Slider1_[static_cast<std::size_t>(5 + j)] = Curseur(g, 5 + j, 90, 300, 1950);
        Label12_[static_cast<std::size_t>(valeurs[j])] =
            Etiquette(g, QStringLiteral("Label12_%1").arg(valeurs[j]), {}, 2070, 360, 705,
                      Qt::AlignRight | Qt::AlignVCenter);
    }
    Carre(page, 4, JAUNE_CLAIR, 2790, 1770);
    Label13_ = Nom(page, QStringLiteral("Label13"), 3030, 1770, 2625);
    Carre(page, 5, VERT_CLAIR, 2790, 2040);
    Label14_ = Nom(page, QStringLiteral("Label14"), 3030, 2040, 2625);
    Command1_[2] = Bouton_Calcul(page, 4, 4620, 2595);
}

void Menu_Compar::Construit_Surface(QWidget *page) {
    Etiquette(page, QStringLiteral("Label17"), QStringLiteral("Surface mouillée"), 600, 15, 3000);
    Picture2_ = new Image_Vue(page);
    Picture2_->setObjectName(QStringLiteral("Picture2"));
    Picture2_->Fixe_Fond(FOND);
    Place(Picture2_, 600, 240, 3840, 1980);
    Etiquette(page, QStringLiteral("Label16"), QString::fromUtf8("Gîte :"), 45, 2235, 525);
    for (int i = 0; i < 7; ++i)
        Etiquette(page, QStringLiteral("Label7_%1").arg(i), QString::number(5 * i),
                  600 + 640 * i - 240, 2235, 480, Qt::AlignCenter);
    Etiquette(page, QStringLiteral("Label20_0"), QStringLiteral("Max :"), 4650, 240, 1000);
    Etiquette(page, QStringLiteral("Label20_1"), QStringLiteral("Min :"), 4650, 1140, 1000);
    const double hauts[4] = {480, 705, 1380, 1605};
    for (int i = 0; i < 4; ++i)
        Label21_[static_cast<std::size_t>(i)] =
            Etiquette(page, QStringLiteral("Label21_%1").arg(i), {}, 4740, hauts[i], 900);
    Carre(page, 6, JAUNE, 45, 2640);
    Label18_ = Nom(page, QStringLiteral("Label18"), 285, 2640, 2100);
    Carre(page, 7, VERT, 2460, 2640);
    Label19_ = Nom(page, QStringLiteral("Label19"), 2700, 2640, 2100);
}

} // namespace gabarit
