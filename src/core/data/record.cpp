#include "core/data/record.hpp"

namespace orvane {

std::string_view Field(std::string_view line, int pos, int len) {
  if (pos < 1 || len <= 0) return {};
  const auto start = static_cast<size_t>(pos - 1);
  if (start >= line.size()) return {};
  return line.substr(start, static_cast<size_t>(len));
}

std::string_view Trim(std::string_view text) {
  auto isSpace = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  return text;
}

std::string TrimmedField(std::string_view line, int pos, int len) { return std::string(Trim(Field(line, pos, len))); }

}  // namespace orvane
