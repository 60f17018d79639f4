#pragma once
// Files in the ".kd3" layout hold the same records as the ".kd2" files the
// race card reads, with some fields moved, dropped or added.
#include <expected>
#include <filesystem>
#include <string>

namespace orvane {

// Writes the ".kd2" file of the same name beside `kd3File`, replacing it, and
// then deletes `kd3File`. The lines of "rvx_den1.kd3", "rvx_den2.kd3" and
// "rvx_ods.kd3" are rearranged into the ".kd2" layout; any other name gives
// an empty ".kd2" file. On failure `kd3File` stays; the message is for the
// user (UTF-8).
std::expected<void, std::string> RewriteAsKd2(const std::filesystem::path& kd3File);

}  // namespace orvane
