#pragma once
// The about box, opened by the top menu "Info".
#include <QString>
#include <QStringList>

#include "platform/Fenetre_Fille.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace gabarit {

class Presentation : public Fenetre_Fille {
    Q_OBJECT
public:
    explicit Presentation(Contexte &ctx);

    static QString Nom_Produit() { return QStringLiteral("Gabarit"); }
    // The presentation text of Text1, line by line.
    static QStringList Lignes_Presentation();

    // Each activation puts the box in the frame's top left corner.
    void Presentation_Form_Activate();
    // "Retour": hides the box.
    void Presentation_Command3_Click();

private:
    QLabel *picIcon_;
    QLabel *Label1_;
    QLabel *Label2_;
    QPlainTextEdit *Text1_;
    QPushButton *Command3_;
};

} // namespace gabarit
