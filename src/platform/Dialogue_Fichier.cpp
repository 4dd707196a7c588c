#include "platform/Dialogue_Fichier.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QSplitter>
#include <QTreeView>

#include "interfaces/Interface_Shell.h"
#include "model/Fichier_Projet.h"
#include "platform/Boite_Message.h"
#include "platform/Icones_Fichiers.h"

namespace gabarit {

// Each description is its own pattern, projects first: "(*.cot)" then the master "(*.mas)".
QString Filtre_Projets() { return QStringLiteral("(*.cot);;(*.mas)"); }

namespace {

// The detail columns in French whatever the machine's locale: type, size and date are written
// by the file model from the system locale, and its type names are English.
class Colonnes_Francaises : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override {
        auto *fs = qobject_cast<QFileSystemModel *>(sourceModel());
        if (role != Qt::DisplayRole || !fs || index.column() < 1 || index.column() > 3)
            return QIdentityProxyModel::data(index, role);
        const QFileInfo info = fs->fileInfo(mapToSource(index));
        const QLocale fr(QLocale::French, QLocale::France);
        switch (index.column()) {
        case 1:
            return info.isDir() ? QString() : fr.formattedDataSize(info.size());
        case 2:
            if (info.isDir())
                return QStringLiteral("Dossier");
            return info.suffix().isEmpty() ? QStringLiteral("Fichier")
                                           : QStringLiteral("Fichier %1").arg(info.suffix());
        default:
            return fr.toString(info.lastModified(), QStringLiteral("dd/MM/yyyy HH:mm"));
        }
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        static const char *const titres[4] = {"Nom", "Taille", "Type", "Dernière modification"};
        if (o == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 4)
            return QString::fromUtf8(titres[section]);
        return QIdentityProxyModel::headerData(section, o, role);
    }
};

class Dialogue_Qt : public Dialogue_Fichier {
public:
    QString Ouvre(QWidget *parent) override {
        QFileDialog d(parent);
        Prepare_Dialogue_Projets(d, false);
        if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
            return {};
        return d.selectedFiles().first();
    }
    QString Sauve(QWidget *parent, const Refus_Fichier &refuse) override {
        Dialogue_Enregistrement d(parent, refuse);
        return d.exec() == QDialog::Accepted ? d.Nom_Choisi() : QString();
    }
};
Dialogue_Fichier *&Installe() {
    static Dialogue_Fichier *d = nullptr;
    return d;
}
} // namespace

