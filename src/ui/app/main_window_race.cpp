// TfrmOrvane: loading the race card, showing a race and sorting its grid.
#include <QLabel>
#include <chrono>

#include "core/data/cp932.hpp"
#include "ui/app/command_menus.hpp"
#include "ui/app/desktop.hpp"
#include "ui/app/header_panel.hpp"
#include "ui/app/main_window.hpp"
#include "ui/bets/bet_details_window.hpp"
#include "ui/view/race_grid_view.hpp"

namespace orvane::ui {
namespace {

QString Text(const std::string& cp932) { return QString::fromStdString(ToUtf8(cp932)); }

Date Today() { return Date(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())); }

}  // namespace

bool TfrmOrvane::LoadRaceCard() {
  const LoadResult result = card_.Load(Folder().Root());
  if (!result.error.empty()) TheDesktop().Inform(this, QString::fromStdString(result.error));
  if (result.loaded) RefreshRaceMenu();
  return result.loaded;
}

void TfrmOrvane::RefreshRaceMenu() {
  QStringList captions;
  for (const std::string& caption : card_.MenuCaptions()) captions << Text(caption);
  menus_->SetRaces(captions);
}

void TfrmOrvane::ShowRace(int race) {
  std::expected<RaceView, std::string> view =
      ComputeRace(card_, race, Folder(), userOddsMode_, formationPattern_, Today());
  if (!view) {
    // The race on screen stays as it was.
    TheDesktop().Inform(this, QString::fromStdString(view.error()));
    return;
  }
  currentRace_ = race;
  race_ = std::move(*view);
  formationPattern_ = race_->Bets.Lists.FormationPattern;
  header_->Title1()->setText(Text(race_->Summary.TitleText));
  header_->Title2()->setText(Text(race_->Summary.DescriptionText));
  RenderRace(RowPlacement::Sorted);
  grid_->show();
  FitWindowToRows();
  if (!race_->ParamsMessage.empty()) TheDesktop().Inform(this, QString::fromStdString(race_->ParamsMessage));
}

// The grid, the front-runner label, the bet panel and the bet details text
// from the race on screen.
void TfrmOrvane::RenderRace(RowPlacement placement) {
  grid_->setUpdatesEnabled(false);
  header_->Nige()->setText(Text(race_->FrontRunnerLabel));
  header_->BetPanel().Show(race_->Bets.Panel);
  const std::vector<int> onScreen = grid_->Model().HorseOrder();
  grid_->Model().SetRows(race_->Rows);
  if (placement == RowPlacement::AsOnScreen) {
    grid_->Model().ArrangeRows(onScreen);
  } else {
    const SortRule& rule = SortRuleOf(sortType_);
    grid_->SetSortMark(rule.gridColumn, rule.descending);
    // The rows come in horse-number order: only another sort moves them.
    if (sortType_ != orvane::SortType::HorseNumber) SortRaceGrid(sortType_);
  }
  grid_->setUpdatesEnabled(true);
  RefreshBetDetails();
}

void TfrmOrvane::SortRaceGrid(orvane::SortType type) {
  grid_->Model().ArrangeRows(orvane::SortRaceGrid(grid_->Model().SortTable(), type));
}

void TfrmOrvane::OnHeaderClicked(int column) {
  const std::optional<orvane::SortType> chosen = SortTypeForHeaderClick(column, sortType_);
  if (chosen) sortType_ = *chosen;
  // The mark stays on the current sort's column, whatever column was clicked.
  const SortRule& rule = SortRuleOf(sortType_);
  grid_->SetSortMark(rule.gridColumn, rule.descending);
  if (chosen) SortRaceGrid(sortType_);
}

void TfrmOrvane::ToggleUserOddsMode() {
  SetUserOddsMode(!userOddsMode_);
  if (!race_) return;
  const int runners = static_cast<int>(race_->Runners.size());
  const std::optional<PopularityRanks> ranks = userOddsMode_
                                                   ? ReadUserPopularity(Folder(), race_->Summary, runners)
                                                   : std::optional(ReadPopularity(card_.OddsFor(race_->Race), runners));
  ApplyPopularity(*race_, userOddsMode_, ranks);
  formationPattern_ = race_->Bets.Lists.FormationPattern;
  RenderRace(RowPlacement::AsOnScreen);
}

// The 人気 editor chose an item. Once every cell holds a rank, the ranks are
// saved for the race day and the marks and bets follow them.
void TfrmOrvane::Grid1ComboChange(int horseNumber, const QString& item) {
  if (!race_ || !userOddsMode_) return;
  if (EditPopularity(*race_, horseNumber, ToCp932(item.toStdString()))) {
    formationPattern_ = race_->Bets.Lists.FormationPattern;
    const auto written = WriteUserPopularity(Folder(), race_->Summary, race_->Popularity.Ranks);
    if (!written) TheDesktop().Inform(this, QString::fromStdString(written.error()));
  }
  RenderRace(RowPlacement::AsOnScreen);
}

// The bet details text follows the race on screen only while its window shows.
void TfrmOrvane::RefreshBetDetails() {
  if (race_ && kaime_->Shown()) kaime_->SetText(race_->Summary.BetTitle, race_->BetDetails);
}

}  // namespace orvane::ui
