#include "core/race/grid_colours.hpp"

#include <array>
#include <cstdio>

namespace orvane {
namespace {

constexpr Rgb kUserOdds{0xFF, 0xFF, 0xEE};  // the 人気 column while ranks are entered by hand
constexpr std::array<Rgb, 4> kPastBackground{kGrey, Rgb{0xEE, 0xFF, 0xEE}, Rgb{0xFF, 0xF9, 0xEE}, kWhite};  // by surface: -, 芝, ダ, 障

constexpr std::array<CellColours, 8> kBrackets{{
    {kBlack, kWhite},
    {kWhite, kBlack},
    {kWhite, Rgb{0xFF, 0x00, 0x00}},
    {kWhite, Rgb{0x00, 0x00, 0xFF}},
    {kBlack, Rgb{0xFF, 0xFF, 0x00}},
    {kWhite, Rgb{0x00, 0x80, 0x00}},
    {kBlack, Rgb{0xFF, 0x99, 0x00}},
    {kBlack, Rgb{0xFF, 0x66, 0xFF}},
}};

Rgb WhiteWhen(bool filled) { return filled ? kWhite : kGrey; }

Rgb PastBackground(const TBachu& runner, size_t run) {
  const int surface = runner.PastSurface[run];
  if (!runner.PastCounted[run] || surface < 1 || surface > 3) return kGrey;
  return kPastBackground[static_cast<size_t>(surface)];
}

}  // namespace

std::string Rgb::Hex() const {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", r, g, b);
  return text;
}

CellColours BracketColours(std::string_view bracket) {
  if (bracket.size() != 1 || bracket[0] < '1' || bracket[0] > '8') return {};
  return kBrackets[static_cast<size_t>(bracket[0] - '1')];
}

CellColours RaceGridCellColours(int column, const TBachu& runner, std::string_view bracket, bool userOddsMode,
                                ColourTarget target) {
  const bool hasStyle = !runner.RunningStyle.empty();
  CellColours colours{kBlack, std::nullopt};
  switch (column) {
    case 0:
    case 2:
    case 3: colours.Background = kWhite; break;
    case 1: return BracketColours(bracket);
    case 4: colours.Background = WhiteWhen(hasStyle); break;
    case 5: colours.Background = WhiteWhen(hasStyle && runner.TotalPoints != 0); break;
    case 6: colours.Background = userOddsMode ? kUserOdds : WhiteWhen(runner.Popularity != 0); break;
    case 7: colours.Background = WhiteWhen(runner.WinPoints != 0); break;
    case 8: colours.Background = WhiteWhen(runner.ReturnPoints != 0); break;
    case 9: colours.Background = WhiteWhen(runner.TotalPoints != 0); break;
    case 10:
    case 11:
    case 12: colours.Background = PastBackground(runner, static_cast<size_t>(column - 10)); break;
    default: return {};
  }
  const bool printFont = column == 0 || column == 2 || column == 3 || column == 9;
  if (target == ColourTarget::Print && printFont) colours.Font.reset();
  return colours;
}

}  // namespace orvane
