#pragma once
// A modal dialog of one angle of the record: seven options " 0°" to "30°", option k standing
// for 5 k degrees. Each placing selects the option of the record's angle (an angle that is
// none of the seven leaves the options as they are); a click stores the chosen angle and
// nothing else: the next computation or drawing takes it.
#include "fenetres/Dialogue_Options.h"

namespace gabarit {

class Dialogue_Angle : public Dialogue_Options {
    Q_OBJECT
public:
    QRadioButton *Option1(int k) const { return Option(k); }

protected:
    // When the dialog places itself and selects the angle's option.
    enum class Placement {
        Au_Montre_Hors_Initialisation, // at each showing; no option while the program starts
        Au_Montre_Et_Redimension,      // at each showing and each resize
    };
    // numero: the angle's record number.
    Dialogue_Angle(Contexte &ctx, QWidget *parent, const QString &nom, const QString &cadre,
                   int numero, Placement placement);

    void showEvent(QShowEvent *ev) override;
    void resizeEvent(QResizeEvent *ev) override;

private:
    void Form_Resize();
    void Option_Click() override;

    const int numero_;
    const Placement placement_;
    bool place_ = false; // the dialog's own placing resizes it: that one is not the user's
};

} // namespace gabarit
