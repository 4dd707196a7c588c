#pragma once
// The help viewer: one of the 17 help topics, rich-text files of the program folder.
#include <QString>

#include "platform/Fenetre_Fille.h"

class QTextEdit;

namespace gabarit {

class Aide : public Fenetre_Fille {
    Q_OBJECT
public:
    static constexpr int NB_SUJETS = 17;

    explicit Aide(Contexte &ctx);
    // Shows help topic n (0 to 16, in the order of the "Aide" menu).
    void Montre_Sujet(int n);
    // File name of topic n, exactly as it lies in the program folder ("" outside 0 to 16).
    static QString Fichier_Sujet(int n);
    // Shows a topic file of the program folder by its bare name.
    void Montre_Fichier(const QString &nom);
    // Keeps the viewer at its fixed size, centred on the main frame.
    void Aide_Form_Resize();

    QTextEdit *RichTextBox1() const { return texte_; }

protected:
    void resizeEvent(QResizeEvent *ev) override;

private:
    void Charge(const QString &nom);
    QTextEdit *texte_;
    bool deja_place_ = false;
    bool en_placement_ = false;
};

} // namespace gabarit
