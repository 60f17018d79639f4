#include "ui/view/race_grid_view.hpp"

#include <QHeaderView>
#include <QMouseEvent>

#include "core/race/grid_headers.hpp"
#include "ui/app/fonts.hpp"

namespace orvane::ui {

RaceGridView::RaceGridView(QWidget* parent) : QTableView(parent), header_(new RaceGridHeader(this)) {
  setObjectName(QStringLiteral("Grid1"));
  setHorizontalHeader(header_);
  setModel(&model_);
  setItemDelegate(&delegate_);
  setSelectionMode(QAbstractItemView::NoSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);
  setWordWrap(false);

  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  verticalHeader()->setMinimumSectionSize(kRowHeight);

  header_->setFont(ProportionalFont(12));
  header_->setFixedHeight(kHeaderHeight);
  header_->setSectionResizeMode(QHeaderView::Fixed);
  header_->setHighlightSections(false);
  header_->setSectionsClickable(true);
  header_->setMinimumSectionSize(1);
  // The grid never sorts by itself: a click is a request that the main window answers.
  connect(header_, &QHeaderView::sectionClicked, this, &RaceGridView::HeaderClicked);
  connect(&delegate_, &RaceGridDelegate::PopularityChosen, this, [this](const QModelIndex& index, const QString& item) {
    if (index.isValid()) emit PopularityChosen(model_.HorseNumberAt(index.row()), item);
  });
  for (int c = 0; c < kGridColumns; ++c) setColumnWidth(c, RaceGridColumns()[static_cast<size_t>(c)].width);
  SetSortMark(2, false);
}

void RaceGridView::SetLastPastColumnShown(bool shown) {
  setColumnHidden(kHiddenPastColumn, !shown);
  if (shown) setColumnWidth(kHiddenPastColumn, RaceGridColumns()[kHiddenPastColumn].width);
}

bool RaceGridView::LastPastColumnShown() const { return !isColumnHidden(kHiddenPastColumn); }

void RaceGridView::SetPopularityEditable(bool on) {
  if (!on) {
    if (QWidget* editor = indexWidget(currentIndex())) closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
  model_.SetPopularityEditable(on);
}

void RaceGridView::SetSortMark(int column, bool descending) { header_->SetSortMark(column, descending); }

QString RaceGridView::AnchorAt(QPoint pos) const {
  const QModelIndex index = indexAt(pos);
  if (!index.isValid()) return {};
  return delegate_.AnchorAt(index, visualRect(index), pos);
}

void RaceGridView::mouseMoveEvent(QMouseEvent* event) {
  viewport()->setCursor(AnchorAt(event->position().toPoint()).isEmpty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
  QTableView::mouseMoveEvent(event);
}

void RaceGridView::mousePressEvent(QMouseEvent* event) {
  QTableView::mousePressEvent(event);
  // The first click into an editable cell opens its editor (the grid has no
  // other edit triggers).
  const QModelIndex index = indexAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && (model_.flags(index) & Qt::ItemIsEditable)) {
    edit(index, AllEditTriggers, event);
  }
}

void RaceGridView::mouseReleaseEvent(QMouseEvent* event) {
  QTableView::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton) return;
  if (const QString href = AnchorAt(event->position().toPoint()); !href.isEmpty()) emit AnchorClicked(href);
}

}  // namespace orvane::ui
