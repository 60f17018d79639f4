#include "ui/view/popularity_editor.hpp"

#include "core/data/cp932.hpp"
#include "core/race/grid_cells.hpp"

namespace orvane::ui {

PopularityEditor::PopularityEditor(int runnerCount, QWidget* parent) : QComboBox(parent) {
  setObjectName(QStringLiteral("PopularityEditor"));
  setEditable(false);
  for (const std::string& item : PopularityEditorItems(runnerCount)) addItem(QString::fromStdString(ToUtf8(item)));
}

void PopularityEditor::showEvent(QShowEvent* event) {
  QComboBox::showEvent(event);
  if (dropped_) return;
  dropped_ = true;
  showPopup();
}

}  // namespace orvane::ui
