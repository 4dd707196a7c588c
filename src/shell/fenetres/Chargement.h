#pragma once
// The splash window shown while the program starts: a sound, the version, three captions at
// 1, 2 and 3 seconds, and at 5 seconds it hides itself and hands over to the main frame.
#include <QString>
#include <QWidget>
#include <array>
#include <functional>

class QLabel;
class QPixmap;
class QTimer;

namespace gabarit {

class Chargement : public QWidget {
    Q_OBJECT
public:
    // a_la_fin runs when the splash hides itself (after 5 seconds). The window shows itself
    // at once, centred on the screen; its timers start with it.
    explicit Chargement(std::function<void()> a_la_fin, QWidget *parent = nullptr);

    // The captions of Label1(0) to Label1(2).
    static QString Legende(int k);
    // The splash picture, drawn here.
    static QPixmap Image_Chargement();

    // The steps, each run once by its timer.
    void Chargement_Form_Resize();
    void Chargement_Timer1_Timer(); // 5 s: hide, then a_la_fin
    void Chargement_Timer2_Timer(); // 1 s: Label1(1)
    void Chargement_Timer3_Timer(); // 2 s: Label1(2)
    void Chargement_Timer4_Timer(); // 3 s: Label1(0)

protected:
    void resizeEvent(QResizeEvent *ev) override;

private:
    // SW, SH, IW, IH of the layout: client size and picture size.
    int Gauche_Image() const;
    int Haut_Image() const;

    std::function<void()> a_la_fin_;
    QLabel *Image1_;
    QLabel *Label5_;
    std::array<QLabel *, 3> Label1_{};
    std::array<QTimer *, 4> Timer_{}; // Timer1 to Timer4
};

} // namespace gabarit
