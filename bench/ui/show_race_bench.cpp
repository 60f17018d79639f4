// ShowRace in the real main window, offscreen: compute, render the grid and
// the header, re-sort and fit, for an 18-runner race of the sample day.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <filesystem>

#include "ui/app/main_window.hpp"

namespace {
namespace fs = std::filesystem;

// Two different races, so that no race is shown twice in a row.
constexpr int kEighteenRunners[] = {10, 1};  // 東京11R, 東京2R

// The sample day in a temporary program folder, loaded into a shown main window.
class SampleDayWindow {
 public:
  SampleDayWindow() {
    const fs::path folder(home_.path().toStdString());
    for (const char* file : {"rvx_den1.kd2", "rvx_den2.kd2", "rvx_uma.kd2", "rvx_ods.kd2"}) {
      fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "sample" / file, folder / file);
    }
    window_.show();
    window_.LoadRaceCard();
  }
  // Shows the race and lets it paint: the repaint belongs to showing a race.
  void Show(int race) {
    window_.ShowRace(race);
    QApplication::processEvents();
  }

 private:
  QTemporaryDir home_;
  orvane::ui::TfrmOrvane window_{{orvane::ProgramFolder(fs::path(home_.path().toStdString())),
                                  home_.filePath("orvane.ini"), {}}};
};

void BM_ShowRace18(benchmark::State& state) {
  SampleDayWindow window;
  size_t shown = 0;
  for (auto _ : state) window.Show(kEighteenRunners[shown++ % 2]);
}
BENCHMARK(BM_ShowRace18)->Unit(benchmark::kMillisecond);

// Stepping through the whole day (8 to 18 runners): most cell texts are new to the grid.
void BM_StepThroughDay(benchmark::State& state) {
  SampleDayWindow window;
  constexpr int kRaces = 24;
  int race = 0;
  for (auto _ : state) window.Show(race++ % kRaces);
}
BENCHMARK(BM_StepThroughDay)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir settings;  // never the user's settings
  QSettings::setDefaultFormat(QSettings::IniFormat);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
