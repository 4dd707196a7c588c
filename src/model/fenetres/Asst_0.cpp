#include "model/fenetres/Asst_0.h"

#include <QDir>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>

#include <QFontMetrics>
#include <algorithm>

#include "fenetres/Contexte.h"
#include "model/fenetres/Commandes_Fichier.h"
#include "platform/Boite_Message.h"
#include "platform/Nombres.h"
#include "platform/Twips.h"
#include "shell/Assistant.h"

namespace gabarit {

namespace {
// Places a control in twips, as the window was drawn.
template <class W>
W *Place(W *w, const QString &nom, int gauche, int haut, int largeur, int hauteur) {
    w->setObjectName(nom);
    w->setGeometry(Twips_En_Pixels(gauche), Twips_En_Pixels(haut), Twips_En_Pixels(largeur),
                   Twips_En_Pixels(hauteur));
    return w;
}

QPlainTextEdit *Texte_Fixe(QWidget *parent, const QString &texte) {
    auto *t = new QPlainTextEdit(texte, parent);
    t->setReadOnly(true);
    t->setFrameShape(QFrame::NoFrame);
    // The lines are laid as the window was drawn, in its small type.
    t->setLineWrapMode(QPlainTextEdit::NoWrap);
    t->document()->setDocumentMargin(1);
    QFont f = t->font();
    f.setPointSizeF(7.5);
    t->setFont(f);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return t;
}

// The window was drawn for a narrower type than this platform's: shrink the type until the
// longest fixed line fits the box, so no word is cut at the right edge.
void Ajuste_Police(QPlainTextEdit *t) {
    QFont f = t->font();
    const QStringList lignes = t->toPlainText().split(QLatin1Char('\n'));
    const int place = t->width() - 6;
    while (f.pointSizeF() > 5.0) {
        const QFontMetrics m(f);
        int large = 0;
        for (const QString &l : lignes)
            if (!l.trimmed().isEmpty() && l.trimmed().count(QLatin1Char('-')) != l.trimmed().size())
                large = std::max(large, m.horizontalAdvance(l.trimmed())); // rules may run out
        if (large <= place)
            break;
        f.setPointSizeF(f.pointSizeF() - 0.25);
    }
    t->setFont(f);
}

// Re-enables the main frame on every way out of a command.
class Garde_Cadre {
public:
    explicit Garde_Cadre(QWidget *cadre) : cadre_(cadre) {
        if (cadre_)
            cadre_->setEnabled(false);
    }
    ~Garde_Cadre() {
        if (cadre_)
            cadre_->setEnabled(true);
    }
    Garde_Cadre(const Garde_Cadre &) = delete;
    Garde_Cadre &operator=(const Garde_Cadre &) = delete;

private:
    QWidget *cadre_;
};
} // namespace

Asst_0::Asst_0(Contexte &ctx)
    : Fenetre_Fille(ctx, QStringLiteral("Asst_0"), QString::fromUtf8("Assistant de Réalisation")) {
    Frame2_ = Place(new QGroupBox(QStringLiteral("Info"), this), "Frame2", 75, 225, 4440, 1590);
    Text1_[2] =
        Place(Texte_Fixe(Frame2_,
                         QString::fromUtf8("L'Assistant de Réalisation va créer une ébauche de \n"
                                           "Projet dans un fichier de dépendance (MonPojet).\n"
                                           "Cette réalisation vous permet de définir rapidement "
                                           "les \n"
                                           "grandes lignes de votre Projet.\n"
                                           "Vous utiliserez cette ébauche comme base de travail.")),
              "Text1_2", 225, 375, 3990, 1080);
    Ajuste_Police(Text1_[2]);

    Frame1_[0] =
        Place(new QGroupBox(QStringLiteral("Longeur"), this), "Frame1_0", 75, 2175, 2565, 2115);
    Text1_[0] =
        Place(Texte_Fixe(Frame1_[0], QStringLiteral("\nVeuillez indiquer la longueur \n"
                                                    "maximum de la coque en mm :\t\n") +
                                         QString(46, QLatin1Char('-')) +
                                         QStringLiteral("\nMinimum  : 500\nMaximum : 2000")),
              "Text1_0", 150, 225, 2265, 1245);
    Ajuste_Police(Text1_[0]);
    Text2_1_ = Place(new QLineEdit(Frame1_[0]), "Text2_1", 150, 1575, 1365, 315);

    Frame1_[1] = Place(new QGroupBox(QString::fromUtf8("Type Carène"), this), "Frame1_1", 2850,
                       2175, 1770, 2130);
    Option1_[0] = Place(new QRadioButton(QStringLiteral("Large"), Frame1_[1]), "Option1_0", 225,
                        450, 1185, 345);
    Option1_[1] = Place(new QRadioButton(QStringLiteral("Normal"), Frame1_[1]), "Option1_1", 225,
                        900, 1380, 345);
    Option1_[2] = Place(new QRadioButton(QStringLiteral("Fin"), Frame1_[1]), "Option1_2", 225, 1350,
                        975, 345);

    Text1_3_ = Place(new QLineEdit(QStringLiteral("Veuillez appuyer sur Terminer."), this),
                     "Text1_3", 1950, 4740, 2490, 345);
    Text1_3_->setReadOnly(true);
    Text1_3_->setFrame(false);
    Text1_3_->setCursorPosition(0);
    QFont f = Text1_3_->font();
    f.setPointSizeF(7.5);
    Text1_3_->setFont(f);
    Shape1_ = Place(new QFrame(this), "Shape1", 135, 5430, 4425, 105);
    Shape1_->setStyleSheet(QStringLiteral("background-color: rgb(128,128,128);"));
    Command1_[0] =
        Place(new QPushButton(QStringLiteral("Annuler"), this), "Command1_0", 75, 5940, 1050, 435);
    Command1_[1] = Place(new QPushButton(QStringLiteral("Terminer"), this), "Command1_1", 3525,
                         5925, 1050, 435);
    setMinimumSize(Twips_En_Pixels(4700), Twips_En_Pixels(6450));

    for (int k = 0; k < 2; ++k)
        connect(Command1_[static_cast<std::size_t>(k)], &QPushButton::clicked, this,
                [this, k] { Asst_0_Command1_Click(k); });
    if (ctx.zone)
        connect(ctx.zone, &QMdiArea::subWindowActivated, this,
                [this](QMdiSubWindow *w) { Asst_0_Form_Activate(w); });
    Entrees_Initiales();
}

void Asst_0::Entrees_Initiales() {
    Text2_1_->setText(QStringLiteral("1000"));
    Option1_[1]->setChecked(true);
}

void Asst_0::Au_Fermeture() {
    // Closing discards the entries: the next opening starts afresh.
    Entrees_Initiales();
}

void Asst_0::Asst_0_Form_Activate(QMdiSubWindow *w) {
    if (!w || w != Cadre())
        return;
    Deplace(Twips_En_Pixels(100), Twips_En_Pixels(100), Twips_En_Pixels(4800),
            Twips_En_Pixels(6825));
    ctx().shell.Laisse_Evenements();
    ctx().Joue_Son("ocean3.wav");
}

void Asst_0::Asst_0_Command1_Click(int index) {
    if (index == 0) {
        Cache();
        Entrees_Initiales();
        if (ctx().cadre)
            ctx().cadre->setEnabled(true);
        return;
    }
    // A new project replaces every record: no computation may run under it, and a refusal
    // it does not word itself is told.
    ctx().Commande(
        Contexte::Si_Occupe::Garde, [this] { Terminer(); }, Contexte::Si_Refus::Message);
}

void Asst_0::Terminer() {
    Contexte &c = ctx();
    Garde_Cadre garde(c.cadre);
    auto refuse = [this] {
        Boite_Message(this, QString::fromLatin1(MESSAGE_LONGUEUR), MB_EXCLAMATION,
                      QStringLiteral("Attention"));
    };

    double longueur = 0;
    if (!Lit_Nombre(Text2_1_->text(), longueur)) {
        refuse();
        return;
    }
    Type_Carene type = Type_Carene::Normal;
    if (Option1_[0]->isChecked())
        type = Type_Carene::Large;
    else if (Option1_[2]->isChecked())
        type = Type_Carene::Fin;
    // Short hulls are always built wide.
    if (Type_Impose(longueur, type) != type)
        Option1_[0]->setChecked(true);
    if (!Longueur_Acceptee(longueur)) {
        refuse();
        return;
    }
    // The new project replaces the one in work; when the user keeps that one, the assistant
    // stays as it is.
    if (!Peut_Quitter_Projet(c))
        return;

    Cache();
    c.shell.Montre_Attente(true);
    c.shell.Laisse_Evenements();
    if (!c.etat.Dossier_Programme.empty())
        QDir::setCurrent(QString::fromStdString(c.etat.Dossier_Programme));

    const Resultat_Assistant r = Cree_Nouveau_Projet(c.etat, c.shell, longueur, type);
    if (r.longueur > 0)
        Text2_1_->setText(Texte_Nombre(r.longueur));
    if (r.etat != Resultat_Assistant::Etat::Reussie) {
        c.shell.Montre_Attente(false);
        // A length the assistant refuses, or the core's own reason (a master it cannot
        // read names the file).
        if (r.erreur.empty())
            refuse();
        else
            Boite_Message(this, QString::fromStdString(r.erreur), MB_EXCLAMATION,
                          QStringLiteral("Attention"));
        return;
    }
    c.Montre_Nom_Projet();
    c.Joue_Son("desert3.wav");
    c.shell.Montre_Attente(false);
}

} // namespace gabarit
