#pragma once
// TfrmOption: how many past runs the grid shows, whether the main window fits
// itself to the race, and the proxy server (kept in memory only).
#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace orvane::ui {

class TfrmOrvane;

class TfrmOption : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmOption(TfrmOrvane& main);

  QRadioButton* TwoRuns() const { return rad2sou_; }
  QRadioButton* ThreeRuns() const { return rad3sou_; }
  QCheckBox* AutoResize() const { return chkResize_; }
  QLineEdit* Address() const { return txtAdress_; }
  QSpinBox* Port() const { return txtPort_; }
  QLineEdit* User() const { return txtID_; }
  QLineEdit* Password() const { return txtPass_; }

  void accept() override;

 private:
  QWidget* DisplayPage();
  QWidget* ProxyPage();

  TfrmOrvane& main_;
  QRadioButton* rad2sou_ = nullptr;
  QRadioButton* rad3sou_ = nullptr;
  QCheckBox* chkResize_ = nullptr;
  QLineEdit* txtAdress_ = nullptr;
  QSpinBox* txtPort_ = nullptr;
  QLineEdit* txtID_ = nullptr;
  QLineEdit* txtPass_ = nullptr;
};

}  // namespace orvane::ui
