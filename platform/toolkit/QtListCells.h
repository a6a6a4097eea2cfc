#pragma once
// How the movie list draws its cells. Every page of rows a worker hands over repaints the whole
// list, and Qt's item painting lays each visible title out three or four times per repaint (the
// titles are wider than their column, and the ellipsis is found by laying out again): that set
// the pace of a category run. This painter draws a cell once, background, selection, focus frame
// and text exactly as the style draws them, keeps the picture, and puts it back on later repaints
// while nothing the cell looks like has changed. UI thread only.
//
// It relies on the list's items having an opaque background of their own (the list's style
// sheet gives them one), since a kept picture covers whatever lies beneath the cell.

#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QStyledItemDelegate>

namespace cinevora {

class ListCellPainter final : public QStyledItemDelegate {
 public:
  explicit ListCellPainter(QObject* parent);
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // The style's size of the cell, kept per text as well: the list asks for it at every relayout,
  // that is at every page of rows, and the style lays the whole title out to answer.
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // Lets every kept picture and size go; for what the pictures cannot tell apart, such as the colours of
  // the list's style sheet.
  void Forget();

 private:
  // Everything a cell's picture depends on, besides the font and the style (see Forget).
  struct Look {
    QString text;
    QSize size;
    int state = 0;
    qint64 palette = 0;
    qreal pixelRatio = 1;
    bool operator==(const Look&) const = default;
    friend size_t qHash(const Look& look, size_t seed = 0) {
      return qHashMulti(seed, look.text, look.size.width(), look.size.height(), look.state, look.palette);
    }
  };
  // Lets everything kept go when `font` is not the one it was kept for.
  void KeepFor(const QFont& font) const;
  // Draws the cell into a picture of its size.
  QPixmap Draw(const QStyleOptionViewItem& cell, qreal pixelRatio) const;

  // The visible cells and a few more: the movie list shows about forty. Once full, the kept
  // pictures (or sizes) are let go together, so texts from the site cannot grow them without
  // bound.
  static constexpr qsizetype MAX_PICTURES = 96;
  mutable QFont font_;  // pictures and sizes hold for one font; another one starts afresh
  mutable QHash<Look, QPixmap> pictures_;
  mutable QHash<QString, QSize> sizes_;  // by text, bounded as the pictures
};

}  // namespace cinevora
