#pragma once
// Splits a line at a one-byte separator: every separator ends a field, so an
// empty text is one empty field and a trailing separator gives an empty last
// field. No trimming, no quoting.
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

class TDivide {
 public:
  TDivide(std::string_view text, char separator);

  int Count() const { return static_cast<int>(fields_.size()); }
  std::vector<std::string> Fields() const { return fields_; }

 private:
  std::vector<std::string> fields_;
};

}  // namespace orvane
