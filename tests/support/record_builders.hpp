#pragma once
// Builders for the records of a race day: race header, entry, horse record
// with its past-run blocks, odds record. Each starts from a plausible record
// of full length; setters place fields at their byte positions, and Put /
// PutText place any other field. Text arguments are UTF-8 and land as CP932.
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/record_line.hpp"

namespace orvane::test {

// Put / PutText for every builder, returning the builder for chaining.
template <class Derived>
class FieldBuilder {
 public:
  Derived& Put(int pos, std::string_view bytes) {
    line_.Put(pos, bytes);
    return Self();
  }
  Derived& Put(int pos, int value, int width) {
    line_.Put(pos, value, width);
    return Self();
  }
  Derived& PutText(int pos, std::string_view utf8, int width) {
    line_.PutText(pos, utf8, width);
    return Self();
  }
  const std::string& str() const { return line_.str(); }
  operator const std::string&() const { return line_.str(); }

 protected:
  explicit FieldBuilder(size_t length) : line_(length) {}

 private:
  Derived& Self() { return static_cast<Derived&>(*this); }
  RecordLine line_;
};

// Race header record (rvx_den1.kd2): 東京 11R, 2007/05/20 (日), 芝 1600 m,
// 16 runners, 1000万 class.
class RaceHeader : public FieldBuilder<RaceHeader> {
 public:
  RaceHeader();
  RaceHeader& Course(std::string_view code) { return Put(1, code); }
  RaceHeader& RaceNumber(int number) { return Put(11, number, 2); }
  RaceHeader& Date(std::string_view yyyymmdd) { return Put(13, yyyymmdd); }
  RaceHeader& Turf() { return Put(25, "0").Put(105, "1"); }
  RaceHeader& Dirt() { return Put(25, "0").Put(105, "0"); }
  RaceHeader& Obstacle() { return Put(25, "1"); }
  RaceHeader& Name(std::string_view utf8) { return PutText(29, utf8, 30); }
  RaceHeader& ClassCode(std::string_view code) { return Put(100, code); }
  RaceHeader& CourseSide(std::string_view code) { return Put(107, code); }
  RaceHeader& Distance(int metres) { return Put(109, metres, 4); }
  RaceHeader& Runners(int count) { return Put(337, count, 2); }
};

// Entry record (rvx_den2.kd2): bracket 1, a 4-year-old colt, 55.0 kg.
class Entry : public FieldBuilder<Entry> {
 public:
  Entry();
  Entry& Bracket(int bracket) { return Put(23, bracket, 1); }
  Entry& Name(std::string_view utf8) { return PutText(33, utf8, 18); }
  Entry& Sex(std::string_view code) { return Put(65, code); }
  Entry& Age(int age) { return Put(66, age, 2); }
  Entry& Weight(std::string_view tenths) { return Put(149, tenths); }
  Entry& Jockey(std::string_view utf8) { return PutText(189, utf8, 8); }
  Entry& Rating(int rt) { return Put(706, rt, 3); }
};

// One past-run block, addressed by the positions of run 0 (1065 onwards); the
// horse record shifts it to its run. Starts as a counted run: 中山 芝 1600 m,
// 2007/04/15, third of 16, third at every corner, second in popularity.
class PastRunBlock {
 public:
  PastRunBlock();
  PastRunBlock& Put(int run0Pos, std::string_view bytes);
  PastRunBlock& Put(int run0Pos, int value, int width);
  PastRunBlock& PutText(int run0Pos, std::string_view utf8, int width);

  PastRunBlock& Course(std::string_view code) { return Put(1065, code); }
  PastRunBlock& Date(std::string_view yyyymmdd) { return Put(1077, yyyymmdd); }
  PastRunBlock& Turf() { return Put(1090, "0").Put(1180, "1"); }
  PastRunBlock& Dirt() { return Put(1090, "0").Put(1180, "0"); }
  PastRunBlock& Obstacle() { return Put(1090, "1"); }
  PastRunBlock& Distance(int metres) { return Put(1184, metres, 4); }
  PastRunBlock& Finish(std::string_view code) { return Put(1431, code); }
  PastRunBlock& LastCorner(std::string_view code) { return Put(1461, code); }
  PastRunBlock& Corners(std::string_view c1, std::string_view c2, std::string_view c3, std::string_view c4);

  const std::vector<std::pair<int, std::string>>& Fields() const { return fields_; }

 private:
  std::vector<std::pair<int, std::string>> fields_;  // run-0 position, bytes; later ones win
};

// Horse record (rvx_uma.kd2) of full length, without past runs.
class HorseRecord : public FieldBuilder<HorseRecord> {
 public:
  HorseRecord();
  HorseRecord& Name(std::string_view utf8) { return PutText(8, utf8, 30); }
  HorseRecord& Coat(std::string_view code) { return Put(86, code); }
  // Places the block as run k (0 = the most recent).
  HorseRecord& Run(int k, const PastRunBlock& block);
};

// Odds record (rvx_ods.kd2): the race header's key, then 5-byte odds texts.
std::string OddsRecord(std::string_view raceHeader, const std::vector<std::string>& odds);

// Writes lines with CR LF ends, creating the folder.
void WriteRecordFile(const std::filesystem::path& path, const std::vector<std::string>& lines);

// Writes a course parameter file from its plain lines (UTF-8 is fine: they
// are ASCII), scrambled as the program expects.
void WriteCourseParamFile(const std::filesystem::path& path, const std::vector<std::string>& plainLines);

}  // namespace orvane::test
