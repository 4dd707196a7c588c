#pragma once
// The printer as a print surface: each job is one sheet painted on the program's QPrinter at
// 1440 dots per inch, so one printer unit is one twip, from the top-left corner of the
// printable area. Printing to a PDF file goes through a temporary file beside it: a job
// that fails leaves no half-written file under the chosen name.
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "interfaces/Surface_Impression.h"

class QPainter;
class QPrintDialog;
class QPrinter;
class QWidget;

namespace gabarit {

inline constexpr int POINTS_PAR_POUCE_IMPRIMANTE = 1440;

// The program's printer: the system's default one until the user chooses another, landscape
// or a PDF file in the printer dialog; kept for the whole run.
QPrinter &Imprimante();
// The printer dialog on that printer; true when the user accepted it. Tests put a function
// in its place (an empty one puts the real dialog back).
bool Configure_Imprimante(QWidget *parent);
void Remplace_Configuration_Imprimante(std::function<bool(QPrinter &)> f);
// The printer dialog as it is shown: its title, its "OK", and a file box whose completion
// never opens the files it lists.
void Prepare_Dialogue_Imprimante(QPrintDialog &d);

class Surface_Imprimante : public Surface_Impression {
public:
    explicit Surface_Imprimante(QPrinter &imprimante);
    ~Surface_Imprimante() override; // an unfinished job is dropped
    Surface_Imprimante(const Surface_Imprimante &) = delete;
    Surface_Imprimante &operator=(const Surface_Imprimante &) = delete;

    void Ligne(float x1, float y1, float x2, float y2) override;
    void Texte(const std::string &ligne) override;
    void Fin_Document() override;
    void Abandonne() noexcept override;
    std::string Nombre(double v) const override;

    // The PDF files this surface has written, one per job. With a PDF file chosen, the
    // first job writes that file and the next ones (a series) the same name followed by
    // "_2", "_3", ...
    const std::vector<QString> &Fichiers() const { return fichiers_; }

private:
    void Ouvre();
    void Ferme_Fichier(bool garde);

    QPrinter &imprimante_;
    std::unique_ptr<QPainter> peintre_;
    double y_texte_ = 0;
    int travaux_ = 0;
    QString choix_;      // the PDF file the user chose ("" on a printer)
    QString cible_;      // this job's file
    QString temporaire_; // where it is written until the job ends
    std::vector<QString> fichiers_;
};

} // namespace gabarit
