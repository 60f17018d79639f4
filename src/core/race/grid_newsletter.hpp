#pragma once
// The row of one runner in the newsletter grid, filled while the newsletter
// pages are written: 12 cells, 印 to 合計P, CP932.
#include <array>
#include <string>
#include <string_view>

#include "core/engine/runner.hpp"

namespace orvane {

using NewsletterRow = std::array<std::string, 12>;

NewsletterRow NewsletterRowCells(std::string_view entryLine, int horseNumber, const TBachu& runner, int markPosition,
                                 bool paramsLoaded);

}  // namespace orvane
