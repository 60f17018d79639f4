#pragma once
// LHA archives (-lh0- to -lh7-), read through libarchive: listing the members
// and extracting them as plain files.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace orvane {

// What the status bar gauge follows while an archive is extracted.
struct ExtractionProgress {
  std::function<void(int archivePercent)> onProgress;  // 0..100, from the compressed bytes read
  std::function<void()> onEnd;                          // one archive is done: the gauge goes back to 0
};

struct ExtractionError {
  int code;             // errno-style
  std::string message;  // for the user (UTF-8), naming the member or the archive
};

// The member names as stored (CP932 bytes). A damaged archive gives the names
// before the damage; one that cannot be opened gives none.
std::vector<std::string> ListLhaMembers(const std::filesystem::path& archive);

// Extracts every member of `archive` into `folder`, replacing files of the
// same name. Only plain files with a plain name are written: a member with an
// absolute path, "..", a folder part, a folder or a link is refused (the LHA
// reader gives any other kind, such as a device, as a plain file). Each
// member goes to a temporary file first and is renamed into place when
// complete, so a failing member never destroys the file it would replace.
// Every refused or failing member and every damage of the archive gives one
// error; extraction goes on with the next member while the archive can still
// be read.
std::vector<ExtractionError> ExtractLhaArchive(const std::filesystem::path& archive,
                                               const std::filesystem::path& folder,
                                               const ExtractionProgress& progress = {});

}  // namespace orvane
