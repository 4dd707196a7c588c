#pragma once
// The open and save dialogs of CommonDialog1, behind an interface tests replace.
#include <QFileDialog>
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace gabarit {

// The filter of every project dialog: "(*.cot)|*.cot|(*.mas)|*.mas".
QString Filtre_Projets();

// A file the caller will not write to, whatever the user answers: told by the caller itself
// (true: refused and said), before the dialog asks whether to replace it.
using Refus_Fichier = std::function<bool(const QString &fichier)>;

class Dialogue_Fichier {
public:
    virtual ~Dialogue_Fichier() = default;
    // Full path of the chosen file, or the empty text when the user cancelled. Sauve gives the
    // file to write, already completed, not refused and agreed to (Fichier_A_Enregistrer).
    virtual QString Ouvre(QWidget *parent) = 0;
    virtual QString Sauve(QWidget *parent, const Refus_Fichier &refuse) = 0;
};

// The real dialogs; tests install their own with Installe_Dialogue_Fichier.
Dialogue_Fichier &Dialogue_Fichier_Courant();
void Installe_Dialogue_Fichier(Dialogue_Fichier *d); // nullptr puts the real one back

// The project dialog as the real ones are shown: the filter, the current folder, the detail
// view with its type, size and date columns in French whatever the machine's locale.
void Prepare_Dialogue_Projets(QFileDialog &d, bool sauve);

// The file a name chosen for saving a project is written to: the name completed as the project
// is written (Nom_Avec_Extension), once the user agreed to replace that file if it exists (a
// Yes/No question naming it). "" when he did not, when nothing was chosen, when the name
// names no project or a folder (an exclamation box says so), or when refuse (if given) refused
// the completed file.
QString Fichier_A_Enregistrer(QWidget *parent, const QString &choisi,
                              const Refus_Fichier &refuse = {});

// The project save dialog. It completes the name typed itself and asks about replacing the
// completed file, so the file it asks about is the file written: a name typed as ".bateau"
// never replaces ".bateau" unasked, nor does "bateau" replace "bateau.cot". A folder's name
// typed is entered; a name refused stays typed, the dialog open for another.
class Dialogue_Enregistrement : public QFileDialog {
public:
    explicit Dialogue_Enregistrement(QWidget *parent = nullptr, Refus_Fichier refuse = {});
    // The file the user accepted, completed; "" until then.
    QString Nom_Choisi() const { return choisi_; }
    void accept() override;

private:
    Refus_Fichier refuse_;
    QString choisi_;
};

// What every file dialog of the program looks like: the detail view, its columns in French
// and wide enough for their headings, and file types told from the names alone (a file is
// never opened to list it, so a folder like /proc cannot freeze the program).
void Presente_Dialogue_Fichier(QFileDialog &d);

// While it lives, the file dialogs Qt opens by itself (the "..." of the printer dialog) are
// presented the same way when they are shown.
class Garde_Dialogues_Fichier : public QObject {
public:
    Garde_Dialogues_Fichier();
    ~Garde_Dialogues_Fichier() override;

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
};

} // namespace gabarit
