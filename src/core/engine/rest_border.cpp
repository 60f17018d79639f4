#include "core/engine/rest_border.hpp"

namespace orvane {

Date AddThreeMonths(Date date) {
  const Date later = date + std::chrono::months(3);
  if (later.ok()) return later;
  return std::chrono::year_month_day_last(later.year(), std::chrono::month_day_last(later.month()));
}

bool RestBorder(const TBachu& runner, int k, Date today) {
  if (k < 0 || k >= static_cast<int>(runner.PastDate.size())) return false;
  const Date run = runner.PastDate[k].value_or(today);
  const Date next = (k == 0 ? runner.RaceDate : runner.PastDate[k - 1]).value_or(today);
  return std::chrono::sys_days(AddThreeMonths(run)) < std::chrono::sys_days(next);
}

}  // namespace orvane
