#pragma once
// A list whose lines separate their columns by tabs, drawn in columns as wide as the widest
// text each holds, with its headings kept over the columns. The lines' text stays as it is;
// only its drawing changes.
#include <QStringList>
#include <QStyledItemDelegate>
#include <initializer_list>
#include <vector>

class QFontMetrics;
class QLabel;
class QListWidget;

namespace gabarit {

class Colonnes_Liste : public QStyledItemDelegate {
    Q_OBJECT
public:
    // Becomes liste's delegate; titres[k] stands over column k, in Bandeau().
    Colonnes_Liste(QListWidget *liste, std::initializer_list<QLabel *> titres);

    // The strip of headings, to be laid out right above the list.
    QWidget *Bandeau() const { return bandeau_; }
    // Sizes the columns to the lines the list holds now: after every refill.
    void Mesure();
    // Where column k's text starts in the list's viewport, pixels, scrolling included.
    int Debut(int k) const;

    void paint(QPainter *p, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    int Marge() const;
    // x of each part from the text margin, then where the last one ends.
    std::vector<int> Positions(const QStringList &parts, const QFontMetrics &fm) const;
    void Place_Titres();

    QListWidget *liste_;
    QWidget *bandeau_;
    QWidget *vue_; // the list's viewport
    std::vector<QLabel *> titres_;
    std::vector<int> debuts_{0}; // column starts, from the text margin
};

} // namespace gabarit
