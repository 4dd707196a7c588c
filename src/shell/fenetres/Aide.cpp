#include "shell/fenetres/Aide.h"

#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QTextEdit>

#include "fenetres/Contexte.h"
#include "interfaces/Interface_Shell.h"
#include "platform/Boite_Message.h"
#include "platform/Lecteur_RTF.h"
#include "platform/Twips.h"

namespace gabarit {

namespace {
// The viewer keeps this outer size whatever the user does (twips).
constexpr double LARGEUR_AIDE = 5865;
constexpr double HAUTEUR_AIDE = 5750;

void Dossier_Programme_Courant(const Contexte &ctx) {
    // The open and save dialogs may have left another folder current.
    if (!ctx.etat.Dossier_Programme.empty())
        QDir::setCurrent(QString::fromStdString(ctx.etat.Dossier_Programme));
}
} // namespace

Aide::Aide(Contexte &ctx)
    : Fenetre_Fille(ctx, QStringLiteral("Aide"), QStringLiteral("Menu Aide")) {
    texte_ = new QTextEdit(this);
    texte_->setObjectName(QStringLiteral("RichTextBox1"));
    texte_->setReadOnly(true);
    texte_->setAcceptRichText(true);
    resize(Twips_En_Pixels(LARGEUR_AIDE), Twips_En_Pixels(HAUTEUR_AIDE));
    texte_->setGeometry(0, Twips_En_Pixels(400), Twips_En_Pixels(LARGEUR_AIDE - 100),
                        Twips_En_Pixels(HAUTEUR_AIDE - 1200));
}

QString Aide::Fichier_Sujet(int n) {
    // Menu order of the "Aide" items; names as they lie on disk, accents and case included.
    static const char16_t *const fichiers[NB_SUJETS] = {u"airedescouples.rtf",
                                                        u"Allongement.rtf",
                                                        u"AntiDérive.rtf",
                                                        u"CoefficientPrismatique.rtf",
                                                        u"reglagescouples.rtf",
                                                        u"coupleencours.rtf",
                                                        u"Déplacement.rtf",
                                                        u"Forme.rtf",
                                                        u"gite.rtf",
                                                        u"pendulaire.rtf",
                                                        u"précisionGénérale.rtf",
                                                        u"précisionHorizontale.rtf",
                                                        u"précisionVerticale.rtf",
                                                        u"StabilitéGlobale.rtf",
                                                        u"StabilitéForme.rtf",
                                                        u"StabilitéPoids.rtf",
                                                        u"Voilure.rtf"};
    if (n < 0 || n >= NB_SUJETS)
        return {};
    return QString::fromUtf16(fichiers[n]);
}

void Aide::Montre_Sujet(int n) {
    const QString nom = Fichier_Sujet(n);
    if (nom.isEmpty())
        return;
    Montre_Fichier(nom);
}

void Aide::Montre_Fichier(const QString &nom) {
    ctx().Commande(Contexte::Si_Occupe::Execute, [this, &nom] {
        Dossier_Programme_Courant(ctx());
        Montre();
        Charge(nom);
    });
}

void Aide::Charge(const QString &nom) {
    const QString dossier = QString::fromStdString(ctx().etat.Dossier_Programme);
    const QString chemin = dossier.isEmpty() ? nom : QDir(dossier).filePath(nom);
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) {
        // Never leave the previous topic on screen under the new one's name.
        texte_->clear();
        Boite_Message(ctx().cadre,
                      QStringLiteral("Le fichier d'aide \"%1\" est introuvable dans le dossier "
                                     "du programme.")
                          .arg(nom),
                      MB_EXCLAMATION, QStringLiteral("Attention"));
        return;
    }
    const QByteArray contenu = f.read(64 * 1024 * 1024); // the reader stops there anyway
    Remplit_Document(*texte_->document(), Analyse_RTF(contenu));
    texte_->moveCursor(QTextCursor::Start);
}

void Aide::Aide_Form_Resize() {
    if (en_placement_)
        return;
    en_placement_ = true;
    ctx().Commande(Contexte::Si_Occupe::Execute, [this] {
        const QWidget *cadre = ctx().cadre ? ctx().cadre : static_cast<QWidget *>(ctx().zone);
        const int fw = cadre ? cadre->width() : 0;
        const int fh = cadre ? cadre->height() : 0;
        const int lw = Twips_En_Pixels(LARGEUR_AIDE);
        const int lh = Twips_En_Pixels(HAUTEUR_AIDE);
        // The viewer is drawn at its fixed size: its first placement centres that size, not
        // the small one the frame gives a new child, or it would hang off the bottom.
        const int w = deja_place_ ? Largeur_Externe() : lw;
        const int h = deja_place_ ? Hauteur_Externe() : lh;
        deja_place_ = true;
        if (Cadre() || parentWidget())
            Deplace((fw - w) / 2, (fh - h) / 2, lw, lh);
        else
            resize(lw, lh); // a window of its own: the desktop places it
        texte_->setGeometry(0, Twips_En_Pixels(400), Twips_En_Pixels(LARGEUR_AIDE - 100),
                            Twips_En_Pixels(HAUTEUR_AIDE - 1200));
        Dossier_Programme_Courant(ctx());
    });
    en_placement_ = false;
}

void Aide::resizeEvent(QResizeEvent *ev) {
    Fenetre_Fille::resizeEvent(ev);
    Aide_Form_Resize();
}

} // namespace gabarit
