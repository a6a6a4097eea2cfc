#pragma once
// How the movie list draws its cells. Qt's own item painting lays the text out again on every
// repaint, three or four times over for a cell it has to shorten, and a list of CJK titles wider
// than their column spent nearly all of its paint time there; since every page of rows a worker
// hands over repaints the whole list, that set the pace of a category run. This painter draws the
// background, the selection and the focus frame through the style as before, and the text from a
// layout it keeps per cell text, so an unchanged cell costs only its glyphs. UI thread only.

#include <QFont>
#include <QHash>
#include <QPair>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace cinevora {

class ListCellPainter final : public QStyledItemDelegate {
 public:
  explicit ListCellPainter(QObject* parent);
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  // The laid-out text of a cell `width` pixels wide, shortened with an ellipsis the way the
  // style shortens it.
  const QStaticText& Layout(const QString& text, const QFont& font, int width, Qt::TextElideMode mode) const;

  // A run shows at most a few hundred distinct cells; the layouts of older runs are let go
  // together once this many have gathered, so texts from the site cannot grow it without bound.
  static constexpr qsizetype MAX_LAYOUTS = 1024;
  // The layouts hold for one font and elision; another one starts afresh.
  mutable QFont font_;
  mutable Qt::TextElideMode mode_ = Qt::ElideRight;
  mutable QHash<QPair<int, QString>, QStaticText> layouts_;  // by (width, text)
};

}  // namespace cinevora
