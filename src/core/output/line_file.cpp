#include "core/output/line_file.hpp"

#include "core/data/line_reader.hpp"

namespace orvane {

std::string CrLfText(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::expected<void, std::string> WriteLinesFile(const std::filesystem::path& path,
                                                const std::vector<std::string>& lines) {
  return WriteFileAtomically(path, CrLfText(lines));
}

}  // namespace orvane
