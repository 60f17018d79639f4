#pragma once
// A small race day written into a program folder, with known outcomes:
//  race 0: 東京 11R 芝 1600 m, 6 runners, forecast odds, a parameter file
//          (04S1600.dat); two front runners; marks ◎1 ○2 △4 △6 △3 △5.
//  race 1: 札幌 3R ダ 1200 m, 4 runners, no parameter file, no odds.
//  race 2: 東京 12R 芝 1600 m, 3 front runners (second parameter block), odds.
#include <filesystem>
#include <string>
#include <vector>

namespace orvane::test {

struct TestRaceDay {
  std::vector<std::string> raceLines, entryLines, horseLines, oddsLines;
  std::vector<std::string> paramLines;  // plain lines of 04S1600.dat
};

TestRaceDay MakeTestRaceDay();

// Writes the four data files and Data/04S1600.dat into `root`.
void WriteTestRaceDay(const std::filesystem::path& root, const TestRaceDay& day = MakeTestRaceDay());

}  // namespace orvane::test
