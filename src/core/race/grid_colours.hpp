#pragma once
// Font and background colours of the race grid's data cells, on screen and in
// print. Nothing is coloured before the first race is shown, nor the header row.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/engine/runner.hpp"

namespace orvane {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;

  std::string Hex() const;  // "#RRGGBB"
  bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kBlack{0x00, 0x00, 0x00};
inline constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};
inline constexpr Rgb kGrey{0xDD, 0xDD, 0xDD};  // a cell without content

// nullopt: the colour is left as the grid (or the printer font) has it.
struct CellColours {
  std::optional<Rgb> Font;
  std::optional<Rgb> Background;

  bool operator==(const CellColours&) const = default;
};

enum class ColourTarget { Screen, Print };

// The bracket colours, for bracket numbers "1" to "8"; nothing for any other text.
CellColours BracketColours(std::string_view bracket);

// The colours of data cell `column` (0-12) of the runner's row. `bracket` is
// the runner's bracket number (entry record position 23). In print the font
// colour of columns 0, 2, 3 and 9 is left as the print font's.
CellColours RaceGridCellColours(int column, const TBachu& runner, std::string_view bracket, bool userOddsMode,
                                ColourTarget target);

}  // namespace orvane
