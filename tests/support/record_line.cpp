#include "support/record_line.hpp"

#include "core/data/cp932.hpp"

namespace orvane::test {

RecordLine& RecordLine::Put(int pos, std::string_view bytes) {
  const auto start = static_cast<size_t>(pos - 1);
  if (bytes_.size() < start + bytes.size()) bytes_.resize(start + bytes.size(), ' ');
  bytes_.replace(start, bytes.size(), bytes);
  return *this;
}

RecordLine& RecordLine::Put(int pos, int value, int width) {
  std::string digits = std::to_string(value);
  if (digits.size() < static_cast<size_t>(width)) digits.insert(0, static_cast<size_t>(width) - digits.size(), '0');
  return Put(pos, digits);
}

RecordLine& RecordLine::PutText(int pos, std::string_view utf8, int width) {
  std::string bytes = ToCp932(utf8);
  bytes.resize(static_cast<size_t>(width), ' ');
  return Put(pos, bytes);
}

}  // namespace orvane::test
