#pragma once
// The hull-form window: main dimensions, shape exponents, transom and stem, the single
// section shown in the sections view, the section-shape editor and the hull's figures.
#include <QString>
#include <array>
#include <optional>

#include "fenetres/Fenetre_Peinte.h"
#include "model/Etat_Projet.h"
#include "model/Saisie_Forme.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace gabarit {

class UpDown;
class Editeur_Forme;

class Menu_FG : public Fenetre_Peinte {
    Q_OBJECT
public:
    explicit Menu_FG(Contexte &ctx);

    // Shows the record in the controls, with the computed characteristics.
    void Aff_Valeurs_FG();
    void Affiche_Valeurs() override { Aff_Valeurs_FG(); }
    // Checks every box of the window, then copies them into the record. A box that is not a
    // number or would break the hull is refused with a message, keeps the focus, and nothing
    // is stored: returns false then. Does nothing (and returns true) when the window is hidden.
    bool Lit_Valeurs_FG();
    // Only the checks of Lit_Valeurs_FG, with their message and focus.
    bool Verifie_Valeurs_FG();
    // Range and value of the transom-length spinner; keeps P(REPORT_TA) at most
    // P(LONGUEUR_AR) - 10.
    void Init_Report_TBI();
    // Reads the transom-length spinner into P(REPORT_TA), at most P(LONGUEUR_AR); nothing when
    // hidden.
    void Lit_Report_TBI();
    // What the toolbar's profile key resets: marker Shape1 hidden, station box Text2 emptied,
    // Label6(0..3) " - - -", options Option1(0..3) cleared.
    void Efface_Selection();

    // Window events, as the user triggers them.
    void Command1_Click(); // "Valide"
    void Command2_Click(); // "Option Forme"
    void Command4_Click(); // "N°Couple :"
    void UpDown1_Click(int index, bool haut);
    void UpDown1_MouseUp();
    void UpDown2_Change();
    void UpDown2_MouseUp();
    // Section-shape editor.
    void Option1_MouseDown(int index);
    void Picture2_MouseMove(Qt::MouseButtons boutons, double x, double y);
    void Picture2_MouseUp();

protected:
    void Au_Fermeture() override;
    bool eventFilter(QObject *o, QEvent *ev) override;
    // Its size, the transom's spinner, then the record in the controls.
    void Peint() override;
    void showEvent(QShowEvent *ev) override;

private:
    // A spinner of the window with its box and the text the display last wrote there.
    struct Paire {
        UpDown *spin = nullptr;
        QLineEdit *texte = nullptr;
        QString affiche;
    };
    void Construit();
    void Construit_Couples(QWidget *page);
    void Construit_Forme_Carene(QWidget *page);
    void Construit_Forme_Couples(QWidget *page);
    void Construit_Carene(QWidget *page);
    void Construit_Reglage(QWidget *page); // the section-shape editor
    QWidget *Ligne_Spin(QWidget *parent, int index, const QString &legende, int x, int y, int pas);
    QLineEdit *Boite_Exposant(QWidget *parent, int index, const QString &legende, int x, int y);

    void Montre_Spin(int index, double maximum, double minimum, double valeur);
    void Montre_Texte(QLineEdit *t, double v);
    std::optional<Saisie_Forme> Lit_Saisie();
    bool Refuse(QLineEdit *boite, const QString &message);
    void Fixe_Cle_Vue(const char *cle);
    void Efface_Info();
    void Aff_Info();
    void Aff_Caracteristiques();
    void Pose_Station(double x);
    double Nombre_Boite(const QLineEdit *t) const;
    int Option_Choisie() const;

    std::array<Paire, 15> paires_{};      // UpDown1(0..7, 13, 14); 8..11 only their spin
    std::array<QLineEdit *, 14> text1_{}; // Text1(0..13)
    QTabWidget *SSTab1_ = nullptr;
    QRadioButton *Option2_[2]{};
    QCheckBox *Check1_ = nullptr;
    QLineEdit *Text2_ = nullptr;
    UpDown *UpDown2_ = nullptr;
    QLabel *Label4_[10]{};
    QLabel *Label6_[4]{};
    QRadioButton *Option1_[4]{};
    Editeur_Forme *Picture2_ = nullptr;
    // The window sets the station spinner itself: its change handler must not act then.
    bool pose_station_ = false;
};

} // namespace gabarit
