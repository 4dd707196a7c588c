#include "platform/Colonnes_Liste.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace gabarit {

namespace {
// The blank between a column's widest text and the next column.
int Ecart(const QFontMetrics &fm) { return fm.horizontalAdvance(QStringLiteral("  ")); }
} // namespace

Colonnes_Liste::Colonnes_Liste(QListWidget *liste, std::initializer_list<QLabel *> titres)
    : QStyledItemDelegate(liste), liste_(liste), bandeau_(new QWidget(liste->parentWidget())),
      vue_(liste->viewport()), titres_(titres) {
    int hauteur = 0;
    for (QLabel *t : titres_) {
        t->setParent(bandeau_);
        t->show();
        hauteur = std::max(hauteur, t->sizeHint().height());
    }
    bandeau_->setFixedHeight(hauteur);
    liste_->setItemDelegate(this);
    // Pixels, so the headings can follow the lines when a long comment is scrolled into view.
    liste_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    connect(liste_->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { Place_Titres(); });
    liste_->installEventFilter(this);
    vue_->installEventFilter(this);
    bandeau_->installEventFilter(this);
    Mesure();
}

int Colonnes_Liste::Marge() const {
    // As the style places the text of a plain line.
    return liste_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, liste_) + 1;
}

void Colonnes_Liste::Mesure() {
    const QFontMetrics fm(liste_->font());
    std::vector<int> largeurs(titres_.size(), 0);
    for (int i = 0; i < liste_->count(); ++i) {
        const QStringList parts = liste_->item(i)->text().split(QLatin1Char('\t'));
        if (largeurs.size() < static_cast<std::size_t>(parts.size()))
            largeurs.resize(static_cast<std::size_t>(parts.size()), 0);
        for (qsizetype k = 0; k < parts.size(); ++k) {
            int &l = largeurs[static_cast<std::size_t>(k)];
            l = std::max(l, fm.horizontalAdvance(parts[k]));
        }
    }
    // A heading wider than its column's texts widens the column: headings never overlap.
    for (std::size_t k = 0; k < titres_.size(); ++k)
        largeurs[k] = std::max(largeurs[k], titres_[k]->sizeHint().width());
    debuts_.assign(1, 0);
    for (std::size_t k = 0; k + 1 < largeurs.size(); ++k)
        debuts_.push_back(debuts_.back() + largeurs[k] + Ecart(fm));
    Place_Titres();
    // The lines' widths changed with the columns: the list lays them out again.
    if (liste_->count() > 0)
        emit sizeHintChanged(liste_->model()->index(0, 0));
    liste_->viewport()->update();
}

int Colonnes_Liste::Debut(int k) const {
    const int x = k < static_cast<int>(debuts_.size()) ? debuts_[static_cast<std::size_t>(k)]
                                                       : debuts_.back();
    return Marge() + x - liste_->horizontalScrollBar()->value();
}

std::vector<int> Colonnes_Liste::Positions(const QStringList &parts, const QFontMetrics &fm) const {
    std::vector<int> x;
    int fin = 0;
    for (qsizetype k = 0; k < parts.size(); ++k) {
        // A line wider than the columns measured so far never draws over itself.
        int debut = k == 0 ? 0 : fin + Ecart(fm);
        if (k < static_cast<qsizetype>(debuts_.size()))
            debut = std::max(debut, debuts_[static_cast<std::size_t>(k)]);
        x.push_back(debut);
        fin = debut + fm.horizontalAdvance(parts[k]);
    }
    x.push_back(fin);
    return x;
}

void Colonnes_Liste::paint(QPainter *p, const QStyleOptionViewItem &option,
                           const QModelIndex &index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QStringList parts = opt.text.split(QLatin1Char('\t'));
    opt.text.clear();
    const QWidget *w = opt.widget;
    QStyle *style = w ? w->style() : QApplication::style();
    // Background, selection and focus as for any line; the columns are drawn here.
    style->drawControl(QStyle::CE_ItemViewItem, &opt, p, w);
    const QPalette::ColorGroup groupe = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                        : (opt.state & QStyle::State_Active) ? QPalette::Normal
                                                                             : QPalette::Inactive;
    const bool choisie = opt.state & QStyle::State_Selected;
    p->save();
    p->setFont(opt.font);
    p->setPen(opt.palette.color(groupe, choisie ? QPalette::HighlightedText : QPalette::Text));
    const QFontMetrics fm(opt.font);
    const std::vector<int> x = Positions(parts, fm);
    const int gauche = opt.rect.left() + Marge();
    for (qsizetype k = 0; k < parts.size(); ++k) {
        const std::size_t i = static_cast<std::size_t>(k);
        const QRect r(gauche + x[i], opt.rect.top(), x[i + 1] - x[i] + 1, opt.rect.height());
        p->drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                    parts[k]);
    }
    p->restore();
}

QSize Colonnes_Liste::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    QSize s = QStyledItemDelegate::sizeHint(option, index);
    // Wide enough for the whole last column: a long comment is scrolled to, never cut.
    s.setWidth(2 * Marge() +
               Positions(opt.text.split(QLatin1Char('\t')), QFontMetrics(opt.font)).back());
    return s;
}

bool Colonnes_Liste::eventFilter(QObject *objet, QEvent *evenement) {
    // The list, its viewport and the strip are watched, not edited: the base class would
    // take their keys for an editor's. Pointers compared only: the list calls this while it
    // is being destroyed.
    if (objet != liste_ && objet != vue_ && objet != bandeau_)
        return QStyledItemDelegate::eventFilter(objet, evenement);
    const QEvent::Type t = evenement->type();
    if (t == QEvent::Move || t == QEvent::Resize || t == QEvent::Show)
        Place_Titres(); // the layout moved the list or the strip
    return false;
}

void Colonnes_Liste::Place_Titres() {
    QWidget *vue = liste_->viewport();
    for (std::size_t k = 0; k < titres_.size(); ++k) {
        const QPoint p =
            bandeau_->mapFromGlobal(vue->mapToGlobal(QPoint(Debut(static_cast<int>(k)), 0)));
        titres_[k]->setGeometry(p.x(), 0, titres_[k]->sizeHint().width(), bandeau_->height());
    }
}

} // namespace gabarit
