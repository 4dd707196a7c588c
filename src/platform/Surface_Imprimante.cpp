#include "platform/Surface_Imprimante.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <filesystem>

#include "model/Erreur.h"
#include "platform/Dialogue_Fichier.h"
#include "platform/Icones_Fichiers.h"
#include "platform/Nombres.h"

namespace gabarit {

namespace {
std::function<bool(QPrinter &)> &Remplacement() {
    static std::function<bool(QPrinter &)> f;
    return f;
}

// The file of the n-th job of a series: "nom.pdf", then "nom_2.pdf", "nom_3.pdf", ...
QString Nom_Travail(const QString &nom, int n) {
    if (n <= 1)
        return nom;
    const QFileInfo f(nom);
    const QString suffixe = f.suffix().isEmpty() ? QString() : QStringLiteral(".") + f.suffix();
    const QString base = suffixe.isEmpty() ? nom : nom.left(nom.size() - suffixe.size());
    return base + QStringLiteral("_%1").arg(n) + suffixe;
}

std::string Utf8(const QString &s) { return s.toUtf8().toStdString(); }
} // namespace

QPrinter &Imprimante() {
    // Made on first use, after the application; it lives as long as the program.
    static QPrinter *p = new QPrinter(QPrinter::HighResolution);
    return *p;
}

bool Configure_Imprimante(QWidget *parent) {
    if (Remplacement())
        return Remplacement()(Imprimante());
    QPrintDialog d(&Imprimante(), parent);
    Prepare_Dialogue_Imprimante(d);
    const Garde_Dialogues_Fichier parcourir; // the file dialog of its "..." button
    return d.exec() == QDialog::Accepted;
}

void Prepare_Dialogue_Imprimante(QPrintDialog &d) {
    d.setWindowTitle(QStringLiteral("Configuration de l'imprimante"));
    // The dialog only chooses the printer, the orientation or the PDF file: nothing is
    // printed when it closes, so its button does not say "Imprimer".
    for (QDialogButtonBox *b : d.findChildren<QDialogButtonBox *>())
        if (QPushButton *ok = b->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    // The file box completes names from a file model that must not open the files.
    Types_Par_Nom(&d);
}

void Remplace_Configuration_Imprimante(std::function<bool(QPrinter &)> f) {
    Remplacement() = std::move(f);
}

Surface_Imprimante::Surface_Imprimante(QPrinter &imprimante) : imprimante_(imprimante) {}

Surface_Imprimante::~Surface_Imprimante() { Abandonne(); }

void Surface_Imprimante::Ouvre() {
    if (peintre_)
        return;
    ++travaux_;
    imprimante_.setResolution(POINTS_PAR_POUCE_IMPRIMANTE);
    imprimante_.setFullPage(false);
    const bool pdf = imprimante_.outputFormat() == QPrinter::PdfFormat;
    choix_ = pdf ? imprimante_.outputFileName() : QString();
    if (pdf && choix_.isEmpty())
        throw Erreur_Gabarit("aucune imprimante n'est disponible : choisissez une imprimante ou "
                             "un fichier PDF avec \"Configuration de l'imprimante\"");
    if (pdf) {
        cible_ = Nom_Travail(choix_, travaux_);
        temporaire_ = cible_ + QStringLiteral(".partiel");
        imprimante_.setOutputFileName(temporaire_);
    }
    peintre_ = std::make_unique<QPainter>();
    if (!peintre_->begin(&imprimante_)) {
        peintre_.reset();
        if (pdf) {
            imprimante_.setOutputFileName(choix_);
            QFile::remove(temporaire_);
            throw Erreur_Gabarit("impossible d'écrire le fichier " + Utf8(cible_));
        }
        throw Erreur_Gabarit("l'imprimante " + Utf8(imprimante_.printerName()) + " ne répond pas");
    }
    // A template at any other resolution would come out at the wrong size.
    if (peintre_->device()->logicalDpiX() != POINTS_PAR_POUCE_IMPRIMANTE ||
        peintre_->device()->logicalDpiY() != POINTS_PAR_POUCE_IMPRIMANTE) {
        Abandonne();
        throw Erreur_Gabarit("l'imprimante n'accepte pas la résolution de 1440 points par pouce");
    }
    // The thinnest line the printer makes, black; the printer's own font.
    peintre_->setPen(QPen(Qt::black, 0));
    y_texte_ = 0;
}

void Surface_Imprimante::Ligne(float x1, float y1, float x2, float y2) {
    Ouvre();
    peintre_->drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void Surface_Imprimante::Texte(const std::string &ligne) {
    Ouvre();
    const QFontMetricsF fm(peintre_->font(), peintre_->device());
    peintre_->drawText(QPointF(0, y_texte_ + fm.ascent()), QString::fromUtf8(ligne));
    y_texte_ += fm.height();
}

void Surface_Imprimante::Ferme_Fichier(bool garde) {
    if (choix_.isEmpty())
        return;
    imprimante_.setOutputFileName(choix_);
    if (!garde) {
        QFile::remove(temporaire_);
        return;
    }
    std::error_code ec;
    // Replaces an older file of that name in one step.
    std::filesystem::rename(QFile::encodeName(temporaire_).toStdString(),
                            QFile::encodeName(cible_).toStdString(), ec);
    if (ec) {
        QFile::remove(temporaire_);
        throw Erreur_Gabarit("impossible d'écrire le fichier " + Utf8(cible_) + " (" +
                             ec.message() + ")");
    }
    fichiers_.push_back(cible_);
}

void Surface_Imprimante::Fin_Document() {
    if (!peintre_)
        Ouvre(); // a sheet with nothing on it is still a sheet
    const bool ok = peintre_->end();
    peintre_.reset();
    if (!ok) {
        Ferme_Fichier(false);
        throw Erreur_Gabarit("l'impression n'a pas pu être terminée");
    }
    Ferme_Fichier(true);
}

void Surface_Imprimante::Abandonne() noexcept {
    if (!peintre_)
        return;
    try {
        imprimante_.abort();
        peintre_->end();
        peintre_.reset();
        Ferme_Fichier(false);
    } catch (...) {
    }
}

std::string Surface_Imprimante::Nombre(double v) const { return Utf8(Texte_Nombre(v)); }

} // namespace gabarit
