#pragma once
// Reading the data files line by line.
#include <expected>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Splits record file bytes into lines: a line ends at LF (a CR before it is
// part of the line end); a CR not followed by LF is dropped; a 0x1A byte at
// the start of a line ends the file.
std::vector<std::string> SplitRecordLines(std::string_view bytes);

// The whole file as bytes, or a message naming the file when it cannot be read.
std::expected<std::string, std::string> ReadFileBytes(const std::filesystem::path& path);

// ReadFileBytes + SplitRecordLines.
std::expected<std::vector<std::string>, std::string> ReadRecordFile(const std::filesystem::path& path);

// Writes bytes to a temporary file beside `path` and renames it into place, so
// a failure never leaves a half-written file or destroys the old one.
std::expected<void, std::string> WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace orvane
