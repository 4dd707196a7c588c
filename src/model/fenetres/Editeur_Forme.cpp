#include "model/fenetres/Editeur_Forme.h"

#include <QGroupBox>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScopeGuard>
#include <algorithm>
#include <cmath>

#include "fenetres/Contexte.h"
#include "model/Carene.h"
#include "model/Fichier_Projet.h"
#include "model/Numeros.h"
#include "model/fenetres/Menu_FG.h"
#include "platform/Controles.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"
#include "stability/Centrage.h"
#include "stability/fenetres/Menu_Stabilite.h"
#include "views/fenetres/Redessine.h"

namespace gabarit {

namespace {

// The red marker: a filled circle that lets the mouse through to the box.
class Rond_Rouge : public QWidget {
public:
    explicit Rond_Rouge(QWidget *parent) : QWidget(parent) {
        setObjectName(QStringLiteral("Shape1"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        const int d = Twips_En_Pixels(Editeur_Forme::MARQUEUR);
        resize(d, d);
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 0, 0));
        p.drawEllipse(rect().adjusted(0, 0, -1, -1));
    }
};

} // namespace

Editeur_Forme::Editeur_Forme(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture2"));
    const int cote = Twips_En_Pixels(COTE);
    setFixedSize(cote, cote);
    setAutoFillBackground(true);
    marqueur_ = new Rond_Rouge(this);
    marqueur_->hide();
}

void Editeur_Forme::Place_Marqueur(double x, double y) {
    x_ = x;
    y_ = y;
    marqueur_->move(static_cast<int>(std::lround(x / TWIPS_PAR_PIXEL)),
                    static_cast<int>(std::lround(y / TWIPS_PAR_PIXEL)));
}

void Editeur_Forme::paintEvent(QPaintEvent *) {
    // The fixed target: three circles about the centre and the two diagonals.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0, 0, 0));
    const double k = 1.0 / TWIPS_PAR_PIXEL;
    const QPointF centre(907.5 * k, 907.5 * k);
    for (double d : {1575.0, 1095.0, 615.0})
        p.drawEllipse(centre, d / 2 * k, d / 2 * k);
    p.drawLine(QPointF(0, 0), QPointF(1800 * k, 1800 * k));
    p.drawLine(QPointF(1800 * k, 0), QPointF(0, 1800 * k));
}

void Editeur_Forme::mouseMoveEvent(QMouseEvent *ev) {
    const QPointF pt = ev->position();
    emit Souris_Deplacee(ev->buttons(), Pixels_En_Twips(pt.x()), Pixels_En_Twips(pt.y()));
}

void Editeur_Forme::mouseReleaseEvent(QMouseEvent *) { emit Souris_Relachee(); }

// --- The editor in the hull-form window ---

void Menu_FG::Construit_Reglage(QWidget *page) {
    auto *reg = new QGroupBox(QStringLiteral("Reglage"), page);
    reg->setObjectName(QStringLiteral("Frame1_6"));
    Place(reg, 2130, 90, 3500, 2820);
    Picture2_ = new Editeur_Forme(reg);
    Picture2_->move(Twips_En_Pixels(60), Twips_En_Pixels(300));
    connect(Picture2_, &Editeur_Forme::Souris_Deplacee, this, &Menu_FG::Picture2_MouseMove);
    connect(Picture2_, &Editeur_Forme::Souris_Relachee, this, &Menu_FG::Picture2_MouseUp);
    // Top to bottom: "Tableau Arriere", "Le plus Large", "Le plus Haut", "3/4 Avant".
    const struct {
        int index;
        const char *texte;
    } options[] = {
        {0, "Tableau Arriere"}, {1, "Le plus Large"}, {3, "Le plus Haut"}, {2, "3/4 Avant"}};
    double y = 360;
    for (const auto &o : options) {
        auto *b = new QRadioButton(QString::fromUtf8(o.texte), reg);
        b->setObjectName(QStringLiteral("Option1_%1").arg(o.index));
        Place(b, 1905, y, 1560, 285);
        b->installEventFilter(this);
        Option1_[o.index] = b;
        y += 420;
    }
}

void Menu_FG::Option1_MouseDown(int index) {
    if (index < 0 || index > 3)
        return;
    ctx().Commande(
        Contexte::Si_Occupe::Ignore,
        [this, index] {
            Etat_Projet &e = ctx().etat;
            e.P(ANGLE_ROTATION) = 0; // the section is shown unrotated
            Picture2_->Marqueur()->show();
            double a = 0, b = 0;
            switch (index) {
            case 0:
                e.X_Couple = 0;
                a = e.P(FORME_TA_A), b = e.P(FORME_TA_B);
                break;
            case 1:
                e.X_Couple = e.P(LONGUEUR_AR);
                a = e.P(FORME_MC_A), b = e.P(FORME_MC_B);
                break;
            case 3:
                e.X_Couple = e.P(POSITION_COUPLE_HAUT);
                a = e.P(FORME_MC_A), b = e.P(FORME_MC_B);
                break;
            default: // "3/4 Avant": a quarter of the length, whole, times three
                e.X_Couple = Int(e.L() / 4) * 3;
                a = e.P(FORME_AV_A), b = e.P(FORME_AV_B);
                break;
            }
            Option1_[index]->setChecked(true);
            Picture2_->Place_Marqueur(Int(Editeur_X_De_A(a)), Int(Editeur_Y_De_B(b)));
            Fixe_Cle_Vue("X");
            Pose_Station(e.X_Couple);
            Redessine_Coupe(ctx());
            Aff_Valeurs_FG();
        },
        Contexte::Si_Refus::Message);
}

void Menu_FG::Picture2_MouseMove(Qt::MouseButtons boutons, double x, double y) {
    const int option = Option_Choisie();
    if (option < 0 || !(boutons & Qt::LeftButton))
        return;
    ctx().Commande(Contexte::Si_Occupe::Ignore, [this, option, x, y]() mutable {
        Etat_Projet &e = ctx().etat;
        // The left edge stops at 10 twips so that the exponent base never reaches 0.
        x = x <= 0 ? 10 : std::min(x, 1620.0);
        y = std::clamp(y, 0.0, 1380.0);
        const double a = Editeur_A_De_X(x), b = Editeur_B_De_Y(y);
        const int na = option == 0 ? FORME_TA_A : option == 2 ? FORME_AV_A : FORME_MC_A;
        const int nb = option == 0 ? FORME_TA_B : option == 2 ? FORME_AV_B : FORME_MC_B;
        // As a project file gives them back: the hull floated now is the one a save reopens.
        e.P(na) = Valeur_Fichier(a);
        e.P(nb) = Valeur_Fichier(b);
        Picture2_->Place_Marqueur(x, y);
        // A shape that moved puts the heel results out of date through the command runner.
        Redessine_Coupe(ctx());
    });
}

void Menu_FG::Picture2_MouseUp() {
    // The drag moved the shape without checking it: a hull the table refuses is told here.
    ctx().Commande(
        Contexte::Si_Occupe::Ignore,
        [this] {
            Interface_Shell &shell = ctx().shell;
            // The menus come back whatever happens in the chain below.
            shell.Desactive_Menus();
            const auto menus = qScopeGuard([&shell] { shell.Active_Menus(); });
            Etat_Projet &e = ctx().etat;
            {
                // No drag or second release while the hull is computed; the views are drawn
                // once the numbers are settled.
                Contexte::Garde_Occupe occupe(ctx());
                Calcul_Tab(e);
                Calcul_Centrage(e, shell);
                ctx().Fenetre<Menu_Stabilite>().Calcule_Coef_Pris();
            }
            Redessine_Tout(ctx());
            Aff_Valeurs_FG();
        },
        Contexte::Si_Refus::Message);
}

} // namespace gabarit
