#include "core/engine/past_run_text.hpp"

#include <algorithm>

#include "core/data/codes.hpp"
#include "core/data/cp932.hpp"
#include "core/data/record.hpp"
#include "core/data/width.hpp"

namespace orvane {
namespace {

struct Words {
  std::string chukyo = ToCp932("中京"), nagoya = ToCp932("名");
  std::string shinba = ToCp932("新馬"), mishusso = ToCp932("未出走"), mishori = ToCp932("未勝利");
  std::string man = ToCp932("万"), nin = ToCp932("人"), chaku = ToCp932("着");
  std::string mae = ToCp932("前"), ato = ToCp932("後"), tou = ToCp932("ﾄ"), gate = ToCp932("ｹﾞ");
};

const Words& W() {
  static const Words words;
  return words;
}

std::string_view F(std::string_view line, int k, int pos, int len) { return PastField(line, k, pos, len); }

// " 0" + unit becomes "--" + unit: the record holds no such number.
std::string CountText(std::string_view field, const std::string& unit) {
  const std::string text = TwoColumn(LenientInt(field));
  return (text == " 0" ? std::string("--") : text) + unit;
}

std::string ShortCourse(std::string_view code) {
  const std::string name = CourseName(code);
  return name == W().chukyo ? W().nagoya : name.substr(0, 2);
}

std::string ClassPiece(std::string_view line, int k) {
  const std::string_view code = F(line, k, 1165, 5);
  std::string text;
  if (code == "00001") {
    text = W().shinba;
  } else if (code == "00002") {
    text = W().mishusso;
  } else if (code == "00003") {
    text = W().mishori;
  } else if (code == "00004") {
    text = GradeText(F(line, k, 1138, 1));
  } else {
    text = std::to_string(LenientInt(code.substr(0, 4)));
  }
  if (text == "0") text.clear();

  const std::string_view raceName = F(line, k, 1124, 6);
  if (raceName != "      ") {
    const std::string name = CutToBytes(raceName, 6);
    return IsJraCourseCode(F(line, k, 1065, 2)) ? name + text : name;
  }
  const int value = LenientInt(text);
  if (value >= 100) return text + W().man;
  if (value >= 1) return {};
  return text;
}

std::string JockeyPiece(std::string_view line, int k) {
  return std::string(Trim(F(line, k, 1356, 6))) + HandicapMark(F(line, k, 1139, 2)) +
         std::string(F(line, k, 1307, 2)) + "." + std::string(F(line, k, 1309, 1));
}

std::string CoursePiece(std::string_view line, int k, const PastRun& run) {
  return SurfaceLetter(run.SurfaceNumber) + std::to_string(run.Distance).substr(0, 2) +
         PadRight(CourseSide(F(line, k, 1182, 1)) + RailSetting(F(line, k, 1183, 1)), 6);
}

std::string TimePiece(std::string_view line, int k) {
  const std::string_view time = Trim(F(line, k, 1439, 4));
  return time.empty() ? std::string("----") : PadLeft(time, 4);
}

std::string MarginPiece(std::string_view line, int k) {
  const std::string_view field = F(line, k, 1446, 3);
  if (field == "   ") return {};
  const int v = LenientInt(field);
  if (v == 998) return {};
  const bool won = LenientInt(F(line, k, 1431, 2)) == 1;
  return "(" + OneDecimal(won ? -v / 10.0 : v / 10.0) + ")";
}

std::string SplitTimes(std::string_view line, int k) {
  std::string text = PaceMark(F(line, k, 1192, 1));
  for (const auto& [word, pos] : {std::pair{&W().mae, 1449}, std::pair{&W().ato, 1452}}) {
    const std::string part = std::string(F(line, k, pos, 2)) + "." + std::string(F(line, k, pos + 2, 1));
    text += *word + (part == "  . " ? std::string("--.-") : part);
  }
  return PadRight(text, 13);
}

// Appends the corner passing text; fails when a position is not a number.
std::expected<void, ConversionError> AppendCorners(std::string& text, std::string_view line, int k, bool counted) {
  std::string corners;
  for (int corner = 0; corner < 4; ++corner) {
    const bool last = corner == 3;
    auto mark = FinishMark(F(line, k, 1455 + 2 * corner, 2), last, last && counted);
    if (!mark) return std::unexpected(mark.error());
    corners += *mark;
  }
  if (Trim(corners).empty()) {
    text.append(13, ' ');
  } else if (counted) {
    text += "[<font color=\"#FF0000\">" + corners + "</font>]";
  } else {
    text += "[" + corners + "]";
  }
  return {};
}

}  // namespace

std::string CutToBytes(std::string_view text, size_t maxBytes) {
  size_t end = 0;
  while (end < text.size()) {
    const size_t next = end + (IsLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1);
    if (next > maxBytes) break;
    end = next;
  }
  return std::string(text.substr(0, std::min(end, text.size())));
}

std::expected<std::string, ConversionError> PastRunText(std::string_view line, int k, const PastRun& run) {
  const std::string course = ShortCourse(F(line, k, 1065, 2));
  if (course == "--") return std::string();

  std::string text;
  text.reserve(256);
  text += course;
  text += F(line, k, 1081, 2);
  text += '/';
  text += F(line, k, 1083, 2);
  text += ' ';
  text += PadRight(ClassPiece(line, k), 10) + " ";
  text += PadRight(JockeyPiece(line, k), 11) + " ";
  text += CountText(F(line, k, 1424, 2), W().nin);
  text += "<BR>";
  text += CoursePiece(line, k, run) + " ";
  text += TimePiece(line, k) + " ";
  text += CountText(F(line, k, 1431, 2), W().chaku) + " ";
  text += CutToBytes(ToHalfWidth(Trim(F(line, k, 1581, 18))), 8) + MarginPiece(line, k);
  text += "<BR>";
  text += SplitTimes(line, k);
  if (auto corners = AppendCorners(text, line, k, run.Counted); !corners) return std::unexpected(corners.error());
  text += ' ';
  text += CountText(F(line, k, 1188, 2), W().tou);
  text += CountText(F(line, k, 1217, 2), W().gate);
  return text;
}

}  // namespace orvane
