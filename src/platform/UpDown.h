#pragma once
// The spin control of the design windows: two small arrows beside a buddy text box. It holds
// a whole number between Min and Max; a click on an arrow steps it, writes it into the buddy
// and signals Change. Mouse down and up on the arrows are signalled too (the windows
// recompute on release).
#include <QLineEdit>
#include <QWidget>

class QToolButton;

namespace gabarit {

class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    // What a number typed in the buddy does to the spinner, so that the arrows step from it.
    enum class Suivi {
        Toujours,   // it becomes the value, rounded and kept within the range
        Dans_Plage, // only a number within the range does; another leaves the value
    };
    void setBuddy(QLineEdit *buddy, Suivi suivi = Suivi::Toujours);
    QLineEdit* buddy() const { return buddy_; }
    void setRange(int minimum, int maximum);
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    void setIncrement(int increment) { increment_ = increment; }
    int increment() const { return increment_; }
    int value() const { return value_; }
    // Sets the value, rounded half to even and kept within the range, without writing the
    // buddy and without signalling Change.
    void setValue(double v);
    // Shows a record value: the buddy gets the value as it is (even out of range), the
    // spinner the rounded, clamped value.
    void Montre_Valeur(double v);
    // Reads a number the user typed for the field captioned nom: an empty text when it is a
    // number within the range (v then holds it), else the French message that refuses it.
    QString Refus_Saisie(const QString &nom, const QString &texte, double &v) const;

    // What a click on an arrow does (tests call these as a user's click would).
    void Monte();
    void Descend();

    QToolButton* boutonHaut() const { return haut_; }
    QToolButton* boutonBas() const { return bas_; }

signals:
    void Change();
    void MouseDown();
    void MouseUp();

private:
    void Pas(int sens);
    QLineEdit* buddy_ = nullptr;
    QMetaObject::Connection saisie_;
    QToolButton* haut_;
    QToolButton* bas_;
    int min_ = 0, max_ = 100, increment_ = 1, value_ = 0;
};

} // namespace gabarit