void Prepare_Dialogue_Projets(QFileDialog &d, bool sauve) {
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setIconProvider(&Icones_Fichiers()); // before the folder is listed
    d.setWindowTitle(sauve ? QStringLiteral("Enregistrer sous") : QStringLiteral("Ouvrir"));
    d.setAcceptMode(sauve ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(sauve ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    d.setNameFilters(Filtre_Projets().split(QStringLiteral(";;")));
    d.setDirectory(QDir::currentPath());
    Presente_Dialogue_Fichier(d);
}

QString Fichier_A_Enregistrer(QWidget *parent, const QString &choisi, const Refus_Fichier &refuse) {
    if (choisi.isEmpty()) // nothing chosen
        return {};
    const QString nom = QString::fromStdString(Nom_Avec_Extension(choisi.toStdString()));
    const QFileInfo info(nom);
    // No file could be written there: said at once, before any question.
    QString pas_un_fichier;
    if (nom.isEmpty()) {
        const QString tape = QFileInfo(choisi).fileName();
        pas_un_fichier = QString::fromUtf8("« %1 » n'est pas un nom de projet.\nTapez un nom avant "
                                           "l'extension « .cot ».")
                             .arg(tape.isEmpty() ? choisi : tape);
    } else if (info.isDir()) {
        pas_un_fichier = QString::fromUtf8("« %1 » est un dossier.\nTapez un autre nom de projet.")
                             .arg(info.fileName());
    }
    if (!pas_un_fichier.isEmpty()) {
        Boite_Message(parent, pas_un_fichier, MB_EXCLAMATION, QStringLiteral("Enregistrer sous"));
        return {};
    }
    if (refuse && refuse(nom))
        return {};
    if (info.exists() &&
        Boite_Message(
            parent,
            QString::fromUtf8("Le fichier « %1 » existe déjà.\nVoulez-vous le remplacer ?")
                .arg(info.fileName()),
            MB_OUI_NON, QStringLiteral("Enregistrer sous")) != REPONSE_OUI)
        return {};
    return nom;
}

Dialogue_Enregistrement::Dialogue_Enregistrement(QWidget *parent, Refus_Fichier refuse)
    : QFileDialog(parent), refuse_(std::move(refuse)) {
    Prepare_Dialogue_Projets(*this, true);
    // Qt's own question would name the file as typed, not the one written.
    setOption(QFileDialog::DontConfirmOverwrite);
}

void Dialogue_Enregistrement::accept() {
    // Each click is the user's own: a refusal told at the last one is told again.
    const Une_Boite_Par_Commande clic;
    choisi_.clear();
    const QStringList choisis = selectedFiles();
    // A folder typed is entered, as the dialog does by itself, never completed as a file.
    if (choisis.isEmpty() || QFileInfo(choisis.first()).isDir())
        return QFileDialog::accept();
    // Refused or declined: the dialog stays, the name typed in it, for another.
    choisi_ = Fichier_A_Enregistrer(this, choisis.first(), refuse_);
    if (!choisi_.isEmpty())
        QFileDialog::accept();
}

void Presente_Dialogue_Fichier(QFileDialog &d) {
    if (d.iconProvider() != &Icones_Fichiers())
        d.setIconProvider(&Icones_Fichiers());
    d.setViewMode(QFileDialog::Detail);
    if (!dynamic_cast<Colonnes_Francaises *>(d.proxyModel()))
        d.setProxyModel(new Colonnes_Francaises(&d));
    // The date column as wide as its heading and a date, so neither is cut.
    if (auto *vue = d.findChild<QTreeView *>(QStringLiteral("treeView"))) {
        const QFontMetrics fm(vue->header()->font());
        const int marge = 3 * fm.horizontalAdvance(QLatin1Char('M'));
        const int date = std::max(fm.horizontalAdvance(QString::fromUtf8("Dernière modification")),
                                  fm.horizontalAdvance(QStringLiteral("00/00/0000 00:00")));
        vue->header()->resizeSection(3, date + marge);
        vue->header()->resizeSection(2,
                                     fm.horizontalAdvance(QStringLiteral("Fichier cot")) + marge);
        // Room for the places list, a name and the three detail columns.
        int largeur = 2 * date + 5 * marge;
        for (int c = 1; c < 4; ++c)
            largeur += vue->header()->sectionSize(c);
        d.setMinimumWidth(std::max(d.minimumWidth(), largeur));
        if (auto *partage = d.findChild<QSplitter *>(QStringLiteral("splitter")))
            partage->setSizes({fm.horizontalAdvance(QStringLiteral("Ordinateur")) + 2 * marge,
                               largeur - 2 * date});
    }
}

Garde_Dialogues_Fichier::Garde_Dialogues_Fichier() {
    if (QCoreApplication *app = QCoreApplication::instance())
        app->installEventFilter(this);
}

Garde_Dialogues_Fichier::~Garde_Dialogues_Fichier() {
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool Garde_Dialogues_Fichier::eventFilter(QObject *o, QEvent *e) {
    if (e->type() == QEvent::Show)
        if (auto *d = qobject_cast<QFileDialog *>(o);
            d && !dynamic_cast<Colonnes_Francaises *>(d->proxyModel()))
            Presente_Dialogue_Fichier(*d);
    return false;
}

Dialogue_Fichier &Dialogue_Fichier_Courant() {
    static Dialogue_Qt reel;
    return Installe() ? *Installe() : reel;
}
void Installe_Dialogue_Fichier(Dialogue_Fichier *d) { Installe() = d; }

} // namespace gabarit
