#pragma once
// Builds a fixed-width record line by placing fields at their 1-based byte
// positions, the way the record layouts describe them.
#include <string>
#include <string_view>

namespace orvane::test {

class RecordLine {
 public:
  explicit RecordLine(size_t length = 0) : bytes_(length, ' ') {}

  // Places raw bytes at `pos`, growing the line with blanks when needed.
  RecordLine& Put(int pos, std::string_view bytes);
  // Places a number zero-padded to `width` digits.
  RecordLine& Put(int pos, int value, int width);
  // Places UTF-8 text as CP932, blank-padded (or cut) to `width` bytes.
  RecordLine& PutText(int pos, std::string_view utf8, int width);

  const std::string& str() const { return bytes_; }
  operator const std::string&() const { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace orvane::test
