#include "model/fenetres/Menu_VarList.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>

#include "fenetres/Contexte.h"
#include "model/Acceptation_Projet.h"
#include "model/Fichier_Projet.h"
#include "platform/Boite_Message.h"
#include "platform/Colonnes_Liste.h"
#include "platform/Controles.h"
#include "platform/Nombres.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"

namespace gabarit {

namespace {
// The hull table holds single-precision numbers: shown with a float's digits.
QString Texte_Simple(float v) {
    QLocale loc;
    loc.setNumberOptions(QLocale::OmitGroupSeparator);
    if (v == 0.0f)
        return QStringLiteral("0");
    return loc.toString(static_cast<double>(v), 'g', 7);
}

// Rounded down to 1/100, in single precision.
float Centiemes(float v) { return std::floor(v * 100.0f) / 100.0f; }

double Lit_Ou_Erreur(const QString &texte) {
    double v = 0;
    if (!Lit_Nombre(texte, v))
        throw Erreur_Gabarit("Valeur non numérique");
    return v;
}
} // namespace

Menu_VarList::Menu_VarList(Contexte &ctx)
    : Fenetre_Fille(ctx, QStringLiteral("Menu_VarList"),
                    QStringLiteral("Menu Liste des Variables")) {
    auto *l = new QVBoxLayout(this);
    SSTab1_ = new QTabWidget(this);
    SSTab1_->setObjectName("SSTab1");
    l->addWidget(SSTab1_);

    // "Couple": the hull table of one station.
    auto *couple = new QWidget(SSTab1_);
    auto *lc = new QVBoxLayout(couple);
    auto *ligne = new QHBoxLayout;
    ligne->addWidget(Etiquette(couple, "Label3", QString::fromUtf8("N° Couple :")));
    Text3_ = new QLineEdit(couple);
    Text3_->setObjectName("Text3");
    ligne->addWidget(Text3_);
    UpDown2_ = new UpDown(couple);
    UpDown2_->setObjectName("UpDown2");
    UpDown2_->setBuddy(Text3_);
    ligne->addWidget(UpDown2_);
    ligne->addStretch();
    lc->addLayout(ligne);
    auto *Frame2 = new QGroupBox(couple);
    Frame2->setObjectName("Frame2");
    auto *lf2 = new QVBoxLayout(Frame2);
    List2_ = new QListWidget(Frame2);
    List2_->setObjectName("List2");
    Colonnes2_ =
        new Colonnes_Liste(List2_, {Etiquette(Frame2, "Label4_0", QStringLiteral("Hauteur")),
                                    Etiquette(Frame2, "Label4_2", QStringLiteral("Yn")),
                                    Etiquette(Frame2, "Label13", QStringLiteral("Volume"))});
    lf2->addWidget(Colonnes2_->Bandeau());
    lf2->addWidget(List2_);
    lc->addWidget(Frame2);
    SSTab1_->addTab(couple, QStringLiteral("Couple"));

    // "Variables": the record editor.
    auto *variables = new QWidget(SSTab1_);
    auto *lv = new QVBoxLayout(variables);
    auto *Frame1_0 = new QGroupBox(variables);
    Frame1_0->setObjectName("Frame1_0");
    lv->addWidget(Frame1_0);
    auto *lf1 = new QVBoxLayout(Frame1_0);
    List1_ = new QListWidget(Frame1_0);
    List1_->setObjectName("List1");
    // A value such as a centre of effort to 15 digits is wider than any fixed tab stop: the
    // columns follow the widest value and number the list holds.
    Colonnes1_ = new Colonnes_Liste(
        List1_, {Etiquette(Frame1_0, "Label1_0", QString::fromUtf8("N°")),
                 Etiquette(Frame1_0, "Label1_1", QStringLiteral("Valeur")),
                 Etiquette(Frame1_0, "Label1_2", QStringLiteral("Commentaire"))});
    lf1->addWidget(Colonnes1_->Bandeau());
    lf1->addWidget(List1_);
    auto *edition = new QHBoxLayout;
    Label2_0_ = Etiquette(Frame1_0, "Label2_0", QString());
    Label2_0_->setMinimumWidth(30);
    edition->addWidget(Label2_0_);
    Text1_0_ = new QLineEdit(Frame1_0);
    Text1_0_->setObjectName("Text1_0");
    edition->addWidget(Text1_0_, 1);
    Text2_ = new QLineEdit(Frame1_0);
    Text2_->setObjectName("Text2");
    edition->addWidget(Text2_, 2);
    lf1->addLayout(edition);
    Command2_ = new QPushButton(QStringLiteral("Valide"), Frame1_0);
    Command2_->setObjectName("Command2");
    lf1->addWidget(Command2_);
    SSTab1_->addTab(variables, QStringLiteral("Variables"));
    SSTab1_->setCurrentIndex(1);

    connect(List1_, &QListWidget::currentRowChanged, this, [this] { Menu_VarList_List1_Click(); });
    connect(List1_, &QListWidget::itemClicked, this, [this] { Menu_VarList_List1_Click(); });
    connect(Command2_, &QPushButton::clicked, this, [this] { Menu_VarList_Command2_Click(); });
    connect(UpDown2_, &UpDown::MouseUp, this, [this] { Menu_VarList_UpDown2_MouseUp(); });
    if (ctx.zone)
        connect(ctx.zone, &QMdiArea::subWindowActivated, this,
                [this](QMdiSubWindow *w) { Menu_VarList_Form_Activate(w); });
    Menu_VarList_Form_Load();
}

void Menu_VarList::Menu_VarList_Form_Load() {
    ctx().Commande(Contexte::Si_Occupe::Execute, [this] {
        // Stations every 10 mm from the stern to the bow.
        UpDown2_->setRange(0, static_cast<int>(Arrondi(Fini(ctx().etat.L()))));
        UpDown2_->setIncrement(10);
    });
}

void Menu_VarList::Menu_VarList_Form_Activate(QMdiSubWindow *w) {
    if (!w || w != Cadre())
        return;
    Deplace(Gauche(), Haut(), Twips_En_Pixels(5940), Twips_En_Pixels(6810));
}

void Menu_VarList::Remplit() {
    const Etat_Projet &e = ctx().etat;
    const QSignalBlocker bloque(List1_);
    List1_->clear();
    for (int i = 1; i <= NB_VALEURS_PROJET; ++i)
        List1_->addItem(QString::number(i) + QLatin1Char('\t') + Texte_Nombre(e.P(i)) +
                        QLatin1Char('\t') +
                        QString::fromStdString(e.Texte_Projet[static_cast<std::size_t>(i)]));
    Colonnes1_->Mesure();
}

void Menu_VarList::Affiche_Valeurs() {
    // A command changed values this list shows (a derived value following the one typed): the
    // lines show them again, the chosen line and the view where they were.
    if (List1_->count() == 0)
        return;
    const int ligne = List1_->currentRow();
    const int defilement = List1_->verticalScrollBar()->value();
    Remplit();
    {
        const QSignalBlocker bloque(List1_);
        List1_->setCurrentRow(ligne);
    }
    List1_->verticalScrollBar()->setValue(defilement);
    Menu_VarList_List1_Click();
}

void Menu_VarList::Remplit_Liste() {
    // The window is kept rather than unloaded: its station range follows the current hull.
    Menu_VarList_Form_Load();
    Remplit();
    List1_->setCurrentRow(0);
    Menu_VarList_List1_Click();
}

void Menu_VarList::Menu_VarList_List1_Click() {
    ctx().Commande(Contexte::Si_Occupe::Execute, [this] {
        const int i = List1_->currentRow() + 1;
        if (i < 1 || i > NB_VALEURS_PROJET)
            return;
        const Etat_Projet &e = ctx().etat;
        Label2_0_->setText(QString::number(i));
        Text1_0_->setText(Texte_Nombre(e.P(i)));
        Text1_0_->setCursorPosition(0); // a long number is read from its first digits
        Text2_->setText(QString::fromStdString(e.Texte_Projet[static_cast<std::size_t>(i)]));
        Text2_->setCursorPosition(0); // a long comment is read from its start
    });
}

void Menu_VarList::Menu_VarList_Command2_Click() {
    ctx().Commande(Contexte::Si_Occupe::Execute, [this] {
        const int i = List1_->currentRow() + 1;
        if (i < 1 || i > NB_VALEURS_PROJET)
            return;
        Etat_Projet &e = ctx().etat;
        // As the hull-form window does: a text that is not a number, or a value the table,
        // the file, the sizes' sign or the profile table cannot take, or one the program works
        // out from others, is refused with its reason, once; nothing is stored and the box
        // keeps the focus.
        double v = 0;
        const std::string refus = Lit_Nombre(Text1_0_->text(), v)
                                      ? Refus_Valeur_Projet(e, i, v)
                                      : Refus_Texte_Valeur(i, Text1_0_->text().toStdString(),
                                                           QLocale().decimalPoint().toStdString());
        if (!refus.empty()) {
            Boite_Message(this, QString::fromStdString(refus), MB_EXCLAMATION,
                          QStringLiteral("Attention"));
            Text1_0_->setFocus();
            Text1_0_->selectAll();
            return;
        }
        // A comment the file cannot hold is refused, never saved with '?' or a blank in place
        // of what was typed: the box keeps it, the character it cannot hold chosen, and
        // nothing is stored. An accent typed or pasted as a letter and a combining mark is the
        // one letter the file holds.
        const std::string commentaire =
            Text2_->text().normalized(QString::NormalizationForm_C).toStdString();
        if (const std::string refus_texte = Refus_Commentaire(i, commentaire);
            !refus_texte.empty()) {
            Boite_Message(this, QString::fromStdString(refus_texte), MB_EXCLAMATION,
                          QStringLiteral("Attention"));
            const QString c = QString::fromStdString(Caractere_Hors_Commentaire(commentaire));
            const qsizetype ou = Text2_->text().indexOf(c);
            Text2_->setFocus();
            if (ou >= 0)
                Text2_->setSelection(static_cast<int>(ou), static_cast<int>(c.size()));
            return;
        }
        // Stored as the project file gives it back, so the list shows what a save reopens.
        e.P(i) = Valeur_Fichier(v);
        // Without the blanks at its ends, as the file gives it back.
        e.Texte_Projet[static_cast<std::size_t>(i)] = Commentaire_Fichier(commentaire);
        Remplit();
        // The next line comes up, ready for the next edit; after the last there is none.
        if (i < List1_->count()) {
            List1_->setCurrentRow(i);
            Menu_VarList_List1_Click();
        }
    });
}

void Menu_VarList::Menu_VarList_UpDown2_MouseUp() {
    ctx().Commande(Contexte::Si_Occupe::Execute, [this] {
        List2_->clear();
        const Table_Carene &t = ctx().etat.Tab_Carene;
        for (int d = 0; d <= 200; ++d) {
            // Stations lie 10 mm apart in the table; the text is read afresh at every row.
            const double station = Arrondi(Lit_Ou_Erreur(Text3_->text()) / 10);
            if (station < 0 || station >= Table_Carene::NB_STATIONS)
                throw Erreur_Gabarit("Station hors de la table de carène");
            const int s = static_cast<int>(station);
            const QString tab(QLatin1Char('\t'));
            List2_->addItem(Texte_Simple(t(s, d, 0)) + tab + Texte_Simple(Centiemes(t(s, d, 1))) +
                            tab + Texte_Simple(Centiemes(t(s, d, 2))) + tab +
                            Texte_Simple(Centiemes(t(s, d, 3))));
            // The keel row has no breadth: the section ends there.
            if (t(s, d, 1) == 0) {
                List2_->setCurrentRow(0);
                return;
            }
        }
    });
    Colonnes2_->Mesure(); // the rows shown, however the fill ended
}

} // namespace gabarit
