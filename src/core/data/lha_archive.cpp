#include "core/data/lha_archive.hpp"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <memory>
#include <string_view>
#include <system_error>

#include "core/data/cp932.hpp"

namespace orvane {
namespace {
namespace fs = std::filesystem;

constexpr size_t kReadBlockSize = 64 * 1024;

struct ArchiveFree {
  void operator()(archive* a) const { archive_read_free(a); }
};
using ArchivePtr = std::unique_ptr<archive, ArchiveFree>;

// A reader for the LHA format only, so no other archive format's features
// (links, devices, nested paths of tar and friends) can reach the folder.
ArchivePtr OpenLha(const fs::path& path, int& status) {
  ArchivePtr a(archive_read_new());
  archive_read_support_format_lha(a.get());
  status = archive_read_open_filename(a.get(), path.c_str(), kReadBlockSize);
  return a;
}

std::string MemberName(archive_entry* entry) {
  const char* name = archive_entry_pathname(entry);
  return name ? name : "";
}

// True for a name that stays directly in the folder: no absolute path, no
// "." or "..", no folder part. A backslash counts as a separator except as
// the second byte of a CP932 double-byte character (ソ is 0x83 0x5C).
bool IsPlainName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (c == '/' || c == '\\' || c == ':') return false;
    if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) ++i;
  }
  return true;
}

// Why a member may not be extracted, or nullptr.
const char* Refusal(archive_entry* entry, std::string_view name) {
  if (archive_entry_filetype(entry) != AE_IFREG) return "通常のファイルではないため展開しません";
  if (!IsPlainName(name)) return "プログラムフォルダーに直接置けない名前のため展開しません";
  return nullptr;
}

class Extraction {
 public:
  Extraction(const fs::path& archive, const fs::path& folder, const ExtractionProgress& progress)
      : archive_(archive), folder_(folder), progress_(progress) {
    std::error_code ec;
    const auto size = fs::file_size(archive, ec);
    archiveSize_ = ec || size == 0 ? 1 : size;
  }

  std::vector<ExtractionError> Run() {
    int status = ARCHIVE_OK;
    reader_ = OpenLha(archive_, status);
    if (status != ARCHIVE_OK) {
      FailFromArchive(ArchiveLabel());
      return std::move(errors_);
    }
    archive_entry* entry = nullptr;
    for (;;) {
      status = archive_read_next_header(reader_.get(), &entry);
      if (status == ARCHIVE_EOF) {
        Report(100);
        break;
      }
      ReportProgress();
      if (status < ARCHIVE_WARN) {
        FailFromArchive(ArchiveLabel());
        break;
      }
      if (!ExtractMember(entry)) break;
    }
    return std::move(errors_);
  }

 private:
  // False when the archive cannot be read any further.
  bool ExtractMember(archive_entry* entry) {
    const std::string name = MemberName(entry);
    if (const char* why = Refusal(entry, name)) {
      Fail(EPERM, MemberLabel(name), why);
      return true;  // the next header skips the member's data
    }
    const fs::path target = folder_ / name;
    fs::path temp = target;
    temp += ".part";
    const auto outcome = WriteData(temp, name);
    if (outcome == kWritten) {
      std::error_code ec;
      fs::rename(temp, target, ec);
      if (!ec) return true;
      Fail(ec.value(), MemberLabel(name), ec.message());
    }
    std::error_code ignored;
    fs::remove(temp, ignored);
    return outcome != kArchiveUnreadable;
  }

  enum Outcome { kWritten, kMemberFailed, kArchiveUnreadable };

  Outcome WriteData(const fs::path& temp, const std::string& name) {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) {
      FailFromErrno(MemberLabel(name));
      return kMemberFailed;
    }
    for (;;) {
      const void* block = nullptr;
      size_t size = 0;
      la_int64_t offset = 0;
      const int status = archive_read_data_block(reader_.get(), &block, &size, &offset);
      ReportProgress();
      if (status == ARCHIVE_EOF) break;
      // A warning here is a damaged member (a CRC error at its end), so it fails too.
      if (status != ARCHIVE_OK) {
        FailFromArchive(MemberLabel(name));
        return status == ARCHIVE_FATAL ? kArchiveUnreadable : kMemberFailed;
      }
      out.write(static_cast<const char*>(block), static_cast<std::streamsize>(size));
      if (!out) {
        FailFromErrno(MemberLabel(name));
        return kMemberFailed;
      }
    }
    out.close();
    if (!out) {
      FailFromErrno(MemberLabel(name));
      return kMemberFailed;
    }
    return kWritten;
  }

  void ReportProgress() {
    const auto read = static_cast<uint64_t>(std::max<la_int64_t>(0, archive_filter_bytes(reader_.get(), -1)));
    Report(static_cast<int>(std::min<uint64_t>(100, read * 100 / archiveSize_)));
  }

  void Report(int percent) {
    if (!progress_.onProgress || percent == lastPercent_) return;
    lastPercent_ = percent;
    progress_.onProgress(percent);
  }

  std::string ArchiveLabel() const { return archive_.filename().string(); }
  static std::string MemberLabel(const std::string& name) { return ToUtf8(name); }

  void Fail(int code, const std::string& label, std::string_view text) {
    errors_.push_back({code, label + ": " + std::string(text)});
  }
  void FailFromArchive(const std::string& label) {
    const char* text = archive_error_string(reader_.get());
    Fail(archive_errno(reader_.get()), label, text ? text : "unknown error");
  }
  void FailFromErrno(const std::string& label) {
    const int code = errno;
    Fail(code, label, std::generic_category().message(code));
  }

  const fs::path& archive_;
  const fs::path& folder_;
  const ExtractionProgress& progress_;
  uint64_t archiveSize_ = 1;
  int lastPercent_ = -1;
  ArchivePtr reader_;
  std::vector<ExtractionError> errors_;
};

}  // namespace

std::vector<std::string> ListLhaMembers(const fs::path& path) {
  std::vector<std::string> names;
  int status = ARCHIVE_OK;
  const ArchivePtr a = OpenLha(path, status);
  if (status != ARCHIVE_OK) return names;
  archive_entry* entry = nullptr;
  for (;;) {
    const int header = archive_read_next_header(a.get(), &entry);
    if (header != ARCHIVE_OK && header != ARCHIVE_WARN) return names;
    names.push_back(MemberName(entry));
  }
}

std::vector<ExtractionError> ExtractLhaArchive(const fs::path& archive, const fs::path& folder,
                                               const ExtractionProgress& progress) {
  auto errors = Extraction(archive, folder, progress).Run();
  if (progress.onEnd) progress.onEnd();
  return errors;
}

}  // namespace orvane
