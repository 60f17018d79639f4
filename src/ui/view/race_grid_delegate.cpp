#include "ui/view/race_grid_delegate.hpp"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <algorithm>
#include <array>

#include "core/data/cp932.hpp"
#include "core/race/grid_cells.hpp"
#include "ui/app/fonts.hpp"
#include "ui/art/artwork.hpp"
#include "ui/view/cell_document.hpp"
#include "ui/view/popularity_editor.hpp"
#include "ui/view/race_grid_model.hpp"

namespace orvane::ui {
namespace {

constexpr int kCellPixelSize = 12;
const QColor kRestBorder(0x00, 0x80, 0xFF);

const QPixmap& TypePicture(int rank) {
  static const std::array<QPixmap, 4> pictures{art::TypePicture(0), art::TypePicture(1), art::TypePicture(2),
                                               art::TypePicture(3)};
  return pictures[static_cast<size_t>(std::clamp(rank, 0, 3))];
}

// Where the laid-out text starts so that it stands in the middle of the cell.
QPointF TextOrigin(const QTextDocument& document, const QRect& rect) {
  const qreal spare = rect.height() - document.size().height();
  return {static_cast<qreal>(rect.left()), rect.top() + std::max<qreal>(0, spare / 2)};
}

}  // namespace

QFont RaceGridDelegate::CellFont(int column) {
  return column >= kFirstPastColumn ? FixedFont(kCellPixelSize) : ProportionalFont(kCellPixelSize);
}

void RaceGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QRect rect = option.rect;
  const QVariant background = index.data(Qt::BackgroundRole);
  painter->fillRect(rect, background.isValid() ? background.value<QColor>() : QColor(Qt::white));

  if (const QVariant rank = index.data(RaceGridModel::TypePictureRole); rank.isValid()) {
    const QPixmap& picture = TypePicture(rank.toInt());
    const QSize size = picture.deviceIndependentSize().toSize();
    painter->drawPixmap(rect.left() + (rect.width() - size.width()) / 2,
                        rect.top() + (rect.height() - size.height()) / 2, picture);
  }

  const QString html = index.data(Qt::DisplayRole).toString();
  if (!html.isEmpty()) {
    const QTextDocument* document = Document(html, index.column(), rect.width());
    const QVariant font = index.data(Qt::ForegroundRole);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, font.isValid() ? font.value<QColor>() : QColor(Qt::black));
    const QPointF origin = TextOrigin(*document, rect);
    context.clip = QRectF(QPointF(0, 0), QSizeF(rect.width(), rect.bottom() - origin.y() + 1));
    painter->save();
    painter->setClipRect(rect);
    painter->translate(origin);
    document->documentLayout()->draw(painter, context);
    painter->restore();
  }

  if (index.data(RaceGridModel::RestBorderRole).toBool()) {
    painter->fillRect(QRect(rect.left(), rect.top(), 2, rect.height()), kRestBorder);
  }
}

const QTextDocument* RaceGridDelegate::Document(const QString& html, int column, int width) const {
  // The font depends only on whether the column holds past runs.
  const QString key = QString::number(width) + (column >= kFirstPastColumn ? u'F' : u'P') + html;
  if (const QTextDocument* cached = documents_.object(key)) return cached;
  QTextDocument* document = LayOutCell(html, CellFont(column), width).release();
  documents_.insert(key, document);
  return document;
}

QSize RaceGridDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  return option.rect.size();
}

QWidget* RaceGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                       const QModelIndex& index) const {
  if (index.column() != kPopularityColumn) return nullptr;
  // The items are made anew each time: one rank per runner of the race on screen.
  auto* editor = new PopularityEditor(index.model()->rowCount(), parent);
  // createEditor is const, but the delegate's signals are its own to emit.
  auto* self = const_cast<RaceGridDelegate*>(this);
  connect(editor, &QComboBox::activated, self, [self, editor, at = QPersistentModelIndex(index)](int item) {
    const QString chosen = editor->itemText(item);
    // Closed first: the choice rewrites the grid.
    emit self->closeEditor(editor);
    emit self->PopularityChosen(at, chosen);
  });
  return editor;
}

void RaceGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  // The list opens at the cell's rank (the empty item for an empty cell).
  auto* combo = static_cast<QComboBox*>(editor);
  const int rank = RankFromPopularityCell(ToCp932(index.data(Qt::DisplayRole).toString().toStdString()));
  combo->setCurrentIndex(rank > 0 && rank < combo->count() ? rank : 0);
}

void RaceGridDelegate::setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const {}

QString RaceGridDelegate::AnchorAt(const QModelIndex& index, const QRect& rect, QPoint pos) const {
  const QString html = index.data(Qt::DisplayRole).toString();
  if (html.isEmpty()) return {};
  const QTextDocument* document = Document(html, index.column(), rect.width());
  return document->documentLayout()->anchorAt(QPointF(pos) - TextOrigin(*document, rect));
}

}  // namespace orvane::ui
