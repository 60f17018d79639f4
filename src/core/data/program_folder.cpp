#include "core/data/program_folder.hpp"

#include <unistd.h>

#include <cstdlib>

namespace orvane {
namespace fs = std::filesystem;

namespace {

bool IsWritableFolder(const fs::path& folder) {
  std::error_code ec;
  return fs::is_directory(folder, ec) && access(folder.c_str(), W_OK) == 0;
}

fs::path UserDataFolder() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return fs::path(xdg) / "Orvane";
  if (const char* home = std::getenv("HOME"); home && *home) return fs::path(home) / ".local/share/Orvane";
  return fs::temp_directory_path() / "Orvane";
}

}  // namespace

ProgramFolder ProgramFolder::Resolve(const std::optional<fs::path>& home, const fs::path& executableDir) {
  fs::path root;
  if (home) {
    root = *home;
  } else if (const char* env = std::getenv("ORVANE_HOME"); env && *env) {
    root = env;
  } else if (IsWritableFolder(executableDir)) {
    root = executableDir;
  } else {
    root = UserDataFolder();
  }
  std::error_code ec;
  fs::create_directories(root, ec);
  return ProgramFolder(fs::absolute(root, ec));
}

fs::path ProgramFolder::DataFolder() const {
  std::error_code ec;
  if (fs::is_directory(root_ / "Data", ec)) return root_ / "Data";
  return fs::path(ORVANE_INSTALLED_DATA);
}

}  // namespace orvane
