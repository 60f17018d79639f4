#include "support/record_builders.hpp"

#include <fstream>

#include "core/data/cp932.hpp"

namespace orvane::test {

namespace {
constexpr size_t kRaceHeaderLength = 777;
constexpr size_t kEntryLength = 741;
constexpr int kFirstRun = 1065;
constexpr int kRunLength = 590;
constexpr size_t kHorseLength = kFirstRun - 1 + 5 * kRunLength;
}  // namespace

RaceHeader::RaceHeader() : FieldBuilder(kRaceHeaderLength) {
  Course("04").Put(3, "0000").Put(7, "03").Put(9, "10").RaceNumber(11).Date("20070520").Put(21, "02");
  Turf().Put(26, "000").Name("テストステークス").Put(73, " ").Put(74, "03").Put(98, "3");
  ClassCode("10000").Put(106, "1").CourseSide("0").Put(108, "0").Distance(1600);
  Put(332, "15:40").Runners(16);
}

Entry::Entry() : FieldBuilder(kEntryLength) {
  Bracket(1).Name("テストホース").Sex("0").Age(4).Weight("550").Jockey("騎手").Rating(50);
}

PastRunBlock::PastRunBlock() {
  Course("05").Date("20070415").Turf().Distance(1600).Put(1188, "16").Put(1192, "1").Put(1217, "05");
  Put(1124, "      ").Put(1138, " ").Put(1139, "03").Put(1165, "10000").PutText(1356, "騎手", 6);
  Put(1307, "56").Put(1309, "0").Put(1424, "02").Finish("03").Put(1439, "1345").Put(1446, "003");
  Put(1449, "352").Put(1452, "341").Corners("03", "03", "03", "03").PutText(1581, "アイテム", 18);
}

PastRunBlock& PastRunBlock::Put(int run0Pos, std::string_view bytes) {
  fields_.emplace_back(run0Pos, std::string(bytes));
  return *this;
}

PastRunBlock& PastRunBlock::Put(int run0Pos, int value, int width) {
  return Put(run0Pos, RecordLine().Put(1, value, width).str());
}

PastRunBlock& PastRunBlock::PutText(int run0Pos, std::string_view utf8, int width) {
  return Put(run0Pos, RecordLine().PutText(1, utf8, width).str());
}

PastRunBlock& PastRunBlock::Corners(std::string_view c1, std::string_view c2, std::string_view c3,
                                    std::string_view c4) {
  return Put(1455, c1).Put(1457, c2).Put(1459, c3).Put(1461, c4);
}

HorseRecord::HorseRecord() : FieldBuilder(kHorseLength) { Name("テストホース").Coat("03"); }

HorseRecord& HorseRecord::Run(int k, const PastRunBlock& block) {
  for (const auto& [pos, bytes] : block.Fields()) Put(pos + kRunLength * k, bytes);
  return *this;
}

std::string OddsRecord(std::string_view raceHeader, const std::vector<std::string>& odds) {
  RecordLine line(1502);
  line.Put(1, raceHeader.substr(0, 22));
  for (size_t k = 0; k < odds.size(); ++k) line.Put(162 + 5 * static_cast<int>(k), (odds[k] + "     ").substr(0, 5));
  return line.str();
}

void WriteRecordFile(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  for (const auto& line : lines) out << line << "\r\n";
}

void WriteCourseParamFile(const std::filesystem::path& path, const std::vector<std::string>& plainLines) {
  std::string bytes;
  for (const auto& line : plainLines) bytes += line + "\r\n";
  for (char& c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    c = static_cast<char>(static_cast<unsigned char>((b << 4) | (b >> 4)));
  }
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

}  // namespace orvane::test
