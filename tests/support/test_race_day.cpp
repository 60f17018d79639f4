#include "support/test_race_day.hpp"

#include "core/data/race_card.hpp"
#include "support/record_builders.hpp"

namespace orvane::test {
namespace {

// One parameter line: win, return and 40 cases for each distance change,
// then the two replacement groups.
std::string ParamLine(const std::vector<std::pair<const char*, const char*>>& cells) {
  std::string line;
  for (const auto& [win, ret] : cells) line += std::string(win) + "," + ret + ",40,";
  return line + "0,0,0,0,0,0";
}

PastRunBlock Run(const char* corner) { return PastRunBlock().LastCorner(corner); }

}  // namespace

TestRaceDay MakeTestRaceDay() {
  TestRaceDay day;
  const std::string race0 = RaceHeader().Course("04").RaceNumber(11).Turf().Distance(1600).Runners(6).str();
  const std::string race1 =
      RaceHeader().Course("08").RaceNumber(3).Dirt().Distance(1200).Runners(4).ClassCode("00003").str();
  const std::string race2 = RaceHeader().Course("04").RaceNumber(12).Turf().Distance(1600).Runners(3).str();
  day.raceLines = {race0, race1, race2};

  // Race 0: 逃げ 同距離 (SS), 先行 短縮 (S), 差し 同距離 (no type), 追込 別ﾄﾗｯｸ (D),
  // no runs (no style), 逃げ 延長 (M).
  const std::vector<std::vector<PastRunBlock>> race0Runs = {
      {Run("02").Date("20070101")}, {Run("03").Distance(1800)}, {Run("06")}, {Run("12").Dirt()}, {},
      {Run("01").Distance(1400)}};
  for (size_t k = 0; k < race0Runs.size(); ++k) {
    const std::string name = "ダイ" + std::to_string(k + 1);
    day.entryLines.push_back(Entry().Bracket(static_cast<int>(k) + 1).Name(name).str());
    HorseRecord horse;
    horse.Name(name);
    for (size_t i = 0; i < race0Runs[k].size(); ++i) horse.Run(static_cast<int>(i), race0Runs[k][i]);
    day.horseLines.push_back(horse.str());
  }
  for (int k = 0; k < 4; ++k) {
    const std::string name = "サツ" + std::to_string(k + 1);
    day.entryLines.push_back(Entry().Bracket(k + 1).Name(name).str());
    day.horseLines.push_back(HorseRecord().Name(name).Run(0, Run("05").Dirt().Distance(1000)).str());
  }
  for (int k = 0; k < 3; ++k) {
    const std::string name = "ニゲ" + std::to_string(k + 1);
    day.entryLines.push_back(Entry().Bracket(k + 1).Name(name).str());
    day.horseLines.push_back(HorseRecord().Name(name).Run(0, Run("01")).str());
  }

  day.oddsLines = {OddsRecord(race0, {"00060", "00020", "00150", "00040", "00990", "00100"}),
                   OddsRecord(RaceHeader().Course("01").str(), {"00010"}),  // another race's key
                   OddsRecord(race2, {"00030", "00010", "00020"})};

  day.paramLines = {
      ParamLine({{"6.0", "9.0"}, {"5.0", "6.0"}, {"5.0", "2.0"}, {"1.0", "6.0"}}),
      ParamLine({{"2.0", "6.0"}, {"6.0", "5.0"}, {"3.0", "3.0"}, {"5.0", "1.0"}}),
      ParamLine({{"1.0", "1.0"}, {"1.0", "1.0"}, {"1.0", "1.0"}, {"1.0", "1.0"}}),
      ParamLine({{"4.0", "6.0"}, {"4.0", "6.0"}, {"4.0", "6.0"}, {"4.0", "6.0"}}),
  };
  for (int r = 0; r < 4; ++r) day.paramLines.push_back(ParamLine({{"1.0", "1.0"}, {"1.0", "1.0"}, {"1.0", "1.0"},
                                                                  {"1.0", "1.0"}}));
  return day;
}

void WriteTestRaceDay(const std::filesystem::path& root, const TestRaceDay& day) {
  WriteRecordFile(root / kRaceHeaderFile, day.raceLines);
  WriteRecordFile(root / kEntryFile, day.entryLines);
  WriteRecordFile(root / kHorseFile, day.horseLines);
  WriteRecordFile(root / kOddsFile, day.oddsLines);
  WriteCourseParamFile(root / "Data" / "04S1600.dat", day.paramLines);
}

}  // namespace orvane::test
