#include "rig/fenetres/Menu_VoileClass.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextOption>
#include <QVBoxLayout>

#include "fenetres/Contexte.h"
#include "fenetres/Fenetres_Outils.h"
#include "platform/Controles.h"
#include "platform/Nombres.h"
#include "platform/Twips.h"
#include "rig/Voilure_Class.h"

namespace gabarit {

namespace {

QPlainTextEdit *Aide(QWidget *parent, const QString &nom, const QStringList &lignes) {
    auto *t = new QPlainTextEdit(parent);
    t->setObjectName(nom);
    t->setReadOnly(true);
    QString texte;
    for (const QString &l : lignes)
        texte += l + QLatin1Char('\n');
    t->setPlainText(texte);
    // Lines longer than the box go on below, broken between words only.
    t->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    t->setWordWrapMode(QTextOption::WordWrap);
    return t;
}
} // namespace

Menu_VoileClass::Menu_VoileClass(Contexte &ctx)
    : Fenetre_Fille(ctx, QStringLiteral("Menu_VoileClass"),
                    QStringLiteral("Menu Voilure Type Class")) {
    Police_8(this);
    SSTab1_ = Onglets(this, 2);

    // "Réglage": the figures on the left, the battens on the right.
    auto *reglage = new QWidget(SSTab1_);
    auto *lr = new QHBoxLayout(reglage);
    lr->setContentsMargins(2, 2, 2, 2);
    auto *parametres = new QGroupBox(QStringLiteral("Paramètres"), reglage);
    parametres->setObjectName(QStringLiteral("Frame1"));
    auto *lp = new QVBoxLayout(parametres);
    auto *gv = new QHBoxLayout;
    gv->addWidget(Etiquette(parametres, {}, QStringLiteral("Diagonale GV =")));
    Label3_[0] = Etiquette(parametres, QStringLiteral("Label3_0"), {});
    gv->addWidget(Label3_[0]);
    gv->addStretch();
    lp->addLayout(gv);
    auto *foc = new QGroupBox(QStringLiteral("Foc"), parametres);
    foc->setObjectName(QStringLiteral("Frame2"));
    auto *lf = new QHBoxLayout(foc);
    lf->addWidget(Etiquette(foc, {}, QStringLiteral("Diagonale  =")));
    Label3_[2] = Etiquette(foc, QStringLiteral("Label3_2"), {});
    lf->addWidget(Label3_[2]);
    lf->addStretch();
    lp->addWidget(foc);
    auto *decalage =
        Etiquette(parametres, {}, QStringLiteral("Decalage Centres Anti-Derive/Voilure"));
    decalage->setWordWrap(true);
    lp->addWidget(decalage);
    Label3_[1] = Etiquette(parametres, QStringLiteral("Label3_1"), {});
    lp->addWidget(Label3_[1]);
    lp->addStretch();
    lr->addWidget(parametres);

    // The battens as a small sail: heights down the left, widths down the right, from the
    // head (the luff, width 0) to the foot (height 0, the foot's length).
    auto *lattes = new QGroupBox(QStringLiteral("Ajustement manuel des Lattes"), reglage);
    lattes->setObjectName(QStringLiteral("Frame6_2"));
    auto *g = new QGridLayout(lattes);
    g->setVerticalSpacing(1);
    const char *legendes[9] = {"Hauteur", "Largeur", "3/4", "0", "3/4", "2/4", "1/4", "0", "3/4"};
    for (int i = 0; i < 9; ++i)
        Label2_[static_cast<std::size_t>(i)] =
            Etiquette(lattes, QStringLiteral("Label2_%1").arg(i), QString::fromLatin1(legendes[i]));
    g->addWidget(Label2_[0], 0, 0);
    g->addWidget(Label2_[1], 0, 1);
    g->addWidget(Label2_[2], 1, 0);
    g->addWidget(Label2_[3], 1, 1);
    for (int i = 0; i < 3; ++i) {
        g->addWidget(Label2_[static_cast<std::size_t>(4 + i)], 2 + i, 0);
        auto *t = new QLineEdit(lattes);
        t->setObjectName(QStringLiteral("Text2_%1").arg(i));
        t->setMaximumWidth(70);
        g->addWidget(t, 2 + i, 1);
        Text2_[static_cast<std::size_t>(i)] = t;
    }
    g->addWidget(Label2_[7], 5, 0);
    g->addWidget(Label2_[8], 5, 1);
    auto *note = Etiquette(lattes, QStringLiteral("Label6_1"),
                           QStringLiteral("Cet outil permet d'ajuster manuellement la longueur "
                                          "des trois lattes types."));
    note->setWordWrap(true);
    g->addWidget(note, 6, 0, 1, 2);
    lr->addWidget(lattes);
    SSTab1_->addTab(reglage, QStringLiteral("Réglage"));

    // "Aide".
    auto *aide = new QWidget(SSTab1_);
    auto *la = new QHBoxLayout(aide);
    la->setContentsMargins(2, 2, 2, 2);
    auto *option = new QGroupBox(QStringLiteral("Option CLASS"), aide);
    option->setObjectName(QStringLiteral("Frame3_0"));
    auto *lo = new QVBoxLayout(option);
    Text1_[0] = Aide(option, QStringLiteral("Text1_0"),
                     {QStringLiteral("Cette Option vous permet en la "),
                      QStringLiteral("cochant de valider le réglage "),
                      QStringLiteral("manuel de la Grand Voile."),
                      QStringLiteral("Indiquer les dimensions des trois "),
                      QStringLiteral("lattes de références, puis "), QStringLiteral("Valider."),
                      QStringLiteral("Lorsque le Logiciel ne peut "),
                      QStringLiteral("modéliser la forme désirée, un "),
                      QStringLiteral("message d'erreur apparaît, "),
                      QStringLiteral("modifier alors les valeurs.")});
    lo->addWidget(Text1_[0]);
    la->addWidget(option, 3);
    auto *libre = new QGroupBox(QStringLiteral("Libre / CLASS"), aide);
    libre->setObjectName(QStringLiteral("Frame3_1"));
    auto *ll = new QVBoxLayout(libre);
    Text1_[1] = Aide(libre, QStringLiteral("Text1_1"),
                     {QStringLiteral("En actionnant ce bouton, le Logiciel modélise la forme de "
                                     "la voilure 'Libre' et passe automatiquement en mode "
                                     "'CLASS'."),
                      QStringLiteral("Ce model de voilure est alors utilisé comme référence et "
                                     "peut être modifié à volonté.")});
    ll->addWidget(Text1_[1]);
    la->addWidget(libre, 2);
    SSTab1_->addTab(aide, QStringLiteral("Aide"));

    resize(Twips_En_Pixels(LARGEUR_OUTIL), Twips_En_Pixels(HAUTEUR_OUTIL));
    // A law the project brought: its battens until a drawing shows them.
    Essaie([&] { Montre_Lattes(Lattes_Loi(ctx.etat)); });
}

void Menu_VoileClass::Montre_Lattes(const std::array<double, 3> &lattes) {
    for (std::size_t i = 0; i < 3; ++i)
        Text2_[i]->setText(Texte_Nombre(lattes[i]));
}

std::optional<std::array<double, 3>> Menu_VoileClass::Lit_Lattes(int *illisible) const {
    std::array<double, 3> v{};
    for (std::size_t i = 0; i < 3; ++i)
        if (!Lit_Nombre(Text2_[i]->text(), v[i])) {
            if (illisible)
                *illisible = static_cast<int>(i);
            return std::nullopt;
        }
    return v;
}

void Menu_VoileClass::Affiche(const Chiffres_Voile &c) {
    Label2_[2]->setText(Texte_Nombre(c.guindant_gv));
    Label2_[8]->setText(Texte_Nombre(c.bordure_gv));
    Label3_[1]->setText(c.decalage_centres ? Texte_Nombre(*c.decalage_centres) + QLatin1Char('%')
                                           : TIRETS);
    Label3_[0]->setText(Texte_Nombre(c.diagonale_gv));
    Label3_[2]->setText(Texte_Nombre(c.diagonale_foc));
}

void Menu_VoileClass::Place(int hauteur_menu_voile) {
    Deplace(0, ctx().Hauteur_Cadre() - hauteur_menu_voile, Twips_En_Pixels(LARGEUR_OUTIL),
            Twips_En_Pixels(HAUTEUR_OUTIL));
}

} // namespace gabarit
