#include "core/data/archive_import.hpp"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "core/data/kd3_conversion.hpp"

namespace orvane {
namespace {
namespace fs = std::filesystem;

constexpr std::string_view kDataMembers[] = {"rvx_uma.kd2", "rvx_ods.kd2", "rvx_uma.kd3", "rvx_ods.kd3"};

constexpr const char* kNoDataMessage =
    "指定した書庫ファイルにデータは含まれておりません。\r\n\r\n正しいRVXデータをご利用ください。";

std::string ExtractionErrorMessage(const std::vector<ExtractionError>& errors) {
  std::string lines;
  for (const auto& e : errors) lines += "\r\n" + std::to_string(e.code) + " : " + e.message;
  return "データの展開でエラーが発生しました。\r\n" + lines + "\r\n\r\n" + "開発元にお問い合わせください。";
}

bool HasDataMember(const std::vector<std::string>& names) {
  return std::ranges::any_of(names, [](const std::string& name) {
    return std::ranges::find(kDataMembers, std::string_view(name)) != std::end(kDataMembers);
  });
}

// The odds archive that comes with a race-card archive: "j" + the name from
// its 3rd byte (hb070520.lzh -> j070520.lzh), else "kd3_jb" + the name from its
// 7th byte (kd3_hb070520.lzh -> kd3_jb070520.lzh), each cut to 10 bytes.
std::optional<fs::path> CompanionArchive(const fs::path& archive) {
  const std::string name = archive.filename().string();
  const auto tail = [&name](size_t from) { return from < name.size() ? name.substr(from, 10) : std::string(); };
  for (const std::string& candidate : {"j" + tail(2), "kd3_jb" + tail(6)}) {
    const fs::path path = archive.parent_path() / candidate;
    std::error_code ec;
    if (fs::is_regular_file(path, ec)) return path;
  }
  return std::nullopt;
}

// Archives are extracted and converted in a folder of their own inside the
// program folder and moved into place only when all went well, so a damaged
// archive or companion leaves the data set as it was. Same file system, so
// the moves are renames.
class StagingFolder {
 public:
  explicit StagingFolder(const fs::path& root) : path_(root / ".orvane-import") {
    std::error_code ec;
    fs::remove_all(path_, ec);
    fs::create_directory(path_, ec);
    if (ec) errors_.push_back({ec.value(), path_.string() + ": " + ec.message()});
  }
  ~StagingFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  StagingFolder(const StagingFolder&) = delete;
  StagingFolder& operator=(const StagingFolder&) = delete;

  void Extract(const fs::path& archive, const ExtractionProgress& progress) {
    std::ranges::move(ExtractLhaArchive(archive, path_, progress), std::back_inserter(errors_));
  }

  // The ".kd3" files become ".kd2" files and the special registrations the
  // race files, in this order.
  void Convert() {
    Rewrite("rvx_den1.kd3");
    Rewrite("rvx_den2.kd3");
    Rename("rvx_uma.kd3", "rvx_uma.kd2");
    if (Exists("rvx_ods.kd3")) {
      Rewrite("rvx_ods.kd3");
      Remove("rvx_ods2.kd3");
    }
    Rename("rvx_tok1.kd2", "rvx_den1.kd2");
    Rename("rvx_tok2.kd2", "rvx_den2.kd2");
  }

  void MoveInto(const fs::path& root) {
    std::error_code ec;
    std::vector<fs::path> staged;
    for (fs::directory_iterator it(path_, ec), end; !ec && it != end; it.increment(ec)) staged.push_back(it->path());
    if (ec) return Fail(ec, path_);
    for (const auto& file : staged) {
      fs::rename(file, root / file.filename(), ec);
      if (ec) Fail(ec, file.filename());
    }
  }

  bool Ok() const { return errors_.empty(); }
  const fs::path& Path() const { return path_; }
  const std::vector<ExtractionError>& Errors() const { return errors_; }

 private:
  bool Exists(const char* name) const {
    std::error_code ec;
    return fs::exists(path_ / name, ec);
  }
  void Rewrite(const char* kd3) {
    if (!Exists(kd3)) return;
    if (auto done = RewriteAsKd2(path_ / kd3); !done) errors_.push_back({EIO, done.error()});
  }
  void Rename(const char* from, const char* to) {
    if (!Exists(from)) return;
    std::error_code ec;
    fs::rename(path_ / from, path_ / to, ec);
    if (ec) Fail(ec, from);
  }
  void Remove(const char* name) {
    std::error_code ec;
    fs::remove(path_ / name, ec);
    if (ec) Fail(ec, name);
  }
  void Fail(const std::error_code& ec, const fs::path& what) {
    errors_.push_back({ec.value(), what.string() + ": " + ec.message()});
  }

  fs::path path_;
  std::vector<ExtractionError> errors_;
};

}  // namespace

ImportResult ImportArchive(const fs::path& archive, const ProgramFolder& folder, RaceCard& card,
                           const ExtractionProgress& progress) {
  if (!HasDataMember(ListLhaMembers(archive))) return {.loaded = false, .message = kNoDataMessage};

  StagingFolder staging(folder.Root());
  if (staging.Ok()) {
    staging.Extract(archive, progress);
    if (const auto companion = CompanionArchive(archive)) staging.Extract(*companion, progress);
  }
  if (staging.Ok()) staging.Convert();
  if (!staging.Ok()) return {.loaded = false, .message = ExtractionErrorMessage(staging.Errors())};
  // A set the race card would refuse must not replace the one in place.
  if (std::string refused = RaceCard::Refusal(staging.Path()); !refused.empty()) {
    return {.loaded = false, .message = std::move(refused)};
  }
  staging.MoveInto(folder.Root());
  if (!staging.Ok()) return {.loaded = false, .message = ExtractionErrorMessage(staging.Errors())};

  const LoadResult load = card.Load(folder.Root());
  return {.loaded = load.loaded, .message = load.error};
}

}  // namespace orvane
