// Computing the race on screen (evaluation, parameter file, popularity,
// marks, bets, grid texts) for the sample day: every race, with and without
// loading the day, and one 18-runner race.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/data/program_folder.hpp"
#include "core/data/race_card.hpp"
#include "core/race/race_view.hpp"

namespace {
namespace fs = std::filesystem;

const fs::path kSample = fs::path(ORVANE_SOURCE_DIR) / "sample";
constexpr orvane::Date kToday{std::chrono::year(2026), std::chrono::month(5), std::chrono::day(24)};

orvane::RaceCard LoadSample(benchmark::State& state) {
  orvane::RaceCard card;
  if (!card.Load(kSample).loaded) state.SkipWithError("the sample day is missing");
  return card;
}

// Every race in turn, each handing its formation pattern on, as the batch outputs do.
int ComputeDay(const orvane::RaceCard& card, const orvane::ProgramFolder& folder) {
  int pattern = 0;
  for (int r = 0; r < card.RaceCount(); ++r) {
    auto view = orvane::ComputeRace(card, r, folder, false, pattern, kToday);
    if (view) pattern = view->Bets.Lists.FormationPattern;
    benchmark::DoNotOptimize(view);
  }
  return card.RaceCount();
}

void BM_ComputeSampleDay(benchmark::State& state) {
  const orvane::RaceCard card = LoadSample(state);
  const orvane::ProgramFolder folder(kSample);
  int races = 0;
  for (auto _ : state) races = ComputeDay(card, folder);
  state.counters["races"] = races;
  state.counters["per_race"] = benchmark::Counter(static_cast<double>(races) * static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ComputeSampleDay)->Unit(benchmark::kMillisecond);

void BM_LoadAndComputeSampleDay(benchmark::State& state) {
  const orvane::ProgramFolder folder(kSample);
  for (auto _ : state) {
    orvane::RaceCard card;
    card.Load(kSample);
    ComputeDay(card, folder);
  }
}
BENCHMARK(BM_LoadAndComputeSampleDay)->Unit(benchmark::kMillisecond);

// The first race of the day with 18 runners.
void BM_ComputeOneRace18(benchmark::State& state) {
  const orvane::RaceCard card = LoadSample(state);
  const orvane::ProgramFolder folder(kSample);
  int race = 0;
  while (race < card.RaceCount() && card.RunnerCount(race) != 18) ++race;
  if (race == card.RaceCount()) {
    state.SkipWithError("no 18-runner race in the sample day");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(orvane::ComputeRace(card, race, folder, false, 0, kToday));
}
BENCHMARK(BM_ComputeOneRace18)->Unit(benchmark::kMicrosecond);

}  // namespace
