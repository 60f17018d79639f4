// Import of the sample day (hb260524.lzh with its companion j260524.lzh):
// the whole import (extract, convert, load) and the bare extraction of both
// archives, for comparison with other LHA extractors.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/data/archive_import.hpp"

namespace {
namespace fs = std::filesystem;

const fs::path kSample = fs::path(ORVANE_SOURCE_DIR) / "sample";

// A fresh folder below the system's temporary folder, removed at the end.
class TempFolder {
 public:
  explicit TempFolder(const char* name) : path_(fs::temp_directory_path() / name) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TempFolder() { fs::remove_all(path_); }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

void BM_ImportSampleDay(benchmark::State& state) {
  TempFolder program("orvane-import-bench");
  for (auto _ : state) {
    orvane::RaceCard card;
    const auto result = orvane::ImportArchive(kSample / "hb260524.lzh", orvane::ProgramFolder(program.Path()), card);
    if (!result.loaded) {
      state.SkipWithError("the sample day did not load: run tools/make_sample_archives.sh");
      break;
    }
    benchmark::DoNotOptimize(card.RaceCount());
  }
}
BENCHMARK(BM_ImportSampleDay)->Unit(benchmark::kMicrosecond);

void BM_ExtractSampleArchives(benchmark::State& state) {
  TempFolder folder("orvane-extract-bench");
  for (auto _ : state) {
    for (const char* archive : {"hb260524.lzh", "j260524.lzh"}) {
      const auto errors = orvane::ExtractLhaArchive(kSample / archive, folder.Path());
      if (!errors.empty()) state.SkipWithError(errors.front().message.c_str());
    }
  }
}
BENCHMARK(BM_ExtractSampleArchives)->Unit(benchmark::kMicrosecond);

}  // namespace
