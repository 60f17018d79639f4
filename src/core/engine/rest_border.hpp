#pragma once
// The rest mark of the past-run cells: a run more than three calendar months
// before the next later date (the race on screen for the last run).
#include "core/engine/runner.hpp"

namespace orvane {

// The date three calendar months later; a day past the month's end falls back
// to its last day (Jan 31 gives Apr 30).
Date AddThreeMonths(Date date);

// True when run k's (0..2) date plus three months is earlier than the next later
// date. A missing date counts as `today`.
bool RestBorder(const TBachu& runner, int k, Date today);

}  // namespace orvane
