#pragma once
// Writing a list of lines as a text file the way the program writes every file.
#include <expected>
#include <filesystem>
#include <string>
#include <vector>

namespace orvane {

// Every line ended by CR LF, the last one too; no lines give an empty file.
std::string CrLfText(const std::vector<std::string>& lines);

// CrLfText, written atomically; the message is for the user (UTF-8).
std::expected<void, std::string> WriteLinesFile(const std::filesystem::path& path,
                                                const std::vector<std::string>& lines);

}  // namespace orvane
