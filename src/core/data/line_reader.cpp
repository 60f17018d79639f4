#include "core/data/line_reader.hpp"

#include <fstream>
#include <system_error>

namespace orvane {

std::vector<std::string> SplitRecordLines(std::string_view bytes) {
  std::vector<std::string> lines;
  while (!bytes.empty() && bytes.front() != '\x1A') {
    const size_t end = bytes.find('\n');
    std::string_view raw = bytes.substr(0, end);
    std::string line;
    line.reserve(raw.size());
    // A CR is never part of a line: before LF it ends it, alone it is dropped.
    for (size_t cr; (cr = raw.find('\r')) != std::string_view::npos; raw.remove_prefix(cr + 1)) line.append(raw, 0, cr);
    line.append(raw);
    lines.push_back(std::move(line));
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
  return lines;
}

std::expected<std::string, std::string> ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return std::unexpected("ファイルを読み込めません: " + path.string());
  const std::streamoff size = in.tellg();
  if (size < 0) return std::unexpected("ファイルを読み込めません: " + path.string());  // e.g. a folder
  std::string bytes(static_cast<size_t>(size), '\0');
  in.seekg(0);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!in) return std::unexpected("ファイルの読み込み中にエラーが発生しました: " + path.string());
  return bytes;
}

std::expected<std::vector<std::string>, std::string> ReadRecordFile(const std::filesystem::path& path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) return std::unexpected(bytes.error());
  return SplitRecordLines(*bytes);
}

std::expected<void, std::string> WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path temp = path;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return std::unexpected("ファイルを作成できません: " + path.string());
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temp, ignored);
      return std::unexpected("ファイルを書き込めません: " + path.string());
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::filesystem::remove(temp, ec);
    return std::unexpected("ファイルを書き込めません: " + path.string());
  }
  return {};
}

}  // namespace orvane
