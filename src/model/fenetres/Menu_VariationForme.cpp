#include "model/fenetres/Menu_VariationForme.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>

#include "fenetres/Contexte.h"
#include "fenetres/Fenetres_Outils.h"
#include "model/Acceptation_Projet.h"
#include "model/Carene.h"
#include "model/Numeros.h"
#include "model/Saisie_Forme.h"
#include "model/fenetres/Menu_FG.h"
#include "platform/Controles.h"
#include "platform/Nombres.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"
#include "stability/Centrage.h"
#include "views/fenetres/Redessine.h"

namespace gabarit {

Menu_VariationForme::Menu_VariationForme(Contexte &ctx)
    : Fenetre_Fille(ctx, QStringLiteral("Menu_VariationForme"),
                    QStringLiteral("Menu Variation de Forme")) {
    Police_8(this);
    resize(Twips_En_Pixels(LARGEUR_OUTIL), Twips_En_Pixels(HAUTEUR_OUTIL));

    auto *reglage = Place(Groupe(this, QStringLiteral("Frame1"), QStringLiteral("Réglage")), 120,
                          120, 2280, 1320);
    const char *legendes[] = {"Avant", "Arrière"};
    for (int i = 0; i < 2; ++i) {
        const double y = 330 + i * 480;
        Place(
            Etiquette(reglage, QStringLiteral("Label1_%1").arg(i), QString::fromUtf8(legendes[i])),
            120, y + 30, 900, 255);
        Text1_[i] = new QLineEdit(reglage);
        Text1_[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        Place(Text1_[i], 1080, y, 600, 300);
        UpDown1_[i] = new UpDown(reglage);
        UpDown1_[i]->setObjectName(QStringLiteral("UpDown1_%1").arg(i));
        UpDown1_[i]->move(Twips_En_Pixels(1695), Twips_En_Pixels(y - 15));
        UpDown1_[i]->setBuddy(Text1_[i]);
        UpDown1_[i]->setRange(INDICE_FORME_MIN, INDICE_FORME_MAX);
        UpDown1_[i]->setValue(1);
        Text1_[i]->setText(QStringLiteral("1"));
        connect(UpDown1_[i], &UpDown::Change, this, &Menu_VariationForme::UpDown1_Change);
    }

    auto *info = new QGroupBox(QStringLiteral("Info"), this);
    info->setObjectName(QStringLiteral("Frame2"));
    Place(info, 2520, 120, 3120, 3000);
    Text2_ = new QPlainTextEdit(info);
    Text2_->setObjectName(QStringLiteral("Text2"));
    Place(Text2_, 90, 270, 2940, 2610);
    Text2_->setPlainText(
        QString::fromUtf8("Ce Menu permet d'effectuer une correction sur la variation de la \n"
                          "forme des couples Avant et Arrière.\n"
                          "Valeur de l'indice :\n"
                          "1 : Variation linéaire\n"
                          "2 : Variation fonction de la déformation du bois ( recommandé )\n"
                          "3-11 : Plage utile\n"));

    if (ctx.zone)
        connect(ctx.zone, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *w) {
            if (w && w == Cadre())
                this->ctx().Regarde(Contexte::Si_Occupe::Execute, [this] { Form_Activate(); });
        });
}

void Menu_VariationForme::Form_Activate() {
    // Only shown: the open and the editor let no index outside 1 to 11 into the record, so
    // showing the window never changes the hull.
    const Etat_Projet &e = ctx().etat;
    remplissage_ = 1;
    UpDown1_[0]->Montre_Valeur(Arrondi(e.P(VARIATION_FORME_AV)));
    UpDown1_[1]->Montre_Valeur(Arrondi(e.P(VARIATION_FORME_AR)));
    remplissage_ = 0;
}

void Menu_VariationForme::UpDown1_Change() {
    if (remplissage_ == 1)
        return;
    ctx().Commande(
        Contexte::Si_Occupe::Ignore,
        [this] {
            Etat_Projet &e = ctx().etat;
            Menu_FG *fg = ctx().Existante<Menu_FG>();
            // The chain takes the hull-form window's edits too: they are checked first, so a
            // refused box there leaves the record as it was.
            if (fg && !fg->Verifie_Valeurs_FG()) {
                Form_Activate();
                return;
            }
            const auto sauve = e.Tab_Param;
            e.P(VARIATION_FORME_AV) = UpDown1_[0]->value();
            e.P(VARIATION_FORME_AR) = UpDown1_[1]->value();
            Remet_Pas_Horizontal(e);
            if (fg) {
                fg->Lit_Report_TBI();
                fg->Lit_Valeurs_FG();
            }
            {
                Contexte::Garde_Occupe occupe(ctx());
                if (!Calcul_Tab_Ou_Retablit(e, sauve, ctx().shell)) {
                    Form_Activate();
                    return;
                }
                Calcul_Centrage(e, ctx().shell);
            }
            Redessine_Tout(ctx());
            if (fg)
                fg->Aff_Valeurs_FG();
        },
        Contexte::Si_Refus::Message);
}

} // namespace gabarit
