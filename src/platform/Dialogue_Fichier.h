#pragma once
// The open and save dialogs of CommonDialog1, behind an interface tests replace.
#include <QString>

class QFileDialog;
class QWidget;

namespace gabarit {

// The filter of every project dialog: "(*.cot)|*.cot|(*.mas)|*.mas".
QString Filtre_Projets();

class Dialogue_Fichier {
public:
    virtual ~Dialogue_Fichier() = default;
    // Full path of the chosen file, or the empty text when the user cancelled.
    virtual QString Ouvre(QWidget *parent) = 0;
    virtual QString Sauve(QWidget *parent) = 0;
};

// The real dialogs; tests install their own with Installe_Dialogue_Fichier.
Dialogue_Fichier &Dialogue_Fichier_Courant();
void Installe_Dialogue_Fichier(Dialogue_Fichier *d); // nullptr puts the real one back

// The project dialog as the real ones are shown: the filter, the current folder, the detail
// view with its type, size and date columns in French whatever the machine's locale.
void Prepare_Dialogue_Projets(QFileDialog &d, bool sauve);

} // namespace gabarit
