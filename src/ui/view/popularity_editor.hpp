#pragma once
// The drop-down editor of the 人気 column in the manual popularity mode: an
// empty item, then "1位" up to the runner count. Only its items can be chosen,
// and its list drops down as soon as the editor appears, so one click into
// the cell opens it.
#include <QComboBox>

namespace orvane::ui {

class PopularityEditor : public QComboBox {
  Q_OBJECT
 public:
  explicit PopularityEditor(int runnerCount, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  bool dropped_ = false;
};

}  // namespace orvane::ui
