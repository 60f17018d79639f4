// TfrmOrvane: loading the race card and showing a race.
#include <QLabel>

#include "core/data/cp932.hpp"
#include "ui/app/command_menus.hpp"
#include "ui/app/desktop.hpp"
#include "ui/app/header_panel.hpp"
#include "ui/app/main_window.hpp"
#include "ui/view/race_grid_view.hpp"

namespace orvane::ui {
namespace {

QString Text(const std::string& cp932) { return QString::fromStdString(ToUtf8(cp932)); }

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
  currentRace_ = race;
  const RaceSummary& summary = card_.Summary(race);
  header_->Title1()->setText(Text(summary.TitleText));
  header_->Title2()->setText(Text(summary.DescriptionText));
  grid_->show();
  FitWindowToRows();
}

void TfrmOrvane::OnHeaderClicked(int column) {
  const SortSpec& current = SortSpecOf(sortType_);
  grid_->SetSortMark(current.gridColumn, current.descending);
  const std::optional<orvane::SortType> chosen = SortTypeForHeaderClick(column, sortType_);
  if (!chosen) return;
  sortType_ = *chosen;
  const SortSpec& spec = SortSpecOf(sortType_);
  grid_->SetSortMark(spec.gridColumn, spec.descending);
}

}  // namespace orvane::ui
