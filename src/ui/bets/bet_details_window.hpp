#pragma once
// TfrmKaime, the bet details window: every ticket of the race on screen as
// text the user can select, copy or save. It lives for the whole run and is
// shown and hidden; the main window rewrites its text only while it shows.
#include <QMainWindow>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QToolButton;

namespace orvane::ui {

class TfrmKaime : public QMainWindow {
  Q_OBJECT
 public:
  static constexpr QSize kClientSize{392, 443};

  // Asks where to save: the chosen path, or empty when cancelled.
  struct SaveRequest {
    QString title;
    QString filter;
    QString presetName;
  };
  using SaveFileChooser = std::function<QString(QWidget* parent, const SaveRequest& request)>;

  // FormCreate: created hidden, at its stored position (centred on the screen
  // when none is stored).
  explicit TfrmKaime(QWidget* parent = nullptr);

  // BetWindowShown: true from FormShow to FormHide.
  bool Shown() const { return shown_; }

  // The race's BetTitle for the status panel and the bet details lines, both
  // as the core holds them (CP932).
  void SetText(std::string_view betTitle, const std::vector<std::string>& lines);

  // The stored position, section "frmKaime"; the main window saves it when it closes.
  void SavePosition() const;

  // The real save dialog unless a test puts another chooser in.
  void SetSaveFileChooser(SaveFileChooser chooser) { chooseSaveFile_ = std::move(chooser); }

  void mnuSaveClick();
  void mnuCopyClick();
  void mnuAllClick();
  void mnuCloseClick();

  QPlainTextEdit* Memo() const { return Memo1_; }
  QLabel* StatusPanel() const { return spSkinStatusPanel1_; }
  QToolButton* SaveButton() const { return btnSave_; }
  QToolButton* CopyButton() const { return btnEdit_; }

 signals:
  // FormShow (true) and FormHide (false).
  void ShownChanged(bool shown);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolBar();
  void ReadPosition();

  QPlainTextEdit* Memo1_ = nullptr;
  QLabel* spSkinStatusPanel1_ = nullptr;
  QToolButton* btnSave_ = nullptr;
  QToolButton* btnEdit_ = nullptr;
  QAction* mnuSave_ = nullptr;
  QAction* mnuCopy_ = nullptr;
  std::string betTitle_;            // CP932, for the preset file name
  std::vector<std::string> lines_;  // CP932, saved as they are shown
  bool shown_ = false;
  SaveFileChooser chooseSaveFile_;
};

}  // namespace orvane::ui
