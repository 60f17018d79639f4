#pragma once
// TfrmOrvane, the main window: it owns the race card and the race on screen,
// hosts the header (titles, bet panel, toolbar) and the race grid, and runs the
// commands.
#include <QMainWindow>
#include <QPoint>
#include <QStringList>

#include "core/data/program_folder.hpp"
#include "core/data/race_card.hpp"
#include "core/race/grid_sort.hpp"
#include "core/race/race_view.hpp"
#include "ui/app/command_table.hpp"

class QLabel;
class QProgressBar;

namespace orvane::ui {

class CommandMenus;
class HeaderPanel;
class RaceGridView;
class TfrmKaime;

struct ProxySettings {
  QString server;
  int port = 0;
  QString user;
  QString password;
};

class TfrmOrvane : public QMainWindow {
  Q_OBJECT
 public:
  struct Startup {
    ProgramFolder folder;
    QString iniFile;        // the ini file beside the program
    QStringList arguments;  // the command line after the program options
  };

  static constexpr int kMinWidth = 503;
  static constexpr int kMaxWidth = 1170;

  // FormCreate.
  explicit TfrmOrvane(Startup startup, QWidget* parent = nullptr);
  ~TfrmOrvane() override;

  // Reads the race card of the program folder and rebuilds the race menu;
  // true when a complete card was read.
  bool LoadRaceCard();
  void ShowRace(int race);
  void ApplyShow3Sou(bool on);
  void FitWindowToRows();
  void ImportArchive(const QString& path);
  void Execute(Command command);
  // Another start asked for this window: restore it when minimised and bring it to the front.
  void BringToFront();
  // Rolled up, only the caption bar is left; a second use restores the window.
  void ToggleRollUp();

  int CurrentRace() const { return currentRace_; }
  // The race on screen; nullopt before the first.
  const std::optional<RaceView>& Race() const { return race_; }
  int RaceCount() const { return card_.RaceCount(); }
  orvane::SortType CurrentSort() const { return sortType_; }
  bool DeveloperMode() const { return developerMode_; }
  bool Show3Sou() const { return show3Sou_; }
  bool AutoResize() const { return autoResize_; }
  void SetAutoResize(bool on) { autoResize_ = on; }
  bool UserOddsMode() const { return userOddsMode_; }
  bool RolledUp() const { return rolledUp_; }
  int Height2() const { return height2_; }
  ProxySettings& Proxy() { return proxy_; }
  const ProgramFolder& Folder() const { return startup_.folder; }

  HeaderPanel& Header() const { return *header_; }
  RaceGridView& Grid() const { return *grid_; }
  CommandMenus& Menus() const { return *menus_; }
  QProgressBar& Gauge() const { return *gauData_; }
  QLabel& UserOddsPanel() const { return *staUserOdds_; }
  TfrmKaime& BetDetailsWindow() const { return *kaime_; }

 signals:
  // The window became the active window (the splash closes then).
  void Activated();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildLayout();
  void ReadSettings();
  void WriteSettings();
  void FormShow();
  void RefreshRaceMenu();
  void SetUserOddsMode(bool on);
  void OnHeaderClicked(int column);
  // How RenderRace places the rows: a race change sorts them by the current
  // sort, a change of popularity leaves them where they are on screen.
  enum class RowPlacement { Sorted, AsOnScreen };
  void RenderRace(RowPlacement placement);
  void SortRaceGrid(orvane::SortType type);
  void ToggleUserOddsMode();
  void Grid1ComboChange(int horseNumber, const QString& item);
  void PopUp(QMenu* menu);
  void OpenData();
  void PreviousRace();
  void NextRace();
  void SelectRace();
  void ConfirmDownload();
  void ShowAbout();
  void ShowOptions();
  void NotAvailableYet();
  void OpenHelp();
  void ShowBetDetails();
  void RefreshBetDetails();

  Startup startup_;
  RaceCard card_;
  int currentRace_ = -1;
  std::optional<RaceView> race_;
  int formationPattern_ = 0;  // the trifecta formation the last race left behind
  orvane::SortType sortType_ = orvane::SortType::HorseNumber;
  bool developerMode_ = false;
  bool show3Sou_ = false;
  bool autoResize_ = false;  // read after ApplyShow3Sou, so the first fit does nothing
  bool userOddsMode_ = false;
  int height2_ = 700;
  bool rolledUp_ = false;
  bool shown_ = false;
  ProxySettings proxy_;
  QPoint detailPosition_;  // the details window's, kept until that window exists

  HeaderPanel* header_ = nullptr;
  RaceGridView* grid_ = nullptr;
  QLabel* notice_ = nullptr;
  QLabel* staUserOdds_ = nullptr;
  QProgressBar* gauData_ = nullptr;
  CommandMenus* menus_ = nullptr;
  QAction* rollUp_ = nullptr;
  TfrmKaime* kaime_ = nullptr;
};

}  // namespace orvane::ui
