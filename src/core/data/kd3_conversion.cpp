#include "core/data/kd3_conversion.hpp"

#include <span>
#include <string_view>
#include <vector>

#include "core/data/line_reader.hpp"
#include "core/data/record.hpp"

namespace orvane {
namespace {
namespace fs = std::filesystem;

// One piece of a ".kd2" line: the ".kd3" bytes from `pos`, `len` long
// (shorter or empty where the line ends earlier); pos 0 stands for `len` blanks.
struct Part {
  int pos;
  int len;
};

constexpr Part kRaceHeaderParts[] = {{1, 73}, {75, 276}, {419, 8}, {74, 1}, {428, 419}};
constexpr Part kEntryParts[] = {{1, 255}, {257, 438}, {728, 15}, {844, 12}, {856, 21}};
constexpr Part kOddsParts[] = {{1, 73}, {75, 87}, {0, 1}, {162, 1341}};

struct Layout {
  std::string_view file;
  std::span<const Part> parts;
};

constexpr Layout kLayouts[] = {
    {"rvx_den1.kd3", kRaceHeaderParts},
    {"rvx_den2.kd3", kEntryParts},
    {"rvx_ods.kd3", kOddsParts},
};

std::span<const Part> PartsFor(std::string_view fileName) {
  for (const auto& layout : kLayouts) {
    if (layout.file == fileName) return layout.parts;
  }
  return {};
}

// These files are split at CR, at LF and at CR LF alike; there is no line
// after the last line end.
std::vector<std::string_view> SplitAtLineEnds(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::string Rearrange(std::string_view text, std::span<const Part> parts) {
  std::string out;
  if (parts.empty()) return out;
  for (std::string_view line : SplitAtLineEnds(text)) {
    for (const Part& part : parts) {
      if (part.pos == 0) {
        out.append(static_cast<size_t>(part.len), ' ');
      } else {
        out.append(Field(line, part.pos, part.len));
      }
    }
    out.append("\r\n");
  }
  return out;
}

}  // namespace

std::expected<void, std::string> RewriteAsKd2(const fs::path& kd3File) {
  const auto text = ReadFileBytes(kd3File);
  if (!text) return std::unexpected(text.error());
  fs::path kd2File = kd3File;
  kd2File.replace_extension(".kd2");
  if (auto written = WriteFileAtomically(kd2File, Rearrange(*text, PartsFor(kd3File.filename().string())));
      !written) {
    return written;
  }
  std::error_code ec;
  fs::remove(kd3File, ec);
  if (ec) return std::unexpected("ファイルを削除できません: " + kd3File.string());
  return {};
}

}  // namespace orvane
