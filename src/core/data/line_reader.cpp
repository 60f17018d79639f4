#include "core/data/line_reader.hpp"

#include <fstream>
#include <system_error>


namespace orvane {

std::vector<std::string> SplitRecordLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::string line;
  bool atLineStart = true;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (atLineStart && c == '\x1A') return lines;
    atLineStart = false;
    if (c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
      atLineStart = true;
    } else if (c != '\r') {
      line.push_back(c);
    }
  }
  if (!atLineStart) lines.push_back(std::move(line));
  return lines;
}

std::expected<std::string, std::string> ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::unexpected("ファイルを読み込めません: " + path.string());
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::unexpected("ファイルの読み込み中にエラーが発生しました: " + path.string());
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
