#include "platform/toolkit/QtListCells.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace cinevora {

ListCellPainter::ListCellPainter(QObject* parent) : QStyledItemDelegate(parent) {}

const QStaticText& ListCellPainter::Layout(const QString& text, const QFont& font, int width,
                                           Qt::TextElideMode mode) const {
  if (font != font_ || mode != mode_ || layouts_.size() >= MAX_LAYOUTS) {
    layouts_.clear();
    font_ = font;
    mode_ = mode;
  }
  const QPair<int, QString> key(width, text);
  if (const auto it = layouts_.constFind(key); it != layouts_.constEnd()) return *it;
  QStaticText layout(QFontMetrics(font).elidedText(text, mode, width));
  layout.setTextFormat(Qt::PlainText);
  layout.prepare(QTransform(), font);
  return *layouts_.insert(key, layout);
}

void ListCellPainter::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  if (option.rect.isEmpty()) return;  // a column of width 0 (the address) shows nothing
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  const QString text = cell.text;
  const QWidget* widget = cell.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  // Background, selection and focus frame as the style draws them; the text comes after.
  cell.text.clear();
  style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
  if (text.isEmpty()) return;

  // The text's place and colour as the style gives them to a plain text cell.
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
  const QRect area = cell.rect.adjusted(margin, 0, -margin, 0);
  if (area.width() <= 0) return;
  QPalette::ColorGroup group = (cell.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
  if (group == QPalette::Normal && !(cell.state & QStyle::State_Active)) group = QPalette::Inactive;
  const QColor colour =
      cell.palette.color(group, (cell.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text);

  const QStaticText& layout = Layout(text, cell.font, area.width(), cell.textElideMode);
  const QSize size = layout.size().toSize();
  const QRect placed = QStyle::alignedRect(cell.direction, QStyle::visualAlignment(cell.direction, cell.displayAlignment),
                                           QSize(std::min(size.width(), area.width()), size.height()), area);
  painter->save();
  painter->setClipRect(cell.rect);
  painter->setFont(cell.font);
  painter->setPen(colour);
  painter->drawStaticText(placed.topLeft(), layout);
  painter->restore();
}

}  // namespace cinevora
