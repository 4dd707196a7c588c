#pragma once
// A small modal settings dialog of the "Configuration" menu: one frame "Frame1" of options
// one above the other; a click on any runs the dialog's handler, which reads the options in
// turn rather than the one clicked. It has no buttons: its close box ends it.
#include <QDialog>
#include <initializer_list>
#include <vector>

class QGroupBox;
class QRadioButton;
class QVBoxLayout;

namespace gabarit {

class Contexte;

class Dialogue_Options : public QDialog {
    Q_OBJECT
protected:
    // nom: the dialog's name; titre: its caption; cadre: the frame's caption; options: the
    // options' name without its index ("Option1") and their captions (UTF-8), in order.
    Dialogue_Options(Contexte &ctx, QWidget *parent, const QString &nom, const QString &titre,
                     const QString &cadre, const QString &options,
                     std::initializer_list<const char *> legendes);

    // What a click on an option does.
    virtual void Option_Click() = 0;

    QRadioButton *Option(int k) const { return options_.at(static_cast<std::size_t>(k)); }
    int Nb_Options() const { return static_cast<int>(options_.size()); }
    // The dialog's column, for what follows the frame.
    QVBoxLayout *Colonne() const { return colonne_; }
    // Places the dialog at (gauche, haut), largeur x hauteur, twips.
    void Place(double gauche, double haut, double largeur, double hauteur);

    Contexte &ctx_;

private:
    QVBoxLayout *colonne_;
    QGroupBox *Frame1_;
    std::vector<QRadioButton *> options_;
};

} // namespace gabarit
