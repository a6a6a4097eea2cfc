#include "platform/toolkit/QtListCells.h"

#include <QApplication>
#include <QPainter>
#include <QStaticText>
#include <QStyle>
#include <algorithm>

namespace cinevora {

ListCellPainter::ListCellPainter(QObject* parent) : QStyledItemDelegate(parent) {}

void ListCellPainter::Forget() {
  pictures_.clear();
  sizes_.clear();
}

void ListCellPainter::KeepFor(const QFont& font) const {
  if (font == font_) return;
  pictures_.clear();
  sizes_.clear();
  font_ = font;
}

QSize ListCellPainter::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  KeepFor(cell.font);
  if (const auto it = sizes_.constFind(cell.text); it != sizes_.constEnd()) return *it;
  if (sizes_.size() >= MAX_PICTURES) sizes_.clear();
  return *sizes_.insert(cell.text, QStyledItemDelegate::sizeHint(option, index));
}

QPixmap ListCellPainter::Draw(const QStyleOptionViewItem& option, qreal pixelRatio) const {
  QPixmap picture(option.rect.size() * pixelRatio);
  picture.setDevicePixelRatio(pixelRatio);
  picture.fill(option.palette.color(QPalette::Base));
  QStyleOptionViewItem cell = option;
  cell.rect.moveTopLeft(QPoint(0, 0));
  const QString text = cell.text;
  const QWidget* widget = cell.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  QPainter painter(&picture);
  // Background, selection and focus frame as the style draws them; the text comes after.
  cell.text.clear();
  style->drawControl(QStyle::CE_ItemViewItem, &cell, &painter, widget);
  if (text.isEmpty()) return picture;

  // The text's place, colour and ellipsis as the style gives them to a plain text cell.
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
  const QRect area = cell.rect.adjusted(margin, 0, -margin, 0);
  if (area.width() <= 0) return picture;
  QPalette::ColorGroup group = (cell.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
  if (group == QPalette::Normal && !(cell.state & QStyle::State_Active)) group = QPalette::Inactive;
  const QColor colour =
      cell.palette.color(group, (cell.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text);
  QStaticText layout(QFontMetrics(cell.font).elidedText(text, cell.textElideMode, area.width()));
  layout.setTextFormat(Qt::PlainText);
  layout.prepare(QTransform(), cell.font);
  const QSize size = layout.size().toSize();
  const QRect placed = QStyle::alignedRect(cell.direction, QStyle::visualAlignment(cell.direction, cell.displayAlignment),
                                           QSize(std::min(size.width(), area.width()), size.height()), area);
  painter.setFont(cell.font);
  painter.setPen(colour);
  painter.drawStaticText(placed.topLeft(), layout);
  return picture;
}

void ListCellPainter::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  if (option.rect.isEmpty()) return;  // a column of width 0 (the address) shows nothing
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  KeepFor(cell.font);
  if (pictures_.size() >= MAX_PICTURES) pictures_.clear();
  const qreal pixelRatio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
  Look look{cell.text, cell.rect.size(), static_cast<int>(cell.state), cell.palette.cacheKey(), pixelRatio};
  auto it = pictures_.constFind(look);
  if (it == pictures_.constEnd()) it = pictures_.insert(look, Draw(cell, pixelRatio));
  painter->drawPixmap(cell.rect.topLeft(), *it);
}

}  // namespace cinevora
