#pragma once
// The parameter editor: every project value 1 to 300 with its comment, one editable at a
// time, and the hull table of one station.
#include <QString>

#include "platform/Fenetre_Fille.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QGroupBox;
class QMdiSubWindow;

namespace gabarit {

class Colonnes_Liste;
class UpDown;

class Menu_VarList : public Fenetre_Fille {
    Q_OBJECT
public:
    explicit Menu_VarList(Contexte &ctx);
    // Clears List1 and fills it with values 1 to 300 (number, tab, value, tab, comment),
    // the first line selected.
    void Remplit_Liste();
    // The 300 lines again from the record, the chosen line kept (after a command that changed
    // values besides the one typed).
    void Affiche_Valeurs() override;

    QTabWidget *SSTab1() const { return SSTab1_; }
    QListWidget *List1() const { return List1_; }
    QListWidget *List2() const { return List2_; }
    QLabel *Label2_0() const { return Label2_0_; }
    QLineEdit *Text1_0() const { return Text1_0_; }
    QLineEdit *Text2() const { return Text2_; }
    QLineEdit *Text3() const { return Text3_; }
    QPushButton *Command2() const { return Command2_; }
    UpDown *UpDown2() const { return UpDown2_; }

private:
    void Remplit(); // the 300 lines, no selection
    void Menu_VarList_Form_Load();
    void Menu_VarList_Form_Activate(QMdiSubWindow *w);
    void Menu_VarList_List1_Click();
    void Menu_VarList_Command2_Click();
    void Menu_VarList_UpDown2_MouseUp();

    QTabWidget *SSTab1_;
    QListWidget *List1_;
    QListWidget *List2_;
    Colonnes_Liste *Colonnes1_;
    Colonnes_Liste *Colonnes2_;
    QLabel *Label2_0_;
    QLineEdit *Text1_0_;
    QLineEdit *Text2_;
    QLineEdit *Text3_;
    QPushButton *Command2_;
    UpDown *UpDown2_;
};

} // namespace gabarit
