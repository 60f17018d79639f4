#pragma once
// Header texts (CP932) and column widths (pixels) of the race grid and of the
// newsletter grid.
#include <array>
#include <string>

namespace orvane {

struct GridColumn {
  std::string header;
  int width;
};

// 13 columns, 印 to 3走前. Column 12 is shown only while "Show3Sou" is on.
const std::array<GridColumn, 13>& RaceGridColumns();

// 12 columns, 印 to 合計P.
const std::array<GridColumn, 12>& NewsletterGridColumns();

}  // namespace orvane
