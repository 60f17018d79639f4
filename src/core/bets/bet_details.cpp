#include "core/bets/bet_details.hpp"

#include "core/bets/bet_code.hpp"
#include "core/bets/formation.hpp"
#include "core/data/cp932.hpp"

namespace orvane {
namespace {

struct Words {
  std::string noBets = ToCp932("このレースの買い目はありません");
  std::string quinella = ToCp932("[馬連] 計9点"), exacta = ToCp932("[馬単] 計10点"), trio = ToCp932("[3連複] 計16点");
  std::string trifecta = ToCp932("[3連単] 計"), points = ToCp932("点");
};

const Words& W() {
  static const Words words;
  return words;
}

constexpr size_t kCodesPerLine = 6;
constexpr std::string_view kGap = "  ";

// Six codes to a line, two blanks between codes. With `trailingGap` every code
// that does not end a line of six is followed by two blanks, the last included.
void AppendBlock(const std::vector<std::string>& codes, int horses, bool trailingGap, std::vector<std::string>& lines) {
  std::string line;
  for (size_t i = 0; i < codes.size(); ++i) {
    line += BetText(codes[i], horses);
    const bool endsLine = (i + 1) % kCodesPerLine == 0;
    const bool last = i + 1 == codes.size();
    if (endsLine) {
      lines.push_back(std::move(line));
      line.clear();
    } else if (!last || trailingGap) {
      line += kGap;
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
}

}  // namespace

std::vector<std::string> BetDetailsLines(const BetLists& bets, std::string_view raceNumberText) {
  if (!bets.HasBets()) return {W().noBets};
  std::vector<std::string> lines{W().quinella};
  AppendBlock(bets.QuinellaCodes, 2, true, lines);
  lines.emplace_back();
  lines.push_back(W().exacta);
  AppendBlock(bets.ExactaCodes, 2, true, lines);
  lines.emplace_back();
  if (IsTrifectaRace(raceNumberText)) {
    lines.push_back(W().trifecta + std::to_string(bets.TrifectaCodes.size()) + W().points);
    AppendBlock(bets.TrifectaCodes, 3, false, lines);
  } else {
    lines.push_back(W().trio);
    AppendBlock(bets.TrioCodes, 3, false, lines);
  }
  return lines;
}

}  // namespace orvane
