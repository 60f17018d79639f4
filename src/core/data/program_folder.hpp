#pragma once
// The program folder: the working data set, "Data" (course parameter files),
// "UserOdds", "kakin.log" and "settei.txt" live here.
#include <filesystem>
#include <optional>

namespace orvane {

class ProgramFolder {
 public:
  explicit ProgramFolder(std::filesystem::path root) : root_(std::move(root)) {}

  // In this order: an explicit --home, $ORVANE_HOME, the executable's folder
  // when writable (portable use), else the per-user data folder. The folder is
  // created when missing.
  static ProgramFolder Resolve(const std::optional<std::filesystem::path>& home,
                               const std::filesystem::path& executableDir);

  const std::filesystem::path& Root() const { return root_; }
  std::filesystem::path File(const std::filesystem::path& name) const { return root_ / name; }
  // "Data" of the program folder, or the parameter files installed with the
  // program when the folder has none.
  std::filesystem::path DataFolder() const;
  std::filesystem::path UserOddsFolder() const { return root_ / "UserOdds"; }

 private:
  std::filesystem::path root_;
};

}  // namespace orvane
