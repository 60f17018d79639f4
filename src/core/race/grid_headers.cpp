#include "core/race/grid_headers.hpp"

#include "core/data/cp932.hpp"

namespace orvane {

const std::array<GridColumn, 13>& RaceGridColumns() {
  static const std::array<GridColumn, 13> columns{{
      {ToCp932("印"), 25},
      {ToCp932("枠"), 20},
      {ToCp932("馬"), 20},
      {ToCp932("馬　名"), 118},
      {ToCp932("展開パターン"), 85},
      {ToCp932("タイプ"), 45},
      {ToCp932("人気"), 46},
      {ToCp932("勝利P"), 40},
      {ToCp932("回収P"), 40},
      {ToCp932("合計P"), 48},
      {ToCp932("前走"), 217},
      {ToCp932("2走前"), 217},
      {ToCp932("3走前"), 217},
  }};
  return columns;
}

const std::array<GridColumn, 12>& NewsletterGridColumns() {
  static const std::array<GridColumn, 12> columns{{
      {ToCp932("印"), 23},
      {ToCp932("枠"), 20},
      {ToCp932("馬"), 20},
      {ToCp932("馬　名"), 110},
      {ToCp932("斤量"), 38},
      {ToCp932("騎手"), 60},
      {ToCp932("展開パターン"), 80},
      {ToCp932("タイプ"), 44},
      {ToCp932("人気"), 40},
      {ToCp932("勝利P"), 40},
      {ToCp932("回収P"), 40},
      {ToCp932("合計P"), 45},
  }};
  return columns;
}

}  // namespace orvane
